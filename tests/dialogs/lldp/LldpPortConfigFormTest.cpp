// The LLDP port configuration dialogs against krs-sim: the TLV sets shown as names (also when the
// agent sends two octets), Edit's exact SET and the read that follows its reply, the choice
// sub-form, refusals while a read runs, a refused write shown, and closing during Edit's wait.
#include "LLDPPortConfigForm.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "LLDPDot3PortConfigForm.h"
#include "Label.h"
#include "ListView.h"
#include "LldpBitsRequest.h"
#include "StaticText.h"
#include "StatusBar.h"

#include <QTimer>

namespace qs::test {
namespace {

// The journal shows an octet string that is printable as its text: 50 as "P", 40 as "@".
const std::string kLldp = ".1.0.8802.1.1.2.1.";
constexpr int kBasic = 0;
constexpr int kDot3 = 1;

class LldpPortConfigFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(int which, std::vector<std::string> simArgs = {}, bool waitForWalk = true) {
        ASSERT_TRUE(StartSim(std::move(simArgs))) << sim->lastError();
        if (which == kBasic) {
            dialog = CreateForm<TLLDPPortConfigForm>(nullptr);
        } else {
            dialog = CreateForm<TLLDPDot3PortConfigForm>(nullptr);
        }
        dialog->Show();
        if (waitForWalk) {
            ASSERT_TRUE(WaitFor([this] { return dialog->Gate.Ready(); }));
        }
        Mark();
    }
    void Close() {
        delete dialog;
        dialog = nullptr;
        sim.reset();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }
    int RowOfPort(int port) const {
        for (int i = 0; i < dialog->ListView1->ItemCount(); ++i) {
            if (dialog->ListView1->Item(i)->Caption() == QString::number(port)) {
                return i;
            }
        }
        return -1;
    }
    QString TlvText(int port) const {
        const int column = dialog->ListView1->ColumnCount() - 1;
        return dialog->ListView1->Item(RowOfPort(port))->SubItem(column - 1);
    }
    void SelectPort(int port) {
        dialog->ListView1->SetSelected(dialog->ListView1->Item(RowOfPort(port)));
        dialog->ListView1Click();
    }
    // Runs act inside the choice sub-form once the TLV edit's click has shown it.
    void ChooseInSubForm(const std::function<void(LldpTlvChoiceForm&)>& act) {
        QTimer::singleShot(0, [this, act] {
            if (dialog->Choice->isVisible()) {
                choiceCaption = dialog->Choice->Caption();
                act(*dialog->Choice);
            }
        });
        dialog->TLVsEdit->OnClick(dialog->TLVsEdit);
    }
    // Edit returns once the reply has come and the table is being read again.
    void EditAndSettle() {
        dialog->EditButton->Click();
        ASSERT_TRUE(WaitFor([this] { return dialog->Gate.Ready(); }));
    }
    // What was sent since the mark: the SET and perhaps its retry, nothing else.
    bool OnlySets() const {
        const std::vector<std::string> pdus = Pdus();
        return !pdus.empty() &&
               std::all_of(pdus.begin(), pdus.end(), [](const std::string& p) { return p == "set"; });
    }
    static std::vector<bool> Ticks(const LldpTlvChoiceForm& choice) {
        std::vector<bool> ticks;
        for (const TCheckBox* box : choice.Boxes) {
            ticks.push_back(box->Checked());
        }
        return ticks;
    }

