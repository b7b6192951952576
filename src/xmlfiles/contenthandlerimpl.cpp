#include "contenthandlerimpl.h"

#include "model/numbertext.h"
#include "model/theapp.h"

namespace kpd {

namespace {

// The states of the keypad data vocabulary: where in App/StringDB/Menu/Para/Mode we are.
enum State { Outside = 0, InApp, InStringDB, InMenu, InPara, InMode, InDesc, InHelp };

constexpr const char* kUndefinedText = "*** UNDEFINED ***";

// Documents list parameters and modes in the model's own order, so the key after the
// last one found is tried first; anything else goes through the collection's index.
template <typename Collection>
auto* findInOrder(Collection& collection, const std::string& key, std::int32_t& next)
{
    if (collection.keyAt(next) == key) {
        ++next;
        return &collection.Item(next);
    }
    return collection.find(key);
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

// The state is tested before the name, and names are compared as views (lengths
// first): every element of a language file passes through here.
void ContentHandlerImpl::startElement(const std::string& qName, const SaxAttributes& attributes)
{
    const std::string_view name = qName;
    if (configuration_) {
        handleConfigElement(true, qName, attributes);
    } else if (app_) {
        if (state_ == Outside && name == "App")
            startApp(attributes);
        else if (state_ == InApp && name == "StringDB")
            startStringDB(attributes);
        else if (state_ == InStringDB && name == "Menu")
            startMenu(attributes);
        else if (state_ == InMenu && name == "Para")
            startPara(attributes);
        else if (state_ == InPara && name == "Mode")
            startMode(attributes);
        else if (state_ == InMode && name == "Desc")
            state_ = InDesc;
        else if (state_ == InMode && name == "Help")
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
    const std::string_view name = qName;
    if (state_ == InDesc && name == "Desc") {
        endDesc();
        state_ = InMode;
    } else if (state_ == InHelp && name == "Help") {
        endHelp();
        state_ = InMode;
    } else if (state_ == InMode && name == "Mode") {
        state_ = InPara;
    } else if (state_ == InPara && name == "Para") {
        state_ = InMenu;
    } else if (state_ == InMenu && name == "Menu") {
        app_->ui().processEvents();
        state_ = InStringDB;
    } else if (state_ == InStringDB && name == "StringDB") {
        state_ = InApp;
    } else if (state_ == InApp && name == "App") {
        state_ = Outside;
    }
}

void ContentHandlerImpl::characters(std::string_view text)
{
    // Only a Desc or Help ever uses the text; the layout whitespace between the other
    // elements would be gathered and dropped again at the next start tag.
    if (configuration_ || (state_ != InDesc && state_ != InHelp)) return;
    // The model holds line breaks as CR LF; the parser hands them over as LF.
    std::size_t from = 0;
    for (std::size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n', from)) {
        buffer_.append(text.substr(from, lf - from));
        buffer_ += "\r\n";
        from = lf + 1;
    }
    buffer_.append(text.substr(from));
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
    nextPara_ = 0;
    state_ = InMenu;
}

void ContentHandlerImpl::startPara(const SaxAttributes& attributes)
{
    paraText_ = textFlag(attributes);
    const std::string* paraId = attributes.find("ParaID");
    Parameter* parameter = paraId ? findInOrder(menu_->Parameters(), *paraId, nextPara_) : nullptr;
    if (!parameter) return;
    parameter_ = parameter;
    nextMode_ = 0;
    state_ = InPara;
}

// Each value stands alone: one whose attribute is absent or holds no number is skipped,
// and the value it would have set keeps what it held.
void ContentHandlerImpl::startMode(const SaxAttributes& attributes)
{
    const bool modeText = textFlag(attributes);
    const std::string* modeId = attributes.find("ModeID");
    ModeData* mode = modeId ? findInOrder(parameter_->modes(), *modeId, nextMode_) : nullptr;
    if (!mode) return;
    mode_ = mode;
    state_ = InMode;

    // Data files carry none of the constants: absent attributes are the common case here,
    // so they are looked for rather than read and failed.
    if (formatVersion_ >= kConstantsVersion) {
        if (const std::string* value = attributes.find("defined")) mode->setStrDefined(*value);
        if (const std::string* value = attributes.find("dVal")) mode->setDVal(*value);
        if (const std::string* value = attributes.find("lLim")) mode->setLLim(*value);
        if (const std::string* value = attributes.find("uLim")) mode->setULim(*value);
        if (const std::string* value = attributes.find("nOfDP")) {
            const Int16Result places = readInt16(*value);
            if (places.status == NumberStatus::Ok) mode->setDecimalPlaces(places.value);
        }
    }
    if (formatVersion_ >= kUnitVersion) {
        if (const std::string* value = attributes.find("Unit")) {
            const Int16Result unit = readInt16(*value);
            if (unit.status == NumberStatus::Ok) mode->setUnit(unit.value);
        }
    }
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
