#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

// Runs an analysis of the custom set off the GUI thread after edits have come to rest.
//
// Each request restarts a short quiet period; when it ends, the snapshot function runs on
// the GUI thread (where the model may be read) and returns the work. The work runs on a
// pool thread and returns what to do with its result, which runs back on the GUI thread,
// but only if no edit came in since the snapshot: a result about an older set is dropped,
// never shown as current. One analysis runs at a time; a request made meanwhile starts
// the next one when it ends.
class BackgroundAnalysis : public QObject {
    Q_OBJECT
public:
    using Delivery = std::function<void()>;
    using Work = std::function<Delivery()>;
    using Snapshot = std::function<Work()>;

    // The quiet period every background analysis of the editor waits for.
    static constexpr int kDebounceMs = 400;

    explicit BackgroundAnalysis(Snapshot snapshot, QObject* parent = nullptr, int debounceMs = kDebounceMs);
    ~BackgroundAnalysis() override;

    // The custom set changed: what was shown is stale until the next delivery.
    void request();
    // Skips the quiet period (start-up, tests).
    void runNow();
    // True while the last delivered result describes the set as it is.
    bool isCurrent() const { return current_; }
    bool isRunning() const { return running_; }
    // Processes events until no analysis is pending or running; false on timeout.
    bool waitUntilIdle(int timeoutMs);

signals:
    // Emitted when a request makes the shown result stale, and after each delivery.
    void staleChanged(bool stale);

private:
    void start();
    void finished(std::uint64_t generation, const Delivery& delivery);

    Snapshot snapshot_;
    QTimer quiet_;
    std::uint64_t generation_ = 0;
    bool running_ = false;
    bool pending_ = false;
    bool current_ = false;
    // Read and cleared on the GUI thread only, so a result arriving after this object is gone
    // is ignored.
    std::shared_ptr<BackgroundAnalysis*> self_;
};
