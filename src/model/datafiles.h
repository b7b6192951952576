#pragma once

#include <cstdint>
#include <string>

namespace kpd {

class DrvMenu;
class TheApp;

// How much of a keypad data file reached the model. After a parse error what was read
// before it stays loaded, so the file in memory is not the file on disk. A refused file
// (not keypad data, or its encoding mixed) left the model as it was.
enum class LoadResult { Missing, Partial, Whole, Refused };

// Merge fills in what the document holds; ReplaceCustom empties the custom set first, and
// a refused document gives the emptied texts back.
enum class LoadMode { Merge, ReplaceCustom };

// Reading and writing the keypad data files, carried out on the model by the file layer.
// The model keeps its load and save operations for its callers and hands them on through
// this interface, so that it knows no file format and builds without the file layer.
class DataFiles {
public:
    virtual ~DataFiles() = default;

    // The configuration "kpdconf.kpx" of the application folder: every string set's
    // skeleton. False when it is missing or cut short: the program cannot run.
    virtual bool readConfiguration(TheApp& app) = 0;
    virtual LoadResult loadUserDocument(TheApp& app, const std::string& path, std::int16_t mNum, LoadMode mode) = 0;
    // The custom set as a whole document; the file is replaced only when written whole.
    // A non-empty confinedTo refuses a symbolic link that leads the file out of that folder.
    virtual bool saveApp(TheApp& app, const std::string& fname, bool constMode, const std::string& confinedTo) = 0;
    // One menu alone, or for the trips menu each of its forward menus.
    virtual bool saveMenu(const DrvMenu& menu, const std::string& fname, const std::string& confinedTo) = 0;
};

} // namespace kpd
