#include "model/modedata.h"
#include "model/modelerror.h"

#include <gtest/gtest.h>

using namespace kpd;

TEST(ModeDataUndo, ANewRecordUndoesToTheMessageAndBackToEmpty)
{
    ModeData record("Servo");
    EXPECT_EQ(record.getDesc(), "");
    EXPECT_EQ(record.undoD(), "Nothing to undo! Press undo again to go back");
    EXPECT_EQ(record.undoD(), "");
    EXPECT_EQ(record.undoH(), "Nothing to undo! Press undo again to go back");
    EXPECT_EQ(record.getDesc(), "") << "help and description keep separate slots";
}

TEST(ModeDataUndo, UndoTogglesBetweenTheLastTwoTexts)
{
    ModeData record;
    record.setDesc("A");
    record.setDesc("B");
    EXPECT_EQ(record.undoD(), "A");
    EXPECT_EQ(record.undoD(), "B");
    EXPECT_EQ(record.getDesc(), "B");

    record.setHelp("first");
    record.setHelp("second");
    EXPECT_EQ(record.undoH(), "first");
    EXPECT_EQ(record.getHelp(), "first");
}

TEST(ModeDataUndo, ClearAllCanBeUndoneTextByText)
{
    ModeData record;
    record.setDesc("Motor~Mspeed");
    record.setHelp("Help");
    record.clearAll();
    EXPECT_EQ(record.getDesc(), "");
    EXPECT_EQ(record.getHelp(), "");
    EXPECT_EQ(record.undoD(), "Motor~Mspeed");
    EXPECT_EQ(record.undoH(), "Help");
}

TEST(ModeDataUndo, SettingARecordToItsOwnTextKeepsIt)
{
    ModeData record;
    record.setDesc("Same");
    record.setDesc(record.getDesc());
    EXPECT_EQ(record.getDesc(), "Same");
    EXPECT_EQ(record.undoD(), "Same");
}

TEST(ModeDataConstants, DefinedFlagAcceptsOnlyExactLowerCaseWords)
{
    ModeData record;
    EXPECT_EQ(record.getStrDefined(), "true");
    record.setStrDefined("false");
    EXPECT_FALSE(record.getBoolDefined());
    record.setStrDefined("TRUE");
    EXPECT_FALSE(record.defined());
    record.setStrDefined("1");
    EXPECT_FALSE(record.defined());
    record.setStrDefined("true");
    EXPECT_TRUE(record.defined());
    EXPECT_EQ(record.getStrDefined(), "true");
}

TEST(ModeDataConstants, LimitsAndDefaultAreSetEachOnItsOwnInAnyOrder)
{
    ModeData record;
    EXPECT_EQ(record.lLim() + record.uLim() + record.dVal(), "");
    record.setDVal("Forward and reverse");
    record.setULim("4294967295");
    record.setLLim("-2147483648");
    EXPECT_EQ(record.lLim(), "-2147483648");
    EXPECT_EQ(record.uLim(), "4294967295");
    EXPECT_EQ(record.dVal(), "Forward and reverse");
    record.setULim("");
    record.setLLim(std::string("7\0 8", 4));
    EXPECT_EQ(record.lLim(), "7") << "a value ends at its first NUL";
    EXPECT_EQ(record.uLim(), "");
    EXPECT_EQ(record.dVal(), "Forward and reverse");
}

TEST(ModeDataConstants, DecimalPlacesReadFromTextOrRaiseAModelError)
{
    ModeData record;
    EXPECT_EQ(record.nOfDp(), "0");
    record.setNOfDp(" 2 ");
    EXPECT_EQ(record.nOfDp(), "2");
    EXPECT_EQ(record.decimalPlaces(), 2);

    try {
        record.setNOfDp("two");
        ADD_FAILURE() << "text accepted as a number";
    } catch (const ModelError& e) {
        EXPECT_EQ(e.code(), ModelError::TypeMismatch);
    }
    EXPECT_THROW(record.setNOfDp(""), ModelError);
    EXPECT_THROW(record.setNOfDp("1.5"), ModelError);
    try {
        record.setNOfDp("40000");
        ADD_FAILURE() << "value beyond 16 bits accepted";
    } catch (const ModelError& e) {
        EXPECT_EQ(e.code(), ModelError::Overflow);
    }
    EXPECT_EQ(record.nOfDp(), "2") << "a rejected value leaves the old one";
    record.setNOfDp("-1");
    EXPECT_EQ(record.decimalPlaces(), -1);
}

namespace {

ModeData filledSource()
{
    ModeData source("Closed loop");
    source.setDesc("Source desc");
    source.setHelp("Source help");
    source.setLLim("-100");
    source.setULim("100");
    source.setDVal("50");
    source.setDefined(false);
    source.setUnit(3);
    source.setNOfDp("2");
    source.setTextDVal(true);
    return source;
}

} // namespace

TEST(ModeDataClone, WithoutUserDataCopiesOnlyConstantsAndKeepsTextsAndUndo)
{
    const ModeData source = filledSource();
    ModeData dest("Closed loop");
    dest.setDesc("Old");
    dest.setDesc("Mine");
    dest.setHelp("My help");

    dest.clone(source, true);

    EXPECT_EQ(dest.getDesc(), "Mine");
    EXPECT_EQ(dest.getHelp(), "My help");
    EXPECT_EQ(dest.undoD(), "Old");
    EXPECT_EQ(dest.lLim(), "-100");
    EXPECT_EQ(dest.uLim(), "100");
    EXPECT_EQ(dest.dVal(), "50");
    EXPECT_FALSE(dest.defined());
    EXPECT_EQ(dest.unit(), 3);
    EXPECT_EQ(dest.nOfDp(), "0") << "decimal places stay with the destination";
    EXPECT_FALSE(dest.textDVal()) << "the text-default flag stays with the destination";
}

TEST(ModeDataClone, WithUserDataCopiesTextsThroughTheUndoSlots)
{
    const ModeData source = filledSource();
    ModeData dest("Closed loop");
    dest.setDesc("Mine");
    dest.clone(source, false);
    EXPECT_EQ(dest.getDesc(), "Source desc");
    EXPECT_EQ(dest.getHelp(), "Source help");
    EXPECT_EQ(dest.undoD(), "Mine");
    EXPECT_EQ(dest.unit(), 3);
}

TEST(ModeDataUndo, EachTextLeavesItsNothingToUndoStateOnItsOwn)
{
    ModeData record;
    record.setHelp("Help");
    EXPECT_EQ(record.undoD(), kNothingToUndo) << "setting the help text leaves the description's slot";
    EXPECT_EQ(record.undoH(), "");

    ModeData copy;
    copy.clone(record, false);
    EXPECT_EQ(copy.getDesc(), kNothingToUndo) << "the undone message is a text like any other";
    EXPECT_EQ(copy.undoD(), "") << "a cloned record undoes to its own earlier empty text";
}

TEST(ModeDataUndo, ACopyKeepsItsOwnUndoTexts)
{
    ModeData record;
    record.setDesc("First");
    record.setDesc("Second");
    ModeData copy = record;
    EXPECT_EQ(copy.undoD(), "First");
    EXPECT_EQ(record.getDesc(), "Second") << "undo on the copy leaves the original";
    EXPECT_EQ(record.undoD(), "First");
    copy = record;
    EXPECT_EQ(copy.undoD(), "Second") << "assignment copies the slot as it is now";
}
