#include "filecommandsfixture.h"

#include "shell/backgroundanalysis.h"
#include "shell/drivedocument.h"
#include "shell/panels/comparewindow.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// An editor on a file that another program then rewrites.
class ChangedOnDiskTest : public FileCommandsFixture {
protected:
    void SetUp() override
    {
        // The comparison window creates keypad text boxes: their registry stays in the test's folder.
        previousRegistry_ = qgetenv("KPD_COMRT_REGISTRY");
        qputenv("KPD_COMRT_REGISTRY", registryDir_.filePath(QStringLiteral("registry.json")).toLocal8Bit());
        FileCommandsFixture::SetUp();
        folder.write(QStringLiteral("set.kpd"), folder.customDocument(QStringLiteral("Loaded")));
        ASSERT_TRUE(commands().openFile(file));
        custom("m1", "p1").setDesc("Edited here");
        window->document().app()->getCustMenus().Item("m1").setDirty(true);
    }
    void TearDown() override
    {
        window.reset();
        qputenv("KPD_COMRT_REGISTRY", previousRegistry_);
    }

    void changeOnDisk() const { folder.write(QStringLiteral("set.kpd"), folder.customDocument(kTheirs)); }
    std::string question() const { return "The file " + file.toStdString() + CurrentFileWatch::kChangedQuestion; }

    static inline const QString kTheirs = QStringLiteral("Changed by another program");
    const QString file = folder.file(QStringLiteral("set.kpd"));

private:
    QTemporaryDir registryDir_;
    QByteArray previousRegistry_;
};

TEST_F(ChangedOnDiskTest, AChangeIsAskedAboutOnceAndTheEditorsOwnSavesNever)
{
    commands().save();
    // Long enough for the watcher to hear of the save.
    QTest::qWait(200);
    EXPECT_TRUE(ui.messages.empty());
    changeOnDisk();
    ui.answers = {kpd::MessageAnswer::Cancel};
    ASSERT_TRUE(QTest::qWaitFor([&] { return !ui.messages.empty(); }, 10000));
    QTest::qWait(50);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{question()});
    EXPECT_EQ(ui.messages[0].buttons, kpd::MessageButtons::YesNoCancel);

    commands().save();
    EXPECT_EQ(ui.messages.size(), 1u) << "kept: the next save writes the editor's data unasked";
    EXPECT_TRUE(read(file).contains("Edited here"));
}

TEST_F(ChangedOnDiskTest, SaveAsksFirstAndReloadTakesTheFileAfterABackup)
{
    changeOnDisk();
    ui.answers = {kpd::MessageAnswer::Yes};
    commands().save();
    EXPECT_EQ(ui.texts(), std::vector<std::string>{question()}) << "the reload asks nothing more";
    EXPECT_TRUE(read(file).contains(kTheirs.toUtf8())) << "the file on disk is not written over";
    EXPECT_EQ(custom("m1", "p1").getDesc(), kTheirs.toStdString());
    EXPECT_TRUE(read(commands().customSetBackupPath()).contains("Edited here"));
    EXPECT_FALSE(window->document().app()->isAppDirty());
}

TEST_F(ChangedOnDiskTest, CompareShowsTheFileOnDiskAsTheirsAndSaveWaitsForIt)
{
    changeOnDisk();
    ui.answers = {kpd::MessageAnswer::No};
    commands().save();
    EXPECT_TRUE(read(file).contains(kTheirs.toUtf8()));
    const QList<CompareWindow*> comparisons = window->findChildren<CompareWindow*>();
    ASSERT_EQ(comparisons.size(), 1);
    ASSERT_TRUE(comparisons[0]->analysis().waitUntilIdle(10000));
    ASSERT_EQ(comparisons[0]->differences().size(), 1u);
    EXPECT_EQ(comparisons[0]->differences()[0].theirs.desc, kTheirs.toStdString());
    EXPECT_EQ(custom("m1", "p1").getDesc(), "Edited here");

    commands().save();
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(read(file).contains("Edited here"));
}

} // namespace
