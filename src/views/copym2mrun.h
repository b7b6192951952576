#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kpd {
class DrvMenu;
}

// Where the copy mode dialog puts a destination button, in twips.
struct ModeButtonPlace {
    std::size_t position; // the mode's position in the mode list
    int top;
    int column = 0; // counted from the column beside the "All" button
};

struct ModeButtonLayout {
    int allTop;
    int allHeight;
    std::vector<ModeButtonPlace> buttons;
};

// The work of the copy mode dialog (CopyM2M) without its window: copies the texts and unit
// of one mode onto another mode, or onto every mode, for every parameter of a menu; and
// lays out the dialog's destination buttons.
class CopyM2MRun {
public:
    static constexpr int kButtonHeight = 255;
    static constexpr int kButtonCentre = 1450;
    // The longest column that, centred on kButtonCentre, stays below the dialog's hint.
    static constexpr int kColumnButtons = 6;

    // The "All" button spans as many button heights as there are destinations and is
    // centred on kButtonCentre; the destination buttons stack down from its top. Beyond
    // kColumnButtons destinations (more than seven modes) the buttons wrap into further
    // columns of that length and "All" spans one column.
    static ModeButtonLayout layout(std::size_t modeCount, std::size_t sourcePosition);

    // An empty destination copies onto every other mode. A parameter that lacks the
    // source or the destination mode is left as it is. The menu becomes dirty when
    // anything was copied; the result is the number of parameters copied into.
    static int copy(kpd::DrvMenu& menu, const std::string& sourceMode, const std::string& destinationMode);

    // Halves are rounded to the even neighbour, as the dialog has always placed them.
    static int roundHalfEven(int twiceValue);
};
