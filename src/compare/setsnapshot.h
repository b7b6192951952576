#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {

class ModeData;
class stringData;

// Everything a comparison looks at in one per-mode record, copied out of the model so
// that a comparison can run while the set itself goes on being edited.
struct ModeRecord {
    std::string menuKey;
    std::string menuName;
    std::string paraKey;
    std::string paraName;
    std::string modeKey;
    std::string desc;
    std::string help;
    std::int16_t unit = 0;
    std::string lLim;
    std::string uLim;
    std::string dVal;
    std::int16_t nOfDp = 0;
    bool defined = true;
};

// The records of one string set in set order: menus, their parameters, their modes. The
// mapped menu is left out, its parameters are those of the menus it maps.
class SetSnapshot {
public:
    static SetSnapshot of(const stringData& set);

    const std::vector<ModeRecord>& records() const { return records_; }
    void add(ModeRecord record) { records_.push_back(std::move(record)); }

private:
    std::vector<ModeRecord> records_;
};

} // namespace kpd
