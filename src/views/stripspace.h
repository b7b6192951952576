#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class LcdtextboxHost;
class QPushButton;
class StripspaceRun;

namespace kpd {
class DrvMenus;
class UserInterface;
} // namespace kpd

// The small window that strips trailing spaces from every text of a string set by
// passing each text through its own keypad text box, so that what counts as a trailing
// space is exactly what the keypad text box says. Its Stop button ends the run at the
// end of the current menu; StripspaceRun walks the set.
class Stripspace : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kNoControlMessage =
        "The keypad text box is not available - no trailing spaces were stripped";
    static constexpr const char* kControlFailedMessage =
        "The keypad text box failed - stripping ended before the last text";

    // controlFolder is where the keypad text box library is found when it is not registered.
    Stripspace(kpd::UserInterface& ui, const QString& controlFolder, QWidget* parent = nullptr);
    ~Stripspace() override;

    // Shows the window while it strips; the number of characters removed, also those
    // removed before a Stop. The window stays up, its Stop disabled, until its owner closes
    // it: a whole set is stripped in a fraction of a second, before anyone could see it.
    std::int32_t stripTrail(kpd::DrvMenus& aDB);
    // How many texts the last run changed.
    int textsChanged() const;

    LcdtextboxHost& gtbStripTrail() const { return *textBox_; }
    QPushButton* btnStopStrip() const { return stopButton_; }
    void stopStrip();

private:
    std::optional<std::int32_t> stripText(std::string& text);

    kpd::UserInterface& ui_;
    std::unique_ptr<LcdtextboxHost> textBox_;
    std::unique_ptr<StripspaceRun> run_;
    QPushButton* stopButton_;
};
