#pragma once

#include <QString>

#include <stdexcept>

// What a fault in a data file costs the player. A question file gone bad ends the game in
// progress and the player goes back to the title; a roster that cannot be read or kept ends the
// program, because playing on would record a game that could not be saved.
enum class FaultScope { Game, Program };

// A data file that cannot be read or written. Carries the file, the line (0 when the fault is not
// tied to one), what is wrong and what the player can do about it, so the message says where to
// look; technical detail (the system's own error text) comes last.
class FileError : public std::runtime_error {
public:
    FileError(QString path, int line, QString fault, QString detail = {});

    const QString &path() const { return path_; }
    // The file's name as the player sees it in the data folder.
    QString fileName() const;
    int line() const { return line_; }
    const QString &fault() const { return fault_; }
    const QString &detail() const { return detail_; }

    FaultScope scope() const { return scope_; }
    bool endsProgram() const { return scope_ == FaultScope::Program; }
    FileError &setScope(FaultScope scope) {
        scope_ = scope;
        return *this;
    }
    // What the player can do; a default that fits reading or writing is chosen when none is set.
    const QString &remedy() const { return remedy_; }
    FileError &setRemedy(QString remedy);

    // 「playerdata.qdt」の12行目：…
    // <what the player can do>
    // <full path>（<detail>）
    QString message() const;

    // Remedies the game offers.
    static QString restoreRemedy();   // a file that cannot be read
    static QString diskRemedy();      // a file that cannot be written

private:
    QString path_;
    int line_;
    QString fault_;
    QString detail_;
    QString remedy_;
    FaultScope scope_ = FaultScope::Game;
};
