#pragma once

#include "saxattributes.h"

#include "model/sharedkey.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace kpd {

class DocumentLocator;
class TheApp;

// The configuration vocabulary: builds the skeleton of every string set (menus,
// parameters, modes, trips) and takes the drive's settings from kpdconf.kpx. A value the
// string database cannot hold (a menu number beyond a byte, a base address that is no
// number, a menu declared twice, a trip that points at nothing, more parameters than the
// database takes) is a configuration error: the reading stops there, and the drive is not run.
class ConfigElementHandler {
public:
    // The word that switches the editor into its alternate state, compared exactly.
    static constexpr const char* kAccessCode = "brightfennel";
    // The string database numbers menus and parameters with one byte each and holds at
    // most this many parameters.
    static constexpr std::int16_t kLastNumber = 255;
    static constexpr int kMostParameters = 8192;
    // Trip numbers only make keys; they are held as 16-bit numbers.
    static constexpr std::int16_t kLastTripNumber = 32767;

    explicit ConfigElementHandler(TheApp& app) : app_(app) {}

    void setDocumentName(const std::string& name) { documentName_ = name; }
    void setDocumentLocator(const DocumentLocator& locator) { locator_ = &locator; }

    void handle(bool start, const std::string& qName, const SaxAttributes& attributes);

    bool refused() const { return !refusal_.empty(); }
    // The element, the value and what it should have been, with the line.
    const std::string& refusal() const { return refusal_; }

    // Space-separated 16-bit numbers; the first token that is no number ends the list.
    static std::vector<std::int16_t> parseNumberList(const std::string& text);

private:
    void refuse(const std::string& reason);
    long line() const;
    // The number in `attribute` of an element, from 0 to `last`; refuses the document
    // (and gives -1) when it is absent, no whole number or out of that range.
    std::int32_t requireNumber(const SaxAttributes& attributes, const std::string& element, const char* attribute,
                               std::int32_t last);
    void endToolData();
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
    bool rootSeen_ = false;
    bool dbNamesSeen_ = false;
    int parameters_ = 0;
    std::set<std::int32_t> menuNumbers_;
    std::set<std::int32_t> tripNumbers_;
    std::string documentName_;
    const DocumentLocator* locator_ = nullptr;
    std::string refusal_;
};

} // namespace kpd
