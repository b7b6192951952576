#include "keyednames.h"

#include "model/drvmenu.h"

namespace {

std::string joined(const std::string& key, const std::string& name)
{
    return name.empty() ? key : key + ' ' + name;
}

} // namespace

std::string KeyedNames::menu(const std::string& menuKey, const kpd::DrvMenu* menu, const std::string& otherName)
{
    return joined(menuKey, menu ? menu->menuName() : otherName);
}

std::string KeyedNames::parameter(const std::string& paraKey, const kpd::DrvMenu* menu, const std::string& otherName)
{
    const kpd::Parameter* parameter = menu ? menu->Parameters().find(paraKey) : nullptr;
    return joined(paraKey, parameter ? parameter->paraName() : otherName);
}
