#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace kpd {

// Where a write lands, and what earlier writers left there. The file writer and the folder
// writer share it, so that both name their temporaries alike and each clears the other's.
class WriteTarget {
public:
    static std::string folderOf(const std::string& path);
    static std::string nameOf(const std::string& path);

    // The path that path names once the links on its last component are followed. With a
    // confining folder, the path free of any link, which must lie inside that folder: files
    // the program writes unasked under fixed names must not be led elsewhere by a link that
    // someone planted. Throws FileWriteError naming path.
    static std::string resolve(const std::string& path, const std::string& confinedTo);

    // A new name beside target for this process's temporary: target.<pid>-<n>.part.
    static std::string temporaryName(const std::string& target);
    // The process that made the temporary name, when name is one made for target's name.
    static std::optional<pid_t> temporaryWriter(std::string_view name, std::string_view targetName);

    // The temporaries beside target whose writer no longer runs. A killed writer leaves
    // them behind and nobody else ever takes them up; a running writer's are its own.
    static std::vector<std::string> deadWritersTemporaries(const std::string& target);
};

} // namespace kpd
