#include "startup/codepages.h"

#include "startup/terminal_error.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Qt's ICU backend knows these names; QStringConverter::encodingForName does not.
const char* codecName(CodePage page)
{
    return page == CodePage::Cp1251 ? "windows-1251" : "IBM866";
}

} // namespace

QByteArray encodeText(CodePage page, const QString& text, bool* lossless)
{
    QStringEncoder encoder(codecName(page));
    if (!encoder.isValid())
        throw TerminalError(QStringLiteral("Code page %1 is not available").arg(QLatin1String(codecName(page))));
    QByteArray bytes = encoder.encode(text);
    if (lossless)
        *lossless = !encoder.hasError();
    if (!encoder.hasError())
        return bytes;
    // The converter puts its own substitute in; '?' is what readers expect.
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder single(codecName(page));
        const QByteArray piece = single.encode(QStringView(text).mid(i, length));
        bytes += single.hasError() ? QByteArray("?") : piece;
        i += length;
    }
    return bytes;
}

QByteArray encodeTextExactly(CodePage page, const QString& text)
{
    bool lossless = true;
    QByteArray bytes = encodeText(page, text, &lossless);
    if (lossless)
        return bytes;
    // Find the first character that does not survive, to name it.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString piece = text.mid(i, length);
        bool ok = true;
        encodeText(page, piece, &ok);
        if (!ok)
            throw TerminalError(QStringLiteral("The character \"%1\" cannot be stored in code page %2.")
                                    .arg(piece, page == CodePage::Cp1251 ? QStringLiteral("1251") : QStringLiteral("866")));
        i += length;
    }
    throw TerminalError(QStringLiteral("The text cannot be stored in the code page."));
}

QString decodeText(CodePage page, const QByteArray& bytes)
{
    QStringDecoder decoder(codecName(page));
    if (!decoder.isValid())
        throw TerminalError(QStringLiteral("Code page %1 is not available").arg(QLatin1String(codecName(page))));
    return decoder.decode(bytes);
}
