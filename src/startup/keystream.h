// The keystream generator that scrambles psw.txt: a 128-byte shift register
// seeded from a 15-character key.
#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

class Keystream {
public:
    // Seeds the register from the first 15 bytes of key, or from the local
    // time ("yyyymmhhnnsszzz") when key is shorter, runs the warm-up and
    // returns the key actually used.
    QByteArray StartKeystream(const QByteArray& key);

    // The next value, 0 to 254.
    int NextKeystreamByte();

    // The 15-character local time stamp used as a key and as the header of psw.txt.
    static QByteArray timeStampKey();

private:
    // KeyRegister[k - 1] holds position k of the register.
    std::array<std::uint8_t, 128> KeyRegister {};
};
