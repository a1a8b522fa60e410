// Exceptions of the terminal. Their text is what the application-wide error
// handler shows, so it must be readable by the person at the terminal.
#pragma once

#include <QString>
#include <stdexcept>

class TerminalError : public std::runtime_error {
public:
    explicit TerminalError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// A failed operation on a file in the program folder, with the file layer's
// standard text ("File not found", "File access denied", "I/O error %d").
class FileError : public TerminalError {
public:
    using TerminalError::TerminalError;
    // Builds the error from errno for the given file.
    static FileError fromErrno(int error, const QString& path);
};

// The text of any exception, for showing it.
QString errorText(const std::exception& e);
