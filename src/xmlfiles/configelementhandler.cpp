#include "configelementhandler.h"

#include "model/numbertext.h"
#include "model/theapp.h"

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

} // namespace

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
    if (!start) {
        if (qName == "root")
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
    app_.ui().setAlternate(mode && *mode == kAccessCode);
    trapped([&] { customAttrName_ = attributes.getValueFromQName("custom"); });
    trapped([&] {
        const Int32Result base = readInt32(attributes.getValueFromQName("base"));
        if (base.status == NumberStatus::Ok) app_.ui().setHexBase(base.value);
    });
    state_ = 1;
}

void ConfigElementHandler::startDbNames(const SaxAttributes& attributes)
{
    for (int i = 0; i < attributes.getLength(); ++i) {
        const std::string& name = attributes.getQName(i);
        const std::string& value = attributes.getValue(i);
        if (name.size() == 5 && name.compare(0, 4, "Lang") == 0 && name[4] >= '0' && name[4] <= '5')
            trapped([&] { app_.setLangDBKey(static_cast<std::int16_t>(name[4] - '0'), value); });
        if (!app_.stringDatas().keyExists(value)) app_.stringDatas().Add(value);
        if (name == customAttrName_) app_.setCustKey(value);
    }
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
    trapped([&] { menuKey_ = "m" + attributes.getValueFromQName("nmbr"); });
    app_.ui().splashStatus("Preparing languages for " + menuKey_);
    app_.ui().splashProgress(++menusSeen_);
    const std::string* nmbr = attributes.find("nmbr");
    const Int16Result number = nmbr ? readInt16(*nmbr) : Int16Result{};
    menuNumber_ = number.status == NumberStatus::Ok ? number.value : std::int16_t(0);
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
    std::string paraKey;
    trapped([&] { paraKey = "p" + attributes.getValueFromQName("nmbr"); });
    for (stringData& set : app_.stringDatas()) {
        trapped([&] {
            DrvMenu& menu = set.DrvMenus().Item(menuKey_);
            Parameter* parameter = menu.Parameters().Add(paraKey);
            if (!parameter) return;
            trapped([&] { parameter->setParaName(attributes.getValueFromQName("name")); });
            menu.buildModes(paraKey);
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
    std::string tripKey;
    std::string mapMenuKey;
    std::string mapParaKey;
    trapped([&] { tripKey = "t" + attributes.getValueFromQName("nmbr"); });
    trapped([&] { mapMenuKey = "m" + attributes.getValueFromQName("mapMen"); });
    trapped([&] { mapParaKey = "p" + attributes.getValueFromQName("mapPar"); });
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
