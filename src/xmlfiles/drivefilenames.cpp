#include "drivefilenames.h"

#include "textcodec.h"

#include <filesystem>

namespace kpd {

namespace {

std::string inFolder(const std::string& folder, const std::string& name)
{
    return (std::filesystem::path(folder) / name).string();
}

} // namespace

bool DriveFileNames::isKeypadFile(std::string name)
{
    while (!name.empty() && name.back() == ' ') name.pop_back();
    static const std::string extension = ".kpd";
    return name.size() >= extension.size() &&
           name.compare(name.size() - extension.size(), std::string::npos, extension) == 0;
}

std::string DriveFileNames::customSetBackup(const std::string& folder)
{
    return inFolder(folder, "autoBackup.kpd");
}

std::string DriveFileNames::menuBackup(const std::string& folder, const std::string& menuKey)
{
    return inFolder(folder, "autoBackup" + TextCodec::latin1ToUtf8(menuKey) + ".kpd");
}

std::string DriveFileNames::autoSave(const std::string& folder)
{
    return inFolder(folder, "autoSave.kpd");
}

} // namespace kpd
