#pragma once

#include <QString>
#include <QTemporaryDir>

// A program folder for one test: a small drive's configuration, constants and language
// files, each of which a test may leave out.
//   Languages: English (index 0), Custom (index 1, the custom set), French (index 2).
//   Modes: "Open loop", "Closed loop", "Servo", "Regen" (the files fill the first two). Menus: 1 "Speed" (p1 "Reference", p2 "Maximum"),
//   2 "Protection" hidden (p0 "Trip store"), trips "Trips" with t1 "Over volts" -> m2.p0.
class DriveFolder {
public:
    enum File { Configuration = 1, Constants = 2, English = 4, Custom = 8, French = 16, All = 31 };

    explicit DriveFolder(int files = All);

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const QByteArray& content) const;

    // A keypad data file for the custom set holding one description of m1.p1 in "Open loop".
    QByteArray customDocument(const QString& description) const;

private:
    QTemporaryDir dir_;
};
