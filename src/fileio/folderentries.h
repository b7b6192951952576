#pragma once

#include <string>
#include <vector>

namespace kpd {

// The names in a folder, without "." and "..", in the order the file system gives them; none
// when the folder cannot be read.
std::vector<std::string> folderEntries(const std::string& folder);

} // namespace kpd
