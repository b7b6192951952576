#include "clonemenurun.h"

#include "model/drvmenus.h"
#include "model/theapp.h"
#include "xmlfiles/drivefilenames.h"

CloneMenuRun::CloneMenuRun(kpd::DrvMenus& menus, std::string sourceKey, kpd::UserInterface& ui)
    : menus_(menus), sourceKey_(std::move(sourceKey)), ui_(ui)
{
}

const kpd::DrvMenu& CloneMenuRun::source() const
{
    return menus_.Item(sourceKey_);
}

std::vector<std::int16_t> CloneMenuRun::targets() const
{
    std::int16_t count = 0;
    std::vector<std::int16_t> numbers = source().getCloneMenus(count);
    numbers.resize(static_cast<std::size_t>(count));
    return numbers;
}

std::string CloneMenuRun::unfitness(const kpd::DrvMenu* destination, std::int16_t number) const
{
    const std::string name = "Menu " + std::to_string(number);
    if (!destination) return name + " does not exist";
    const kpd::DrvMenu& from = source();
    // A mapped menu's parameters belong to other menus: copying would reach beyond it.
    if (destination->isMapped() || from.isMapped()) return name + " cannot be cloned";
    for (const kpd::Parameter& parameter : destination->Parameters()) {
        const kpd::Parameter* match = from.Parameters().find(parameter.paraKey());
        if (!match) return name + " has parameters that the source menu does not have";
        for (const kpd::ModeData& record : parameter.modes()) {
            if (!match->modes().keyExists(record.modeKey()))
                return name + " has modes that the source menu does not have";
        }
    }
    return {};
}

CloneMenuRun::Result CloneMenuRun::clone(const std::vector<std::int16_t>& destinations)
{
    const kpd::DrvMenu& from = source();
    std::vector<kpd::DrvMenu*> menus;
    for (std::int16_t number : destinations) {
        kpd::DrvMenu* destination = menus_.find(menuKeyOf(number));
        const std::string reason = unfitness(destination, number);
        if (!reason.empty()) {
            ui_.message(reason + " - nothing was cloned", "ERROR", kpd::MessageIcon::Critical);
            return Result::Refused;
        }
        menus.push_back(destination);
    }
    const std::string folder = menus_.app() ? menus_.app()->appFolder() : std::string(".");
    for (kpd::DrvMenu* destination : menus) {
        // The writer has told the user why; an overwritten menu without its backup is lost.
        if (!destination->xmlSaveM(kpd::DriveFileNames::menuBackup(folder, destination->menuKey()), folder))
            return Result::BackupFailed;
        destination->copyParams(from, false);
    }
    return Result::Cloned;
}
