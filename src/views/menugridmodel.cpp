#include "menugridmodel.h"

#include "displayconversion.h"

#include "checks/keypadtextlayout.h"
#include "model/drvmenu.h"

namespace {

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

MenuGridModel::Row makeRow(const kpd::Parameter& parameter, bool mapped, bool reference, const std::string& language = {})
{
    MenuGridModel::Row row;
    row.reference = reference;
    row.key = mapped ? parameter.tripKey() : parameter.paraKey();
    row.label = (mapped ? parameter.mapName() : parameter.paraName()) + "\r\n" +
                (!language.empty() ? "(" + language + ")" : reference ? "(reference)" : "(custom)");
    for (const kpd::ModeData& mode : parameter.modes()) {
        MenuGridModel::Cell cell;
        cell.filled = true;
        cell.background = reference ? MenuGridModel::Colour::White : MenuGridModel::Colour::Yellow;
        if (mode.defined()) {
            cell.foreground = reference ? MenuGridModel::Colour::Black : MenuGridModel::Colour::Blue;
            cell.text = inKeypadLines(displayDescription(trimmed(mode.getDesc())),
                                      kpd::KeypadTextLayout::kDisplayColumns);
        } else {
            cell.foreground = MenuGridModel::Colour::Red;
            cell.text = "Not defined in this mode";
        }
        row.cells.push_back(std::move(cell));
    }
    return row;
}

} // namespace

MenuGridModel MenuGridModel::build(const kpd::DrvMenu& reference, const kpd::DrvMenu& custom, std::int16_t displayMode,
                                   const std::vector<ExtraReference>& extras)
{
    MenuGridModel grid;
    grid.columnKeys_ = reference.modeNames();
    const bool mapped = reference.isMapped();
    const std::int32_t count = reference.Parameters().Count();
    for (std::int32_t p = 1; p <= count; ++p) {
        if (displayMode & ReferenceRows) {
            grid.rows_.push_back(makeRow(reference.Parameters().Item(p), mapped, true));
            // Every set has the same menus and parameters, so position p is the same parameter.
            for (const ExtraReference& extra : extras)
                grid.rows_.push_back(makeRow(extra.menu->Parameters().Item(p), mapped, true, extra.language));
        }
        if (displayMode & CustomRows) grid.rows_.push_back(makeRow(custom.Parameters().Item(p), mapped, false));
    }
    return grid;
}

std::int16_t MenuGridModel::toggle(std::int16_t displayMode, bool referencePanel)
{
    const std::int16_t flipped = displayMode ^ (referencePanel ? ReferenceRows : CustomRows);
    // Hiding the only visible set shows the other one instead.
    if (flipped == 0 && displayMode != 0) return displayMode ^ BothRows;
    return flipped;
}
