// The AAA server host dialog against krs-sim: Add sends the filled-in fields with createAndGo,
// Edit the filled-in fields alone, Delete asks and destroys the selected row; the keys are
// checked before anything is sent.
#include "ServerInformationForm.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "ListDialogTest.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"
#include "StaticText.h"

namespace qs::test {
namespace {

const std::string kServer = ".1.3.6.1.4.1.58613.12.5.10.1.";
enum Protocol { kTacacs, kXtacacs, kTacacsPlus, kRadius };

class ServerInformationFormTest : public ListDialogTest<TServerInformationForm> {
public: // the cases act on the fixture
    void Type(const char* ip, int protocol, const char* port) {
        dialog->IPEdit->SetText(QString::fromLatin1(ip));
        dialog->ProtocolComboBox->SetItemIndex(protocol);
        dialog->PortEdit->SetText(QString::fromLatin1(port));
    }
};

TEST_F(ServerInformationFormTest, ARowFillsTheEditorsAndLocksItsKeys) {
    Open();
    ASSERT_EQ(Rows(), 2);
    EXPECT_EQ(dialog->Static->Caption(), QStringLiteral("2"));
    EXPECT_TRUE(dialog->ProtocolComboBox->Text().isEmpty());
    Select(0);
    EXPECT_EQ(dialog->IPEdit->Text(), QStringLiteral("10.90.90.10"));
    EXPECT_EQ(dialog->ProtocolComboBox->Text(), QStringLiteral("RADIUS"));
    EXPECT_EQ(dialog->PortEdit->Text(), QStringLiteral("1812"));
    EXPECT_FALSE(dialog->IPEdit->isEnabled());
    EXPECT_FALSE(dialog->AddButton->Enabled());
    EXPECT_TRUE(dialog->DeleteButton->Enabled());
    Screenshot(dialog, "ServerInformationForm");
}

TEST_F(ServerInformationFormTest, WritesSendExactlyTheirColumns) {
    struct Case {
        const char* what;
        std::function<void(ServerInformationFormTest&)> act;
        std::vector<std::string> sets;
        int rowsAfter;
    };
    const Case cases[] = {
        {"Add with the keys alone: createAndGo alone",
         [](ServerInformationFormTest& t) {
             t.Type("10.90.90.30", kTacacsPlus, "");
             t.dialog->AddButton->Click();
         },
         {"7.10.90.90.30.3=INTEGER:4"},
         3},
        {"Add of a listed address with another protocol: the filled-in fields",
         [](ServerInformationFormTest& t) {
             t.Type("10.90.90.10", kTacacs, "49");
             t.dialog->KeyEdit->SetText(QStringLiteral("s3cret"));
             t.dialog->AddButton->Click();
         },
         {"3.10.90.90.10.1=INTEGER:49 4.10.90.90.10.1=STRING:s3cret 7.10.90.90.10.1=INTEGER:4"},
         3},
        {"Edit with only the port filled in: the port alone, never Row Status",
         [](ServerInformationFormTest& t) {
             t.Select(1);
             for (TEdit* e : {t.dialog->KeyEdit, t.dialog->TimeoutEdit, t.dialog->RetryCEdit}) {
                 e->SetText(QString());
             }
             t.dialog->PortEdit->SetText(QStringLiteral("4949"));
             t.dialog->EditButton->Click();
         },
         {"3.10.90.90.20.3=INTEGER:4949"},
         2},
        {"Delete: confirmed, destroy alone at the selected row",
         [](ServerInformationFormTest& t) {
             t.Select(0);
             t.dialog->DeleteButton->Click();
         },
         {"7.10.90.90.10.4=INTEGER:6"},
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        c.act(*this);
        EXPECT_EQ(Sets(kServer), c.sets);
        EXPECT_EQ(Rows(), c.rowsAfter);
        EXPECT_TRUE(dialog->IPEdit->isEnabled());
        EXPECT_TRUE(dialog->IPEdit->Text().isEmpty());
        EXPECT_TRUE(dialog->PortEdit->Text().isEmpty());
        EXPECT_FALSE(dialog->EditButton->Enabled());
        for (const BoxRequest& box : messages.boxes) {
            EXPECT_EQ(box.text, QStringLiteral("Are you sure to delete it?"));
        }
        Close();
    }
}

TEST_F(ServerInformationFormTest, KeysAreCheckedBeforeAnythingIsSent) {
    struct Case {
        const char* ip;
        int protocol;
        const char* message;
    };
    const Case cases[] = {
        {"", kTacacs, "Server IP must be set."},
        {"10.90.90.30", -1, "Protocol must be set."},
        {"10.90.90.10", kRadius,
         "Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol."},
        {"010.90.90.010", kRadius, "Please input a valid IP."}, // never octal, never another address
        {"1.2.3", kTacacs, "Please input a valid IP."},
        {"10.0.0.1.2", kTacacs, "Please input a valid IP."},
        {"10.0.0.x", kTacacs, "Please input a valid IP."},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ip);
        messages.boxes.clear();
        Type(c.ip, c.protocol, "49");
        dialog->AddButton->Click();
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
    }
    EXPECT_TRUE(Sets(kServer).empty());
}

} // namespace
} // namespace qs::test
