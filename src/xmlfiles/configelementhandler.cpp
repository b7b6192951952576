#include "configelementhandler.h"

#include "contenthandler.h"

#include "model/numbertext.h"
#include "model/theapp.h"

#include <limits>

namespace kpd {

namespace {

// Each statement of the configuration reader stands alone: one that fails (an absent
// attribute, a number that is none, a key added twice) is skipped and reading goes on.
template <typename Statement>
void trapped(Statement statement)
{
    try {
        statement();
    } catch (const ModelError&) {
    }
}

bool firstAttributeIsName(const SaxAttributes& attributes)
{
    return attributes.getLength() > 0 && attributes.getQName(0) == "name";
}

// Each name is held once and shared by every set, menu and record that has the mode.
std::vector<SharedKey> valuesOf(const SaxAttributes& attributes)
{
    std::vector<SharedKey> values;
    for (int i = 0; i < attributes.getLength(); ++i) values.push_back(attributes.getValue(i));
    return values;
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// "menu \"Ramps\"": an element as the user finds it in the file.
std::string named(const char* element, const SaxAttributes& attributes)
{
    const std::string* name = attributes.find("name");
    return name ? std::string(element) + " " + quoted(*name) : std::string(element);
}

} // namespace

void ConfigElementHandler::refuse(const std::string& reason)
{
    if (refusal_.empty()) refusal_ = "line " + std::to_string(line()) + ": " + reason;
}

long ConfigElementHandler::line() const
{
    return locator_ ? locator_->line() : 0;
}

std::int32_t ConfigElementHandler::requireNumber(const SaxAttributes& attributes, const std::string& element,
                                                 const char* attribute, std::int32_t last)
{
    const std::string* text = attributes.find(attribute);
    const std::string range = "a whole number from 0 to " + std::to_string(last);
    if (!text) {
        refuse(element + " has no " + attribute + "; it needs " + range);
        return -1;
    }
    const Int32Result number = readInt32(*text);
    if (number.status != NumberStatus::Ok || number.value < 0 || number.value > last) {
        refuse(element + " " + attribute + "=" + quoted(*text) + " is not " + range);
        return -1;
    }
    return number.value;
}

std::vector<std::int16_t> ConfigElementHandler::parseNumberList(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    std::string rest = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    rest += ' ';
    std::vector<std::int16_t> numbers;
    numbers.reserve(10);
    std::size_t pos = 0;
    while (pos < rest.size()) {
        const std::size_t space = rest.find(' ', pos);
        const Int16Result number = readInt16(rest.substr(pos, space - pos));
        if (number.status != NumberStatus::Ok) break;
        numbers.push_back(number.value);
        pos = space + 1;
    }
    return numbers;
}

void ConfigElementHandler::handle(bool start, const std::string& qName, const SaxAttributes& attributes)
{
    if (refused()) return;
    if (!rootSeen_) {
        rootSeen_ = true;
        if (qName != "keypadToolData") return refuse("root element " + qName + ", where keypadToolData belongs");
    }
    if (!start) {
        if (qName == "keypadToolData")
            endToolData();
        else if (qName == "root")
            state_ = 1;
        else if (qName == "menu" || qName == "trips")
            state_ = 4;
        return;
    }
    if (qName == "keypadToolData" && state_ == 0)
        startToolData(attributes);
    else if (qName == "dbNames" && state_ == 1)
        startDbNames(attributes);
    else if (qName == "modes" && state_ == 2)
        startGeneralModes(attributes);
    else if (qName == "root" && state_ == 3)
        startRoot(attributes);
    else if (qName == "menu" && state_ == 4)
        startMenu(attributes);
    else if (qName == "modes" && state_ == 5)
        startMenuModes(attributes);
    else if (qName == "para" && state_ == 5)
        startPara(attributes);
    else if (qName == "trips" && state_ == 4)
        startTrips(attributes);
    else if (qName == "trip" && state_ == 6)
        startTrip(attributes);
}

void ConfigElementHandler::startToolData(const SaxAttributes& attributes)
{
    trapped([&] { app_.setMaxRecChars(attributes.getValueFromQName("recMaxHelpChars")); });
    const std::string* mode = attributes.find("mode");
    app_.setAlternate(mode && *mode == kAccessCode);
    trapped([&] { customAttrName_ = attributes.getValueFromQName("custom"); });
    // An image placed at an address nobody meant would load without complaint and not run.
    if (attributes.find("base")) {
        const std::int32_t base =
            requireNumber(attributes, "keypadToolData", "base", std::numeric_limits<std::int32_t>::max());
        if (base >= 0) app_.setHexBase(base);
    }
    state_ = 1;
}

// Without a custom set there is nothing to edit, and every command would fail on its key.
void ConfigElementHandler::endToolData()
{
    if (!dbNamesSeen_) return refuse("keypadToolData holds no dbNames: the configuration names no string sets");
    if (customAttrName_.empty())
        return refuse("keypadToolData has no custom attribute naming the dbNames entry of the custom string set");
    // The constants and the main reference are read into the first language's set.
    if (app_.getLangDBKey(0).empty())
        return refuse("dbNames has no Lang0: the configuration names no first reference language");
    if (app_.getCustKey().empty() || !app_.stringDatas().find(app_.getCustKey())) {
        std::string sets;
        for (const std::string& key : app_.stringDatas().keys()) sets += (sets.empty() ? "" : ", ") + key;
        refuse("custom=" + quoted(customAttrName_) + " names no attribute of dbNames (" +
               (sets.empty() ? std::string("it names no sets") : "the sets are " + sets) + ")");
    }
}

void ConfigElementHandler::startDbNames(const SaxAttributes& attributes)
{
    for (int i = 0; i < attributes.getLength(); ++i) {
        const std::string& name = attributes.getQName(i);
        const std::string& value = attributes.getValue(i);
        if (name.size() == 5 && name.compare(0, 4, "Lang") == 0 && name[4] >= '0' && name[4] <= '5') {
            const std::int16_t earlier = app_.getLangIndexFromKey(value);
            const std::string detail = earlier < 0 ? std::string()
                                                   : name + "=" + quoted(value) + " repeats the key of Lang" +
                                                         std::to_string(earlier) + " at line " +
                                                         std::to_string(line()) + " of " + documentName_;
            trapped([&] { app_.setLangDBKey(static_cast<std::int16_t>(name[4] - '0'), value, detail); });
        }
        if (!app_.stringDatas().keyExists(value)) app_.stringDatas().Add(value);
        if (name == customAttrName_) app_.setCustKey(value);
    }
    dbNamesSeen_ = true;
    state_ = 2;
}

void ConfigElementHandler::startGeneralModes(const SaxAttributes& attributes)
{
    const std::vector<SharedKey> names = valuesOf(attributes);
    for (int i = 0; i < attributes.getLength(); ++i)
        trapped([&] { app_.modeDefMap().Add(attributes.getQName(i), names[static_cast<std::size_t>(i)]); });
    for (stringData& set : app_.stringDatas()) set.setModeNames(names);
    state_ = 3;
}

void ConfigElementHandler::startRoot(const SaxAttributes& attributes)
{
    trapped([&] {
        const std::string& name = attributes.getValueFromQName("name");
        for (stringData& set : app_.stringDatas()) set.setRootName(name);
    });
    state_ = 4;
}

void ConfigElementHandler::startMenu(const SaxAttributes& attributes)
{
    if (!firstAttributeIsName(attributes)) return;
    const std::int32_t number = requireNumber(attributes, named("menu", attributes), "nmbr", kLastNumber);
    if (number < 0) return;
    if (!menuNumbers_.insert(number).second)
        return refuse(named("menu", attributes) + " nmbr=" + quoted(attributes.getValueFromQName("nmbr")) +
                      " repeats menu " + std::to_string(number) + ": each menu number is declared once");
    menuKey_ = "m" + attributes.getValueFromQName("nmbr");
    ++menusSeen_;
    if (StartupStatus* splash = app_.startupStatus()) {
        splash->splashStatus("Preparing languages for " + menuKey_);
        splash->splashProgress(menusSeen_);
    }
    menuNumber_ = static_cast<std::int16_t>(number);
    const std::string* cloneable = attributes.find("cloneable");
    cloneMenus_ = cloneable ? parseNumberList(*cloneable) : std::vector<std::int16_t>{};
    const std::string* hide = attributes.find("hide");
    hide_ = hide && *hide == "true";

    for (stringData& set : app_.stringDatas()) {
        trapped([&] {
            DrvMenu& menu = set.DrvMenus().Add(menuKey_);
            trapped([&] { menu.setMenuName(attributes.getValueFromQName("name")); });
            menu.setModeNames(set.sharedModeNames(), false);
            menu.setHidden(hide_);
            for (const std::int16_t clone : cloneMenus_) menu.AddClone(clone);
        });
    }
    state_ = 5;
}

void ConfigElementHandler::startMenuModes(const SaxAttributes& attributes)
{
    if (attributes.getLength() > 0) {
        menuModes_ = valuesOf(attributes);
        if (menuNumber_ >= 15 && menuNumber_ <= 17) {
            for (int i = 0; i < attributes.getLength(); ++i)
                trapped([&] { app_.modeOpMap().Add(attributes.getQName(i), menuModes_[static_cast<std::size_t>(i)]); });
        }
    }
    for (stringData& set : app_.stringDatas())
        trapped([&] { set.DrvMenus().Item(menuKey_).setModeNames(menuModes_, true); });
}

void ConfigElementHandler::startPara(const SaxAttributes& attributes)
{
    const std::string element = named("para", attributes) + " of menu " + std::to_string(menuNumber_);
    // A drive declaring a million parameters is refused at the first one beyond the
    // database, before the sets hold any more of them.
    if (++parameters_ > kMostParameters)
        return refuse(element + " is parameter " + std::to_string(parameters_) + "; the string database holds at most " +
                      std::to_string(kMostParameters));
    if (requireNumber(attributes, element, "nmbr", kLastNumber) < 0) return;
    const std::string paraKey = "p" + attributes.getValueFromQName("nmbr");
    const stringData* first = app_.stringDatas().Count() > 0 ? &app_.stringDatas().Item(1) : nullptr;
    const DrvMenu* menu = first ? first->DrvMenus().find(menuKey_) : nullptr;
    if (menu && menu->Parameters().keyExists(paraKey))
        return refuse(element + " nmbr=" + quoted(attributes.getValueFromQName("nmbr")) +
                      " repeats a parameter of the same menu");
    for (stringData& set : app_.stringDatas()) {
        trapped([&] {
            DrvMenu& owner = set.DrvMenus().Item(menuKey_);
            Parameter* parameter = owner.Parameters().Add(paraKey);
            if (!parameter) return;
            trapped([&] { parameter->setParaName(attributes.getValueFromQName("name")); });
            owner.buildModes(paraKey);
        });
    }
    app_.ui().processEvents();
}

void ConfigElementHandler::startTrips(const SaxAttributes& attributes)
{
    if (!firstAttributeIsName(attributes)) return;
    app_.ui().processEvents();
    for (stringData& set : app_.stringDatas()) {
        trapped([&] {
            DrvMenu& trips = set.DrvMenus().Add("trips");
            trips.setMenuName(attributes.getValueFromQName("name"));
        });
    }
    state_ = 6;
}

void ConfigElementHandler::startTrip(const SaxAttributes& attributes)
{
    const std::string element = named("trip", attributes);
    const std::int32_t number = requireNumber(attributes, element, "nmbr", kLastTripNumber);
    if (number < 0 || requireNumber(attributes, element, "mapMen", kLastNumber) < 0 ||
        requireNumber(attributes, element, "mapPar", kLastNumber) < 0)
        return;
    if (!tripNumbers_.insert(number).second)
        return refuse(element + " nmbr=" + quoted(attributes.getValueFromQName("nmbr")) + " repeats an earlier trip");
    const std::string tripKey = "t" + attributes.getValueFromQName("nmbr");
    const std::string mapMenuKey = "m" + attributes.getValueFromQName("mapMen");
    const std::string mapParaKey = "p" + attributes.getValueFromQName("mapPar");
    // A trip whose texts live nowhere would be dropped from every set without a word.
    const stringData* first = app_.stringDatas().Count() > 0 ? &app_.stringDatas().Item(1) : nullptr;
    const DrvMenu* declared = first ? first->DrvMenus().find(mapMenuKey) : nullptr;
    if (!declared || !declared->Parameters().keyExists(mapParaKey))
        return refuse(element + " maps to menu " + attributes.getValueFromQName("mapMen") + " parameter " +
                      attributes.getValueFromQName("mapPar") + ", which the configuration does not declare before it");
    newMapping_ = mapMenuKey != lastMapMenuKey_;
    if (newMapping_) lastMapMenuKey_ = mapMenuKey;

    for (stringData& set : app_.stringDatas()) {
        DrvMenu* home = set.DrvMenus().find(mapMenuKey);
        DrvMenu* trips = set.DrvMenus().find("trips");
        if (!home || !trips) continue;
        if (newMapping_) trips->AddFwdMenu(mapMenuKey);
        Parameter* parameter = home->Parameters().find(mapParaKey);
        if (!parameter) continue;
        trapped([&] {
            trips->Parameters().addExisting(tripKey, *parameter);
            trapped([&] { parameter->setMapName(attributes.getValueFromQName("name")); });
            trips->setModeNames(set.sharedModeNames(), false);
        });
    }
    app_.ui().processEvents();
}

} // namespace kpd
