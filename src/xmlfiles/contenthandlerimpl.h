#pragma once

#include "configelementhandler.h"
#include "contenthandler.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kpd {

class DrvMenu;
class ModeData;
class Parameter;
class TheApp;
class stringData;

// Fills the model from a document: either the keypad data vocabulary (data, constants
// and language files, single-menu documents) or the configuration vocabulary. It never
// creates menus, parameters or modes in the data vocabulary; elements whose keys the
// model does not hold are skipped with everything inside them.
class ContentHandlerImpl : public ContentHandler {
public:
    // Files from before 10300 carry no constants; from before 10401 no units.
    static constexpr std::int32_t kConstantsVersion = 10300;
    static constexpr std::int32_t kUnitVersion = 10401;
    // A single-menu document has no App to say its version; it is written in this form.
    static constexpr std::int32_t kFragmentVersion = 10500;

    ContentHandlerImpl();
    ~ContentHandlerImpl() override;

    // loadAppData true: the configuration vocabulary.
    void setAppRef(TheApp& anApp, bool loadAppData);
    // -1 loads every menu; any other number only the menu with that number.
    void singleMenu(std::int16_t menuNumber) { singleMenu_ = menuNumber; }

    void startFragment() override;
    void startElement(const std::string& qName, const SaxAttributes& attributes) override;
    void endElement(const std::string& qName) override;
    void characters(std::string_view text) override;

    void handleConfigElement(bool start, const std::string& qName, const SaxAttributes& attributes);

    std::int32_t formatVersion() const { return formatVersion_; }

private:
    void startApp(const SaxAttributes& attributes);
    void startStringDB(const SaxAttributes& attributes);
    void startMenu(const SaxAttributes& attributes);
    void startPara(const SaxAttributes& attributes);
    void startMode(const SaxAttributes& attributes);
    void endDesc();
    void endHelp();

    TheApp* app_ = nullptr;
    bool configuration_ = false;
    std::unique_ptr<ConfigElementHandler> config_;
    std::int16_t singleMenu_ = -1;
    std::string buffer_;
    int state_ = 0;
    stringData* set_ = nullptr;
    DrvMenu* menu_ = nullptr;
    Parameter* parameter_ = nullptr;
    ModeData* mode_ = nullptr;
    std::int32_t nextPara_ = 0;
    std::int32_t nextMode_ = 0;
    std::int32_t formatVersion_ = 0;
    bool menuText_ = false;
    bool paraText_ = false;
};

} // namespace kpd
