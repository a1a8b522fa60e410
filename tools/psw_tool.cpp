// psw-tool: forms psw.txt for a database password and reads one back. The
// terminal never writes this file; the back office and the demo set-up do.
//
//   psw-tool write <file> <password>
//   psw-tool read <file>
#include "startup/codepages.h"
#include "startup/keystream.h"
#include "startup/password_file.h"
#include "startup/terminal_error.h"

#include <QString>
#include <cstdio>
#include <cstring>

namespace {

int usage()
{
    std::fputs("usage: psw-tool write <file> <password>\n       psw-tool read <file>\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        Keystream keystream;
        if (argc == 4 && std::strcmp(argv[1], "write") == 0) {
            const QByteArray password = encodeTextExactly(CodePage::Cp1251, QString::fromLocal8Bit(argv[3]));
            writePasswordFile(keystream, QString::fromLocal8Bit(argv[2]), password);
            return 0;
        }
        if (argc == 3 && std::strcmp(argv[1], "read") == 0) {
            const QByteArray password = readPasswordFile(keystream, QString::fromLocal8Bit(argv[2]));
            std::printf("%s\n", decodeText(CodePage::Cp1251, password).toLocal8Bit().constData());
            return 0;
        }
        return usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "psw-tool: %s\n", errorText(e).toLocal8Bit().constData());
        return 1;
    }
}
