#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kpd {
class DrvMenu;
}

// The table a menu view shows, worked out from the model without any widget: one column
// per mode, one row per parameter and shown string set, and what each cell holds.
class MenuGridModel {
public:
    enum DisplayMode : std::int16_t { ReferenceRows = 1, CustomRows = 2, BothRows = 3 };
    enum class Colour { White, Yellow, Black, Blue, Red };

    struct Cell {
        std::string text;
        Colour background = Colour::White;
        Colour foreground = Colour::Black;
        bool filled = false;
    };

    // Another language's menu shown under the main reference row of each parameter.
    struct ExtraReference {
        std::string language;
        const kpd::DrvMenu* menu = nullptr;
    };

    struct Row {
        std::string key;
        std::string label;
        bool reference = false;
        std::vector<Cell> cells;
    };

    // Both menus must be given; the reference menu decides the modes and the row count.
    // The extra references' rows come with the reference rows, labelled with their language.
    static MenuGridModel build(const kpd::DrvMenu& reference, const kpd::DrvMenu& custom, std::int16_t displayMode,
                               const std::vector<ExtraReference>& extras = {});

    // The display mode after a click on the Reference (true) or Custom (false) panel.
    static std::int16_t toggle(std::int16_t displayMode, bool referencePanel);

    const std::vector<std::string>& columnKeys() const { return columnKeys_; }
    const std::vector<Row>& rows() const { return rows_; }

private:
    std::vector<std::string> columnKeys_;
    std::vector<Row> rows_;
};
