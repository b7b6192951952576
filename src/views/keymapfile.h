#pragma once

#include <QString>

class LcdtextboxHost;

// The keyboard mapping file "keymap.kpm" of the program folder, in whatever letter case it
// lies there: read through a box when its owner opens, written back when the owner closes.
class KeyMapFile {
public:
    KeyMapFile(const QString& programFolder, LcdtextboxHost& box);

    void save();

private:
    LcdtextboxHost& box_;
    QString path_;
};