    LldpPortTlvForm* dialog = nullptr;
    QString choiceCaption;
};

TEST_F(LldpPortConfigFormTest, TlvSetsReadAsNamesWhateverTheirLength) {
    Open(kBasic);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 28);
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("28"));
    EXPECT_EQ(TlvText(1),
              QStringLiteral(" Port Description,System Name,System Description,System Capabilities"));
    EXPECT_EQ(TlvText(2), QStringLiteral(" "));
    EXPECT_EQ(TlvText(3), QStringLiteral(" System Name,System Capabilities"));
    EXPECT_EQ(TlvText(6), QStringLiteral(" Port Description,System Description")) << "sent as A0 00";
    EXPECT_FALSE(dialog->EditButton->Enabled());
    EXPECT_FALSE(dialog->PortEditLabel->Enabled());
    SelectPort(4);
    EXPECT_TRUE(dialog->EditButton->Enabled());
    EXPECT_EQ(dialog->PortText->Caption(), QStringLiteral("4"));
    EXPECT_EQ(dialog->AdminStateComboBox->Text(), QStringLiteral("txOnly"));
    EXPECT_EQ(dialog->NotificationComboBox->Text(), QStringLiteral("false"));
    EXPECT_EQ(dialog->TLVsEdit->Text(), TlvText(1));
    Screenshot(dialog, "LLDPPortConfigForm");
    Close();

    Open(kDot3);
    EXPECT_EQ(TlvText(2), QStringLiteral(" macPhyConfigStatus,linkAggregation,maxFrameSize"));
    EXPECT_EQ(TlvText(3), QStringLiteral(" powerViaMDI"));
    EXPECT_EQ(TlvText(4), QStringLiteral(" macPhyConfigStatus,powerViaMDI,linkAggregation,maxFrameSize"));
    EXPECT_EQ(dialog->AdminStateComboBox, nullptr);
    EXPECT_EQ(dialog->StopButton->Name(), QStringLiteral("Button1"));
    SelectPort(2);
    Screenshot(dialog, "LLDPDot3PortConfigForm");
}

TEST_F(LldpPortConfigFormTest, EditSendsTheSelectedPortThenReadsAgain) {
    struct Case {
        const char* what;
        int which;
        int port;
        std::function<void(LldpPortConfigFormTest&)> change;
        std::string set;
    };
    const Case cases[] = {
        {"admin state, notification and the TLVs as read", kBasic, 3,
         [](LldpPortConfigFormTest& t) { t.dialog->AdminStateComboBox->SetText(QStringLiteral("txOnly")); },
         "1.6.1.2.3=INTEGER:1 1.6.1.3.3=INTEGER:2 1.6.1.4.3=STRING:P"},
        {"a name typed into the edit", kBasic, 1,
         [](LldpPortConfigFormTest& t) { t.dialog->TLVsEdit->SetText(QStringLiteral("System Name")); },
         "1.6.1.2.1=INTEGER:3 1.6.1.3.1=INTEGER:1 1.6.1.4.1=STRING:@"},
        {"names typed with blanks around them", kBasic, 1,
         [](LldpPortConfigFormTest& t) {
             t.dialog->TLVsEdit->SetText(QStringLiteral("System Name , Port Description "));
         },
         "1.6.1.2.1=INTEGER:3 1.6.1.3.1=INTEGER:1 1.6.1.4.1=STRING:C0"},
        {"a two-octet value goes back with its bits", kBasic, 6, [](LldpPortConfigFormTest&) {},
         "1.6.1.2.6=INTEGER:2 1.6.1.3.6=INTEGER:2 1.6.1.4.6=STRING:A0"},
        {"every box unticked in the sub-form", kBasic, 1,
         [](LldpPortConfigFormTest& t) {
             t.ChooseInSubForm([](LldpTlvChoiceForm& c) {
                 for (TCheckBox* box : c.Boxes) {
                     box->SetChecked(false);
                 }
                 c.SetButton->Click();
             });
             EXPECT_EQ(t.dialog->TLVsEdit->Text(), QStringLiteral(" "));
         },
         "1.6.1.2.1=INTEGER:3 1.6.1.3.1=INTEGER:1 1.6.1.4.1=STRING:00"},
        {"802.3: the TLVs alone", kDot3, 2, [](LldpPortConfigFormTest&) {}, "5.4623.1.1.1.1.1.2=STRING:B0"},
        {"802.3: power via MDI typed", kDot3, 1,
         [](LldpPortConfigFormTest& t) { t.dialog->TLVsEdit->SetText(QStringLiteral("powerViaMDI")); },
         "5.4623.1.1.1.1.1.1=STRING:@"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.which);
        SelectPort(c.port);
        c.change(*this);
        EditAndSettle();
        EXPECT_EQ(Sets(kLldp), std::vector<std::string>{c.set});
        const std::vector<std::string> pdus = Pdus();
        ASSERT_FALSE(pdus.empty());
        EXPECT_EQ(pdus.front(), "set");
        EXPECT_EQ(std::count(pdus.begin(), pdus.end(), "getnext"), 29) << "one walk after the reply";
        for (const JournalRecord& r : Sent()) {
            EXPECT_EQ(r.errorStatus, "noError");
        }
        EXPECT_EQ(dialog->ListView1->ItemCount(), 28);
        EXPECT_FALSE(dialog->EditButton->Enabled());
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
        Close();
    }
}

