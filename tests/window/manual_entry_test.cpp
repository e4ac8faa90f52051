#include <gtest/gtest.h>

#include "platform/text.h"
#include "tests/window/form_test_support.h"

namespace tellux {
namespace {

using testing::FormTest;

// Panels on India (+5:30), W. Europe (+1, daylight saving), Central (-6,
// daylight saving) and Eastern (-5, daylight saving), seeded by one tick.
class ManualEntry : public FormTest {
 protected:
  void SetUp() override {
    testing::StoreFourPanels(t.settings);
    Start();
    form->Timer1.Fire();
  }
  void Type(TextBox& box, const std::string& keys) {
    std::string text;
    for (char c : keys) {
      text += c;
      box.UserEdit(text);
    }
  }
  int Hour(int panel) const { return form->PanelTime[static_cast<std::size_t>(panel)].wHour; }
  int Minute(int panel) const { return form->PanelTime[static_cast<std::size_t>(panel)].wMinute; }
  // Types text into panel 1's box; its record then holds hour:minute.
  void TypedReadsAs(const std::string& text, int hour, int minute) {
    SCOPED_TRACE(text);
    form->Text1.UserEdit(text);
    EXPECT_EQ(Hour(1), hour);
    EXPECT_EQ(Minute(1), minute);
  }
};

TEST_F(ManualEntry, TypingOneKeyAtATimeConvertsAsSoonAsThereIsASeparator) {
  form->Text1.UserEdit("");
  form->Text1.UserEdit("1");
  EXPECT_EQ(form->Text0.Text(), "8:05 PM");  // nothing yet
  EXPECT_EQ(Hour(1), 16);

  TypedReadsAs("1:", 1, 0);
  EXPECT_EQ(form->Text0.Text(), "4:30 AM");

  form->Text1.UserEdit("1:3");
  EXPECT_EQ(Minute(1), 3);
  EXPECT_EQ(form->Text0.Text(), "4:33 AM");

  form->Text1.UserEdit("1:30");
  EXPECT_EQ(Minute(1), 30);
  EXPECT_EQ(form->Text0.Text(), "5:00 AM");
  EXPECT_EQ(form->Text2.Text(), "6:30 PM");
  EXPECT_EQ(form->Text3.Text(), "7:30 PM");
  EXPECT_EQ(form->Text1.Text(), "1:30");  // the typed box keeps what was typed
}

TEST_F(ManualEntry, ThePmDesignatorAddsTwelveHours) {
  form->Text1.UserEdit("12:15");
  EXPECT_EQ(Hour(1), 0);
  form->Text1.UserEdit("12:15 PM");
  EXPECT_EQ(Hour(1), 12);
  TypedReadsAs("7:05 PM", 19, 5);
}

TEST_F(ManualEntry, ADesignatorInAnotherLetterCaseCountsAsMorning) {
  form->Text1.UserEdit("7:05 pm");
  EXPECT_EQ(Hour(1), 7);
}

TEST_F(ManualEntry, ATwentyFourHourLocaleTakesTheHourAsTyped) {
  t.SetUserLocale(testing::German());
  t.locale.system = testing::German();
  Start();
  form->Text1.UserEdit("12:15");
  EXPECT_EQ(Hour(1), 12);
  form->Text1.UserEdit("19:05");
  EXPECT_EQ(Hour(1), 19);
  EXPECT_EQ(form->Text2.Text(), "12:05");
}

TEST_F(ManualEntry, ALocaleWithAnotherSeparatorReadsWithIt) {
  t.SetUserLocale(testing::Finnish());
  t.locale.system = testing::Finnish();
  Start();
  TypedReadsAs("9.45", 9, 45);
  form->Text1.UserEdit("10:50");
  EXPECT_EQ(Hour(1), 9);  // a colon is no separator here
}

TEST_F(ManualEntry, OutOfRangePartsAreNotStoredButTheOthersStillFollow) {
  TypedReadsAs("25:10", 16, 10);
  EXPECT_EQ(form->Text0.Text(), "7:40 PM");
  TypedReadsAs("10:75", 10, 10);
  TypedReadsAs("24:20", 10, 20);
  TypedReadsAs("-1:30", 10, 30);
  TypedReadsAs("11:60", 11, 30);
}

TEST_F(ManualEntry, ATextStartingWithTheSeparatorOrLettersReadsHourZero) {
  TypedReadsAs(":30", 0, 30);
  TypedReadsAs("at 9:45", 0, 45);
}

TEST_F(ManualEntry, NumbersBeyondSixteenBitsAreIgnoredWithoutAMessage) {
  TypedReadsAs("40000:10", 16, 10);
  TypedReadsAs("-40000:1e999 PM", 16, 10);
  form->Text1.UserEdit("1e400:20");
  EXPECT_EQ(Minute(1), 20);
  EXPECT_TRUE(t.messages.texts.empty());
  EXPECT_EQ(t.end.ends, 0);
}

TEST_F(ManualEntry, BlanksAreIgnoredAndHalvesRoundToEven) {
  TypedReadsAs(" 1 1 : 2.5", 11, 2);
  form->Text1.UserEdit("3.5:0");
  EXPECT_EQ(Hour(1), 4);
}

TEST_F(ManualEntry, ConvertsIntoEveryOtherPanelKeepingItsOwnBox) {
  form->Text2.UserEdit("7:15 AM");
  EXPECT_EQ(form->Text2.Text(), "7:15 AM");
  EXPECT_EQ(form->Text0.Text(), "5:45 PM");
  EXPECT_EQ(form->Text1.Text(), "2:15 PM");
  EXPECT_EQ(form->Text3.Text(), "8:15 AM");
  EXPECT_EQ(form->PanelTime[3].wDay, 15);
  EXPECT_EQ(form->PanelTime[3].wSecond, 20);  // copied from the edited record
  EXPECT_EQ(form->Updating, 0);
}

TEST_F(ManualEntry, APanelWithoutZoneConvertsAsUtc) {
  form->ComboTZ[3].SetListIndex(-1);
  form->Text1.UserEdit("4:00 PM");
  EXPECT_EQ(form->Text3.Text(), "2:00 PM");
}

TEST_F(ManualEntry, UpdateTextsOutsideThePanelsChangesNoBox) {
  const std::string before = form->Text0.Text() + form->Text1.Text() + form->Text2.Text() + form->Text3.Text();
  form->UpdateTexts(4);
  form->UpdateTexts(-1);
  EXPECT_EQ(form->Text0.Text() + form->Text1.Text() + form->Text2.Text() + form->Text3.Text(), before);
  EXPECT_EQ(form->Updating, 0);
}

TEST_F(ManualEntry, LeavingABoxTidiesItsTextAndConvertsAgain) {
  form->Text1.UserEdit("16:40:59");
  form->Text1.UserLeave();
  EXPECT_EQ(form->Text1.Text(), "4:40 PM");
  EXPECT_EQ(Hour(1), 16);
  EXPECT_EQ(form->Text0.Text(), "8:10 PM");
}

TEST_F(ManualEntry, TypingBeforeTheFirstTickWorksOnTheEmptyRecords) {
  Start();
  form->Text1.UserEdit("3:20 PM");
  EXPECT_EQ(Hour(1), 15);
  EXPECT_EQ(form->Text0.Text(), "6:50 PM");
  form->Timer1.Fire();
  EXPECT_EQ(form->Text1.Text(), "4:35 PM");  // the first tick replaces them
}

}  // namespace
}  // namespace tellux

