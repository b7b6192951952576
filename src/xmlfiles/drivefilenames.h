#pragma once

#include <string>

namespace kpd {

// The names of the files the programs write into a drive folder on their own, and the rule
// by which a name is taken for a keypad data file. The editor and kpdtool both ask here.
class DriveFileNames {
public:
    static constexpr const char* kUnknownFileType = "Unknown file type ";

    // True when the name ends in ".kpd", trailing spaces aside. Letter case counts: the
    // older tools took the last four characters from their first full stop on.
    static bool isKeypadFile(std::string name);

    // Where the whole custom set is saved before a command overwrites it.
    static std::string customSetBackup(const std::string& folder);
    // Where one menu of the custom set is saved before a command overwrites it; the menu
    // key is model text, the path is in the file system's encoding.
    static std::string menuBackup(const std::string& folder, const std::string& menuKey);
    // Where auto save writes until the user chooses another file.
    static std::string autoSave(const std::string& folder);
};

} // namespace kpd
