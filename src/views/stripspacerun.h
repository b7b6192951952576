#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kpd {
class DrvMenu;
class DrvMenus;
class UserInterface;
} // namespace kpd

// The work of the strip window (Stripspace) without its window and text box: feeds every
// description and help text of a string set through a stripping function, menu by menu,
// letting the user interface run between menus so that a Stop is seen.
class StripspaceRun {
public:
    // Strips one text in place and gives the number of characters removed; nothing when
    // the text could not be stripped (the text is then not stored back).
    using StripText = std::function<std::optional<std::int32_t>(std::string& text)>;

    StripspaceRun(kpd::UserInterface& ui, StripText strip);

    // The number of characters removed, also when the run was stopped or failed: what
    // was removed before that stays removed.
    std::int32_t stripTrail(kpd::DrvMenus& aDB);

    void stop() { stopFlag_ = true; }
    bool stopped() const { return stopped_; }
    bool failed() const { return failed_; }
    // How many texts the last run changed.
    int textsChanged() const { return textsChanged_; }

private:
    // False when the text could not be stripped.
    bool stripOne(const std::string& text, std::string& result, std::int32_t& total);
    void changed(kpd::DrvMenu& menu);

    kpd::UserInterface& ui_;
    StripText strip_;
    bool stopFlag_ = false;
    bool stopped_ = false;
    bool failed_ = false;
    int textsChanged_ = 0;
};
