#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

class QSpinBox;

// The library's own communication settings dialog: the gateway port on this machine and
// the time-outs. It edits copies of the two settings records; the caller applies them
// when the dialog was accepted.
class ZvnSetupDialog : public QDialog {
public:
    using Settings = std::array<std::int32_t, 5>;
    using ExtendedSettings = std::array<std::int32_t, 7>;

    ZvnSetupDialog(const Settings& settings, const ExtendedSettings& extended, QWidget* owner);

    Settings settings() const;
    ExtendedSettings extended() const;

    QSpinBox* portBox() const { return port_; }
    QSpinBox* answerTimeoutBox() const { return answer_; }

private:
    Settings settings_;
    ExtendedSettings extended_;
    QSpinBox* port_;
    QSpinBox* connect_;
    QSpinBox* answer_;
    QSpinBox* transfer_;
};
