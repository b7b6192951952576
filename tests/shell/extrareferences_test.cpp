#include "recordinguserinterface.h"

#include "shell/drivedocument.h"
#include "shell/extrareferences.h"
#include "shell/frame/extrareferencesdialog.h"
#include "shell/frame/mainwindow.h"
#include "shell/frame/menuwindowarea.h"
#include "views/menuview.h"

#include "model/theapp.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QListWidget>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidgetItem>

#include <gtest/gtest.h>

namespace {

// The sample drive: English, French, German, Spanish and Italian beside the custom set.
class ExtraReferencesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousRegistry_ = qgetenv("KPD_COMRT_REGISTRY");
        qputenv("KPD_COMRT_REGISTRY", registry_.filePath(QStringLiteral("registry.json")).toLocal8Bit());
        QSettings(QStringLiteral("VXKey pad tool"), QStringLiteral("VXKey pad tool")).clear();
        const QDir data(QStringLiteral(KPD_SOURCE_DIR "/data"));
        for (const QString& name : data.entryList(QDir::Files)) QFile::copy(data.filePath(name), drive_.filePath(name));
        window = start();
    }
    void TearDown() override
    {
        window.reset();
        qputenv("KPD_COMRT_REGISTRY", previousRegistry_);
    }
    std::unique_ptr<MainWindow> start()
    {
        auto started = std::make_unique<MainWindow>(ui, drive_.path());
        EXPECT_TRUE(started->load());
        return started;
    }
    MenuView* openMenu(const char* key)
    {
        window->selectNode(window->findNode({MenuTree::Node::Kind::Menu, QLatin1String(key)}));
        return window->menuWindows().contains(key) ? &window->menuWindows().Item(key) : nullptr;
    }
    QStringList labels(MenuView& view, int count) const
    {
        QStringList result;
        for (int r = 0; r < count; ++r) result << view.grid()->verticalHeaderItem(r)->text();
        return result;
    }

    QTemporaryDir registry_;
    QByteArray previousRegistry_;
    QTemporaryDir drive_;
    kpd::test::RecordingUserInterface ui;
    std::unique_ptr<MainWindow> window;
};

TEST_F(ExtraReferencesTest, TwoExtraLanguagesShowUnderTheReferenceRowOfEveryParameter)
{
    MenuView* view = openMenu("m0");
    ASSERT_NE(view, nullptr);
    const int parameters = window->document().app()->getCustMenus().Item("m0").Parameters().Count();
    window->windowArea().setExtraReferences({QStringLiteral("French"), QStringLiteral("German")});

    ASSERT_EQ(view->grid()->rowCount(), 4 * parameters);
    EXPECT_EQ(labels(*view, 4), (QStringList{"Parameter zero\n(reference)", "Parameter zero\n(French)",
                                             "Parameter zero\n(German)", "Parameter zero\n(custom)"}));
    EXPECT_EQ(view->grid()->item(1, 0)->text(), "Parameter zero\nChoix option");
    EXPECT_EQ(view->grid()->item(2, 0)->text(), "Parameter zero\nAuswahl option");
    EXPECT_EQ(view->rowKeys()[1], "p0") << "a click on a language row edits that parameter";

    // French as the main reference is not shown a second time as an extra one.
    window->document().chooseLanguage(2);
    EXPECT_EQ(labels(*view, 3),
              (QStringList{"Parameter zero\n(reference)", "Parameter zero\n(German)", "Parameter zero\n(custom)"}));
}

TEST_F(ExtraReferencesTest, TheChoiceIsRememberedForTheNextRun)
{
    window->windowArea().setExtraReferences({QStringLiteral("Spanish"), QStringLiteral("Italian")});
    window.reset();
    window = start();
    EXPECT_EQ(window->windowArea().extraReferences(), (QStringList{"Spanish", "Italian"}));
    MenuView* view = openMenu("m1");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->extraReferences().size(), 2u);
}

TEST_F(ExtraReferencesTest, TheDialogOffersEveryLanguageButTheCustomSet)
{
    ExtraReferencesDialog dialog(ExtraReferences::offered(*window->document().app()), {QStringLiteral("German")});
    ASSERT_EQ(dialog.list()->count(), 5);
    EXPECT_EQ(dialog.chosen(), QStringList{"German"});
    dialog.list()->item(0)->setCheckState(Qt::Checked);
    EXPECT_EQ(dialog.chosen(), (QStringList{"English", "German"}));
}

} // namespace
