#include "stripspacerun.h"

#include "model/drvmenus.h"
#include "model/userinterface.h"

StripspaceRun::StripspaceRun(kpd::UserInterface& ui, StripText strip) : ui_(ui), strip_(std::move(strip))
{
}

bool StripspaceRun::stripOne(const std::string& text, std::string& result, std::int32_t& total)
{
    result = text;
    const std::optional<std::int32_t> removed = strip_(result);
    if (!removed) return false;
    total += *removed;
    return true;
}

void StripspaceRun::changed(kpd::DrvMenu& menu)
{
    menu.setDirty(true);
    ++textsChanged_;
}

std::int32_t StripspaceRun::stripTrail(kpd::DrvMenus& aDB)
{
    std::int32_t total = 0;
    stopped_ = false;
    failed_ = false;
    textsChanged_ = 0;
    for (kpd::DrvMenu& menu : aDB) {
        // The trips menu holds parameters that their own menus hold too: going through
        // them again would only overwrite the undo texts of the first pass.
        if (menu.isMapped()) continue;
        for (kpd::Parameter& parameter : menu.Parameters()) {
            for (kpd::ModeData& record : parameter.modes()) {
                if (stopFlag_) {
                    stopped_ = true;
                    return total;
                }
                std::string text;
                if (!stripOne(record.getDesc(), text, total)) {
                    failed_ = true;
                    return total;
                }
                // Stripped texts are unsaved work like any edit.
                if (text != record.getDesc()) changed(menu);
                record.setDesc(text);
                if (!stripOne(record.getHelp(), text, total)) {
                    failed_ = true;
                    return total;
                }
                if (text != record.getHelp()) changed(menu);
                record.setHelp(text);
            }
        }
        ui_.processEvents();
    }
    return total;
}
