// The syslog server dialog against krs-sim: Add sends the address, what was filled in and
// createAndGo; Set the row's values; Delete destroy alone; every refused input sends nothing.
#include "SystemLogServerForm.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "FormSimTest.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"

namespace qs::test {
namespace {

const std::string kSyslog = ".1.3.6.1.4.1.58613.12.12.2.1.";

TEST(SyslogPort, IsFiveFourteenOrSixThousandUp) {
    for (const char* good : {"514", "6000", "65535", "7000"}) {
        EXPECT_TRUE(TSystemLogServerForm::IsValidSyslogPort(QString::fromLatin1(good))) << good;
    }
    for (const char* bad : {"513", "515", "5999", "65536", "", "x", "-514", "0"}) {
        EXPECT_FALSE(TSystemLogServerForm::IsValidSyslogPort(QString::fromLatin1(bad))) << bad;
    }
}

class SystemLogServerFormTest
    : public FormSimTest<TSystemLogServerForm, &TSystemLogServerForm::ServerRequest> {
public: // the cases act on the fixture
    void SelectRow(int i) {
        dialog->LV_SystemLogServerEntry->SetSelected(dialog->LV_SystemLogServerEntry->Item(i));
        dialog->LV_SystemLogServerEntryClick();
    }
    int Rows() const { return dialog->LV_SystemLogServerEntry->ItemCount(); }
};

TEST_F(SystemLogServerFormTest, ListsTheServersAndShowsTheSelectedOne) {
    Open();
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(dialog->ST_Count->Caption(), QStringLiteral("2"));
    EXPECT_FALSE(dialog->Btn_Edit->Enabled());
    SelectRow(1);
    EXPECT_EQ(dialog->Ed_Index->Text(), QStringLiteral("2"));
    EXPECT_EQ(dialog->Ed_IP->Text(), QStringLiteral("192.168.1.60"));
    EXPECT_EQ(dialog->CBox_Facility->Text(), QStringLiteral("local5"));
    EXPECT_EQ(dialog->CBox_Severity->Text(), QStringLiteral("warning"));
    EXPECT_EQ(dialog->Ed_Port->Text(), QStringLiteral("6514"));
    EXPECT_EQ(dialog->CBox_State->Text(), QStringLiteral("disabled"));
    EXPECT_FALSE(dialog->Ed_Index->Enabled());
    EXPECT_TRUE(dialog->Btn_Edit->Enabled());
    EXPECT_TRUE(dialog->Btn_Del->Enabled());
    Screenshot(dialog, "SystemLogServerForm");
}

TEST_F(SystemLogServerFormTest, WritesSendExactlyTheirColumns) {
    struct Case {
        const char* what;
        std::function<void(SystemLogServerFormTest&)> act;
        std::vector<std::string> sets;
        int rowsAfter;
    };
    const Case cases[] = {
        {"Add with index and address only",
         [](SystemLogServerFormTest& t) {
             t.dialog->Ed_Index->SetText(QStringLiteral("3"));
             t.dialog->Ed_IP->SetText(QStringLiteral("10.0.0.9"));
             t.dialog->Btn_Add->Click();
         },
         {"2.3=IpAddress:10.0.0.9 7.3=INTEGER:4"},
         3},
        {"Add with severity, without state",
         [](SystemLogServerFormTest& t) {
             t.dialog->Ed_Index->SetText(QStringLiteral("4"));
             t.dialog->Ed_IP->SetText(QStringLiteral("10.0.0.9"));
             t.dialog->CBox_Severity->SetItemIndex(2);
             t.dialog->Ed_Port->SetText(QStringLiteral("6000"));
             t.dialog->Btn_Add->Click();
         },
         {"2.4=IpAddress:10.0.0.9 4.4=INTEGER:3 5.4=INTEGER:6000 7.4=INTEGER:4"},
         3},
        {"Add with state, without severity",
         [](SystemLogServerFormTest& t) {
             t.dialog->Ed_Index->SetText(QStringLiteral("4"));
             t.dialog->Ed_IP->SetText(QStringLiteral("10.0.0.9"));
             t.dialog->CBox_Facility->SetItemIndex(7);
             t.dialog->CBox_State->SetItemIndex(1);
             t.dialog->Btn_Add->Click();
         },
         {"2.4=IpAddress:10.0.0.9 3.4=INTEGER:7 6.4=INTEGER:3 7.4=INTEGER:4"},
         3},
        {"Set of the selected row",
         [](SystemLogServerFormTest& t) {
             t.SelectRow(0);
             t.dialog->Ed_IP->SetText(QStringLiteral("10.90.90.41"));
             t.dialog->Btn_Edit->Click();
         },
         {"2.1=IpAddress:10.90.90.41 3.1=INTEGER:0 4.1=INTEGER:1 5.1=INTEGER:514 6.1=INTEGER:3 "
          "7.1=INTEGER:1"},
         2},
        {"Set with the port emptied leaves the port alone",
         [](SystemLogServerFormTest& t) {
             t.SelectRow(1);
             t.dialog->Ed_Port->SetText(QString());
             t.dialog->Btn_Edit->Click();
         },
         {"2.2=IpAddress:192.168.1.60 3.2=INTEGER:5 4.2=INTEGER:2 6.2=INTEGER:2 7.2=INTEGER:1"},
         2},
        {"Delete: destroy alone, no question",
         [](SystemLogServerFormTest& t) {
             t.SelectRow(1);
             t.dialog->Btn_Del->Click();
         },
         {"7.2=INTEGER:6"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        c.act(*this);
        Settle();
        EXPECT_EQ(Sets(kSyslog), c.sets);
        EXPECT_EQ(Pdus().front(), "set");
        for (const JournalRecord& r : Sent()) {
            EXPECT_EQ(r.errorStatus, "noError");
        }
        EXPECT_EQ(Rows(), c.rowsAfter);
        EXPECT_EQ(dialog->ST_Count->Caption(), QString::number(c.rowsAfter));
        EXPECT_TRUE(messages.boxes.isEmpty());
        EXPECT_TRUE(dialog->Ed_Index->Enabled());
        EXPECT_TRUE(dialog->Ed_IP->Text().isEmpty());
        EXPECT_FALSE(dialog->Btn_Edit->Enabled());
        for (int i = 0; i < dialog->ServerRequest->Request.List.GetCount(); ++i) {
            EXPECT_EQ(dialog->ServerRequest->Request.List.GetVar(i)->Access & ACC_INVALID, 0u);
        }
        Close();
    }
}

TEST_F(SystemLogServerFormTest, RefusedInputsSendNothing) {
    struct Case {
        const char* index;
        const char* ip;
        const char* port;
        const char* message;
    };
    const Case cases[] = {
        {"", "10.0.0.9", "", "Server Index must be set"},
        {"2", "10.0.0.9", "", "This Index has already existed. Please Change Server Index."},
        {"3", "", "", "Server IP Address must be set"},
        {"3", "10.0.0", "", "Please input a valid ip"},
        {"3", "10.0.0.9", "513", "The range of Server UDP Port for syslog is 514 or 6000-65535."},
        {"3", "10.0.0.9", "65536", "The range of Server UDP Port for syslog is 514 or 6000-65535."},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        messages.boxes.clear();
        dialog->Ed_Index->SetText(QString::fromLatin1(c.index));
        dialog->Ed_IP->SetText(QString::fromLatin1(c.ip));
        dialog->Ed_Port->SetText(QString::fromLatin1(c.port));
        dialog->Btn_Add->Click();
        QTest::qWait(50);
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_TRUE(Pdus().empty());
    }
    SelectRow(0);
    messages.boxes.clear();
    dialog->Ed_Port->SetText(QStringLiteral("5999"));
    dialog->Btn_Edit->Click();
    QTest::qWait(50);
    EXPECT_EQ(messages.Texts(),
              QStringList{QStringLiteral("The range of Server UDP Port for syslog is 514 or 6000-65535.")});
    EXPECT_TRUE(Pdus().empty());
}

TEST_F(SystemLogServerFormTest, ARefusedWriteIsShownAndTheListStays) {
    ASSERT_TRUE(StartSim({"--set-error", ".1.3.6.1.4.1.58613.12.12.2.1.7=genErr"})) << sim->lastError();
    dialog = CreateForm<TSystemLogServerForm>(nullptr);
    Settle();
    Mark();
    SelectRow(0);
    dialog->Btn_Del->Click();
    Settle();
    EXPECT_EQ(Sets(kSyslog), std::vector<std::string>{"7.1=INTEGER:6"});
    EXPECT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(Rows(), 2);
}

// An Add pressed while the walk runs is sent once the walk has ended; the list shows every row once.
TEST_F(SystemLogServerFormTest, AnAddDuringAWalkWaitsForIt) {
    Open({"--delay", "300"}, false);
    ASSERT_TRUE(dialog->ServerRequest->Busy);
    dialog->Ed_Index->SetText(QStringLiteral("3"));
    dialog->Ed_IP->SetText(QStringLiteral("10.0.0.9"));
    dialog->Btn_Add->Click();
    Settle();
    EXPECT_EQ(Sets(kSyslog), std::vector<std::string>{"2.3=IpAddress:10.0.0.9 7.3=INTEGER:4"});
    EXPECT_EQ(Pdus().front(), "getnext");
    EXPECT_EQ(Rows(), 3);
    EXPECT_TRUE(messages.boxes.isEmpty());
}

} // namespace
} // namespace qs::test
