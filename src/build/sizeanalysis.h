#pragma once

#include "paramstrings.h"
#include "sizereport.h"

#include <string>
#include <vector>

namespace kpd {

class TheApp;

// The strings of the custom set as the build reads them, copied so that the analysis can
// run away from the model; failure holds why the set cannot be built at all.
struct SizeInput {
    std::vector<ParamStrings> records;
    std::string failure;
};

// Builds the image as Compress does and attributes every byte of it: header and menu
// table, each record with its stored strings and back-references, each dictionary word.
class SizeAnalysis {
public:
    static SizeInput collect(const TheApp& app);
    static SizeReport analyse(const SizeInput& input);
    static SizeReport analyse(const TheApp& app) { return analyse(collect(app)); }
};

} // namespace kpd
