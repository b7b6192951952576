#include "shell/autosavehost.h"
#include "shell/frame/autosavewindow.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

struct FakeHost : AutoSaveHost {
    void AutoSave() override { ++saves; }
    bool hasChangesToSave() const override { return changed; }
    void setASFIleName(const QString& name) override { fileName = name; }
    int saves = 0;
    bool changed = true;
    QString fileName;
};

} // namespace

TEST(AutoSaveTimer, SavesOnEveryFifthMinute)
{
    FakeHost host;
    AutoSaveWindow window;
    window.setData(&host, QStringLiteral("/tmp/a.kpd"), true);
    ASSERT_EQ(window.minutes(), 5);
    for (int i = 0; i < 4; ++i) window.tick();
    EXPECT_EQ(host.saves, 0);
    window.tick();
    EXPECT_EQ(host.saves, 1);
    for (int i = 0; i < 5; ++i) window.tick();
    EXPECT_EQ(host.saves, 2);
}

TEST(AutoSaveTimer, SwitchingOffAndOnKeepsTheMinuteCount)
{
    FakeHost host;
    AutoSaveWindow window;
    window.setData(&host, QString(), true);
    window.tick();
    window.tick();
    window.setRunning(false);
    EXPECT_FALSE(window.isRunning());
    window.setRunning(true);
    EXPECT_EQ(window.minuteCount(), 2);
    window.tick();
    window.tick();
    window.tick();
    EXPECT_EQ(host.saves, 1);
}

TEST(AutoSaveTimer, RealTimerTicksSaveWhenTheIntervalIsShort)
{
    FakeHost host;
    AutoSaveWindow window(nullptr, 1);
    window.setMinutes(1);
    window.setData(&host, QString(), true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return host.saves > 0; }, 2000));
}

TEST(AutoSaveFile, AChosenFileGoesToTheMainWindowAndAnEmptyOneChangesNothing)
{
    FakeHost host;
    AutoSaveWindow window;
    window.setData(&host, QStringLiteral("/old.kpd"), false);
    window.applyChosenFile(QString());
    EXPECT_EQ(window.fileName(), QStringLiteral("/old.kpd"));
    EXPECT_TRUE(host.fileName.isEmpty());
    window.applyChosenFile(QStringLiteral("/new.kpd"));
    EXPECT_EQ(window.fileName(), QStringLiteral("/new.kpd"));
    EXPECT_EQ(host.fileName, QStringLiteral("/new.kpd"));

    AutoSaveHost* kept = nullptr;
    QString name;
    bool state = true;
    window.getData(kept, name, state);
    EXPECT_EQ(kept, &host);
    EXPECT_EQ(name, QStringLiteral("/new.kpd"));
    EXPECT_FALSE(state);
}

TEST(AutoSaveFile, SuspensionRemembersWhetherTheTimerRan)
{
    AutoSaveWindow window;
    window.setRunning(true);
    window.suspend();
    EXPECT_FALSE(window.isRunning());
    AutoSaveHost* host = nullptr;
    QString name;
    bool state = false;
    window.getData(host, name, state);
    EXPECT_TRUE(state) << "a suspended auto save still counts as on";
    window.resume();
    EXPECT_TRUE(window.isRunning());
}
