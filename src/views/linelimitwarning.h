#pragma once

#include <QObject>

#include <functional>

class QLabel;
class QTimer;

// The red "2 lines maximum" a description box's caption shows for a few ticks when the box
// refuses another line, and the caption it goes back to.
class LineLimitWarning : public QObject {
    Q_OBJECT
public:
    // restoreCaption gives the label back the caption of the kind being edited.
    LineLimitWarning(QLabel& label, std::function<void()> restoreCaption, QObject* parent = nullptr);

    void show();
    void tick();
    bool isActive() const;
    void setInterval(int milliseconds);

private:
    QLabel& label_;
    std::function<void()> restoreCaption_;
    QTimer* timer_;
    int ticks_ = 0;
};
