#include "xmlfiles/drivefilenames.h"

#include <gtest/gtest.h>

namespace kpd {
namespace {

TEST(DriveFileNames, OnlyANameEndingInKpdIsAKeypadFile)
{
    EXPECT_TRUE(DriveFileNames::isKeypadFile("/data/set.kpd"));
    EXPECT_TRUE(DriveFileNames::isKeypadFile("/data/set.kpd   ")) << "trailing spaces are dropped";
    EXPECT_TRUE(DriveFileNames::isKeypadFile(".kpd"));
    EXPECT_TRUE(DriveFileNames::isKeypadFile("/data/\xc3\xa9t\xc3\xa9.kpd"));
    EXPECT_FALSE(DriveFileNames::isKeypadFile("/data/set.txt"));
    EXPECT_FALSE(DriveFileNames::isKeypadFile("/data/set.KPD"));
    EXPECT_FALSE(DriveFileNames::isKeypadFile("/data/setkpd"));
    EXPECT_FALSE(DriveFileNames::isKeypadFile("/data/set.kpdx"));
    EXPECT_FALSE(DriveFileNames::isKeypadFile("/data/set.kp"));
    EXPECT_FALSE(DriveFileNames::isKeypadFile("kpd"));
    EXPECT_FALSE(DriveFileNames::isKeypadFile(""));
}

TEST(DriveFileNames, BackupsAndTheAutoSaveLieInTheDriveFolder)
{
    EXPECT_EQ(DriveFileNames::customSetBackup("/drive"), "/drive/autoBackup.kpd");
    EXPECT_EQ(DriveFileNames::menuBackup("/drive", "m12"), "/drive/autoBackupm12.kpd");
    EXPECT_EQ(DriveFileNames::menuBackup("/drive/", "trips"), "/drive/autoBackuptrips.kpd");
    EXPECT_EQ(DriveFileNames::menuBackup("/drive", "m\xe9"), "/drive/autoBackupm\xc3\xa9.kpd")
        << "a model-text key is named in the file system's encoding";
    EXPECT_EQ(DriveFileNames::autoSave("/drive"), "/drive/autoSave.kpd");
}

} // namespace
} // namespace kpd