// The TLV edit takes only the names its choice window writes: anything else is refused in a box
// with the focus on the edit, the row stays selected, and nothing is sent (never "no TLV").
TEST_F(LldpPortConfigFormTest, ATlvTextOtherThanTheNamesIsRefusedWithAMessageAndNothingIsSent) {
    const QString basic = QStringLiteral(
        "Please input the TLV names separated by \",\", such as \"Port Description,System Name\", or "
        "choose them in the window the edit opens.");
    const QString dot3 = QStringLiteral(
        "Please input the TLV names separated by \",\", such as \"macPhyConfigStatus,powerViaMDI\", or "
        "choose them in the window the edit opens.");
    const struct {
        int which;
        const char* text;
        const QString& message;
    } cases[] = {
        {kBasic, "zz", basic},
        {kBasic, "", basic},
        {kBasic, "-1", basic},
        {kBasic, "system name,Port Descrption", basic},
        {kBasic, "System Name;Port Description", basic},
        {kBasic, "System Name,,Port Description", basic},
        {kBasic, "powerViaMDI", basic},
        {kDot3, "zz", dot3},
        {kDot3, "", dot3},
        {kDot3, "Port Description", dot3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.which == kBasic ? "basic '" : "802.3 '") + c.text + "'");
        Open(c.which);
        messages.boxes.clear();
        SelectPort(2);
        dialog->TLVsEdit->SetText(QString::fromLatin1(c.text));
        dialog->EditButton->Click();
        EXPECT_EQ(messages.Texts(), QStringList{c.message});
        EXPECT_EQ(dialog->focusWidget(), dialog->TLVsEdit);
        EXPECT_EQ(dialog->TLVsEdit->Text(), QString::fromLatin1(c.text)) << "kept for the user to correct";
        EXPECT_TRUE(dialog->EditButton->Enabled());
        QTest::qWait(50);
        EXPECT_TRUE(Sent().empty());
        Close();
    }
}

TEST_F(LldpPortConfigFormTest, TheSubFormTicksWhatTheEditNamesAndKeepsTheHiddenBox) {
    Open(kBasic);
    SelectPort(3);
    std::vector<bool> shown;
    ChooseInSubForm([&](LldpTlvChoiceForm& c) {
        shown = Ticks(c);
        c.CloseButton->Click();
    });
    EXPECT_EQ(choiceCaption, QStringLiteral("Port Configuration Table Setting: "));
    EXPECT_EQ(shown, (std::vector<bool>{false, true, false, true}));
    EXPECT_EQ(Ticks(*dialog->Choice), (std::vector<bool>{false, false, false, false})) << "Close unticks";
    EXPECT_EQ(dialog->TLVsEdit->Text(), QStringLiteral(" System Name,System Capabilities"))
        << "Close writes nothing";
    Close();

    Open(kDot3);
    SelectPort(3); // " powerViaMDI"
    ChooseInSubForm([&](LldpTlvChoiceForm& c) {
        shown = Ticks(c);
        EXPECT_FALSE(c.Boxes[1]->isVisible());
        c.Boxes[0]->SetChecked(true);
        c.SetButton->Click();
    });
    EXPECT_EQ(choiceCaption, QStringLiteral("LLDP Dot3 Port Configuration Table Setting: "));
    EXPECT_EQ(shown, (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(dialog->TLVsEdit->Text(), QStringLiteral(" macPhyConfigStatus,powerViaMDI"));
    SelectPort(2); // " macPhyConfigStatus,linkAggregation,maxFrameSize"
    ChooseInSubForm([&](LldpTlvChoiceForm& c) {
        shown = Ticks(c);
        c.SetButton->Click();
    });
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true, true}));
    EXPECT_TRUE(Sets(kLldp).empty()) << "the sub-form sends nothing";
}

TEST_F(LldpPortConfigFormTest, AClickIntoTheTlvEditEnablesEditButWithoutARowNothingIsSent) {
    Open(kBasic);
    ChooseInSubForm([](LldpTlvChoiceForm& c) { c.CloseButton->Click(); });
    EXPECT_TRUE(dialog->EditButton->Enabled());
    dialog->EditButton->Click();
    QTest::qWait(100);
    EXPECT_TRUE(Pdus().empty());
    EXPECT_TRUE(messages.boxes.isEmpty());
}

