#pragma once

#include <cstdint>

namespace comrt {

// The version resource of a component library, handed out by its DllGetVersionInfo.
struct VersionInfo {
    std::uint16_t fileVersion[4];
    std::uint16_t productVersion[4];
    const char* fileDescription;
    const char* productDescription;
    // The library registers itself through DllRegisterServer.
    bool selfRegistering;
};

} // namespace comrt
