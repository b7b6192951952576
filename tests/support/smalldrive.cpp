#include "smalldrive.h"

namespace kpd::test {

const std::vector<std::string>& smallDriveModes()
{
    static const std::vector<std::string> names{"Open loop", "Closed loop", "Servo"};
    return names;
}

namespace {

void addMenu(stringData& set, const std::string& key, const std::vector<std::string>& paraKeys, bool hidden)
{
    DrvMenu& menu = set.DrvMenus().Add(key);
    menu.setMenuName("Menu " + key);
    menu.setHidden(hidden);
    menu.setModeNames(smallDriveModes(), false);
    for (const std::string& paraKey : paraKeys) {
        menu.Parameters().Add(paraKey)->setParaName("Parameter " + paraKey);
        menu.buildModes(paraKey);
    }
}

void mapTrip(stringData& set, const std::string& tripKey, const std::string& menuKey, const std::string& paraKey)
{
    DrvMenu& trips = set.DrvMenus().Item("trips");
    trips.AddFwdMenu(menuKey);
    Parameter& home = set.DrvMenus().Item(menuKey).Parameters().Item(paraKey);
    trips.Parameters().addExisting(tripKey, home)->setMapName("Trip " + tripKey);
}

} // namespace

void buildSmallDrive(TheApp& app)
{
    const std::vector<std::string> languages{"English", "Custom"};
    for (std::size_t i = 0; i < languages.size(); ++i) {
        app.setLangDBKey(static_cast<std::int16_t>(i), languages[i]);
        stringData& set = app.stringDatas().Add(languages[i]);
        set.setModeNames(smallDriveModes());
        addMenu(set, "m1", {"p1", "p2", "p3"}, false);
        addMenu(set, "m2", {"p0", "p5"}, false);
        addMenu(set, "m3", {"p1"}, true);
        set.DrvMenus().Add("trips").setModeNames(smallDriveModes(), false);
        mapTrip(set, "t1", "m1", "p2");
        mapTrip(set, "t2", "m2", "p5");
    }
    app.setCustKey("Custom");
    app.setRefKey("English");
}

} // namespace kpd::test
