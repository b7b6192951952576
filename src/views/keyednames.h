#pragma once

#include <string>

namespace kpd {
class DrvMenu;
}

// A menu or a parameter named where a window lists it by key: the key, then the name the
// menu tree shows for it, so that a place read in a list can be found again in the tree.
class KeyedNames {
public:
    // "m3 Motor control". Where menu is unknown, otherName stands in (a name another file
    // gives it); the key stands alone when there is no name.
    static std::string menu(const std::string& menuKey, const kpd::DrvMenu* menu, const std::string& otherName = {});
    // "p4 Rated speed". Only a drive menu lists its parameters by these keys: a mapped menu
    // (the trips) keys them by trip and is not asked here.
    static std::string parameter(const std::string& paraKey, const kpd::DrvMenu* menu,
                                 const std::string& otherName = {});
};
