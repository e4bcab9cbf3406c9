#pragma once

#include <QString>

#include <stdexcept>

// A data file that cannot be read or written. Carries the file, the line (0 when the fault
// is not tied to one) and what is wrong, so the player gets a message that says where to look.
class FileError : public std::runtime_error {
public:
    FileError(QString file, int line, QString fault);

    const QString &file() const { return file_; }
    int line() const { return line_; }
    const QString &fault() const { return fault_; }
    // "<file>, line <n>: <fault>" (or "<file>: <fault>" without a line).
    QString message() const;

private:
    QString file_;
    int line_;
    QString fault_;
};
