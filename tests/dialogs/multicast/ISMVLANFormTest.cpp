// The multicast VLAN dialog against krs-sim: the exact SETs of Add, Set and Delete with their
// optional columns, the refusals that send nothing (and still clear the editors and read the
// table again), the walk gate on writes and closing, failed reads shown, and the menu entry.
#include "ISMVLANForm.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogCommand.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "Layer2Dialogs.h"
#include "ListView.h"
#include "MenuEntryCheck.h"
#include "QsSNMPRequest2Edits.h"
#include "ScrollBox.h"
#include "StaticText.h"

#include <QApplication>
#include <QTimer>

namespace qs::test {
namespace {

const std::string kTable = ".1.3.6.1.4.1.58613.11.113.1.6.2.7.8.1.";
const char* const kZeros = "00 00 00 00 00 00 00 00";

class ISMVLANFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(std::vector<std::string> args = {}) {
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<TISMVLANForm>(nullptr);
        dialog->Show();
    }
    void OpenAndWait() {
        Open();
        Settle();
        Mark();
    }
    void Settle() {
        ASSERT_TRUE(WaitFor([this] { return dialog->Ready.Ready() && !dialog->ISMRequest->Busy; }));
        QTest::qWait(100);
        ASSERT_TRUE(WaitFor([this] { return dialog->Ready.Ready() && !dialog->ISMRequest->Busy; }));
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
    void Select(const char* vlan) {
        TListView* list = dialog->lvISMVLAN;
        for (int i = 0; i < list->ItemCount(); ++i) {
            if (list->Item(i)->Caption() == QLatin1String(vlan)) {
                list->SetSelected(list->Item(i));
                return;
            }
        }
        FAIL() << "no row " << vlan;
    }
    std::vector<QString> Captions() const {
        std::vector<QString> c;
        for (int i = 0; i < dialog->lvISMVLAN->ItemCount(); ++i) {
            c.push_back(dialog->lvISMVLAN->Item(i)->Caption());
        }
        return c;
    }

    TISMVLANForm* dialog = nullptr;
};

TEST_F(ISMVLANFormTest, SelectingARowShowsItAndEnablesItsEditors) {
    OpenAndWait();
    TListView* list = dialog->lvISMVLAN;
    ASSERT_EQ(list->ColumnCount(), 11);
    EXPECT_EQ(list->ColumnCaption(8), QStringLiteral("Untag Source Port"));
    EXPECT_EQ(Captions(), (std::vector<QString>{"100", "200"}));
    EXPECT_EQ(list->Item(0)->SubItem(2), QStringLiteral("3C00000000000000"));
    EXPECT_EQ(dialog->ST_Count2->Caption(), QStringLiteral("2"));
    EXPECT_FALSE(dialog->edtSourceIP->Enabled());
    EXPECT_FALSE(dialog->cbxVLANState->Enabled());
    EXPECT_FALSE(dialog->ScrollBox1->Enabled());
    EXPECT_FALSE(dialog->SetBtn->Enabled());
    EXPECT_TRUE(dialog->AddBtn->Enabled());
    Select("100");
    EXPECT_EQ(dialog->ED_VLANID->Text(), QStringLiteral("100"));
    EXPECT_EQ(dialog->ED_VLANName->Text(), QStringLiteral("mvlan100"));
    EXPECT_EQ(dialog->cbxVLANState->Text(), QStringLiteral("enabled"));
    EXPECT_EQ(dialog->edtSourceIP->Text(), QStringLiteral("10.1.1.1"));
    EXPECT_EQ(dialog->Edit_RemapPriority->Text(), QStringLiteral("5"));
    EXPECT_EQ(dialog->ComboBox_ReplacePriority->Text(), QStringLiteral("enabled"));
    EXPECT_TRUE(dialog->SourcePorts.Ticked(1));
    EXPECT_TRUE(dialog->MemberPorts.Ticked(3));
    EXPECT_TRUE(dialog->MemberPorts.Ticked(6));
    EXPECT_FALSE(dialog->MemberPorts.Ticked(7));
    EXPECT_TRUE(dialog->TagMemberPorts.Ticked(6));
    EXPECT_TRUE(dialog->edtSourceIP->Enabled());
    EXPECT_TRUE(dialog->cbxVLANState->Enabled());
    EXPECT_TRUE(dialog->ScrollBox4->Enabled());
    EXPECT_TRUE(dialog->SetBtn->Enabled());
    EXPECT_TRUE(dialog->DeleteBtn->Enabled());
    EXPECT_FALSE(dialog->AddBtn->Enabled());
    Screenshot(dialog, "ISMVLANForm");
    list->SetSelected(nullptr);
    EXPECT_EQ(dialog->ED_VLANID->Text(), QString());
    EXPECT_FALSE(dialog->MemberPorts.Ticked(3));
    EXPECT_FALSE(dialog->edtSourceIP->Enabled());
    EXPECT_TRUE(dialog->AddBtn->Enabled());
}

TEST_F(ISMVLANFormTest, WritesSendTheirColumnsAndWalkAgain) {
    struct Case {
        const char* what;
        std::function<void(ISMVLANFormTest&)> act;
        std::vector<std::string> sets;
        std::vector<QString> rowsAfter;
    };
    const Case cases[] = {
        {"Add with a name only: name, createAndGo, replace priority disabled",
         [](ISMVLANFormTest& t) {
             t.dialog->ED_VLANID->SetText(QStringLiteral("10"));
             t.dialog->ED_VLANName->SetText(QStringLiteral("cams"));
             t.dialog->AddBtn->Click();
         },
         {"2.10=STRING:cams 8.10=INTEGER:4 11.10=INTEGER:2"},
         {"10", "100", "200"}},
        {"Add with remap and replace priority",
         [](ISMVLANFormTest& t) {
             t.dialog->ED_VLANID->SetText(QStringLiteral("4094"));
             t.dialog->ED_VLANName->SetText(QStringLiteral("tv"));
             t.dialog->Edit_RemapPriority->SetText(QStringLiteral("3"));
             t.dialog->ComboBox_ReplacePriority->SetItemIndex(0);
             t.dialog->AddBtn->Click();
         },
         {"2.4094=STRING:tv 8.4094=INTEGER:4 10.4094=INTEGER:3 11.4094=INTEGER:1"},
         {"100", "200", "4094"}},
        {"Set: every column with the four port maps",
         [](ISMVLANFormTest& t) {
             t.Select("200");
             t.dialog->ED_VLANName->SetText(QStringLiteral("iptv2"));
             t.dialog->MemberPorts.Tick(1, true);
             t.dialog->edtSourceIP->SetText(QStringLiteral("10.2.2.2"));
             t.dialog->SetBtn->Click();
         },
         {std::string("2.200=STRING:iptv2 3.200=STRING:") + kZeros +
          " 4.200=STRING:80 F0 00 00 00 00 00 00 5.200=STRING:" + kZeros +
          " 6.200=INTEGER:2 7.200=IpAddress:10.2.2.2 8.200=INTEGER:1 9.200=STRING:00 00 00 10 00 00 00 00 "
          "10.200=INTEGER:-1 11.200=INTEGER:2"},
         {"100", "200"}},
        {"Set with empty remap priority and source IP leaves both out",
         [](ISMVLANFormTest& t) {
             t.Select("100");
             t.dialog->Edit_RemapPriority->SetText(QString());
             t.dialog->edtSourceIP->SetText(QString());
             t.dialog->SetBtn->Click();
         },
         {std::string("2.100=STRING:mvlan100 3.100=STRING:80 00 00 00 00 00 00 00 "
                      "4.100=STRING:3C 00 00 00 00 00 00 00 5.100=STRING:04 00 00 00 00 00 00 00 "
                      "6.100=INTEGER:1 8.100=INTEGER:1 9.100=STRING:") +
          kZeros + " 11.100=INTEGER:1"},
         {"100", "200"}},
        {"Delete: destroy alone, no question",
         [](ISMVLANFormTest& t) {
             t.Select("100");
             t.dialog->DeleteBtn->Click();
         },
         {"8.100=INTEGER:6"},
         {"200"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenAndWait();
        c.act(*this);
        EXPECT_EQ(dialog->ED_VLANID->Text(), QString()) << "editors cleared";
        Settle();
        EXPECT_EQ(Sets(kTable), c.sets);
        for (const JournalRecord& r : Sent()) {
            EXPECT_EQ(r.errorStatus, "noError") << r.pdu;
        }
        EXPECT_EQ(Captions(), c.rowsAfter);
        EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
        for (int i = 0; i < dialog->ISMRequest->Request.List.GetCount(); ++i) {
            EXPECT_FALSE(dialog->ISMRequest->Request.List.GetVar(i)->Access & ACC_INVALID) << i;
        }
        EXPECT_FALSE(dialog->SetBtn->Enabled());
        Close();
    }
}

TEST_F(ISMVLANFormTest, RefusedInputSendsNothingClearsTheEditorsAndReadsAgain) {
    struct Case {
        const char* what;
        std::function<void(ISMVLANFormTest&)> act;
        const char* message;
    };
    const Case cases[] = {
        {"Add without VLAN ID",
         [](ISMVLANFormTest& t) {
             t.dialog->ED_VLANName->SetText(QStringLiteral("x"));
             t.dialog->AddBtn->Click();
         },
         "Please specify VLAN ID"},
        {"Add with a VLAN ID that is no number",
         [](ISMVLANFormTest& t) {
             t.dialog->ED_VLANID->SetText(QStringLiteral("12abc"));
             t.dialog->ED_VLANName->SetText(QStringLiteral("x"));
             t.dialog->AddBtn->Click();
         },
         "Please specify VLAN ID"},
        {"Add without a name",
         [](ISMVLANFormTest& t) {
             t.dialog->ED_VLANID->SetText(QStringLiteral("10"));
             t.dialog->AddBtn->Click();
         },
         "Please specify VLAN Name"},
        {"Set with a source IP of three groups",
         [](ISMVLANFormTest& t) {
             t.Select("100");
             t.dialog->edtSourceIP->SetText(QStringLiteral("1.2.3"));
             t.dialog->SetBtn->Click();
         },
         "Please input a valid ip"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenAndWait();
        messages.boxes.clear();
        c.act(*this);
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_EQ(dialog->ED_VLANName->Text(), QString()) << "editors cleared";
        Settle();
        EXPECT_TRUE(Sets(kTable).empty());
        EXPECT_FALSE(Sent().empty()) << "the table is read again";
        for (int i = 0; i < dialog->ISMRequest->Request.List.GetCount(); ++i) {
            EXPECT_FALSE(dialog->ISMRequest->Request.List.GetVar(i)->Access & ACC_INVALID) << i;
        }
        Close();
    }
}

TEST_F(ISMVLANFormTest, WritesAndClosingWaitForTheWalkUntilStopped) {
    Open({"--delay", "300"});
    ASSERT_FALSE(dialog->Ready.Ready());
    dialog->ED_VLANID->SetText(QStringLiteral("77"));
    dialog->ED_VLANName->SetText(QStringLiteral("x"));
    dialog->AddBtn->Click();
    dialog->RefreshBtn->Click(); // silent
    dialog->Close();
    EXPECT_TRUE(dialog->isVisible()) << "the close is refused";
    EXPECT_EQ(messages.Texts(), QStringList(2, QStringLiteral("Get data not complete")));
    dialog->btnStop->Click();
    ASSERT_TRUE(WaitFor([this] { return dialog->Ready.Ready(); }));
    EXPECT_TRUE(Sets(kTable).empty());
    messages.boxes.clear();
    dialog->Close();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(messages.boxes.isEmpty());
}

TEST_F(ISMVLANFormTest, AFailedWalkOrSetIsShown) {
    Open({"--no-answer"});
    ASSERT_TRUE(WaitFor([this] { return dialog->Ready.Ready(); }));
    EXPECT_TRUE(dialog->StatusOut().Text().contains(QStringLiteral("time"), Qt::CaseInsensitive));
    dialog->Close();
    EXPECT_FALSE(dialog->isVisible());
    Close();
    Open({"--set-error", kTable.substr(0, kTable.size() - 1) + ".2=genErr"});
    Settle();
    Select("200");
    dialog->SetBtn->Click();
    ASSERT_TRUE(WaitFor([this] { return messages.boxes.size() == 1; }));
    EXPECT_EQ(messages.Texts()[0], QStringLiteral("(SNMP) Cannot perform operation, General Error!"));
}

TEST_F(ISMVLANFormTest, TheMenuCommandOpensItWithCaptionAndGlobal) {
    ASSERT_TRUE(StartSim()) << sim->lastError();
    ExpectMenuCommandOpens(&ISMVLANForm, "TISMVLANForm", "IGMP Multicast VLAN Table",
                           [](auto* f) { return f->Ready.Ready(); });
}

} // namespace
} // namespace qs::test
