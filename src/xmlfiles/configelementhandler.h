#pragma once

#include "saxattributes.h"

#include "model/sharedkey.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

class TheApp;

// The configuration vocabulary: builds the skeleton of every string set (menus,
// parameters, modes, trips) and takes the drive's settings from kpdconf.kpx.
class ConfigElementHandler {
public:
    // The word that switches the editor into its alternate state, compared exactly.
    static constexpr const char* kAccessCode = "brightfennel";

    explicit ConfigElementHandler(TheApp& app) : app_(app) {}

    void handle(bool start, const std::string& qName, const SaxAttributes& attributes);

    // Space-separated 16-bit numbers; the first token that is no number ends the list.
    static std::vector<std::int16_t> parseNumberList(const std::string& text);

private:
    void startToolData(const SaxAttributes& attributes);
    void startDbNames(const SaxAttributes& attributes);
    void startGeneralModes(const SaxAttributes& attributes);
    void startRoot(const SaxAttributes& attributes);
    void startMenu(const SaxAttributes& attributes);
    void startMenuModes(const SaxAttributes& attributes);
    void startPara(const SaxAttributes& attributes);
    void startTrips(const SaxAttributes& attributes);
    void startTrip(const SaxAttributes& attributes);

    TheApp& app_;
    int state_ = 0;
    std::string customAttrName_;
    std::string menuKey_;
    std::int16_t menuNumber_ = 0;
    std::vector<SharedKey> menuModes_;
    std::vector<std::int16_t> cloneMenus_;
    bool hide_ = false;
    std::string lastMapMenuKey_;
    bool newMapping_ = false;
    int menusSeen_ = 0;
};

} // namespace kpd
