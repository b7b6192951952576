#include "controlfixture.h"

#include "comrt/propertypage.h"
#include "lcdtextbox/lcdtextboxdispids.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace result = comrt::result;
namespace id = lcdtextbox::dispid;

class PropPageTest : public ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        ASSERT_EQ(comrt::ComRuntime::create(lcdtextbox::ids::propertyPageClass, nullptr, page), result::ok);
        rows = page->widget()->findChild<QLineEdit*>(QStringLiteral("txtRows"));
        cols = page->widget()->findChild<QLineEdit*>(QStringLiteral("txtCols"));
        ASSERT_NE(rows, nullptr);
        ASSERT_NE(cols, nullptr);
    }
    void TearDown() override
    {
        page.reset();
        ControlTest::TearDown();
    }

    std::unique_ptr<comrt::PropertyPage> page;
    QLineEdit* rows = nullptr;
    QLineEdit* cols = nullptr;
};

TEST_F(PropPageTest, GeneralPageWithItsInitialValues)
{
    EXPECT_EQ(page->title(), QStringLiteral("General"));
    // 250 × 62 dialog units at two pixels each.
    EXPECT_EQ(page->widget()->size(), QSize(500, 124));
    EXPECT_EQ(rows->text(), QStringLiteral("2"));
    EXPECT_EQ(cols->text(), QStringLiteral("16"));
}

TEST_F(PropPageTest, EditsTheControlsRowsAndColumns)
{
    set(id::nRows, 3);
    ASSERT_EQ(page->setObject(object.get()), result::ok);
    EXPECT_EQ(rows->text(), QStringLiteral("3"));
    EXPECT_EQ(cols->text(), QStringLiteral("16"));
    rows->setText(QStringLiteral("1"));
    cols->setText(QStringLiteral("256"));
    EXPECT_EQ(page->apply(), result::ok);
    EXPECT_EQ(get(id::nRows).toInt(), 1);
    EXPECT_EQ(get(id::nCols).toInt(), 256);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PropPageTest, OutOfRangeFieldsChangeNothing)
{
    ASSERT_EQ(page->setObject(object.get()), result::ok);
    const std::vector<std::pair<const char*, const char*>> refused = {
        {"0", "16"}, {"257", "16"}, {"x", "16"}, {"", "16"}, {"4", "0"}, {"4", "257"}, {"4", "1.5"}};
    for (const auto& [r, c] : refused) {
        rows->setText(QString::fromLatin1(r));
        cols->setText(QString::fromLatin1(c));
        EXPECT_EQ(page->apply(), result::invalidPropertyValue) << r << " " << c;
        EXPECT_EQ(get(id::nRows).toInt(), 2) << r << " " << c;
        EXPECT_EQ(get(id::nCols).toInt(), 16) << r << " " << c;
    }
    ASSERT_EQ(prompter.messages.size(), refused.size());
    EXPECT_EQ(prompter.messages.front(), QStringLiteral("Please enter an integer between 1 and 256."));
}

TEST_F(PropPageTest, PropertiesVerbShowsThePageOnTheControl)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* frame = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(frame, nullptr);
        seen = true;
        auto* tabs = frame->findChild<QTabWidget*>();
        ASSERT_NE(tabs, nullptr);
        EXPECT_EQ(tabs->tabText(0), QStringLiteral("General"));
        frame->findChild<QLineEdit*>(QStringLiteral("txtCols"))->setText(QStringLiteral("40"));
        frame->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        // A refused value would have left the frame open.
        if (frame->isVisible()) frame->reject();
    });
    EXPECT_EQ(object->doVerb(comrt::propertiesVerb), result::ok);
    EXPECT_TRUE(seen);
    EXPECT_EQ(get(id::nCols).toInt(), 40);
    EXPECT_EQ(object->doVerb(0), result::notImplemented);
}
