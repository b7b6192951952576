#include "shell/backgroundanalysis.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <vector>

namespace {

// An analysis that reports the value it snapshot; the first run can be held back so
// an edit arrives while it is still working.
struct CountingAnalysis {
    int value = 0;
    std::atomic<bool> holdFirst{false};
    std::atomic<bool> released{false};
    int runs = 0;
    std::vector<int> shown;
    BackgroundAnalysis analysis{[this]() -> BackgroundAnalysis::Work {
                                    const int snapshot = value;
                                    const bool hold = holdFirst.exchange(false);
                                    ++runs;
                                    return [this, snapshot, hold]() -> BackgroundAnalysis::Delivery {
                                        while (hold && !released) QThread::msleep(1);
                                        return [this, snapshot] { shown.push_back(snapshot); };
                                    };
                                },
                                nullptr, 30};
};

TEST(BackgroundAnalysis, RequestsInTheQuietPeriodRunOnceOnTheLatestSet)
{
    CountingAnalysis counting;
    for (int i = 1; i <= 5; ++i) {
        counting.value = i;
        counting.analysis.request();
    }
    EXPECT_FALSE(counting.analysis.isCurrent());
    ASSERT_TRUE(counting.analysis.waitUntilIdle(5000));
    EXPECT_EQ(counting.runs, 1);
    EXPECT_EQ(counting.shown, std::vector<int>{5});
    EXPECT_TRUE(counting.analysis.isCurrent());
}

TEST(BackgroundAnalysis, AResultAboutASetThatChangedMeanwhileIsNeverShown)
{
    CountingAnalysis counting;
    counting.value = 1;
    counting.holdFirst = true;
    counting.analysis.runNow();
    counting.value = 2;
    counting.analysis.request();
    counting.released = true;
    ASSERT_TRUE(counting.analysis.waitUntilIdle(5000));
    EXPECT_EQ(counting.shown, std::vector<int>{2});
    EXPECT_EQ(counting.runs, 2);
}

TEST(BackgroundAnalysis, AResultArrivingAfterItsOwnerIsGoneIsIgnored)
{
    auto release = std::make_shared<std::atomic<bool>>(false);
    auto delivered = std::make_shared<bool>(false);
    auto analysis = std::make_unique<BackgroundAnalysis>([release, delivered]() -> BackgroundAnalysis::Work {
        return [release, delivered]() -> BackgroundAnalysis::Delivery {
            while (!*release) QThread::msleep(1);
            return [delivered] { *delivered = true; };
        };
    });
    analysis->runNow();
    analysis.reset();
    *release = true;
    QThreadPool::globalInstance()->waitForDone(5000);
    QCoreApplication::processEvents();
    EXPECT_FALSE(*delivered);
}

} // namespace
