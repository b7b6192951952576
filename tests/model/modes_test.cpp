#include "model/modelerror.h"
#include "model/modes.h"

#include <gtest/gtest.h>

using namespace kpd;

namespace {

modes threeModes()
{
    modes records;
    for (const char* name : {"Open loop", "Closed loop", "Servo"}) records.Add(SharedKey(name));
    return records;
}

} // namespace

TEST(ModesLookup, FindsRecordsByNameByPositionAndByAKeyWithTheSameTextOnly)
{
    modes records = threeModes();
    EXPECT_EQ(records.Count(), 3);
    EXPECT_EQ(records.Item("Closed loop").modeKey(), "Closed loop");
    EXPECT_EQ(records.Item(3).modeKey(), "Servo");
    EXPECT_EQ(records.Item(SharedKey("Servo")).modeKey(), "Servo") << "a key of another parameter, same text";
    EXPECT_EQ(&records.Item(records.Item(1).sharedModeKey()), &records.Item(1));
    EXPECT_EQ(records.find("servo"), nullptr) << "names are compared exactly";
    EXPECT_EQ(records.keyAt(3), "") << "past the last key is the empty spare slot";
}

TEST(ModesLookup, AbsentNamesPositionsAndRepeatedNamesAreModelErrors)
{
    modes records = threeModes();
    try {
        records.Item("Regen");
        ADD_FAILURE() << "absent name found";
    } catch (const ModelError& e) {
        EXPECT_EQ(e.code(), ModelError::SubscriptOutOfRange);
    }
    EXPECT_THROW(records.Item(0), ModelError);
    EXPECT_THROW(records.Item(4), ModelError);
    EXPECT_THROW(records.Item(SharedKey("Regen")), ModelError);
    EXPECT_THROW(records.Add(SharedKey("Servo")), ModelError);
    EXPECT_EQ(records.Count(), 3) << "a repeated name adds nothing";
}

TEST(ModesLookup, RemovalKeepsTheOrderOfTheOthersAndTheirTexts)
{
    modes records = threeModes();
    records.Item("Servo").setDesc("Servo text");
    records.Remove("Open loop");
    EXPECT_EQ(records.keys(), (std::vector<std::string>{"Closed loop", "Servo"}));
    EXPECT_EQ(records.Item("Servo").getDesc(), "Servo text");
    records.Remove(1);
    EXPECT_EQ(records.keyAt(0), "Servo");
    EXPECT_THROW(records.Remove("Open loop"), ModelError);
}
