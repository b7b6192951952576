#pragma once

#include "checks/reviewmarks.h"

#include <QString>

namespace kpd {
class UserInterface;
}

// The review marks of the keypad data file being edited, read from and written to the
// side file beside it. A failure is shown titled "ERROR" and leaves the marks in memory as
// they were: they are a help to the translator and must never stop an edit or a save.
class ReviewMarksFile {
public:
    explicit ReviewMarksFile(kpd::UserInterface& ui) : ui_(ui) {}

    kpd::ReviewMarks& marks() { return marks_; }
    // The marks of dataFile, none for an empty name (a new set) or a file without marks.
    void open(const QString& dataFile);
    // Nothing is written without a data file: the marks wait for the first save.
    void write(const QString& dataFile);

private:
    kpd::UserInterface& ui_;
    kpd::ReviewMarks marks_;
};
