#include "model/parameters.h"

#include <gtest/gtest.h>

using namespace kpd;

namespace {

Parameter& parameterWithModes(Parameters& params, const std::string& key)
{
    Parameter& p = *params.Add(key);
    p.createModes({"Open loop", "Closed loop", "Servo"});
    return p;
}

std::vector<std::string> keysInOrder(const Parameters& params)
{
    std::vector<std::string> keys;
    for (const Parameter& p : params) keys.push_back(p.paraKey());
    return keys;
}

} // namespace

TEST(ParametersAdd, TakesTheNumberFromTheKey)
{
    Parameters params;
    EXPECT_EQ(params.Add("p08")->paraNumber(), 8);
    EXPECT_EQ(params.Add("p99")->paraNumber(), 99);
    EXPECT_EQ(params.Item("p08").paraKey(), "p08");
    EXPECT_THROW(params.Add("px"), ModelError);
    EXPECT_EQ(params.Count(), 2);
}

TEST(ParametersAdd, AddExistingModeCreatesNothingAndNormalModeSharesNothing)
{
    Parameters home;
    Parameter& p = *home.Add("p3");

    Parameters trips;
    trips.setAddExisting(true);
    EXPECT_EQ(trips.Add("p3"), nullptr);
    EXPECT_EQ(trips.Count(), 0);

    EXPECT_EQ(home.addExisting("t9", p), nullptr);
    EXPECT_EQ(home.Count(), 1);
    EXPECT_EQ(p.tripKey(), "");
}

TEST(ParametersSharing, ATripIsTheSameObjectAsItsHomeParameter)
{
    Parameters home;
    Parameter& p = parameterWithModes(home, "p2");
    Parameters trips;
    trips.setAddExisting(true);
    EXPECT_EQ(trips.addExisting("t12", p), &p);
    EXPECT_EQ(p.tripKey(), "t12");
    EXPECT_EQ(p.paraKey(), "p2");

    trips.Item("t12").modes().Item("Servo").setDesc("Over voltage");
    EXPECT_EQ(home.Item("p2").modes().Item("Servo").getDesc(), "Over voltage");
    home.Item("p2").modes().Item("Servo").setHelp("Check supply");
    EXPECT_EQ(trips.Item("t12").modes().Item("Servo").getHelp(), "Check supply");
}

TEST(ParametersSharing, DroppingTheTripsCollectionLeavesTheHomeParameterAlive)
{
    Parameters home;
    Parameter& p = parameterWithModes(home, "p2");
    {
        Parameters trips;
        trips.setAddExisting(true);
        trips.addExisting("t1", p);
    }
    EXPECT_EQ(home.Item("p2").modes().Count(), 3);
}

TEST(ParametersSort, OrdersByNumberAndKeepsTheEarliestOfEqualNumbersFirst)
{
    Parameters params;
    for (const char* key : {"p5", "p1", "p05", "p0", "p3", "p01"}) params.Add(key);
    params.sortParams();
    EXPECT_EQ(keysInOrder(params), (std::vector<std::string>{"p0", "p1", "p01", "p3", "p5", "p05"}));
    EXPECT_EQ(params.getFirstKey(), "p0");
    EXPECT_EQ(params.Item("p05").paraKey(), "p05") << "lookups follow the new order";
    EXPECT_EQ(params.Item(6).paraKey(), "p05");
}

TEST(ParametersSort, NumbersOfOneHundredAndAboveEndUpLastInsteadOfHanging)
{
    Parameters params;
    for (const char* key : {"p150", "p2", "p100", "p1"}) params.Add(key);
    params.sortParams();
    EXPECT_EQ(keysInOrder(params), (std::vector<std::string>{"p1", "p2", "p100", "p150"}));
}

TEST(ModeCopies, CopyToAllCopiesTextsAndUnitIntoEveryOtherModeOnly)
{
    Parameters params;
    Parameter& p = parameterWithModes(params, "p1");
    ModeData& source = p.modes().Item("Closed loop");
    source.setDesc("Speed ref");
    source.setHelp("The reference");
    source.setUnit(4);
    source.setLLim("-5");
    p.modes().Item("Servo").setDesc("Old servo");

    p.cloneMode("Closed loop");

    for (const char* mode : {"Open loop", "Servo"}) {
        const ModeData& copy = p.modes().Item(mode);
        EXPECT_EQ(copy.getDesc(), "Speed ref") << mode;
        EXPECT_EQ(copy.getHelp(), "The reference") << mode;
        EXPECT_EQ(copy.unit(), 4) << mode;
        EXPECT_EQ(copy.lLim(), "") << "limits are not copied between modes";
    }
    EXPECT_EQ(p.modes().Item("Servo").undoD(), "Old servo");
    EXPECT_EQ(source.getDesc(), "Speed ref");
    EXPECT_EQ(source.undoD(), "") << "the source itself is not set again";
}

TEST(ModeCopies, CloneModeToOneModeTouchesOnlyThatMode)
{
    Parameters params;
    Parameter& p = parameterWithModes(params, "p1");
    p.modes().Item("Open loop").setDesc("OL");
    p.cloneMode("Open loop", "Servo");
    EXPECT_EQ(p.modes().Item("Servo").getDesc(), "OL");
    EXPECT_EQ(p.modes().Item("Closed loop").getDesc(), "");
    EXPECT_THROW(p.cloneMode("Open loop", "Regen"), ModelError);
}

TEST(ModeCopies, CopyModesMatchesRecordsByModeName)
{
    Parameters source;
    Parameter& from = *source.Add("p1");
    from.createModes({"Servo", "Open loop"});
    from.modes().Item("Servo").setDesc("Servo text");
    from.modes().Item("Open loop").setDesc("OL text");

    Parameters dest;
    Parameter& to = parameterWithModes(dest, "p1");
    EXPECT_THROW(to.copyModes(from, false), ModelError) << "Closed loop is missing from the source";
    EXPECT_EQ(to.modes().Item("Open loop").getDesc(), "OL text") << "records before the missing one are copied";

    from.createModes({"Closed loop"});
    to.copyModes(from, false);
    EXPECT_EQ(to.modes().Item("Servo").getDesc(), "Servo text");
}