namespace tellux {
namespace {

TEST_F(ManualEntry, AnyLengthOfPastedTextIsHandledWithoutEndingTheProgram) {
  std::string pasted(40000, '9');
  pasted[32000] = ':';
  pasted += ":15 PM";
  form->Text1.UserEdit(pasted);
  EXPECT_EQ(text::Len(form->Text1.Text()), TextBox::kMaxUserLength);
  form->Text1.UserLeave();
  EXPECT_EQ(t.end.ends, 0);
  EXPECT_TRUE(t.messages.texts.empty());
}

TEST_F(ManualEntry, ADayPeriodBeforeTheHourIsSkippedAndThePmRuleStillApplies) {
  t.SetUserLocale(testing::Korean());
  t.locale.system = testing::Korean();
  Start();
  form->Timer1.Fire();
  EXPECT_EQ(form->AmDesignator, "\uC624\uC804");
  EXPECT_EQ(form->Text1.Text(), "\uC624\uD6C4 4:35");
  TypedReadsAs("\uC624\uD6C4 2:35", 14, 35);
  form->Text1.UserEdit("\uC624\uC804 12:10");
  EXPECT_EQ(Hour(1), 0);
  form->Text1.UserEdit("  \uC624\uD6C4 12:10");
  EXPECT_EQ(Hour(1), 12);
  // Other leading text still reads as hour 0.
  form->Text1.UserEdit("at 9:45");
  EXPECT_EQ(Hour(1), 0);
  form->Text1.UserEdit("\uC624 9:45");
  EXPECT_EQ(Hour(1), 0);
}

TEST_F(ManualEntry, WordsBetweenTheDayPeriodAndTheHourAreSkippedToo) {
  testing::LocaleScript ewe = testing::EnglishUs();
  ewe.amDesignator = "\u014Bdi";
  ewe.pmDesignator = "\u0263etr\u0254";
  t.SetUserLocale(ewe);
  Start();
  form->Text1.UserEdit("\u0263etr\u0254 ga 2:35");
  EXPECT_EQ(Hour(1), 14);
  TypedReadsAs("\u014Bdi ga 6:26", 6, 26);
}

TEST_F(ManualEntry, DigitsOfOtherScriptsReadAsTheirValues) {
  form->Text1.UserEdit("\u0662:\u0663\u0665 PM");  // Arabic-Indic 2:35
  EXPECT_EQ(Hour(1), 14);
  EXPECT_EQ(Minute(1), 35);
  form->Text1.UserEdit("\u06F9:\u06F0\u06F5");  // Persian 9:05
  EXPECT_EQ(Hour(1), 9);
  EXPECT_EQ(Minute(1), 5);
  form->Text1.UserEdit("\u0967\u0967:\u096A\u096B PM");  // Devanagari 11:45
  EXPECT_EQ(Hour(1), 23);
  EXPECT_EQ(Minute(1), 45);
  EXPECT_EQ(form->Text0.Text(), "3:15 AM");  // India, from 23:45 in Berlin
}

TEST_F(ManualEntry, SecondsAfterADotSeparatorAreNoFractionOfTheMinute) {
  t.SetUserLocale(testing::Finnish());
  t.locale.system = testing::Finnish();
  Start();
  TypedReadsAs("14.35.45", 14, 35);
  form->Text1.UserEdit("9.59.59");
  EXPECT_EQ(Minute(1), 59);
}

TEST_F(ManualEntry, AWordSeparatorReadsTypedTimesAndTheProgramsOwn) {
  t.SetUserLocale(testing::CanadianFrench());
  t.locale.system = testing::CanadianFrench();
  Start();
  form->Timer1.Fire();
  EXPECT_EQ(form->TimeSeparator, "h");
  EXPECT_EQ(form->Text1.Text(), "16 h 35");
  TypedReadsAs("14 h 05", 14, 5);
  EXPECT_EQ(form->Text0.Text(), "17 h 35");
  TypedReadsAs("9 h 50 min 45 s", 9, 50);
}
}  // namespace
}  // namespace tellux
