#include "startup/terminal_error.h"

#include <cerrno>

FileError FileError::fromErrno(int error, const QString& path)
{
    QString text;
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        text = QStringLiteral("File not found");
        break;
    case EACCES:
    case EPERM:
    case EROFS:
        text = QStringLiteral("File access denied");
        break;
    case ENOSPC:
    case EDQUOT:
        text = QStringLiteral("Disk full");
        break;
    case EMFILE:
    case ENFILE:
        text = QStringLiteral("Too many open files");
        break;
    case ENAMETOOLONG:
        text = QStringLiteral("Invalid filename");
        break;
    default:
        text = QStringLiteral("I/O error %1").arg(error);
        break;
    }
    return FileError(QStringLiteral("%1: %2").arg(text, path));
}

QString errorText(const std::exception& e)
{
    if (auto* terminal = dynamic_cast<const TerminalError*>(&e))
        return terminal->message();
    return QString::fromLocal8Bit(e.what());
}
