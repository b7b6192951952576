#pragma once

#include "model/datafiles.h"

namespace kpd {

// The keypad data files as XML: the loader over expat and the keypad data writer. It holds
// no state, so one instance serves every data root of the program.
class XmlDataFiles final : public DataFiles {
public:
    static XmlDataFiles& instance();

    bool readConfiguration(TheApp& app) override;
    LoadResult loadUserDocument(TheApp& app, const std::string& path, std::int16_t mNum, LoadMode mode) override;
    bool saveApp(TheApp& app, const std::string& fname, bool constMode, const std::string& confinedTo) override;
    bool saveMenu(const DrvMenu& menu, const std::string& fname, const std::string& confinedTo) override;
};

} // namespace kpd
