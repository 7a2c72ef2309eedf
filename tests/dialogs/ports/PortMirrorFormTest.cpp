// The port mirroring dialog against krs-sim: Set sends all four values, then the ingress ports
// alone, then the egress ports alone, goes on past a refused SET and reads everything again; the
// state check box stands for "enabled"; a target port that is none of the device's is refused; a
// failed trunk walk is shown in the status panel.
#include "PortMirrorForm.h"
#include "AccessMarks.h"
#include "Button.h"
#include "CheckBox.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "ListView.h"
#include "QsSNMPRequest2Edits.h"

namespace qs::test {
namespace {

const std::string kMirror = ".1.3.6.1.4.1.58613.11.113.1.6.2.6.";

class PortMirrorFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(std::vector<std::string> args = {}) {
        delete dialog;
        dialog = nullptr;
        sim.reset();
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        dialog = CreateForm<TPortMirrorForm>(nullptr);
        dialog->Show();
        Mark();
        messages.boxes.clear();
    }
    void TearDown() override {
        delete dialog;
        DialogSimTest::TearDown();
    }

    TPortMirrorForm* dialog = nullptr;
};

TEST_F(PortMirrorFormTest, ShowsTheMirrorSetting) {
    Open();
    EXPECT_EQ(dialog->PortEdit->Text(), QStringLiteral("8"));
    EXPECT_EQ(dialog->UnitEdit->Text(), QStringLiteral("1"));
    EXPECT_FALSE(dialog->UnitEdit->Enabled());
    EXPECT_TRUE(dialog->IngressPorts.Ticked(1));
    EXPECT_TRUE(dialog->IngressPorts.Ticked(2));
    EXPECT_FALSE(dialog->EgressPorts.Ticked(1));
    EXPECT_TRUE(dialog->EgressPorts.Ticked(2));
    EXPECT_TRUE(dialog->CK_Status->Checked());
    EXPECT_EQ(dialog->LV_PortTrunk->ItemCount(), 2) << "the trunk groups are read too";
    EXPECT_EQ(dialog->BT_Set->Caption(), QStringLiteral("Set "));
    Screenshot(dialog, "PortMirrorForm");
}

TEST_F(PortMirrorFormTest, SetSendsThreeSetsAndReadsAgain) {
    const std::string zeros = "00 00 00 00 00 00 00 00";
    struct Case {
        const char* what;
        std::function<void(TPortMirrorForm&)> edit;
        std::vector<std::string> sets;
        bool enabledAfter;
    };
    const Case cases[] = {
        {"as read",
         [](TPortMirrorForm&) {},
         {"2.0=STRING:C0 00 00 00 00 00 00 00 3.0=STRING:40 00 00 00 00 00 00 00 4.0=INTEGER:8 5.0=INTEGER:3",
          "2.0=STRING:C0 00 00 00 00 00 00 00", "3.0=STRING:40 00 00 00 00 00 00 00"},
         true},
        {"nothing ticked, mirroring off, another target",
         [](TPortMirrorForm& d) {
             d.IngressPorts.Clear();
             d.EgressPorts.Clear();
             d.CK_Status->SetChecked(false);
             d.PortEdit->SetText(QStringLiteral("12"));
         },
         {"2.0=STRING:" + zeros + " 3.0=STRING:" + zeros + " 4.0=INTEGER:12 5.0=INTEGER:2",
          "2.0=STRING:" + zeros, "3.0=STRING:" + zeros},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        c.edit(*dialog);
        dialog->BT_Set->Click();
        EXPECT_EQ(Sets(kMirror), c.sets);
        EXPECT_EQ(Pdus().back(), "getnext") << "the mirror values and the trunk table are read again";
        EXPECT_EQ(dialog->CK_Status->Checked(), c.enabledAfter);
        EXPECT_TRUE(messages.boxes.isEmpty());
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(dialog->MirrorRequest->Request.List.GetVar(i)->Access, unsigned{ACC_READWRITE});
        }
    }
}

// A target port that is not one of the device's 28 ports is refused with a message naming the
// field and the focus on it; nothing is sent and nothing read again.
TEST_F(PortMirrorFormTest, SetRefusesATargetPortThatIsNoPortOfTheDevice) {
    Open();
    for (const QString& text : {QStringLiteral("zz"), QString(), QStringLiteral("-1"), QString(300, u'9'),
                                QStringLiteral("1.2.3.4.5"), QStringLiteral("0"), QStringLiteral("29")}) {
        SCOPED_TRACE(text.left(20).toStdString());
        Mark();
        messages.boxes.clear();
        dialog->PortEdit->SetText(text);
        dialog->BT_Set->setFocus();
        dialog->BT_Set->Click();
        EXPECT_TRUE(Sent().empty());
        EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral(
                                        "Please enter a valid Target Port: a port number from 1 to 28.")});
        EXPECT_EQ(dialog->focusWidget(), dialog->PortEdit);
    }
    Mark();
    dialog->PortEdit->SetText(QStringLiteral("28"));
    dialog->BT_Set->Click();
    ASSERT_EQ(Sets(kMirror).size(), 3u);
    EXPECT_NE(Sets(kMirror)[0].find("4.0=INTEGER:28"), std::string::npos);
}

TEST_F(PortMirrorFormTest, ARefusedFirstSetStillSendsTheOtherTwo) {
    Open({"--set-error", ".1.3.6.1.4.1.58613.11.113.1.6.2.6.4=wrongValue"});
    dialog->BT_Set->Click();
    EXPECT_EQ(Sets(kMirror).size(), 3u);
    EXPECT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(Pdus().back(), "getnext");
}

TEST_F(PortMirrorFormTest, AFailedTrunkWalkIsShownInTheStatusPanel) {
    Open({"--drop-under", ".1.3.6.1.4.1.58613.11.113.1.6.2.4.3"});
    EXPECT_TRUE(dialog->PortEdit->Text() == QStringLiteral("8")) << "the mirror values were read";
    const QString status = dialog->StatusOut().Text();
    EXPECT_FALSE(status.isEmpty());
    EXPECT_FALSE(status.contains(QStringLiteral("Ok!"))) << status.toStdString();
    EXPECT_TRUE(messages.boxes.isEmpty());
}

} // namespace
} // namespace qs::test
