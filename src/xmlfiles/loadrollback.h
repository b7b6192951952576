#pragma once

#include "model/modedata.h"

#include <utility>
#include <vector>

namespace kpd {

class DrvMenu;

// What a load is about to change, kept so that a document refused half-way leaves the
// model as the load found it: texts, undo slots, constants and the menus' dirty flags.
class LoadRollback {
public:
    void keep(ModeData& mode) { modes_.emplace_back(&mode, mode); }
    void keep(DrvMenu& menu);
    // Puts back everything kept, latest first, so a record kept twice ends as it was first.
    void restore();

private:
    std::vector<std::pair<ModeData*, ModeData>> modes_;
    std::vector<std::pair<DrvMenu*, bool>> menus_;
};

} // namespace kpd