TEST_F(LldpPortConfigFormTest, RefreshAndEditWaitForTheWalkToEnd) {
    Open(kBasic, {"--delay", "40"}, false);
    ASSERT_FALSE(dialog->Gate.Ready());
    ASSERT_TRUE(WaitFor([this] { return dialog->ListView1->ItemCount() > 0; }));
    SelectPort(1);
    dialog->EditButton->Click();
    dialog->GetButton->Click();
    EXPECT_EQ(messages.Texts(), (QStringList{QStringLiteral("Get data not complete"),
                                             QStringLiteral("Get data not complete")}));
    EXPECT_TRUE(Sets(kLldp).empty());

    // Stop ends the walk after the reply in flight; Refresh then lists every row once.
    dialog->StopButton->Click();
    EXPECT_TRUE(dialog->Gate.Ready());
    messages.boxes.clear();
    dialog->GetButton->Click();
    EXPECT_TRUE(messages.boxes.isEmpty());
    ASSERT_TRUE(WaitFor([this] { return dialog->Gate.Ready(); }));
    EXPECT_EQ(dialog->ListView1->ItemCount(), 28);
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("28"));
}

TEST_F(LldpPortConfigFormTest, ARefusedWriteIsShownAndTheTableReadAgain) {
    Open(kBasic, {"--set-error", "1.0.8802.1.1.2.1.1.6.1.4=wrongValue"});
    SelectPort(1);
    EditAndSettle();
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(messages.boxes.front().text, QStringLiteral("(SNMP) Cannot create/set variable, Wrong Value!"));
    ASSERT_TRUE(WaitFor([this] { return dialog->Gate.Ready() && !dialog->PortRequest->Busy; }));
    EXPECT_EQ(dialog->ListView1->ItemCount(), 28);
}

// The reply to a SET of port 28 never comes; the dialog is closed while Edit waits for it.
TEST_F(LldpPortConfigFormTest, ClosingDuringTheEditWaitEndsItWithoutAnotherRead) {
    Open(kBasic, {"--drop-under", "1.0.8802.1.1.2.1.1.6.1.2.28"});
    ASSERT_TRUE(WaitFor([this] { return dialog->ListView1->ItemCount() == 28; }));
    SelectPort(28);
    Mark();
    QTimer::singleShot(200, dialog, [this] { dialog->Close(); });
    dialog->EditButton->Click();
    EXPECT_TRUE(dialog->RequestsEnded());
    EXPECT_TRUE(OnlySets()) << "no read after the SET";
}

TEST_F(LldpPortConfigFormTest, ClosingAShownDialogDuringTheEditWaitLetsItGo) {
    Open(kBasic, {"--drop-under", "1.0.8802.1.1.2.1.1.6.1.2.28"});
    ASSERT_TRUE(WaitFor([this] { return dialog->ListView1->ItemCount() == 28; }));
    dialog->Hide();
    QTimer::singleShot(0, dialog, [this] {
        SelectPort(28);
        QTimer::singleShot(200, dialog, [this] { dialog->Close(); });
        dialog->EditButton->Click();
    });
    Mark();
    dialog->ShowModal();
    EXPECT_TRUE(dialog->RequestsEnded());
    EXPECT_TRUE(OnlySets()) << "no read after the SET";
}

// Stop ends the wait before the SET's time-out; the time-out is still reported when it comes.
TEST_F(LldpPortConfigFormTest, StopEndsTheEditWait) {
    Open(kBasic, {"--drop-under", "1.0.8802.1.1.2.1.1.6.1.2.28"});
    ASSERT_TRUE(WaitFor([this] { return dialog->ListView1->ItemCount() == 28; }));
    SelectPort(28);
    Mark();
    QTimer::singleShot(100, dialog, [this] { dialog->StopButton->Click(); });
    dialog->EditButton->Click();
    EXPECT_TRUE(messages.boxes.isEmpty()) << "Edit returned before the time-out";
    EXPECT_EQ(Pdus(), std::vector<std::string>{"set"}) << "the read after Stop sends nothing";
    ASSERT_TRUE(WaitFor([this] { return messages.boxes.size() == 1; }));
    EXPECT_TRUE(dialog->Gate.Ready());
}

} // namespace
} // namespace qs::test
