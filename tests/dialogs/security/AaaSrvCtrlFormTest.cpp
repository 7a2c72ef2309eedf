// The AAA server group host dialog against krs-sim: one SET of the host row's state at the
// typed instance, the inputs checked in order before it, and nothing read again.
#include "AAASrvCtrlForm.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "FormSimTest.h"
#include "QsSNMPRequest2Edits.h"

namespace qs::test {
namespace {

const std::string kGroup = ".1.3.6.1.4.1.58613.12.5.12.1.";

class AaaSrvCtrlFormTest : public FormSimTest<TAAASrvCtrlForm, &TAAASrvCtrlForm::GroupRequest> {
public: // the cases act on the fixture
    void SetUp() override {
        FormSimTest::SetUp();
        Open();
    }
    void Fill(const char* group, const char* ip, int protocol, int operation) {
        dialog->edtSrvGrpName->SetText(QString::fromLatin1(group));
        dialog->edtSrvIP->SetText(QString::fromLatin1(ip));
        dialog->cbxAuthPtcl->SetItemIndex(protocol);
        dialog->cbxOper->SetItemIndex(operation);
    }
};

TEST_F(AaaSrvCtrlFormTest, SetSendsTheRowStateAlone) {
    EXPECT_EQ(dialog->cbxAuthPtcl->ItemIndex(), -1);
    EXPECT_EQ(dialog->cbxOper->ItemIndex(), -1);
    Fill("radius", "10.90.90.10", 3, 1);
    Screenshot(dialog, "AAASrvCtrlForm");
    dialog->btnSet->Click();
    Settle();
    Fill("ops", " 10.90.90.20 ", 2, 0);
    dialog->btnSet->Click();
    Settle();
    EXPECT_EQ(Sets(kGroup), (std::vector<std::string>{"4.6.114.97.100.105.117.115.10.90.90.10.4=INTEGER:2",
                                                      "4.3.111.112.115.10.90.90.20.3=INTEGER:1"}));
    EXPECT_EQ(Pdus(), (std::vector<std::string>{"set", "set"})) << "nothing is read again";
    EXPECT_EQ(dialog->edtSrvIP->Text(), QStringLiteral("10.90.90.20"));
    EXPECT_TRUE(messages.boxes.isEmpty()) << messages.Texts().join('|').toStdString();
}

TEST_F(AaaSrvCtrlFormTest, InputsAreCheckedInOrder) {
    struct Case {
        const char* group;
        const char* ip;
        int protocol;
        int operation;
        const char* message;
    };
    const Case cases[] = {
        {"", "", -1, -1, "Please input Server Group Name."},
        {"radius", "", -1, -1, "Please input Server IP Address."},
        {"radius", "10.90.90.10", -1, -1, "Please choose Server Authentication Protocol."},
        {"radius", "10.90.90.10", 3, -1, "Please choose Operate."},
        {"radius", "10.0.0.1.2", 3, 1, "Please input a valid Server IP Address."},
        {"radius", "1.2.3", 3, 1, "Please input a valid Server IP Address."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        messages.boxes.clear();
        Fill(c.group, c.ip, c.protocol, c.operation);
        dialog->btnSet->Click();
        EXPECT_EQ(messages.Texts(), QStringList{QString::fromLatin1(c.message)});
    }
    Settle();
    EXPECT_TRUE(Sets(kGroup).empty());
}

} // namespace
} // namespace qs::test
