#pragma once

#include "checks/problem.h"

#include <QObject>

#include <functional>

class LcdtextboxHost;

namespace kpd {
class TheApp;
}

// Spelling in one custom text box: marks its misspelled words after every change, answers
// its context menu with the corrections that still fit the box's text, and passes on the
// words the user adds to the word list or ignores.
class BoxSpelling : public QObject {
    Q_OBJECT
public:
    using AppSource = std::function<kpd::TheApp*()>;

    BoxSpelling(LcdtextboxHost& box, kpd::TextField field, AppSource app, QObject* parent = nullptr);

    // Marks the box's text as it is now.
    void mark();

private:
    void suggest(const QString& word);

    LcdtextboxHost& box_;
    kpd::TextField field_;
    AppSource app_;
};
