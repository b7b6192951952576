#pragma once

#include "editbox.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

// The texts and units the editor works on before they are committed: each box's working
// string with the value it had before the last edit, and a change flag per box and per
// panel's unit. A flag set means the user changed it since the last load or commit.
class WorkingTexts {
public:
    // Any box but None; None is a model error.
    const std::string& working(EditBox box) const { return text(box).working; }
    const std::string& previous(EditBox box) const { return text(box).previous; }
    bool textChanged(EditBox box) const { return text(box).changed; }
    void markChanged(EditBox box);
    // Texts and units as the data holds them, every flag cleared.
    void load(const std::array<std::string, 4>& texts, std::int16_t refUnit, std::int16_t custUnit);
    // The box's text as the user left it: the old working string becomes the previous one.
    void readBack(EditBox box, const std::string& boxText);
    // A changed text swaps with its previous value, so a second undo goes back again;
    // false (nothing done) for an unchanged one.
    bool swapWithPrevious(EditBox box);
    // A text from elsewhere (the model's undo), neither kept for undo nor flagged.
    void replace(EditBox box, const std::string& replacement) { text(box).working = replacement; }
    // Every byte converted, the old text kept for undo, the text flagged.
    void convert(EditBox box, const std::function<char(char)>& change);

    std::int16_t unit(EditPanel panel) const { return units_[index(panel)]; }
    bool unitChanged(EditPanel panel) const { return unitChanged_[index(panel)]; }
    void chooseUnit(EditPanel panel, std::int16_t unit);
    // Clicking a selected indicator deselects it.
    void toggleUnit(EditPanel panel, std::int16_t unit);

    bool anyChange() const;
    void clearChanges();

private:
    struct Text {
        std::string working;
        std::string previous;
        bool changed = false;
    };

    static std::size_t index(EditPanel panel) { return static_cast<std::size_t>(panel); }
    Text& text(EditBox box);
    const Text& text(EditBox box) const;

    std::array<Text, 4> texts_;
    std::array<std::int16_t, 2> units_{};
    std::array<bool, 2> unitChanged_{};
};
