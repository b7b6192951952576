#include "layoutcheck.h"

#include "zvnsetupdialog.h"

#include <gtest/gtest.h>

TEST(ZvnLayout, TheCommunicationSettingsDialogIsReadable)
{
    ZvnSetupDialog dialog({0, 0, 0, 0, 0}, {4, 3000, 3000, 0, 0, 3000, 0}, nullptr);
    dialog.show();
    EXPECT_TRUE(kpd::test::readableLayout(&dialog));
}
