#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kpd {

// The one way this project replaces a set of files that only make sense together (the
// download segments): the set is written into a new folder beside the old one, which then
// takes the old folder's place in one rename. A reader finds the old set or the new one,
// never a mix, however the writer ends; a killed writer's folder goes on the next write.
class SafeFolder {
public:
    // File names in the folder, and their bytes.
    using Files = std::vector<std::pair<std::string, std::string>>;

    // The folder must exist and may hold other files, which stay. Links lead the folder
    // anywhere, or, with a confining folder, only inside it (as SafeFile's). Throws
    // FileWriteError naming the folder as given, or the file of the set that failed; the
    // old set is then as it was.
    static void write(const std::string& folder, const Files& files, const std::string& confinedTo);
};

} // namespace kpd
