#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {
class DrvMenu;
class DrvMenus;
class UserInterface;
} // namespace kpd

// The work of the clone menu dialog (CloneMenu) without its window: copies one menu of the
// custom set over the menus the configuration names as its clone targets. Each destination
// is written to its own backup file before it is overwritten.
class CloneMenuRun {
public:
    enum class Result { Cloned, Refused, BackupFailed };

    // menus is the custom set's collection; its application gives the backup folder.
    CloneMenuRun(kpd::DrvMenus& menus, std::string sourceKey, kpd::UserInterface& ui);

    const kpd::DrvMenu& source() const;
    // The destination menus as the configuration lists them, by number.
    std::vector<std::int16_t> targets() const;

    // Nothing changes when a destination is missing or does not have the source's
    // parameters and modes: a partial copy would leave that menu half overwritten.
    // A backup that cannot be written stops the run before its destination is touched.
    Result clone(const std::vector<std::int16_t>& destinations);

    static std::string menuKeyOf(std::int16_t number) { return "m" + std::to_string(number); }

private:
    // Why destination cannot take the source's texts; empty when it can.
    std::string unfitness(const kpd::DrvMenu* destination, std::int16_t number) const;

    kpd::DrvMenus& menus_;
    std::string sourceKey_;
    kpd::UserInterface& ui_;
};
