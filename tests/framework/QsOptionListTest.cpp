#include "QsOptionList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const QsOption kOnOff[] = {{1, "enabled"}, {2, "disabled"}, {}};
const QsOption kEmpty[] = {{}};
const QsOption kPrefix[] = {{"ab", "X-"}, {}};
const QsOption kStrings[] = {{"md5", "MD5"}, {"sha", "SHA"}, {}};

// A combo box or radio group in memory.
class FakeChooser : public qs::ItemChooser {
public:
    void ClearItems() override { items.clear(); }
    void AddItem(const std::string& text) override { items.push_back(text); }
    int SelectedIndex() const override { return selected; }
    void SetSelectedIndex(int index) override {
        selected = index < static_cast<int>(items.size()) ? index : -1;
    }

    std::vector<std::string> items{"stale"};
    int selected = -1;
};

TEST(OptionList, TableLengthStopsAtNullText) {
    EXPECT_EQ(OptionTableLength(nullptr), 0);
    EXPECT_EQ(OptionTableLength(kEmpty), 0);
    EXPECT_EQ(OptionTableLength(kOnOff), 2);
}

TEST(OptionList, EmptyListFindsNothingAndPassesTextsThrough) {
    QsOptionList list(kEmpty, OVT_INT);
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.IndexOfText("enabled"), -1);
    EXPECT_EQ(list.IndexOfValue("1"), -1);
    EXPECT_EQ(list.ValueToText("1"), "1");
    EXPECT_EQ(list.TextToValue("enabled"), "enabled");
}

struct IntCase {
    const char* input;
    int indexOfValue;
    int indexOfText;
    const char* valueToText;
    const char* textToValue;
};

void PrintTo(const IntCase& c, std::ostream* os) {
    *os << '"' << c.input << '"';
}

class IntList : public testing::TestWithParam<IntCase> {};

TEST_P(IntList, LooksUpBothWays) {
    const auto& c = GetParam();
    QsOptionList list(kOnOff, OVT_INT);
    EXPECT_EQ(list.IndexOfValue(c.input), c.indexOfValue);
    EXPECT_EQ(list.IndexOfText(c.input), c.indexOfText);
    EXPECT_EQ(list.ValueToText(c.input), c.valueToText);
    EXPECT_EQ(list.TextToValue(c.input), c.textToValue);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IntList,
    testing::Values(IntCase{"2", 1, -1, "disabled", "2"}, IntCase{"1", 0, -1, "enabled", "1"},
                    IntCase{"3", -1, -1, "3", "3"}, IntCase{"(NULL)", -1, -1, "(NULL)", "(NULL)"},
                    IntCase{"abc", -1, -1, "abc", "abc"}, IntCase{"2x", -1, -1, "2x", "2x"},
                    IntCase{"", -1, -1, "", ""}, IntCase{"4294967297", -1, -1, "4294967297", "4294967297"},
                    IntCase{"ENABLED", -1, 0, "ENABLED", "1"}, IntCase{"Disabled", -1, 1, "Disabled", "2"},
                    IntCase{"up", -1, -1, "up", "up"}));

TEST(OptionList, NegativeValuesAreWrittenWithMinus) {
    const QsOption table[] = {{-1, "none"}, {}};
    QsOptionList list(table, OVT_INT);
    EXPECT_EQ(list.TextToValue("none"), "-1");
    EXPECT_EQ(list.ValueToText("-1"), "none");
}

TEST(OptionList, FirstOfTwoEqualTextsWins) {
    const QsOption table[] = {{5, "same"}, {6, "same"}, {}};
    QsOptionList list(table, OVT_INT);
    EXPECT_EQ(list.IndexOfText("same"), 0);
    EXPECT_EQ(list.TextToValue("same"), "5");
}

TEST(OptionList, CaseSensitiveFlagComparesExactly) {
    QsOptionList list(kOnOff, OVT_INT, true);
    EXPECT_EQ(list.IndexOfText("ENABLED"), -1);
    EXPECT_EQ(list.IndexOfText("enabled"), 0);
}

TEST(OptionList, StringListMatchesWholeTexts) {
    QsOptionList list(kStrings, OVT_STRING);
    EXPECT_EQ(list.ValueToText("SHA"), "SHA");
    EXPECT_EQ(list.ValueToText("sha"), "SHA");
    EXPECT_EQ(list.TextToValue("md5"), "md5");
    EXPECT_EQ(list.IndexOfValue("sh"), -1);
}

TEST(OptionList, PrefixListKeepsTheRest) {
    QsOptionList list(kPrefix, OVT_PREFIX);
    EXPECT_EQ(list.ValueToText("ab12"), "X-12");
    EXPECT_EQ(list.ValueToText("AB12"), "X-12");
    EXPECT_EQ(list.TextToValue("X-12"), "ab12");
    EXPECT_EQ(list.IndexOfValue("a"), -1);
    EXPECT_EQ(list.ValueToText("a"), "a");
    QsOptionList exact(kPrefix, OVT_PREFIX, true);
    EXPECT_EQ(exact.IndexOfValue("AB12"), -1);
}

TEST(OptionList, UnknownValueTypeMatchesNothing) {
    QsOptionList list(kOnOff, static_cast<QsOptionValueType>(9));
    EXPECT_EQ(list.IndexOfText("enabled"), -1);
    EXPECT_EQ(list.IndexOfValue("1"), -1);
}

TEST(OptionList, AppendKeepsEarlierEntriesInFront) {
    QsOptionList list(kOnOff, OVT_INT);
    const QsOption more[] = {{3, "other"}, {1, "again"}, {}};
    list.Append(more);
    list.Append(kEmpty);
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.IndexOfText("disabled"), 1);
    EXPECT_EQ(list.IndexOfText("other"), 2);
    EXPECT_EQ(list.ValueToText("1"), "enabled");
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(OptionList, EntriesOwnTheirTexts) {
    char text[] = "enabled";
    char value[] = "v";
    const QsOption table[] = {{value, text}, {}};
    QsOptionList list(table, OVT_STRING);
    text[0] = 'X';
    value[0] = 'w';
    EXPECT_EQ(list.GetOption(0).text, "enabled");
    EXPECT_EQ(list.GetOption(0).valueText, "v");
}

TEST(OptionList, FillsControlsInListOrder) {
    QsOptionList list(kOnOff, OVT_INT);
    FakeChooser combo;
    list.FillComboBox(combo);
    EXPECT_EQ(combo.items, (std::vector<std::string>{"enabled", "disabled"}));
    FakeChooser radio;
    list.FillRadioGroup(radio);
    EXPECT_EQ(radio.items, combo.items);
}

struct SelectCase {
    const char* text;
    int selected;
};

void PrintTo(const SelectCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class SelectItem : public testing::TestWithParam<SelectCase> {};

TEST_P(SelectItem, TriesTheDisplayTextThenTheValue) {
    QsOptionList list(kOnOff, OVT_INT);
    FakeChooser combo;
    list.FillComboBox(combo);
    combo.selected = 0;
    list.SelectComboItem(combo, GetParam().text);
    EXPECT_EQ(combo.selected, GetParam().selected);
    FakeChooser radio;
    list.FillRadioGroup(radio);
    radio.selected = 1;
    list.SelectRadioItem(radio, GetParam().text);
    EXPECT_EQ(radio.selected, GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SelectItem,
                         testing::Values(SelectCase{"enabled", 0}, SelectCase{"1", 0},
                                         SelectCase{"Disabled", 1}, SelectCase{"2", 1},
                                         SelectCase{"neither", -1}, SelectCase{"(NULL)", -1}));

} // namespace
