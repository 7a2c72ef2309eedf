// Which changes fire which events, by code and by the user.

#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Exceptions.h"
#include "GuiTest.h"
#include "ListView.h"
#include "RadioGroup.h"

#include <QRadioButton>

namespace qs::test {
namespace {

class EventRules : public GuiTest {
public:
    void SetUp() override {
        GuiTest::SetUp();
        edit = new TEdit(form);
        edit->SetName(QStringLiteral("Edit1"));
        edit->OnChange = [this](TObject*) { log << QStringLiteral("edit:change=") + edit->Text(); };
        combo = new TComboBox(form);
        combo->SetName(QStringLiteral("Combo1"));
        combo->Items().Assign({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        combo->OnChange = [this](TObject*) { log << QStringLiteral("combo:change=") + combo->Text(); };
        check = new TCheckBox(form);
        check->SetName(QStringLiteral("Check1"));
        check->OnClick = [this](TObject*) { log << QStringLiteral("check:click=%1").arg(check->Checked()); };
        radio = new TRadioGroup(form);
        radio->SetName(QStringLiteral("Radio1"));
        radio->Items().Assign({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        radio->OnClick = [this](TObject*) {
            log << QStringLiteral("radio:click=%1").arg(radio->ItemIndex());
        };
        list = new TListView(form);
        list->SetName(QStringLiteral("List1"));
        list->AddColumn(QStringLiteral("Name"));
        list->OnSelectItem = [this](TObject*, TListItem* item, bool selected) {
            log << QStringLiteral("list:select=%1,%2").arg(item->Caption()).arg(selected);
        };
        list->OnChange = [this](TObject*, TListItem*, TItemChange) { log << QStringLiteral("list:change"); };
        list->OnClick = [this](TObject*) { log << QStringLiteral("list:click"); };
        edit->SetBounds(10, 10, 100, 22);
        combo->SetBounds(10, 40, 100, 22);
        check->SetBounds(10, 70, 100, 22);
        radio->SetBounds(10, 100, 200, 100);
        list->SetBounds(220, 10, 160, 200);
    }
    void AddRows(int n) {
        for (int i = 0; i < n; ++i) {
            list->AddItem()->SetCaption(QStringLiteral("r%1").arg(i));
        }
        log.clear();
    }

    TEdit* edit = nullptr;
    TComboBox* combo = nullptr;
    TCheckBox* check = nullptr;
    TRadioGroup* radio = nullptr;
    TListView* list = nullptr;
    QStringList log;
};

struct RuleCase {
    const char* name;
    std::function<void(EventRules&)> act;
    QStringList expected;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.name;
}

class FiringRules : public EventRules, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(FiringRules, FireAsTheClassLibraryDoes) {
    ShowActive();
    GetParam().act(*this);
    EXPECT_EQ(log, GetParam().expected) << GetParam().name;
}

const RuleCase kRules[] = {
    {"edit text set by code", [](EventRules& t) { t.edit->SetText("12"); }, {"edit:change=12"}},
    {"edit text set unchanged",
     [](EventRules& t) {
         t.edit->SetText("12");
         t.log.clear();
         t.edit->SetText("12");
     },
     {}},
    {"edit typed by the user",
     [](EventRules& t) {
         t.edit->setFocus();
         QTest::keyClicks(t.edit, "ab");
     },
     {"edit:change=a", "edit:change=ab"}},
    {"combo index set by code", [](EventRules& t) { t.combo->SetItemIndex(1); }, {}},
    {"combo text set by code", [](EventRules& t) { t.combo->SetText("three"); }, {}},
    {"combo chosen by the user",
     [](EventRules& t) {
         t.combo->SetItemIndex(0);
         t.combo->setFocus();
         QTest::keyClick(t.combo, Qt::Key_Down);
     },
     {"combo:change=two"}},
    {"check box set by code", [](EventRules& t) { t.check->SetChecked(true); }, {"check:click=1"}},
    {"check box set unchanged", [](EventRules& t) { t.check->SetChecked(false); }, {}},
    {"check box clicked by the user",
     [](EventRules& t) { QTest::mouseClick(t.check, Qt::LeftButton, {}, QPoint(5, 11)); },
     {"check:click=1"}},
    {"radio group index set by code",
     [](EventRules& t) {
         t.radio->SetItemIndex(1);
         t.radio->SetItemIndex(2);
         t.radio->SetItemIndex(2);
     },
     {"radio:click=1", "radio:click=2"}},
    {"radio group cleared by code",
     [](EventRules& t) {
         t.radio->SetItemIndex(1);
         t.radio->SetItemIndex(-1);
     },
     {"radio:click=1"}},
    {"radio group clicked by the user",
     [](EventRules& t) {
         auto* b = t.radio->findChild<QRadioButton*>(QStringLiteral("Radio1Item2"));
         ASSERT_NE(b, nullptr);
         QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, b->height() / 2));
     },
     {"radio:click=2"}},
    {"list item added", [](EventRules& t) { t.list->AddItem(); }, {"list:change"}},
    {"list selection moved by code",
     [](EventRules& t) {
         t.AddRows(2);
         t.list->SetSelected(t.list->Item(0));
         t.list->SetSelected(t.list->Item(1));
     },
     {"list:select=r0,1", "list:select=r0,0", "list:select=r1,1"}},
    {"list cleared with a selection",
     [](EventRules& t) {
         t.AddRows(2);
         t.list->SetSelected(t.list->Item(1));
         t.list->ClearItems();
     },
     {"list:select=r1,1", "list:select=r1,0"}},
    {"list row clicked twice by the user",
     [](EventRules& t) {
         t.AddRows(2);
         QWidget* vp = t.list->viewport();
         const QPoint at = t.list->visualItemRect(t.list->Item(0)).center();
         QTest::mouseClick(vp, Qt::LeftButton, {}, at);
         QTest::mouseClick(vp, Qt::LeftButton, {}, at, 300);
     },
     {"list:select=r0,1", "list:click", "list:click"}},
};

INSTANTIATE_TEST_SUITE_P(GuiLayer, FiringRules, ::testing::ValuesIn(kRules),
                         [](const ::testing::TestParamInfo<RuleCase>& p) {
                             std::string n = p.param.name;
                             std::replace(n.begin(), n.end(), ' ', '_');
                             return n;
                         });

// A handler that sets the text re-enters synchronously: the filter of the edit constraint
// removes bad characters one after the other this way.
TEST_F(EventRules, SettingTheTextInsideOnChangeReenters) {
    int depth = 0;
    int deepest = 0;
    edit->OnChange = [&](TObject*) {
        ++depth;
        deepest = std::max(deepest, depth);
        const QString t = edit->Text();
        const auto bad = t.indexOf(QLatin1Char('x'));
        if (bad >= 0) {
            edit->SetText(QString(t).remove(bad, 1));
        }
        --depth;
    };
    edit->SetText(QStringLiteral("1x2x3"));
    EXPECT_EQ(edit->Text(), QStringLiteral("123"));
    EXPECT_EQ(deepest, 3);
}

// Handlers are plain slots: read, stored, replaced and the stored one called from the new one.
TEST_F(EventRules, HandlersAreSavedReplacedAndChained) {
    TNotifyEvent saved = check->OnClick;
    ASSERT_TRUE(saved);
    check->OnClick = [&](TObject* sender) {
        log << QStringLiteral("framework");
        if (saved) {
            saved(sender);
        }
    };
    check->SetChecked(true);
    EXPECT_EQ(log, QStringList({"framework", "check:click=1"}));
    check->OnClick = saved;
    log.clear();
    check->SetChecked(false);
    EXPECT_EQ(log, QStringList({"check:click=0"}));
}

} // namespace
} // namespace qs::test

namespace qs::test {
namespace {

TEST_F(EventRules, KeyDownReportsTheVirtualKeyAndShiftStateAndCanTakeTheKey) {
    ShowActive();
    edit->setFocus();
    QList<QPair<WORD, TShiftState>> keys;
    edit->OnKeyDown = [&](TObject*, WORD& key, TShiftState shift) {
        keys.append({key, shift});
        if (key == 'X') {
            key = 0; // taken: the edit never sees it
        }
    };
    QTest::keyClick(edit, Qt::Key_F3, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_X);
    QTest::keyClick(edit, Qt::Key_Y);
    ASSERT_EQ(keys.size(), 3);
    EXPECT_EQ(keys[0].first, VK_F1 + 2);
    EXPECT_EQ(keys[0].second, TShiftState(ssShift));
    EXPECT_EQ(keys[1].first, WORD('X'));
    EXPECT_EQ(edit->Text(), QStringLiteral("y"));
}

TEST_F(EventRules, SelectedTextOfARadioGroupWithoutSelectionIsTheListIndexError) {
    EXPECT_THROW(radio->SelectedText(), EListError);
    radio->SetItemIndex(2);
    EXPECT_EQ(radio->SelectedText(), QStringLiteral("c"));
    EXPECT_THROW(radio->SetItemIndex(3), EListError);
}

TEST_F(EventRules, ListViewReportsMouseMovesOverItsRows) {
    ShowActive();
    AddRows(1);
    QPoint seen(-1, -1);
    list->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { seen = QPoint(x, y); };
    QTest::mouseMove(list->viewport(), QPoint(12, 5));
    Pump();
    EXPECT_EQ(seen, QPoint(12, 5));
}

TEST_F(EventRules, ScreenResolutionCanBeSetForTests) {
    SetScreenPixelsPerInch(120);
    EXPECT_EQ(ScreenPixelsPerInch(), 120);
    SetScreenPixelsPerInch(0);
    EXPECT_GT(ScreenPixelsPerInch(), 0);
}

} // namespace
} // namespace qs::test
