#include "db/parameter_blocks.h"

#include "db/database_error.h"
#include "startup/codepages.h"

#include <ibase.h>

namespace {

void appendString(QByteArray& block, char item, const QByteArray& value)
{
    if (value.size() > 255)
        throw DatabaseError(QStringLiteral("Connection parameter value is too long"), 0);
    block.append(item);
    block.append(static_cast<char>(value.size()));
    block.append(value);
}

} // namespace

QByteArray connectionParameterBlock(const QStringList& lines)
{
    QByteArray block;
    block.append(static_cast<char>(isc_dpb_version1));
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        const QString name = line.left(equals).trimmed().toLower();
        const QByteArray value = encodeTextExactly(CodePage::Cp1251, line.mid(equals + 1));
        char item = 0;
        if (name == u"force_write" && (value == "0" || value == "1")) {
            // Numeric: on (1) writes every page through to disk at once.
            block.append(static_cast<char>(isc_dpb_force_write));
            block.append(static_cast<char>(1));
            block.append(static_cast<char>(value == "1"));
            continue;
        }
        if (equals < 0)
            item = 0;
        else if (name == u"user_name")
            item = isc_dpb_user_name;
        else if (name == u"password")
            item = isc_dpb_password;
        else if (name == u"lc_ctype")
            item = isc_dpb_lc_ctype;
        else if (name == u"sql_role_name")
            item = isc_dpb_sql_role_name;
        if (item == 0)
            throw DatabaseError(QStringLiteral("Unknown connection parameter \"%1\"").arg(line), 0);
        appendString(block, item, value);
    }
    block.append(static_cast<char>(isc_dpb_sql_dialect));
    block.append(static_cast<char>(1));
    block.append(static_cast<char>(SQL_DIALECT_V6));
    return block;
}

QByteArray transactionParameterBlock(const QStringList& items)
{
    static const struct {
        const char16_t* name;
        char item;
    } known[] = {
        {u"read", isc_tpb_read},
        {u"write", isc_tpb_write},
        {u"read_committed", isc_tpb_read_committed},
        {u"rec_version", isc_tpb_rec_version},
        {u"no_rec_version", isc_tpb_no_rec_version},
        {u"consistency", isc_tpb_consistency},
        {u"concurrency", isc_tpb_concurrency},
        {u"wait", isc_tpb_wait},
        {u"nowait", isc_tpb_nowait},
    };
    QByteArray block;
    block.append(static_cast<char>(isc_tpb_version3));
    for (const QString& text : items) {
        const QString name = text.trimmed().toLower();
        const auto found = std::find_if(std::begin(known), std::end(known),
                                        [&](const auto& k) { return name == QStringView(k.name); });
        if (found == std::end(known))
            throw DatabaseError(QStringLiteral("Unknown transaction parameter \"%1\"").arg(text), 0);
        block.append(found->item);
    }
    return block;
}
