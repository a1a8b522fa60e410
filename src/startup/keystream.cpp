#include "startup/keystream.h"

#include <QDateTime>

namespace {
constexpr int KeyLength = 15;
constexpr int RegisterSize = 128;
// Register positions (1-based) that feed each new value.
constexpr std::array<int, 12> Taps {1, 3, 5, 7, 11, 13, 17, 19, 23, 29, 36, 127};
} // namespace

QByteArray Keystream::timeStampKey()
{
    // Year, month, hour, minute, second, millisecond: no day, as the format always had.
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMhhmmsszzz")).toLatin1();
}

QByteArray Keystream::StartKeystream(const QByteArray& key)
{
    for (int k = KeyLength + 1; k <= RegisterSize; ++k)
        KeyRegister[k - 1] = static_cast<std::uint8_t>(k);
    const QByteArray used = key.size() >= KeyLength ? key : timeStampKey();
    for (int k = 1; k <= KeyLength; ++k)
        KeyRegister[k - 1] = static_cast<std::uint8_t>(used.at(k - 1));
    for (int i = 0; i < RegisterSize; ++i)
        NextKeystreamByte();
    return used;
}

int Keystream::NextKeystreamByte()
{
    int sum = 0;
    for (int position : Taps)
        sum += KeyRegister[position - 1];
    const int s = sum % 255;
    for (int k = RegisterSize - 1; k >= 1; --k)
        KeyRegister[k] = KeyRegister[k - 1];
    KeyRegister[0] = static_cast<std::uint8_t>(s);
    return s;
}
