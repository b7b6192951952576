#include "linelimitwarning.h"

#include <QLabel>
#include <QTimer>

namespace {

constexpr int kWarningInterval = 500;
// The count starts at 0 and the warning goes once it exceeds this: on the fifth tick,
// about two and a half seconds.
constexpr int kWarningTicks = 3;

} // namespace

LineLimitWarning::LineLimitWarning(QLabel& label, std::function<void()> restoreCaption, QObject* parent)
    : QObject(parent),
      label_(label),
      restoreCaption_(std::move(restoreCaption)),
      timer_(new QTimer(this))
{
    timer_->setInterval(kWarningInterval);
    connect(timer_, &QTimer::timeout, this, &LineLimitWarning::tick);
}

void LineLimitWarning::show()
{
    label_.setStyleSheet(QStringLiteral("color: #FF0000;"));
    label_.setText(QStringLiteral("2 lines maximum"));
    ticks_ = 0;
    timer_->start();
}

void LineLimitWarning::tick()
{
    if (ticks_ > kWarningTicks) {
        label_.setStyleSheet(QString());
        restoreCaption_();
        timer_->stop();
    }
    ++ticks_;
}

bool LineLimitWarning::isActive() const
{
    return timer_->isActive();
}

void LineLimitWarning::setInterval(int milliseconds)
{
    timer_->setInterval(milliseconds);
}
