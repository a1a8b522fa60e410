// Fuzz target: any bytes as Net.txt and as Name.txt. Reading them by both
// rules of Net.txt and as the last login may fail only with TerminalError,
// and what was read must read back the same after it is written again.
#include "fuzz_input.h"
#include "startup/settings_files.h"
#include "startup/terminal_error.h"

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

// Settings text the code page cannot hold is refused on writing; anything
// written must come back unchanged.
void rewriteNetSettings(const NetSettings& settings)
{
    const QString& path = fuzzInputPath();
    try {
        if (settings.mode == NetSettings::Mode::Local)
            writeLocalNetTxt(path, settings.databasePath);
        else if (settings.mode == NetSettings::Mode::Network)
            writeNetworkNetTxt(path, settings.address, settings.databasePath);
        else
            return;
    } catch (const TerminalError&) {
        return;
    }
    const NetSettings again = readNetSettings(path);
    require(again.mode == settings.mode);
    require(again.databasePath == settings.databasePath);
    if (settings.mode == NetSettings::Mode::Network)
        require(again.address == settings.address);
}

void rewriteLastLogin(const QString& login)
{
    try {
        writeLastLogin(fuzzInputPath(), login);
    } catch (const TerminalError&) {
        return;
    }
    require(readLastLogin(fuzzInputPath()) == login);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    writeFuzzInput(data, size);
    try {
        readConnectionString(fuzzInputPath());
        const NetSettings settings = readNetSettings(fuzzInputPath());
        const QString login = readLastLogin(fuzzInputPath());
        rewriteNetSettings(settings);
        rewriteLastLogin(login);
    } catch (const TerminalError&) {
    }
    return 0;
}
