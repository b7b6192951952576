#pragma once

#include "ckeymap.h"

#include <QByteArray>
#include <QColor>

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

// Runs the character map for a keypad text box. The dialog is modal, so tests install a
// replacement that answers at once.
class CharMapRunner {
public:
    struct Request {
        QWidget* parent = nullptr;
        QColor mappedColor;
        int mode = 0;
        std::optional<CKeyMap::Key> key;
    };
    struct Result {
        bool accepted = false;
        QByteArray selection;
        std::uint8_t current = 0x10;
    };
    using Runner = std::function<Result(const Request&)>;

    static Result run(const Request& request);
    // An empty runner restores the real dialog.
    static void setRunner(Runner runner);
};
