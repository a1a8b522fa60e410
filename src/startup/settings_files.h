// Net.txt (where the database is) and Name.txt (the last login name), both in
// the program folder.
#pragma once

#include <QString>
#include <array>

inline constexpr auto NetFileName = "Net.txt";
inline constexpr auto NameFileName = "Name.txt";

// Writes "Local" and "localhost:<program folder>devazire.fdb" when the
// program folder has no Net.txt yet.
void writeDefaultNetTxt(const QString& programDir);

// Line 2 of Net.txt, verbatim: the connection string.
QString readConnectionString(const QString& netTxtPath);

// Net.txt as the connection settings dialog presents it.
struct NetSettings {
    enum class Mode { Local, Network, Unknown };
    Mode mode = Mode::Unknown;
    QString databasePath;
    std::array<QString, 4> address;
};
NetSettings readNetSettings(const QString& netTxtPath);

void writeLocalNetTxt(const QString& netTxtPath, const QString& databasePath);
void writeNetworkNetTxt(const QString& netTxtPath, const std::array<QString, 4>& address,
                        const QString& databasePath);

// The first line of Name.txt, or empty when the file has none.
QString readLastLogin(const QString& nameTxtPath);
void writeLastLogin(const QString& nameTxtPath, const QString& login);
