#pragma once

#include <string>

namespace kpd {

// Writes a whole file at once: the bytes go to a temporary file beside the target, which
// then replaces it, so a failure leaves any old file as it was. Failures throw
// std::system_error naming the file.
class OutputFile {
public:
    static void write(const std::string& path, const std::string& bytes);
};

} // namespace kpd
