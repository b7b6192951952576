#include "layoutcheck.h"

#include "download/dlgnodeaddr.h"

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
