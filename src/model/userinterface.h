#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace kpd {

// Caption of every message box that is shown without a title of its own.
inline constexpr const char* kProgramTitle = "Veltrane VX Keypad String Editor";

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// An object doing a long piece of work that a progress window watches: the window
// reads progress() on its timer and calls stopProcess() from its Stop button; the
// worker reads and clears its stop flag at its next checkpoint.
class ProgressOwner {
public:
    virtual ~ProgressOwner() = default;
    virtual std::int32_t progress() const = 0;
    virtual void stopProcess() = 0;
};

// A progress window opened for one owner; the owner closes it when its work ends.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;
    virtual void setRange(std::int32_t range) = 0;
    virtual void stopProgress() = 0;
    virtual void close() = 0;
    // A line beside the bar for what the bar cannot say, such as a retry under way; empty
    // removes it. A window that shows only a bar leaves it out.
    virtual void setStatus(const std::string&) {}
};

// Everything the core asks of the user interface: messages, the busy pointer and progress.
// The editor implements it with Qt, the command-line tool with the terminal, and the tests
// with a recorder. What the core learns of the drive stays in the data root. Strings are
// the model's 8-bit text (one byte per character, ISO-8859-1).
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // An empty title means the program title.
    virtual MessageAnswer message(const std::string& text, const std::string& title = {},
                                  MessageIcon icon = MessageIcon::None,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;

    virtual void waitOn() = 0;
    virtual void waitOff() = 0;
    virtual void processEvents() = 0;

    virtual std::unique_ptr<ProgressWindow> openProgress(ProgressOwner& owner, std::int32_t range,
                                                         const std::string& caption) = 0;

    // Ends the program at once after a fatal message; never returns to the caller.
    [[noreturn]] virtual void endProgram() = 0;
};

// Shows the busy pointer for the lifetime of the guard, also when an error leaves the scope.
class BusyPointer {
public:
    explicit BusyPointer(UserInterface& ui) : ui_(ui) { ui_.waitOn(); }
    ~BusyPointer() { ui_.waitOff(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

private:
    UserInterface& ui_;
};

} // namespace kpd
