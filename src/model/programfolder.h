#pragma once

#include <string>

namespace kpd {

// The drive data comes from a case-insensitive file system, so the fixed files of the
// program folder ("kpdconf.kpx", "English.kpl", ...) are found whatever their case.
class ProgramFolder {
public:
    explicit ProgramFolder(std::string folder) : folder_(std::move(folder)) {}

    const std::string& path() const { return folder_; }

    // The path of the file named name in the folder: the exact name when it exists,
    // else the first entry equal to it ignoring ASCII case, else the exact name.
    std::string file(const std::string& name) const;

    // Joins a folder and a name with the platform's separator.
    static std::string join(const std::string& folder, const std::string& name);

private:
    std::string folder_;
};

} // namespace kpd
