#include "recordinguserinterface.h"

namespace kpd::test {

namespace {

MessageAnswer firstButton(MessageButtons buttons)
{
    return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageAnswer::Yes
                                                                                     : MessageAnswer::Ok;
}

class RecordedProgressWindow : public ProgressWindow {
public:
    RecordedProgressWindow(std::vector<RecordedProgress>& log, std::size_t index) : log_(log), index_(index) {}
    void setRange(std::int32_t range) override { log_[index_].ranges.push_back(range); }
    void stopProgress() override { log_[index_].stopped = true; }
    void setStatus(const std::string& text) override { log_[index_].statuses.push_back(text); }
    void close() override { log_[index_].closed = true; }

private:
    std::vector<RecordedProgress>& log_;
    std::size_t index_;
};

} // namespace

MessageAnswer RecordingUserInterface::message(const std::string& text, const std::string& title,
                                              MessageIcon icon, MessageButtons buttons)
{
    messages.push_back({text, title, icon, buttons});
    if (answers.empty()) return firstButton(buttons);
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::unique_ptr<ProgressWindow> RecordingUserInterface::openProgress(ProgressOwner&, std::int32_t range,
                                                                     const std::string& caption)
{
    progressWindows.push_back({caption, range, {}, {}, false, false});
    return std::make_unique<RecordedProgressWindow>(progressWindows, progressWindows.size() - 1);
}

void RecordingUserInterface::endProgram()
{
    ended = true;
    throw ProgramEnded();
}

std::vector<std::string> RecordingUserInterface::texts() const
{
    std::vector<std::string> result;
    for (const RecordedMessage& m : messages) result.push_back(m.text);
    return result;
}

} // namespace kpd::test
