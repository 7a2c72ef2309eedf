// The port picker: box layout and visibility, unit pages, counting, and placing it on a tab.

#include "DeviceModel.h"
#include "DialogHelpers.h"
#include "GuiTest.h"
#include "Panel.h"
#include "stackingPortUitFormUnit.h"

#include <QPointer>

namespace qs::test {
namespace {

class PortPickerTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        pages = new TPageControl(form);
        pages->SetName(QStringLiteral("Pages"));
        picker = new TStackingPortUitForm(form);
    }
    int VisibleBoxes() const {
        int n = 0;
        for (TCheckBox* box : picker->PortBoxes) {
            n += box->Visible() ? 1 : 0;
        }
        return n;
    }

    TPageControl* pages = nullptr;
    TStackingPortUitForm* picker = nullptr;
};

TEST_F(PortPickerTest, TabShowsUnitOneWithTheModelsPortCount) {
    TTabSheet* sheet = AddPortPickerTab(QStringLiteral("Member Ports"), picker, pages);
    ShowActive();
    EXPECT_EQ(sheet->Caption(), QStringLiteral("Member Ports"));
    EXPECT_TRUE(sheet->TabVisible());
    EXPECT_EQ(picker->Parent(), sheet);
    ASSERT_EQ(picker->PortBoxes.size(), 64u);
    EXPECT_EQ(VisibleBoxes(), PortCountOfModel(DeviceModelName));
    EXPECT_TRUE(picker->PortBoxes[27]->isVisible()) << "box 28 shows on screen";
    EXPECT_FALSE(picker->PortBoxes[28]->Visible());
    EXPECT_EQ(picker->PortBoxes[0]->Caption(), QStringLiteral("1"));
    EXPECT_EQ(picker->PortBoxes[63]->Caption(), QStringLiteral("64"));
    EXPECT_EQ(picker->UnitSheets[0]->Caption(), QStringLiteral("Unit1 KRS-5400-28 Vorev Ethernet"));
    EXPECT_FALSE(picker->UnitSheets[0]->TabVisible());
}

TEST_F(PortPickerTest, PanelHostsAShorterUnit) {
    auto* panel = new TPanel(form);
    panel->SetName(QStringLiteral("PortPanel"));
    ShowPortPicker(picker, panel, 32);
    EXPECT_EQ(picker->Parent(), panel);
    EXPECT_EQ(picker->PortBoxes.size(), 32u);
    EXPECT_EQ(VisibleBoxes(), 28);
}

TEST_F(PortPickerTest, BoxesStandInTwelveColumns) {
    picker->AddUnitPage(QStringLiteral("Unit1"), 64, 12);
    const struct {
        int index, left, top;
    } cases[] = {{0, 20, 4}, {1, 60, 4}, {11, 460, 4}, {12, 20, 21}, {63, 140, 89}};
    for (const auto& c : cases) {
        TCheckBox* box = picker->PortBoxes[static_cast<std::size_t>(c.index)];
        EXPECT_EQ(box->Left(), c.left) << c.index;
        EXPECT_EQ(box->Top(), c.top) << c.index;
        EXPECT_EQ(box->Height(), 17);
    }
    EXPECT_EQ(picker->PortBoxes[0]->Width(), 32);
    EXPECT_EQ(picker->PortBoxes[9]->Width(), 40);
}

TEST_F(PortPickerTest, HiddenBoxesStillTickAndCountOnlyUnitOne) {
    picker->AddUnitPage(QStringLiteral("Unit1"), 64, 12);
    picker->AddUnitPage(QStringLiteral("Unit2"), 64, 12);
    picker->ShowUnitPorts(QStringLiteral("1"), QStringLiteral("x"), 28);
    picker->PortBoxes[63]->SetChecked(true); // hidden box 64 of unit 1
    picker->PortBoxes[64]->SetChecked(true); // unit 2
    picker->PortBoxes[0]->SetChecked(true);
    EXPECT_EQ(picker->CountCheckedPorts(), 2);
    picker->ClearAllPorts();
    EXPECT_EQ(picker->CountCheckedPorts(), 0);
    EXPECT_FALSE(picker->PortBoxes[64]->Checked());
}

