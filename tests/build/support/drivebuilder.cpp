#include "drivebuilder.h"

namespace kpd::test {

namespace {
const std::vector<std::string> kDefNames{"OL", "CL", "SV", "RG"};
const std::vector<std::string> kOpNames{"A1", "A2", "A3", "A4"};
}

DriveBuilder::DriveBuilder() : app_(std::make_unique<TheApp>(ui_, "."))
{
    app_->stringDatas().Add("cust");
    app_->setCustKey("cust");
    for (int m = 2; m <= 5; ++m) {
        app_->modeDefMap().Add("mode" + std::to_string(m), kDefNames[static_cast<std::size_t>(m - 2)]);
        app_->modeOpMap().Add("mode" + std::to_string(m), kOpNames[static_cast<std::size_t>(m - 2)]);
    }
}

DrvMenu& DriveBuilder::menu(const std::string& key)
{
    DrvMenus& menus = app_->stringDatas().Item("cust").DrvMenus();
    if (DrvMenu* found = menus.find(key)) return *found;
    return menus.Add(key);
}

Parameter& DriveBuilder::param(const std::string& menuKey, const std::string& paraKey)
{
    DrvMenu& m = menu(menuKey);
    if (Parameter* found = m.Parameters().find(paraKey)) return *found;
    Parameter& p = *m.Parameters().Add(paraKey);
    std::vector<std::string> names = kDefNames;
    names.insert(names.end(), kOpNames.begin(), kOpNames.end());
    p.createModes(names);
    return p;
}

void DriveBuilder::text(const std::string& menuKey, const std::string& paraKey, int modeKey, const std::string& desc,
                        const std::string& help, std::int16_t unit)
{
    Parameter& p = param(menuKey, paraKey);
    const std::int16_t number = menu(menuKey).menuNumber();
    const auto& names = number >= 15 && number <= 17 ? kOpNames : kDefNames;
    ModeData& mode = p.modes().Item(names[static_cast<std::size_t>(modeKey - 2)]);
    mode.setDesc(desc);
    mode.setHelp(help);
    mode.setUnit(unit);
}

void DriveBuilder::allModes(const std::string& menuKey, const std::string& paraKey, const std::string& desc,
                            const std::string& help)
{
    for (int m = 2; m <= 5; ++m) text(menuKey, paraKey, m, desc, help);
}

} // namespace kpd::test
