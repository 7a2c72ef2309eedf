// The read-only LLDP tables against krs-sim: the remote systems and the local and remote link
// aggregation, each BITS column shown as names (also when sent in two octets), every row once.
#include "Button.h"
#include "DialogSimFixture.h"
#include "LLDPDot3LinkAggForm.h"
#include "LLDPDot3RemoteLinkAggForm.h"
#include "LLDPRemoteForm.h"
#include "ListView.h"
#include "StaticText.h"

#include <QScrollBar>
#include <QTemporaryDir>
#include <fstream>

namespace qs::test {
namespace {

enum Which { kRemote, kLocalLinkAgg, kRemoteLinkAgg };

class LldpBitsTableFormTest : public DialogSimTest {
public: // the cases act on the fixture
    void Open(Which which, std::vector<std::string> simArgs = {}, const std::string& dataFile = {}) {
        ASSERT_TRUE(StartSim(std::move(simArgs), dataFile)) << sim->lastError();
        switch (which) {
        case kRemote:
            dialog = CreateForm<TLLDPRemoteForm>(nullptr);
            break;
        case kLocalLinkAgg:
            dialog = CreateForm<TLLDPDot3LinkAggForm>(nullptr);
            break;
        case kRemoteLinkAgg:
            dialog = CreateForm<TLLDPDot3RemoteLinkAggForm>(nullptr);
            break;
        }
        dialog->Show();
        ASSERT_TRUE(WaitFor([this] { return !dialog->TableRequest->Busy; }));
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
    // The row's texts, caption first.
    QStringList Row(int i) const {
        const TListItem* item = dialog->ListView1->Item(i);
        QStringList texts{item->Caption()};
        for (int s = 0; s < item->SubItemCount(); ++s) {
            texts << item->SubItem(s);
        }
        return texts;
    }

    LldpBitsTableForm* dialog = nullptr;
};

TEST_F(LldpBitsTableFormTest, RemoteSystemsShowTheirCapabilitiesAsNames) {
    Open(kRemote);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 3);
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("3"));
    const QStringList first = Row(0);
    ASSERT_EQ(first.size(), 12);
    EXPECT_EQ(first.mid(0, 5),
              (QStringList{QStringLiteral("0:00:01.00"), QStringLiteral("1"), QStringLiteral("1"),
                           QStringLiteral("macAddress"), QStringLiteral("001E580C1101")}));
    EXPECT_EQ(first.mid(5, 5),
              (QStringList{QStringLiteral("interfaceName"), QStringLiteral("ge1/0/1"),
                           QStringLiteral("uplink to core-sw-1"), QStringLiteral("dist-sw-2"),
                           QStringLiteral("Layer 3 distribution switch")}));
    EXPECT_EQ(first.mid(10), (QStringList{QStringLiteral(" bridge,router"), QStringLiteral(" bridge")}));
    EXPECT_EQ(Row(1).mid(10),
              (QStringList{QStringLiteral(" bridge,telephone"), QStringLiteral(" telephone")}))
        << "sent in two octets";
    EXPECT_EQ(Row(2).mid(10), (QStringList{QStringLiteral(" "), QStringLiteral(" ")}));
    EXPECT_EQ(Row(2)[3], QStringLiteral("local"));
    Screenshot(dialog, "LLDPRemoteForm");
    dialog->ListView1->horizontalScrollBar()->setValue(dialog->ListView1->horizontalScrollBar()->maximum());
    Screenshot(dialog, "LLDPRemoteForm-capabilities");

    dialog->ListView1->SetSelected(dialog->ListView1->Item(1));
    dialog->GetButton->Click();
    ASSERT_TRUE(WaitFor([this] { return !dialog->TableRequest->Busy; }));
    EXPECT_EQ(dialog->ListView1->ItemCount(), 3);
    const std::vector<std::string> pdus = Pdus();
    EXPECT_TRUE(std::all_of(pdus.begin(), pdus.end(), [](const std::string& p) { return p == "getnext"; }))
        << "selecting a row sends nothing";
}

TEST_F(LldpBitsTableFormTest, LinkAggregationStatesReadAsNames) {
    Open(kLocalLinkAgg);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 28);
    EXPECT_EQ(Row(0), (QStringList{QStringLiteral("1"), QStringLiteral(" aggCapable,aggEnabled"),
                                   QStringLiteral("1")}));
    EXPECT_EQ(Row(2), (QStringList{QStringLiteral("3"), QStringLiteral(" aggEnabled"), QStringLiteral("0")}));
    EXPECT_EQ(Row(3), (QStringList{QStringLiteral("4"), QStringLiteral(" "), QStringLiteral("0")}));
    EXPECT_EQ(Row(4), (QStringList{QStringLiteral("5"), QStringLiteral(" aggCapable"), QStringLiteral("0")}));
    Screenshot(dialog, "LLDPDot3LinkAggForm");
    Close();

    Open(kRemoteLinkAgg);
    ASSERT_EQ(dialog->ListView1->ItemCount(), 3);
    EXPECT_EQ(Row(0), (QStringList{QStringLiteral("0:00:01.00"), QStringLiteral("1"), QStringLiteral("1"),
                                   QStringLiteral(" aggCapable,aggEnabled"), QStringLiteral("12")}));
    EXPECT_EQ(Row(1)[3], QStringLiteral(" aggCapable"));
    EXPECT_EQ(Row(2)[3], QStringLiteral(" "));
    Screenshot(dialog, "LLDPDot3RemoteLinkAggForm");
}

TEST_F(LldpBitsTableFormTest, RefreshDuringAWalkListsEveryRowOnce) {
    Open(kLocalLinkAgg, {"--delay", "20"});
    dialog->GetButton->Click();
    ASSERT_TRUE(WaitFor([this] { return dialog->ListView1->ItemCount() > 2; }));
    dialog->GetButton->Click();
    ASSERT_TRUE(WaitFor([this] { return !dialog->TableRequest->Busy; }));
    EXPECT_EQ(dialog->ListView1->ItemCount(), 28);
}

TEST_F(LldpBitsTableFormTest, ADeviceWithoutNeighboursLeavesTheListEmpty) {
    QTemporaryDir dir;
    const std::string data = dir.path().toStdString() + "/empty.walk";
    std::ofstream(data) << ".1.3.6.1.2.1.1.5.0 = STRING: \"lonely\"\n";
    Open(kRemote, {}, data);
    EXPECT_EQ(dialog->ListView1->ItemCount(), 0);
    EXPECT_EQ(dialog->StaticText1->Caption(), QStringLiteral("0"));
    EXPECT_TRUE(messages.boxes.isEmpty());
}

} // namespace
} // namespace qs::test
