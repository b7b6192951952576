#pragma once

#include "download/zvnapilibrary.h"
#include "nodesimulator.h"

#include <memory>
#include <string>

// The build's own network library, loaded from folder and pointed at a simulated keypad.
// Its settings live in the loaded library, so it has to stay loaded while it is used.
inline std::unique_ptr<kpd::ZvnApiLibrary> libraryTalkingTo(const NodeSimulator& keypad, const std::string& folder)
{
    auto library = std::make_unique<kpd::ZvnApiLibrary>(std::vector<std::string>{folder});
    kpd::DriveNetwork::Settings settings{};
    library->KNR_GetParameters(settings);
    settings[1] = keypad.port();
    library->KNR_SetParameters(settings);
    return library;
}
