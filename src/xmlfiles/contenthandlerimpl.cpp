#include "contenthandlerimpl.h"

#include "model/numbertext.h"
#include "model/theapp.h"

namespace kpd {

namespace {

// The states of the keypad data vocabulary: where in App/StringDB/Menu/Para/Mode we are.
enum State { Outside = 0, InApp, InStringDB, InMenu, InPara, InMode, InDesc, InHelp };

constexpr const char* kUndefinedText = "*** UNDEFINED ***";

// The unit codes the keypad has a prefix for, and the decimal places the editor can show.
constexpr std::int16_t kLastUnit = 4;
constexpr std::int16_t kMostDecimalPlaces = 5;

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

void ContentHandlerImpl::setDocumentName(const std::string& name)
{
    if (config_) config_->setDocumentName(name);
}

void ContentHandlerImpl::clearCustomSet()
{
    for (DrvMenu& menu : app_->getCustMenus()) {
        rollback_.keep(menu);
        if (menu.isMapped()) continue;
        for (Parameter& parameter : menu.Parameters())
            for (ModeData& mode : parameter.modes()) rollback_.keep(mode);
    }
    app_->clearAll();
}

void ContentHandlerImpl::setDocumentLocator(const DocumentLocator& locator)
{
    locator_ = &locator;
    if (config_) config_->setDocumentLocator(locator);
}

std::string ContentHandlerImpl::refusal() const
{
    return config_ ? config_->refusal() : refusal_;
}

// Whatever the document changed before it showed itself to be something else is put back.
void ContentHandlerImpl::refuse(std::string reason)
{
    refusal_ = std::move(reason);
    refused_ = true;
    rollback_.restore();
    notes_ = LoadNotes();
}

void ContentHandlerImpl::startFragment()
{
    if (configuration_ || !app_) return;
    rootSeen_ = true;
    if (!acceptFragments_) {
        refuse("root element Menu, a single menu where a whole set belongs");
        return;
    }
    // A saved menu goes back into the set it was saved from: the custom set.
    set_ = app_->stringDatas().find(app_->getCustKey());
    if (!set_) return;
    formatVersion_ = kFragmentVersion;
    stringDBSeen_ = true;
    state_ = InStringDB;
}

// The state is tested before the name, and names are compared as views (lengths
// first): every element of a language file passes through here.
void ContentHandlerImpl::startElement(const std::string& qName, const SaxAttributes& attributes)
{
    const std::string_view name = qName;
    if (refused()) return;
    if (configuration_) {
        handleConfigElement(true, qName, attributes);
    } else if (app_) {
        if (!rootSeen_) {
            rootSeen_ = true;
            if (name != "App") return refuse("root element " + qName);
        }
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
    bufferLost_.clear();
}

void ContentHandlerImpl::endElement(const std::string& qName)
{
    if (refused()) return;
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
        if (!stringDBSeen_) return refuse("App holds no StringDB");
        state_ = Outside;
    }
}

void ContentHandlerImpl::characters(std::string_view text)
{
    // Only a Desc or Help ever uses the text; the layout whitespace between the other
    // elements would be gathered and dropped again at the next start tag.
    if (configuration_ || (state_ != InDesc && state_ != InHelp)) {
        pendingLost_.clear();
        return;
    }
    // The model holds line breaks as CR LF; the parser hands them over as LF. Each break
    // before a lost character moves it one place on.
    auto lost = pendingLost_.begin();
    const auto takeLostBefore = [&](std::size_t end, std::size_t shift) {
        for (; lost != pendingLost_.end() && lost->pos < end; ++lost)
            bufferLost_.push_back({lost->pos + shift, lost->codePoint});
    };
    const std::size_t start = buffer_.size();
    std::size_t from = 0;
    std::size_t breaks = 0;
    for (std::size_t lf = text.find('\n'); lf != std::string_view::npos; lf = text.find('\n', from)) {
        takeLostBefore(lf, start + breaks);
        buffer_.append(text.substr(from, lf - from));
        buffer_ += "\r\n";
        from = lf + 1;
        ++breaks;
    }
    takeLostBefore(text.size(), start + breaks);
    buffer_.append(text.substr(from));
    pendingLost_.clear();
}

// The parser finds a line by counting from where it was last asked: asked at every text,
// it would read each document twice. Lost characters are rare.
void ContentHandlerImpl::charactersReplaced(const std::vector<LostCharacters::Character>& replaced)
{
    pendingLost_ = replaced;
    if (bufferLost_.empty()) textLine_ = line();
}

void ContentHandlerImpl::handleConfigElement(bool start, const std::string& qName, const SaxAttributes& attributes)
{
    if (!config_) return;
    config_->handle(start, qName, attributes);
    refused_ = config_->refused();
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
    if (!dbid) return refuse("StringDB without DBID at line " + std::to_string(line()));
    if (*dbid == "Constants")
        set_ = app_->stringDatas().find(app_->getLangDBKey(0));
    else if (*dbid == "Alternate")
        set_ = app_->stringDatas().find("Custom");
    else
        set_ = app_->stringDatas().find(*dbid);
    if (!set_) {
        std::string sets;
        for (const std::string& key : app_->stringDatas().keys()) sets += (sets.empty() ? "" : ", ") + key;
        return refuse("StringDB DBID=\"" + *dbid + "\" names no string set of this drive (" + sets + ")");
    }
    stringDBSeen_ = true;
    state_ = InStringDB;
}

void ContentHandlerImpl::startMenu(const SaxAttributes& attributes)
{
    menuText_ = textFlag(attributes);
    const std::string* menuId = attributes.find("MenuID");
    if (!menuId) return refuse("Menu without MenuID at line " + std::to_string(line()));
    DrvMenu* menu = set_->DrvMenus().find(*menuId);
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
    if (!paraId) return refuse("Para without ParaID at line " + std::to_string(line()));
    Parameter* parameter = findInOrder(menu_->Parameters(), *paraId, nextPara_);
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
    if (!modeId) return refuse("Mode without ModeID at line " + std::to_string(line()));
    ModeData* mode = findInOrder(parameter_->modes(), *modeId, nextMode_);
    if (!mode) return;
    rollback_.keep(*mode);
    mode_ = mode;
    state_ = InMode;

    // Data files carry none of the constants: absent attributes are the common case here,
    // so they are looked for rather than read and failed.
    if (formatVersion_ >= kConstantsVersion) {
        if (const std::string* value = attributes.find("defined")) {
            if (*value != "true" && *value != "false")
                notes_.valueOutOfRange(line(), modePlace(), "defined=\"" + *value +
                                                                "\" is neither \"true\" nor \"false\"; the mode stays " +
                                                                (mode->defined() ? "defined" : "undefined"));
            mode->setStrDefined(*value);
        }
        if (const std::string* value = attributes.find("dVal")) mode->setDVal(*value);
        if (const std::string* value = attributes.find("lLim")) mode->setLLim(*value);
        if (const std::string* value = attributes.find("uLim")) mode->setULim(*value);
        if (const std::string* value = attributes.find("nOfDP")) takeDecimalPlaces(*mode, *value);
    }
    if (formatVersion_ >= kUnitVersion) {
        if (const std::string* value = attributes.find("Unit")) takeUnit(*mode, *value);
    }
    mode->setTextDVal(menuText_ || paraText_ || modeText);
}

std::string ContentHandlerImpl::modePlace() const
{
    return menu_->menuKey() + " " + parameter_->paraKey() + " " + mode_->modeKey();
}

// A unit without a keypad prefix is held as it is: the keypad shows no unit for it.
void ContentHandlerImpl::takeUnit(ModeData& mode, const std::string& value)
{
    const Int16Result unit = readInt16(value);
    if (unit.status == NumberStatus::Ok) {
        if (unit.value < 0 || unit.value > kLastUnit)
            notes_.valueOutOfRange(line(), modePlace(), "Unit=\"" + value + "\" is no unit code from 0 to " +
                                                            std::to_string(kLastUnit) + "; the keypad shows no unit");
        mode.setUnit(unit.value);
    } else {
        notes_.valueOutOfRange(line(), modePlace(), "Unit=\"" + value + "\" is no whole number from 0 to " +
                                                        std::to_string(kLastUnit) + "; the unit stays " +
                                                        std::to_string(mode.unit()));
    }
}

void ContentHandlerImpl::takeDecimalPlaces(ModeData& mode, const std::string& value)
{
    const Int16Result places = readInt16(value);
    if (places.status == NumberStatus::Ok) {
        if (places.value < 0 || places.value > kMostDecimalPlaces)
            notes_.valueOutOfRange(line(), modePlace(), "nOfDP=\"" + value + "\" is outside 0 to " +
                                                            std::to_string(kMostDecimalPlaces) +
                                                            "; limits and default show unscaled");
        mode.setDecimalPlaces(places.value);
    } else {
        notes_.valueOutOfRange(line(), modePlace(), "nOfDP=\"" + value + "\" is no whole number from 0 to " +
                                                        std::to_string(kMostDecimalPlaces) + "; it stays " +
                                                        mode.nOfDp());
    }
}

void ContentHandlerImpl::recordLostCharacters(bool help)
{
    if (bufferLost_.empty()) return;
    notes_.lostCharacters(textLine_, {set_->dbKey(), menu_->menuKey(), parameter_->paraKey(), mode_->modeKey(), help},
                          buffer_, bufferLost_);
}

void ContentHandlerImpl::endDesc()
{
    if (buffer_ != kUndefinedText && buffer_ != "0" && mode_->getBoolDefined()) {
        mode_->setDesc(buffer_);
        recordLostCharacters(false);
    } else {
        mode_->setDesc(std::string());
    }
}

void ContentHandlerImpl::endHelp()
{
    // "0" is a help text like any other; only a description of "0" means none.
    if (buffer_ != kUndefinedText && mode_->getBoolDefined()) {
        mode_->setHelp(buffer_);
        recordLostCharacters(true);
    } else {
        mode_->setHelp(std::string());
    }
}

} // namespace kpd
