#pragma once

#include "model/theapp.h"

#include <cstdint>
#include <string>

namespace kpd {

// Reads a file whole and runs it through the loader, reporting a document that is not
// well-formed (or cannot be read) in a message titled "ERROR" that names the file. What
// was read before the fault stays in the model. A file that is no keypad data, or whose
// encoding is mixed, is refused in such a message and changes nothing. What a load that
// went through has to remark (the encoding it assumed, lost characters, values out of
// range) comes in one warning per file.
class DocumentLoader {
public:
    static constexpr const char* kConfigurationFile = "kpdconf.kpx";

    static LoadResult loadUserDocument(TheApp& app, const std::string& path, std::int16_t mNum,
                                       LoadMode mode = LoadMode::Merge);

    // False when the configuration file is missing or not well-formed: the program cannot
    // run, and the user interface's cannot-run flag is set.
    static bool loadConfiguration(TheApp& app, const std::string& fileName);
};

} // namespace kpd
