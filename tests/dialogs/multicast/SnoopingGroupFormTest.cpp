// The IGMP and MLD snooping group dialogs against krs-sim: the groups and their keys (IPv6 keys
// as 32 hex digits), ports that are only shown, the Refresh gate and Stop, failed reads shown,
// and the menu entries. Nothing is ever written.
#include "Button.h"
#include "DialogCommand.h"
#include "DialogSimFixture.h"
#include "Edit.h"
#include "IGMP_SnoopingGroupTableForm.h"
#include "Layer2Dialogs.h"
#include "ListView.h"
#include "MLD_SnoopingGroupForm.h"
#include "MenuEntryCheck.h"
#include "QsSNMPRequest2Edits.h"
#include "QsValueTexts.h"
#include "StaticText.h"
#include "stackingPortUitFormUnit.h"

#include <QApplication>
#include <QTimer>

namespace qs::test {
namespace {

const char* const kFf0e1 = "FF0E0000000000000000000000000001";
const char* const kFf02 = "FF020000000000000000000000010003";
const char* const kFe80 = "FE800000000000000000000000000001";

class SnoopingGroupFormTest : public DialogSimTest {
public:
    void Open(bool mld, std::vector<std::string> args = {}) {
        ASSERT_TRUE(StartSim(std::move(args))) << sim->lastError();
        if (mld) {
            dialog = CreateForm<TMLD_SnoopingGroupForm>(nullptr);
        } else {
            dialog = CreateForm<TIGMP_SnoopingGroupTableForm>(nullptr);
        }
        dialog->Show();
    }
    void OpenAndWait(bool mld) {
        Open(mld);
        ASSERT_TRUE(WaitFor([this] { return !dialog->GroupRequest->Busy; }));
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
    QString FieldText(std::size_t i) const {
        if (auto* edit = dynamic_cast<TEdit*>(dialog->Fields[i])) {
            return edit->Text();
        }
        return static_cast<TStaticText*>(dialog->Fields[i])->Caption();
    }
    bool AnyBoxEnabled() const {
        for (const auto& slot : dialog->Pickers) {
            for (const TCheckBox* box : slot->Picker()->PortBoxes) {
                if (box->Enabled()) {
                    return true;
                }
            }
        }
        return false;
    }
    bool Ticked(std::size_t picker, int port) const { return dialog->Pickers[picker]->Ticked(port); }

    SnoopingGroupForm* dialog = nullptr;
};

TEST_F(SnoopingGroupFormTest, IgmpShowsTheGroupsWithThirtyTwoPortBoxes) {
    OpenAndWait(false);
    TListView* list = dialog->ListView1;
    ASSERT_EQ(list->ColumnCount(), 9);
    EXPECT_EQ(list->ColumnCaption(1), QStringLiteral("SrcAddr"));
    ASSERT_EQ(list->ItemCount(), 2);
    EXPECT_EQ(list->Item(1)->Caption(), QStringLiteral("10"));
    EXPECT_EQ(list->Item(1)->SubItem(0), QStringLiteral("10.0.0.5"));
    EXPECT_EQ(list->Item(1)->SubItem(1), QStringLiteral("239.2.2.2"));
    EXPECT_EQ(list->Item(1)->SubItem(2), QStringLiteral("000000F0FF000000")) << "the whole value in the list";
    EXPECT_EQ(dialog->txt_sample->Caption(), QStringLiteral("2"));
    EXPECT_EQ(dialog->Pickers[0]->Picker()->PortBoxes.size(), 32u);
    EXPECT_FALSE(AnyBoxEnabled());
    list->SetSelected(list->Item(1));
    const char* const shown[] = {"10", "239.2.2.2", "10.0.0.5", "30", "230", "2"};
    for (std::size_t i = 0; i < std::size(shown); ++i) {
        EXPECT_EQ(FieldText(i), QLatin1String(shown[i])) << i;
    }
    EXPECT_TRUE(Ticked(0, 25));
    EXPECT_TRUE(Ticked(0, 28));
    EXPECT_FALSE(Ticked(0, 24)) << "only the first 32 bits reach the boxes";
    EXPECT_TRUE(Ticked(1, 3));
    EXPECT_TRUE(Ticked(2, 1));
    EXPECT_FALSE(AnyBoxEnabled()) << "the boxes only show the ports";
    Screenshot(dialog, "IGMP_SnoopingGroupTableForm");
    list->SetSelected(nullptr);
    EXPECT_EQ(FieldText(0), QString());
    EXPECT_FALSE(Ticked(0, 25));
}

TEST_F(SnoopingGroupFormTest, MldShowsIPv6KeysAsThirtyTwoHexDigits) {
    OpenAndWait(true);
    TListView* list = dialog->ListView1;
    ASSERT_EQ(list->ColumnCount(), 5);
    ASSERT_EQ(list->ItemCount(), 2);
    EXPECT_EQ(list->Item(0)->SubItem(0), QLatin1String(kFf0e1));
    EXPECT_EQ(list->Item(0)->SubItem(1), QStringLiteral("00000000000000000000000000000000"));
    EXPECT_EQ(list->Item(1)->Caption(), QStringLiteral("100"));
    list->SetSelected(list->Item(1));
    EXPECT_EQ(FieldText(0), QStringLiteral("100"));
    EXPECT_EQ(FieldText(1), QLatin1String(kFf02));
    EXPECT_EQ(FieldText(2), QLatin1String(kFe80));
    EXPECT_TRUE(Ticked(1, 28)) << "include picker";
    EXPECT_TRUE(Ticked(0, 2)) << "exclude picker";
    EXPECT_FALSE(AnyBoxEnabled());
    Screenshot(dialog, "MLD_SnoopingGroupForm");
}

// The row instance of the MLD table: VLAN ID, then group and source address as 16 sub-identifiers
// each, read back into the same texts.
TEST(MldGroupKeys, SixteenSubIdentifiersAnAddressBothWays) {
    const QsSNMPVarDesc keys[] = {
        {"1.3.6.1.4.1.58613.12.34.3.5.1.1", "VLAN ID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.34.3.5.1.2", "Group Address", SYN_IPV6ADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.34.3.5.1.3", "Source Address", SYN_IPV6ADDRESS, ACC_NOTACCESS},
        {nullptr},
    };
    QsSNMPVarList list(keys, MVT_UMV, 3);
    const std::string instance = "100.255.2.0.0.0.0.0.0.0.0.0.0.0.1.0.3.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1";
    std::string rest = instance;
    for (int k = 0; k < 3; ++k) {
        rest = DecodeIndexPart(list, k, rest);
    }
    EXPECT_EQ(rest, "");
    EXPECT_EQ(list.GetVar(0)->Value, "100");
    EXPECT_EQ(list.GetVar(1)->Value, kFf02);
    EXPECT_EQ(list.GetVar(2)->Value, kFe80);
    std::string encoded;
    for (int k = 0; k < 3; ++k) {
        encoded += (k == 0 ? "" : ".") + EncodeIndexPart(list, k);
    }
    EXPECT_EQ(encoded, instance);
}

TEST_F(SnoopingGroupFormTest, MldRefreshWaitsForTheFirstWalkUntilStopped) {
    Open(true, {"--delay", "300"});
    dialog->btnGet->Click();
    EXPECT_EQ(messages.Texts(), QStringList{QStringLiteral("Get data not complete!")});
    dialog->btn_stop->Click();
    EXPECT_TRUE(dialog->RefreshAllowed.Ready());
    ASSERT_TRUE(WaitFor([this] { return !dialog->GroupRequest->Busy; }));
    messages.boxes.clear();
    dialog->btnGet->Click();
    EXPECT_TRUE(messages.boxes.isEmpty());
    ASSERT_TRUE(WaitFor([this] { return !dialog->GroupRequest->Busy; }));
    EXPECT_EQ(dialog->ListView1->ItemCount(), 2);
}

TEST_F(SnoopingGroupFormTest, RefreshDuringAWalkListsEveryRowOnce) {
    Open(false, {"--delay", "100"});
    ASSERT_TRUE(dialog->RefreshAllowed.Ready()) << "IGMP: open to Refresh while the first walk runs";
    dialog->btnGet->Click();
    EXPECT_TRUE(messages.boxes.isEmpty());
    EXPECT_TRUE(dialog->RefreshAllowed.Ready()) << "the flag is up again at once";
    ASSERT_TRUE(WaitFor([this] { return !dialog->GroupRequest->Busy; }));
    QTest::qWait(300);
    EXPECT_EQ(dialog->ListView1->ItemCount(), 2);
}

TEST_F(SnoopingGroupFormTest, AFailedWalkIsShown) {
    for (const bool mld : {false, true}) {
        SCOPED_TRACE(mld ? "MLD" : "IGMP");
        Open(mld, {"--no-answer"});
        ASSERT_TRUE(WaitFor([this] { return !dialog->GroupRequest->Busy; }));
        const QString shown = dialog->StatusOut().Text();
        EXPECT_TRUE(shown.contains(QStringLiteral("time"), Qt::CaseInsensitive)) << shown.toStdString();
        EXPECT_TRUE(dialog->RefreshAllowed.Ready());
        dialog->Close();
        EXPECT_FALSE(dialog->isVisible());
        Close();
    }
}

TEST_F(SnoopingGroupFormTest, TheMenuCommandsOpenThemWithCaptionAndGlobal) {
    ASSERT_TRUE(StartSim()) << sim->lastError();
    ExpectMenuCommandOpens(&IGMP_SnoopingGroupTableForm, "TIGMP_SnoopingGroupTableForm",
                           "IGMP Snooping Group Table", [](auto* f) { return !f->GroupRequest->Busy; });
    ExpectMenuCommandOpens(&MLD_SnoopingGroupForm, "TMLD_SnoopingGroupForm", "MLD Snooping Group Information",
                           [](auto* f) { return !f->GroupRequest->Busy; });
}

} // namespace
} // namespace qs::test
