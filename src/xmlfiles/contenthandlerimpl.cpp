#include "contenthandlerimpl.h"

#include "model/numbertext.h"
#include "model/theapp.h"

namespace kpd {

namespace {

// The states of the keypad data vocabulary: where in App/StringDB/Menu/Para/Mode we are.
enum State { Outside = 0, InApp, InStringDB, InMenu, InPara, InMode, InDesc, InHelp };

constexpr const char* kUndefinedText = "*** UNDEFINED ***";

// Each statement stands alone: one whose attribute is absent or holds no number is
// skipped, and the value it would have set keeps what it held.
template <typename Statement>
void trapped(Statement statement)
{
    try {
        statement();
    } catch (const ModelError&) {
    }
}

bool textFlag(const SaxAttributes& attributes)
{
    const std::string* text = attributes.find("text");
    return text && *text == "true";
}

} // namespace

ContentHandlerImpl::ContentHandlerImpl() = default;
ContentHandlerImpl::~ContentHandlerImpl() = default;

void ContentHandlerImpl::setAppRef(TheApp& anApp, bool loadAppData)
{
    app_ = &anApp;
    configuration_ = loadAppData;
    config_ = loadAppData ? std::make_unique<ConfigElementHandler>(anApp) : nullptr;
}

void ContentHandlerImpl::startFragment()
{
    if (configuration_ || !app_) return;
    // A saved menu goes back into the set it was saved from: the custom set.
    set_ = app_->stringDatas().find(app_->getCustKey());
    if (!set_) return;
    formatVersion_ = kFragmentVersion;
    state_ = InStringDB;
}

void ContentHandlerImpl::startElement(const std::string& qName, const SaxAttributes& attributes)
{
    if (configuration_) {
        handleConfigElement(true, qName, attributes);
    } else if (app_) {
        if (qName == "App" && state_ == Outside)
            startApp(attributes);
        else if (qName == "StringDB" && state_ == InApp)
            startStringDB(attributes);
        else if (qName == "Menu" && state_ == InStringDB)
            startMenu(attributes);
        else if (qName == "Para" && state_ == InMenu)
            startPara(attributes);
        else if (qName == "Mode" && state_ == InPara)
            startMode(attributes);
        else if (qName == "Desc" && state_ == InMode)
            state_ = InDesc;
        else if (qName == "Help" && state_ == InMode)
            state_ = InHelp;
    }
    buffer_.clear();
}

void ContentHandlerImpl::endElement(const std::string& qName)
{
    if (configuration_) {
        handleConfigElement(false, qName, SaxAttributes());
        return;
    }
    if (qName == "Desc" && state_ == InDesc) {
        endDesc();
        state_ = InMode;
    } else if (qName == "Help" && state_ == InHelp) {
        endHelp();
        state_ = InMode;
    } else if (qName == "Mode" && state_ == InMode) {
        state_ = InPara;
    } else if (qName == "Para" && state_ == InPara) {
        state_ = InMenu;
    } else if (qName == "Menu" && state_ == InMenu) {
        app_->ui().processEvents();
        state_ = InStringDB;
    } else if (qName == "StringDB" && state_ == InStringDB) {
        state_ = InApp;
    } else if (qName == "App" && state_ == InApp) {
        state_ = Outside;
    }
}

void ContentHandlerImpl::characters(const std::string& text)
{
    // The model holds line breaks as CR LF; the parser hands them over as LF.
    std::size_t from = 0;
    for (std::size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', from)) {
        buffer_.append(text, from, lf - from);
        buffer_ += "\r\n";
        from = lf + 1;
    }
    buffer_.append(text, from, std::string::npos);
}

void ContentHandlerImpl::handleConfigElement(bool start, const std::string& qName, const SaxAttributes& attributes)
{
    if (config_) config_->handle(start, qName, attributes);
}

void ContentHandlerImpl::startApp(const SaxAttributes& attributes)
{
    const std::string* version = attributes.find("version");
    if (version) {
        const Int32Result number = readInt32(*version);
        if (number.status == NumberStatus::Ok) formatVersion_ = number.value;
    }
    state_ = InApp;
}

void ContentHandlerImpl::startStringDB(const SaxAttributes& attributes)
{
    const std::string* dbid = attributes.find("DBID");
    if (!dbid) return;
    if (*dbid == "Constants")
        set_ = app_->stringDatas().find(app_->getLangDBKey(0));
    else if (*dbid == "Alternate")
        set_ = app_->stringDatas().find("Custom");
    else
        set_ = app_->stringDatas().find(*dbid);
    if (set_) state_ = InStringDB;
}

void ContentHandlerImpl::startMenu(const SaxAttributes& attributes)
{
    menuText_ = textFlag(attributes);
    const std::string* menuId = attributes.find("MenuID");
    DrvMenu* menu = menuId ? set_->DrvMenus().find(*menuId) : nullptr;
    if (!menu) return;
    if (singleMenu_ != -1 && singleMenu_ != menu->menuNumber()) return;
    menu_ = menu;
    state_ = InMenu;
}

void ContentHandlerImpl::startPara(const SaxAttributes& attributes)
{
    paraText_ = textFlag(attributes);
    const std::string* paraId = attributes.find("ParaID");
    Parameter* parameter = paraId ? menu_->Parameters().find(*paraId) : nullptr;
    if (!parameter) return;
    parameter_ = parameter;
    state_ = InPara;
}

void ContentHandlerImpl::startMode(const SaxAttributes& attributes)
{
    const bool modeText = textFlag(attributes);
    const std::string* modeId = attributes.find("ModeID");
    ModeData* mode = modeId ? parameter_->modes().find(*modeId) : nullptr;
    if (!mode) return;
    mode_ = mode;
    state_ = InMode;

    if (formatVersion_ >= kConstantsVersion) {
        trapped([&] { mode->setStrDefined(attributes.getValueFromQName("defined")); });
        trapped([&] { mode->setDVal(attributes.getValueFromQName("dVal")); });
        trapped([&] { mode->setLLim(attributes.getValueFromQName("lLim")); });
        trapped([&] { mode->setULim(attributes.getValueFromQName("uLim")); });
        trapped([&] { mode->setNOfDp(attributes.getValueFromQName("nOfDP")); });
    }
    if (formatVersion_ >= kUnitVersion)
        trapped([&] { mode->setUnit(requireInt16(attributes.getValueFromQName("Unit"))); });
    mode->setTextDVal(menuText_ || paraText_ || modeText);
}

void ContentHandlerImpl::endDesc()
{
    if (buffer_ != kUndefinedText && buffer_ != "0" && mode_->getBoolDefined())
        mode_->setDesc(buffer_);
    else
        mode_->setDesc(std::string());
}

void ContentHandlerImpl::endHelp()
{
    // "0" is a help text like any other; only a description of "0" means none.
    if (buffer_ != kUndefinedText && mode_->getBoolDefined())
        mode_->setHelp(buffer_);
    else
        mode_->setHelp(std::string());
}

} // namespace kpd
