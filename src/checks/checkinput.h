#pragma once

#include "model/lostcharacters.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

class DrvMenu;
class Parameter;
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
    // The one parameter alone, to check again after it was edited; empty when the custom
    // set has no such parameter.
    static CheckInput fromParameter(const TheApp& app, const std::string& menuKey, const std::string& paraKey);

private:
    void add(const TheApp& app, const DrvMenu& menu, const DrvMenu* refMenu, const Parameter& parameter);
};

} // namespace kpd
