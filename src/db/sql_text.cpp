#include "db/sql_text.h"

#include <QRegularExpression>

namespace {

bool isNameStart(QChar c)
{
    return c.isLetter() || c == u'_';
}

bool isNamePart(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

// Length of the literal, quoted identifier or comment starting at i, or 0
// when none starts there. An unterminated one runs to the end of the text.
qsizetype skippedLength(const QString& sql, qsizetype i)
{
    const QChar c = sql.at(i);
    const QChar next = i + 1 < sql.size() ? sql.at(i + 1) : QChar();
    qsizetype end = -1;
    if (c == u'\'' || c == u'"') {
        // A doubled quote inside stands for one quote.
        end = i + 1;
        for (;;) {
            end = sql.indexOf(c, end);
            if (end < 0 || end + 1 >= sql.size() || sql.at(end + 1) != c)
                break;
            end += 2;
        }
        end = end < 0 ? sql.size() : end + 1;
    } else if (c == u'-' && next == u'-') {
        end = sql.indexOf(u'\n', i);
        end = end < 0 ? sql.size() : end + 1;
    } else if (c == u'/' && next == u'*') {
        end = sql.indexOf(QLatin1String("*/"), i + 2);
        end = end < 0 ? sql.size() : end + 2;
    } else {
        return 0;
    }
    return end - i;
}

} // namespace

PositionalSql toPositionalParameters(const QString& sql)
{
    PositionalSql result;
    result.text.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        if (const qsizetype skip = skippedLength(sql, i)) {
            result.text += QStringView(sql).mid(i, skip);
            i += skip;
            continue;
        }
        if (sql.at(i) == u':' && i + 1 < sql.size() && isNameStart(sql.at(i + 1))) {
            qsizetype end = i + 1;
            while (end < sql.size() && isNamePart(sql.at(end)))
                ++end;
            result.names << sql.mid(i + 1, end - i - 1).toUpper();
            result.text += u'?';
            i = end;
            continue;
        }
        result.text += sql.at(i);
        ++i;
    }
    return result;
}

QStringList splitScript(const QString& script)
{
    static const QRegularExpression setTerm(QStringLiteral(R"(^SET\s+TERM\s+(\S+)$)"),
                                            QRegularExpression::CaseInsensitiveOption);
    QStringList statements;
    QString terminator = QStringLiteral(";");
    QString current;
    // The statement without its comments, to tell empty statements and
    // "SET TERM" lines apart.
    QString code;
    auto finish = [&] {
        const QRegularExpressionMatch match = setTerm.match(code.trimmed());
        if (match.hasMatch())
            terminator = match.captured(1);
        else if (!code.trimmed().isEmpty())
            statements << current.trimmed();
        current.clear();
        code.clear();
    };
    qsizetype i = 0;
    while (i < script.size()) {
        if (QStringView(script).mid(i).startsWith(terminator)) {
            finish();
            i += terminator.size();
            continue;
        }
        qsizetype length = skippedLength(script, i);
        const bool comment = length > 0 && script.at(i) != u'\'' && script.at(i) != u'"';
        length = qMax<qsizetype>(length, 1);
        current += QStringView(script).mid(i, length);
        code += comment ? QStringView(u" ") : QStringView(script).mid(i, length);
        i += length;
    }
    finish();
    return statements;
}
