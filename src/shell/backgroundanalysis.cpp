#include "backgroundanalysis.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMetaObject>
#include <QThreadPool>

BackgroundAnalysis::BackgroundAnalysis(Snapshot snapshot, QObject* parent, int debounceMs)
    : QObject(parent), snapshot_(std::move(snapshot)), self_(std::make_shared<BackgroundAnalysis*>(this))
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(debounceMs);
    connect(&quiet_, &QTimer::timeout, this, &BackgroundAnalysis::start);
}

BackgroundAnalysis::~BackgroundAnalysis()
{
    *self_ = nullptr;
}

void BackgroundAnalysis::request()
{
    ++generation_;
    if (current_) {
        current_ = false;
        emit staleChanged(true);
    }
    quiet_.start();
}

void BackgroundAnalysis::runNow()
{
    quiet_.stop();
    start();
}

void BackgroundAnalysis::start()
{
    if (running_) {
        pending_ = true;
        return;
    }
    Work work = snapshot_();
    if (!work) return;
    running_ = true;
    pending_ = false;
    const std::uint64_t generation = generation_;
    std::shared_ptr<BackgroundAnalysis*> self = self_;
    QThreadPool::globalInstance()->start([self, generation, work = std::move(work)] {
        Delivery delivery = work();
        // The application object outlives every window; whether this object still exists
        // is asked on the GUI thread, where it is destroyed.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, generation, delivery = std::move(delivery)] {
                if (BackgroundAnalysis* owner = *self) owner->finished(generation, delivery);
            },
            Qt::QueuedConnection);
    });
}

void BackgroundAnalysis::finished(std::uint64_t generation, const Delivery& delivery)
{
    running_ = false;
    if (generation == generation_) {
        if (delivery) delivery();
        current_ = true;
        emit staleChanged(false);
    } else if (!quiet_.isActive()) {
        // The set changed while this ran and its quiet period is already over.
        start();
        return;
    }
    if (pending_) start();
}

bool BackgroundAnalysis::waitUntilIdle(int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (running_ || pending_ || quiet_.isActive()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
