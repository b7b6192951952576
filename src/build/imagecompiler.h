#pragma once

#include "databaseimage.h"
#include "dictionary.h"
#include "imagemap.h"
#include "paramstrings.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace kpd {

// The build from collected records to a finished image: count the words, choose the
// dictionary, pack, lay out the records and the dictionary. Compress runs it with progress
// reports; the size analysis runs it with a map of where the bytes went.
class ImageCompiler {
public:
    // Called with a progress value (0 to 100) between the steps; true stops the build.
    using Checkpoint = std::function<bool(std::int32_t)>;

    // False when a checkpoint stopped it; the image is then incomplete. Throws
    // BuildLimitError for data the format cannot hold. map, when given, is filled.
    static bool compile(const std::vector<ParamStrings>& records, Dictionary& dictionary, DatabaseImage& image,
                        const Checkpoint& checkpoint, ImageMap* map = nullptr);
};

} // namespace kpd
