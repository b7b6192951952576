#pragma once

#include <filesystem>

namespace kpd {

// Where a program finds its libraries and the bundled drive data. Built and run in the
// build tree, everything lies beside the program; installed under a prefix, the programs
// are in PREFIX/bin, the libraries in PREFIX/lib/keypad-string-tool and the sample drive
// in PREFIX/share/keypad-string-tool, a folder the user cannot write to.
class InstallLayout {
public:
    static constexpr const char* kPackageName = "keypad-string-tool";

    // Looks at the files around the program's folder to tell the two apart.
    static InstallLayout of(const std::filesystem::path& programFolder);

    bool installed() const { return installed_; }
    const std::filesystem::path& programFolder() const { return programFolder_; }
    const std::filesystem::path& libraryFolder() const { return libraryFolder_; }
    // The drive data that came with the program: the default drive folder of a build-tree
    // run, the seed of the per-user drive folder of an installed one.
    const std::filesystem::path& bundledData() const { return bundledData_; }

private:
    bool installed_ = false;
    std::filesystem::path programFolder_;
    std::filesystem::path libraryFolder_;
    std::filesystem::path bundledData_;
};

} // namespace kpd
