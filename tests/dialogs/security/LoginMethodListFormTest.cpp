// The login and enable method list dialog: the method-order rule and the trimmed write as pure
// logic, and against krs-sim the exact SETs of Add, Edit and Delete in both modes, the order
// question, and the type combos' rule, which runs on the user's choice only.
#include "LoginMethodListForm.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"

namespace qs::test {
namespace {

const std::string kLists = ".1.3.6.1.4.1.58613.12.5.";
const std::string kOps = ".3.111.112.115"; // the list "ops"
const std::string kConsole = ".7.99.111.110.115.111.108.101";
const char* const kQuestion =
    "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";
enum Type { kOther, kTacacs, kXtacacs, kTacacsPlus, kRadius, kServerGroup, kLocal, kNone };

TEST(MethodOrder, FinalMethodsEndTheList) {
    struct Case {
        MethodTypes types;
        bool holds;
        std::vector<int> leftOut;
    };
    const Case cases[] = {
        {{"tacacs", "local", "other", "other"}, true, {2, 3}},
        {{"tacacs", "local", "none", "other"}, false, {2, 3}},
        {{"none", "RADIUS", "other", "other"}, false, {1, 2, 3}},
        {{"RADIUS", "local", "tacacs", "other"}, false, {2, 3}},
        {{"other", "tacacs", "", "none"}, true, {0, 2}},
        {{"local-enable", "tacacs", "other", "other"}, false, {1, 2, 3}},
        {{"server-group", "RADIUS", "tacacs", "local"}, true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.types[0].toStdString() + "," + c.types[1].toStdString());
        EXPECT_EQ(MethodOrderHolds(c.types), c.holds);
        EXPECT_EQ(MethodsLeftOut(c.types), c.leftOut);
    }
}

class LoginMethodListFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(int mode) {
        ASSERT_TRUE(StartSim()) << sim->lastError();
        dialog = CreateForm<TLoginMethodListForm>(nullptr, mode);
        dialog->Show();
        Mark();
    }
    void Close() {
        delete dialog;
        dialog = nullptr;
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    void Select(int row) {
        dialog->ListView1->SetSelected(dialog->ListView1->Item(row));
        dialog->ListView1Click();
    }
    // As the user picks an item: the change handler runs.
    void Choose(int method, int type) {
        TComboBox* combo = dialog->ComboBoxType[static_cast<std::size_t>(method)];
        combo->SetItemIndex(type);
        emit combo->activated(type);
    }
    void Methods(std::array<int, 4> types) {
        for (int i = 0; i < 4; ++i) {
            Choose(i, types[static_cast<std::size_t>(i)]);
        }
    }
    int Rows() const { return dialog->ListView1->ItemCount(); }

    TLoginMethodListForm* dialog = nullptr;
};

TEST_F(LoginMethodListFormTest, ARowShowsItsMethodsAndDefaultCannotBeDeleted) {
    Open(1);
    ASSERT_EQ(Rows(), 2);
    Select(0);
    EXPECT_EQ(dialog->ListView1->Item(0)->Caption(), QStringLiteral("console"));
    EXPECT_EQ(dialog->ComboBoxType[0]->Text(), QStringLiteral("server-group"));
    EXPECT_EQ(dialog->ServerEdit[0]->Text(), QStringLiteral("radius")) << "showing a row runs no change rule";
    EXPECT_TRUE(dialog->DeleteButton->Enabled());
    EXPECT_FALSE(dialog->AddButton->Enabled());
    Screenshot(dialog, "LoginMethodListForm");
    Select(1);
    EXPECT_TRUE(dialog->EditButton->Enabled());
    EXPECT_FALSE(dialog->DeleteButton->Enabled());
    Choose(0, kServerGroup);
    EXPECT_TRUE(dialog->ServerEdit[0]->isEnabled());
    EXPECT_TRUE(dialog->ServerEdit[0]->Text().isEmpty());
    dialog->ServerEdit[0]->SetText(QStringLiteral("grp"));
    Choose(0, kRadius);
    EXPECT_FALSE(dialog->ServerEdit[0]->isEnabled());
    EXPECT_TRUE(dialog->ServerEdit[0]->Text().isEmpty());
}

TEST_F(LoginMethodListFormTest, WritesSendExactlyTheirColumns) {
    struct Case {
        const char* what;
        int mode;
        std::function<void(LoginMethodListFormTest&)> act;
        QList<int> answers;
        std::vector<std::string> sets;
        QStringList shown;
    };
    const QStringList question{QString::fromLatin1(kQuestion)};
    const Case cases[] = {
        {"Add in order: all four types, 'other' included, and createAndGo",
         1,
         [](LoginMethodListFormTest& t) {
             t.dialog->ListnameEdit->SetText(QStringLiteral("ops"));
             t.Methods({kRadius, kLocal, kOther, kOther});
             t.dialog->AddButton->Click();
         },
         {},
         {"3.1.2" + kOps + "=INTEGER:4 3.1.4" + kOps + "=INTEGER:6 3.1.6" + kOps + "=INTEGER:9 3.1.8" + kOps +
          "=INTEGER:9 3.1.10" + kOps + "=INTEGER:4"},
         {}},
        {"Add out of order, answered No: trimmed to the first two methods",
         1,
         [](LoginMethodListFormTest& t) {
             t.dialog->ListnameEdit->SetText(QStringLiteral("ops"));
             t.Methods({kRadius, kLocal, kTacacs, kOther});
             t.dialog->AddButton->Click();
         },
         {IDNO},
         {"3.1.2" + kOps + "=INTEGER:4 3.1.4" + kOps + "=INTEGER:6 3.1.10" + kOps + "=INTEGER:4"},
         question},
        {"Add out of order, answered Yes: nothing is sent",
         1,
         [](LoginMethodListFormTest& t) {
             t.dialog->ListnameEdit->SetText(QStringLiteral("ops"));
             t.Methods({kNone, kRadius, kOther, kOther});
             t.dialog->AddButton->Click();
         },
         {IDYES},
         {},
         question},
        {"Edit: the types and the filled-in group names, never Row Status",
         1,
         [](LoginMethodListFormTest& t) {
             t.Select(0);
             t.Choose(1, kServerGroup);
             t.dialog->ServerEdit[1]->SetText(QStringLiteral("grp2"));
             t.Choose(2, kLocal);
             t.dialog->EditButton->Click();
         },
         {},
         {"3.1.2" + kConsole + "=INTEGER:5 3.1.3" + kConsole + "=STRING:radius 3.1.4" + kConsole +
          "=INTEGER:5 3.1.5" + kConsole + "=STRING:grp2 3.1.6" + kConsole + "=INTEGER:6 3.1.8" + kConsole +
          "=INTEGER:9"},
         {}},
        {"Delete: confirmed, destroy alone at the selected row",
         1,
         [](LoginMethodListFormTest& t) {
             t.Select(0);
             t.dialog->DeleteButton->Click();
         },
         {},
         {"3.1.10" + kConsole + "=INTEGER:6"},
         {QStringLiteral("Are you sure to delete it?")}},
        {"Enable lists: their own table and final type",
         0,
         [](LoginMethodListFormTest& t) {
             t.dialog->ListnameEdit->SetText(QStringLiteral("ops"));
             t.Methods({kTacacs, kLocal, kOther, kOther});
             EXPECT_EQ(t.dialog->ComboBoxType[1]->Text(), QStringLiteral("local-enable"));
             t.dialog->AddButton->Click();
         },
         {},
         {"4.1.2" + kOps + "=INTEGER:1 4.1.4" + kOps + "=INTEGER:7 4.1.6" + kOps + "=INTEGER:9 4.1.8" + kOps +
          "=INTEGER:9 4.1.10" + kOps + "=INTEGER:4"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.mode);
        messages.boxes.clear();
        messages.answers = c.answers;
        c.act(*this);
        EXPECT_EQ(Sets(kLists), c.sets);
        EXPECT_EQ(messages.Texts(), c.shown);
        EXPECT_TRUE(dialog->ListnameEdit->isEnabled());
        if (!c.sets.empty()) {
            EXPECT_EQ(dialog->ComboBoxType[0]->Text(), QStringLiteral("other")) << "add state after a write";
        }
        Close();
    }
}

TEST_F(LoginMethodListFormTest, NamesAreCheckedBeforeAnythingIsSent) {
    Open(1);
    const char* const cases[][2] = {
        {"", "Name must be set."},
        {"default",
         "Has already a record with the same Login Method List Name. Please Change Login Method List Name."},
    };
    for (const auto& c : cases) {
        messages.boxes.clear();
        dialog->ListnameEdit->SetText(QString::fromLatin1(c[0]));
        dialog->AddButton->Click();
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c[1])});
    }
    dialog->ListnameEdit->SetText(QStringLiteral("Default"));
    messages.boxes.clear();
    dialog->AddButton->Click();
    EXPECT_TRUE(messages.boxes.isEmpty()) << "names that differ in case are different";
    EXPECT_EQ(Sets(kLists).size(), 1U);
}

} // namespace
} // namespace qs::test
