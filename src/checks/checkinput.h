#pragma once

#include "model/lostcharacters.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

class TheApp;

// A copy of what the checks read from the custom and reference sets, so that they can run
// on another thread while the user goes on editing the live model.
struct CheckInput {
    struct ModeTexts {
        std::string modeKey;
        bool defined = true;
        std::string desc;
        std::string help;
        std::int16_t unit = 0;
        // The reference set has this parameter in this mode.
        bool refPresent = false;
        bool refDefined = false;
        std::string refDesc;
        std::string refHelp;
        // Characters the loaded file held where the text now has '?', while it is unedited.
        std::vector<LostCharacters::Character> lostInDesc;
        std::vector<LostCharacters::Character> lostInHelp;
    };
    struct ParamTexts {
        std::string menuKey;
        std::string paraKey;
        std::vector<ModeTexts> modes;
    };

    std::vector<ParamTexts> params;
    int maxHelpChars = 80;

    // Every parameter of every menu of the custom set, in collection order. The trips menu
    // is left out: its parameters are the ones of the other menus.
    static CheckInput fromApp(const TheApp& app);
};

} // namespace kpd
