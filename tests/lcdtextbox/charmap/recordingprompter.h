#pragma once

#include "lcdtextbox/lcdprompts.h"

#include <deque>
#include <vector>

// Records the messages the key map and the character map show and answers them from a
// script (Ok when the script is empty); installed for the life of the object.
class RecordingPrompter : public lcd::Prompter {
public:
    struct Message {
        QString text;
        QString title;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    RecordingPrompter() { lcd::setPrompter(this); }
    ~RecordingPrompter() override { lcd::setPrompter(nullptr); }
    RecordingPrompter(const RecordingPrompter&) = delete;
    RecordingPrompter& operator=(const RecordingPrompter&) = delete;

    QMessageBox::StandardButton message(QWidget*, const QString& text, const QString& title, QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons) override
    {
        messages.push_back({text, title, icon, buttons});
        if (answers.empty()) return QMessageBox::Ok;
        const QMessageBox::StandardButton answer = answers.front();
        answers.pop_front();
        return answer;
    }

    bool askText(QWidget*, const QString&, const QString&, QString&) override { return false; }

    std::vector<Message> messages;
    std::deque<QMessageBox::StandardButton> answers;
};