TEST_F(PortPickerTest, EnableAndDisableReachEveryBox) {
    picker->AddUnitPage(QStringLiteral("Unit1"), 64, 12);
    picker->AddUnitPage(QStringLiteral("Unit2"), 64, 12);
    picker->DisableAllPorts();
    EXPECT_FALSE(picker->PortBoxes[0]->Enabled());
    EXPECT_FALSE(picker->PortBoxes[127]->Enabled());
    picker->EnableAllPorts();
    EXPECT_TRUE(picker->PortBoxes[127]->Enabled());
}

TEST_F(PortPickerTest, ShowUnitPortsSkipsWhatItCannotDo) {
    picker->AddUnitPage(QStringLiteral("Unit1"), 32, 12);
    for (const char* unit : {"2", "0", "x", ""}) {
        picker->ShowUnitPorts(QString::fromLatin1(unit), QStringLiteral("M"), 28);
    }
    EXPECT_EQ(picker->UnitSheets[0]->Caption(), QStringLiteral("Unit1"));
    EXPECT_EQ(VisibleBoxes(), 0);
    picker->ShowUnitPorts(QStringLiteral("1"), QStringLiteral("M"), 64); // only 32 boxes exist
    EXPECT_EQ(VisibleBoxes(), 32);
    picker->ShowUnitPorts(QStringLiteral("1"), QStringLiteral("M"), 0, 1, 0);
    EXPECT_EQ(picker->UnitSheets[0]->Caption(), QStringLiteral("Unit1 M M"));
}

TEST_F(PortPickerTest, UnitTwoShowsItsOwnBoxes) {
    for (int u = 1; u <= 3; ++u) {
        picker->AddUnitPage(QStringLiteral("Unit%1").arg(u), 64, 12);
    }
    picker->ShowUnitPorts(QStringLiteral("2"), QStringLiteral("M"), 10);
    EXPECT_EQ(VisibleBoxes(), 10);
    EXPECT_TRUE(picker->PortBoxes[64]->Visible());
    EXPECT_TRUE(picker->PortBoxes[73]->Visible());
    EXPECT_FALSE(picker->PortBoxes[74]->Visible());
    EXPECT_EQ(picker->CurrentScrollBox, dynamic_cast<TScrollBox*>(picker->FindComponent("UnitScrollBox3")));
}

TEST_F(PortPickerTest, FirstPortAndBarePages) {
    picker->AddUnitPage(QStringLiteral("Unit1"), 5, 3, 12);
    EXPECT_EQ(picker->PortBoxes[0]->Caption(), QStringLiteral("5"));
    EXPECT_EQ(picker->PortBoxes[2]->Caption(), QStringLiteral("7"));
    picker->AddUnitPage(QStringLiteral("Unit2"), 1, 64, 12, true);
    EXPECT_EQ(picker->PortBoxes.size(), 3u);
    EXPECT_EQ(picker->UnitSheets.size(), 2u);
    EXPECT_FALSE(picker->UnitPageControl->Visible());
}

TEST_F(PortPickerTest, DestroyFreesListedBoxesAndSkipsListsAHostEmptied) {
    picker->AddUnitPage(QStringLiteral("Unit1"), 64, 12);
    QPointer<QCheckBox> box(picker->PortBoxes[5]);
    delete picker;
    EXPECT_FALSE(box);

    picker = new TStackingPortUitForm(form);
    picker->AddUnitPage(QStringLiteral("Unit1"), 64, 12);
    QPointer<QCheckBox> kept(picker->PortBoxes[5]);
    picker->PortBoxes.clear();
    picker->UnitSheets.clear();
    delete picker; // the boxes go with their owners
    EXPECT_FALSE(kept);
}

} // namespace
} // namespace qs::test
