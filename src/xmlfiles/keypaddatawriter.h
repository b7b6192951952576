#pragma once

#include <string>

namespace kpd {

class DrvMenu;
class ModeData;
class Parameter;
class TheApp;
class XMLutils;
class stringData;

// The keypad data vocabulary as the data classes write it: data mode holds the texts
// and units, constants mode the limits, defaults, decimal places and defined flags.
class KeypadDataWriter {
public:
    static constexpr const char* kAppId = "KeypadApp";
    static constexpr const char* kVersion = "10500";

    static void writeSet(XMLutils& xmlU, const stringData& set, bool constMode);
    // A mapped menu writes nothing: its parameters are written with their home menus.
    static void writeMenu(XMLutils& xmlU, const DrvMenu& menu, bool constMode);
    static void writeParameter(XMLutils& xmlU, const Parameter& parameter, bool constMode);
    // A mode that is not defined is written with unit 0 and without texts.
    static void writeMode(XMLutils& xmlU, const ModeData& mode, bool constMode);

    // The whole document of the custom set. The file is replaced only when all of it is
    // written; on failure the reason is shown titled "ERROR" and the data stays dirty.
    // confinedTo: the folder a symbolic link must not lead the file out of, or empty.
    static bool saveApp(TheApp& app, const std::string& fname, bool constMode, const std::string& confinedTo = {});
    // One menu alone, or for the trips menu each of its forward menus, without App around.
    static bool saveMenu(const DrvMenu& menu, const std::string& fname, const std::string& confinedTo = {});
};

} // namespace kpd
