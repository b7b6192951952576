#include "controlfixture.h"
#include "layoutcheck.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

// The properties verb shows the keypad text box's general page in its frame, modally;
// the frame is checked while it is open.
TEST_F(ControlTest, ThePropertyPageInItsFrameIsReadable)
{
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* frame = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(frame, nullptr);
        checked = true;
        EXPECT_TRUE(kpd::test::readableLayout(frame));
        frame->reject();
    });
    EXPECT_EQ(object->doVerb(comrt::propertiesVerb), comrt::result::ok);
    EXPECT_TRUE(checked);
}
