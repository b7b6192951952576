#include "programfolder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace kpd {

namespace {

bool equalIgnoringCase(const std::string& a, const std::string& b)
{
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&](char x, char y) { return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y)); });
}

} // namespace

std::string ProgramFolder::join(const std::string& folder, const std::string& name)
{
    if (folder.empty()) return name;
    return (std::filesystem::path(folder) / name).string();
}

std::string ProgramFolder::file(const std::string& name) const
{
    const std::string exact = join(folder_, name);
    std::error_code error;
    if (std::filesystem::exists(exact, error)) return exact;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.empty() ? "." : folder_, error)) {
        const std::string entryName = entry.path().filename().string();
        if (equalIgnoringCase(entryName, name)) return join(folder_, entryName);
    }
    return exact;
}

} // namespace kpd
