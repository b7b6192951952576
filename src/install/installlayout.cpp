#include "installlayout.h"

namespace kpd {

namespace {

bool holdsDrive(const std::filesystem::path& folder)
{
    std::error_code error;
    return std::filesystem::is_regular_file(folder / "kpdconf.kpx", error);
}

} // namespace

InstallLayout InstallLayout::of(const std::filesystem::path& programFolder)
{
    InstallLayout layout;
    std::filesystem::path folder = programFolder.lexically_normal();
    if (!folder.has_filename()) folder = folder.parent_path();
    layout.programFolder_ = folder;
    layout.libraryFolder_ = layout.programFolder_;
    layout.bundledData_ = layout.programFolder_;
    // A drive beside the program wins: that is the build tree, and a folder someone set up
    // by hand keeps working as it always did.
    if (holdsDrive(layout.programFolder_)) return layout;
    const std::filesystem::path prefix = layout.programFolder_.parent_path();
    const std::filesystem::path shared = prefix / "share" / kPackageName;
    if (!holdsDrive(shared)) return layout;
    layout.installed_ = true;
    layout.libraryFolder_ = prefix / "lib" / kPackageName;
    layout.bundledData_ = shared;
    return layout;
}

} // namespace kpd
