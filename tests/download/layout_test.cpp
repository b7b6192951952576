#include "layoutcheck.h"

#include "download/dlgnodeaddr.h"
#include "recordinguserinterface.h"
#include "shell/frmprogress.h"

#include <QLineEdit>

#include <gtest/gtest.h>

TEST(DownloadLayout, TheNodeAddressDialogIsReadableWhileItsPromptFlashes)
{
    dlgNodeAddr dialog;
    dialog.setModal(false);
    dialog.show();
    EXPECT_TRUE(kpd::test::readableLayout(&dialog));
    dialog.txtAddress()->clear();
    dialog.onDownload();
    dialog.onFlashTick();
    EXPECT_TRUE(kpd::test::readableLayout(&dialog)) << "the invalid-address warning in bold";
}

TEST(DownloadLayout, TheProgressWindowShowsARetryWhole)
{
    struct Idle : kpd::ProgressOwner {
        std::int32_t progress() const override { return 3; }
        void stopProcess() override {}
    } owner;
    kpd::test::RecordingUserInterface ui;
    frmProgress window(ui);
    window.setData(owner, 127, QStringLiteral("Downloading to custom area"));
    window.setStatus(QStringLiteral("The connection to the keypad was lost and could not be made again "
                                    "(segment 127); retry 2 of 3..."));
    EXPECT_TRUE(kpd::test::readableLayout(&window));
    window.closeByOwner();
}
