// The update files dialog against krs-sim: Set sends exactly the ticked columns at the selected
// row's index, refuses a bad address or an empty ticked field before anything is sent, and
// leaves the boxes unticked and the editors empty after every write.
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "FormSimTest.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"
#include "frmAgentSupportedUpdateFiles.h"

namespace qs::test {
namespace {

const std::string kFiles = ".1.3.6.1.4.1.58613.12.1.2.1.1.";

class UpdateFilesFormTest
    : public FormSimTest<TfrmAgentSupportedUpdateFiles, &TfrmAgentSupportedUpdateFiles::FileRequest> {
public: // the cases act on the fixture
    void SelectRow(int i) {
        dialog->ListView1->SetSelected(dialog->ListView1->Item(i));
        dialog->ListView1Click();
    }
};

TEST_F(UpdateFilesFormTest, ARowFillsTheEditors) {
    Open();
    ASSERT_EQ(dialog->ListView1->ItemCount(), 2);
    EXPECT_EQ(dialog->Static->Caption(), QStringLiteral("2"));
    EXPECT_FALSE(dialog->EditButton->Enabled());
    SelectRow(0);
    EXPECT_EQ(dialog->ED_Index->Text(), QStringLiteral("1"));
    EXPECT_FALSE(dialog->ED_Index->Enabled());
    EXPECT_EQ(dialog->ED_Name->Text(), QStringLiteral("krs5400-fw-2.10.bin"));
    EXPECT_EQ(dialog->ED_IPAddress->Text(), QStringLiteral("10.90.90.30"));
    EXPECT_EQ(dialog->CBox_LoadType->Text(), QStringLiteral("download"));
    EXPECT_EQ(dialog->CBox_Control->Text(), QStringLiteral("inactive"));
    EXPECT_EQ(dialog->edt_FileIPv6Addr->Text(), QStringLiteral("20010DB8000000000000000000000030"));
    EXPECT_TRUE(dialog->EditButton->Enabled());
    EXPECT_EQ(dialog->chk_FileDscr->Caption(), QStringLiteral(" File Description"));
    Screenshot(dialog, "frmAgentSupportedUpdateFiles");
}

TEST_F(UpdateFilesFormTest, SetSendsTheTickedColumnsAtTheRowsIndex) {
    struct Case {
        const char* what;
        int row;
        std::function<void(TfrmAgentSupportedUpdateFiles&)> act;
        std::vector<std::string> sets;
    };
    const Case cases[] = {
        {"File Control alone: start the transfer",
         0,
         [](TfrmAgentSupportedUpdateFiles& d) {
             d.CBox_Control->SetItemIndex(1);
             d.chk_FileCtrl->SetChecked(true);
         },
         {"8.1=INTEGER:3"}},
        {"address, name and load type",
         1,
         [](TfrmAgentSupportedUpdateFiles& d) {
             d.ED_IPAddress->SetText(QStringLiteral("10.90.90.31"));
             d.ED_Name->SetText(QStringLiteral("backup.cfg"));
             d.CBox_LoadType->SetItemIndex(0);
             for (TCheckBox* box : {d.chk_FileAddr, d.chk_File, d.chk_FileLoadType}) {
                 box->SetChecked(true);
             }
         },
         {"3.2=IpAddress:10.90.90.31 5.2=STRING:backup.cfg 7.2=INTEGER:2"}},
        {"the IPv6 address and the locate ID",
         0,
         [](TfrmAgentSupportedUpdateFiles& d) {
             d.edt_FileIPv6Addr->SetText(QStringLiteral("20010DB8000000000000000000000031"));
             d.ED_LocateID->SetText(QStringLiteral("2"));
             d.chk_FileIPv6Addr->SetChecked(true);
             d.chk_FileLocateId->SetChecked(true);
         },
         {"6.1=INTEGER:2 12.1=STRING:20 01 0D B8 00 00 00 00 00 00 00 00 00 00 00 31"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        SelectRow(c.row);
        c.act(*dialog);
        dialog->EditButton->Click();
        Settle();
        EXPECT_EQ(Sets(kFiles), c.sets);
        EXPECT_EQ(Pdus().front(), "set");
        EXPECT_GT(Pdus().size(), 1u) << "walked again";
        for (const JournalRecord& r : Sent()) {
            EXPECT_EQ(r.errorStatus, "noError");
        }
        EXPECT_TRUE(messages.boxes.isEmpty());
        EXPECT_FALSE(dialog->chk_FileCtrl->Checked());
        EXPECT_FALSE(dialog->chk_FileAddr->Checked());
        EXPECT_TRUE(dialog->ED_Name->Text().isEmpty());
        for (int i = 0; i < dialog->FileRequest->Request.List.GetCount(); ++i) {
            EXPECT_EQ(dialog->FileRequest->Request.List.GetVar(i)->Access & ACC_INVALID, 0u);
        }
        EXPECT_EQ(dialog->ListView1->ItemCount(), 2);
        Close();
    }
}

TEST_F(UpdateFilesFormTest, RefusedInputsSendNothing) {
    struct Case {
        const char* what;
        std::function<void(TfrmAgentSupportedUpdateFiles&)> act;
        const char* message;
    };
    const Case cases[] = {
        {"a short address",
         [](TfrmAgentSupportedUpdateFiles& d) {
             d.ED_IPAddress->SetText(QStringLiteral("10.1.1"));
             d.chk_FileAddr->SetChecked(true);
         },
         "Please input a valid ip"},
        {"an empty name",
         [](TfrmAgentSupportedUpdateFiles& d) {
             d.ED_Name->SetText(QString());
             d.chk_File->SetChecked(true);
             d.chk_FileCtrl->SetChecked(true);
         },
         "Some checked field is empty!"},
        {"an empty IPv6 address",
         [](TfrmAgentSupportedUpdateFiles& d) {
             d.edt_FileIPv6Addr->SetText(QString());
             d.chk_FileIPv6Addr->SetChecked(true);
         },
         "Some checked field is empty!"},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.boxes.clear();
        SelectRow(0);
        c.act(*dialog);
        dialog->EditButton->Click();
        QTest::qWait(50);
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
        EXPECT_TRUE(Pdus().empty());
        dialog->UncheckAll();
    }
    // An unticked address is not looked at.
    messages.boxes.clear();
    SelectRow(0);
    dialog->ED_IPAddress->SetText(QStringLiteral("10.1.1"));
    dialog->chk_FileBIncrement->SetChecked(true);
    dialog->EditButton->Click();
    Settle();
    EXPECT_EQ(Sets(kFiles), std::vector<std::string>{"9.1=INTEGER:2"});
    EXPECT_TRUE(messages.boxes.isEmpty());
}

} // namespace
} // namespace qs::test
