// Feeds bytes to the loader as the configuration file "kpdconf.kpx": the skeleton of every
// string set is built from them.
#include "xmlharness.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kpd::fuzz::SilentUserInterface ui;
    kpd::TheApp app(ui, ".");
    kpd::fuzz::loadDocument(app, {reinterpret_cast<const char*>(data), size}, true);
    return 0;
}
