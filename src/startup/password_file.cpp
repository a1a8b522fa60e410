#include "startup/password_file.h"

#include "startup/file_io.h"
#include "startup/keystream.h"

namespace {
constexpr int HeaderLength = 15;
const QByteArray OuterKey = QByteArrayLiteral("KKKLLLMMMNNNPPP");

// XORs the outer layer on or off: the keystream's first n values are
// skipped, the next n are applied.
void applyOuterLayer(Keystream& keystream, QByteArray& bytes)
{
    keystream.StartKeystream(OuterKey);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        keystream.NextKeystreamByte();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) ^ keystream.NextKeystreamByte());
}
} // namespace

QByteArray OpenInnerLayer(Keystream& keystream, QByteArray inner)
{
    keystream.StartKeystream(inner.left(HeaderLength));
    for (qsizetype i = HeaderLength; i < inner.size(); ++i)
        inner[i] = static_cast<char>(static_cast<unsigned char>(inner[i]) ^ keystream.NextKeystreamByte());
    return inner.mid(HeaderLength);
}

QByteArray formPasswordFile(Keystream& keystream, const QByteArray& password)
{
    QByteArray inner = keystream.StartKeystream(QByteArray());
    for (const char byte : password)
        inner.append(static_cast<char>(static_cast<unsigned char>(byte) ^ keystream.NextKeystreamByte()));
    applyOuterLayer(keystream, inner);
    return inner;
}

QByteArray readPasswordBytes(Keystream& keystream, QByteArray fileBytes)
{
    applyOuterLayer(keystream, fileBytes);
    return OpenInnerLayer(keystream, fileBytes);
}

QByteArray readPasswordFile(Keystream& keystream, const QString& path)
{
    return readPasswordBytes(keystream, readWholeFile(path));
}

void writePasswordFile(Keystream& keystream, const QString& path, const QByteArray& password)
{
    writeWholeFile(path, formPasswordFile(keystream, password));
}
