#include "folderentries.h"

#include <dirent.h>
#include <memory>

namespace kpd {

namespace {

// A deleter type rather than a function pointer: closedir's attributes would be dropped from
// the pointer's type, and the handle stays one pointer wide.
struct FolderCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

} // namespace

std::vector<std::string> folderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    const std::unique_ptr<DIR, FolderCloser> dir(::opendir(folder.c_str()));
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    return names;
}

} // namespace kpd
