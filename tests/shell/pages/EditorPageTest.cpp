// The editor page: grid layout, buttons, Tag rules and the empty check, and its reads and
// writes against krs-sim.

#include "PageSimSupport.h"
#include "QsException.h"

#include <QElapsedTimer>
#include <QRegularExpression>

namespace qs::test {
namespace {

class EditorPage : public PageSimTest {
protected:
    TSNMPEditorPanel* Open(const QsSNMPVarDesc* table = ScalarTable(), int port = 0) {
        page = std::make_unique<TConfigForm>();
        page->SetCaption(QStringLiteral("Lab Settings: 127.0.0.1"));
        request = Aimed(page.get(), table, SVT_SV, 0, "Lab Settings", port);
        return panel = page->SetEditorPage(request);
    }
    TEdit* Edit(int i) const { return dynamic_cast<TEdit*>(panel->EditsPanel->Items[i].Control); }
    TComboBox* Combo(int i) const { return dynamic_cast<TComboBox*>(panel->EditsPanel->Items[i].Control); }
    TCheckBox* Box(int i) const { return panel->EditsPanel->Items[i].CheckBox; }
    QString Status() const { return panel->StatusBar->SimpleText(); }
    bool ReadDone() const { return Status().startsWith(QStringLiteral("Get:")); }

    std::unique_ptr<TConfigForm> page;
    QsSNMPRequest2Edits* request = nullptr;
    TSNMPEditorPanel* panel = nullptr;
};

TEST_F(EditorPage, ItemsFollowTheirVariables) {
    Open();
    const TEditsPanel* grid = panel->EditsPanel;
    ASSERT_EQ(grid->ItemCount(), 5);
    const int kinds[] = {2, 3, 2, 2, 1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(grid->Items[i].Kind, kinds[i]) << i;
        EXPECT_EQ(grid->Items[i].Control->Tag, i == 1 ? 0 : i) << i;
        EXPECT_EQ(grid->Items[i].CheckBox->Tag, i);
    }
    EXPECT_EQ(grid->Items[2].Format, "%s{I}");
    EXPECT_EQ(grid->Items[0].Format, "%s");
    EXPECT_EQ(grid->Items[0].Label->Caption(), "System Name");
    EXPECT_FALSE(Box(4)->Visible()); // read-only: no select box, greyed
    EXPECT_TRUE(Edit(4)->ReadOnly());
    EXPECT_TRUE(Box(0)->Visible() && !Box(0)->Checked());
}

TEST_F(EditorPage, RowsAreTwentySixApartInOneValueColumn) {
    Open();
    const TEditsPanel* grid = panel->EditsPanel;
    int widest = 0;
    for (const UISnmpVar& item : grid->Items) {
        widest = std::max(widest, item.Label->Width());
    }
    for (int i = 0; i < grid->ItemCount(); ++i) {
        const UISnmpVar& item = grid->Items[i];
        EXPECT_EQ(item.Control->Top(), 20 + 26 * i) << i;
        EXPECT_EQ(item.Control->Left(), 45 + widest + 5) << i;
        EXPECT_EQ(item.Control->Width(), 121);
        EXPECT_EQ(item.CheckBox->Left(), 20);
        EXPECT_EQ(item.Label->Left(), 45);
        EXPECT_EQ(item.CheckBox->Top(), item.Control->Top() + (21 - item.CheckBox->Height()) / 2);
    }
    // The frame holds the grid beside the column; the form's client area fits it.
    const int gridWidth = 45 + widest + 5 + 121 + 40;
    EXPECT_EQ(page->ClientWidth(), std::max(gridWidth + 116 + 3 + 3, 350));
    panel->EditsPanel->LayoutItems(true); // sized again, out of its alignment
    EXPECT_EQ(grid->Width(), gridWidth);
    EXPECT_EQ(grid->Height(), 20 + 26 * 4 + 21 + 40);
}

TEST_F(EditorPage, HiddenItemGivesUpItsRow) {
    Open();
    panel->EditsPanel->HideItem(1);
    panel->EditsPanel->LayoutItems(true);
    EXPECT_EQ(Box(1)->Tag, kHiddenItemTag);
    EXPECT_EQ(Edit(2)->Top(), 46);
    EXPECT_NE(request->Request.List.GetVar(1)->Access & ACC_HIDDEN, 0u);
    panel->EditsPanel->ShowItem(1);
    panel->EditsPanel->LayoutItems(true);
    EXPECT_EQ(Edit(2)->Top(), 72);
    EXPECT_EQ(Box(1)->Tag, kHiddenItemTag); // the box keeps its mark
}

TEST_F(EditorPage, ButtonsOfAnEditorPage) {
    Open();
    const TCtrlBtnPanel* b = panel->BtnPanel;
    for (TControl* c : {static_cast<TControl*>(b->RefreshBtn), static_cast<TControl*>(b->SetCheckedBtn),
                        static_cast<TControl*>(b->CheckAllBtn), static_cast<TControl*>(b->ClearChecksBtn),
                        static_cast<TControl*>(b->CloseBtn)}) {
        EXPECT_TRUE(c->Visible()) << c->Name().toStdString();
    }
    for (TControl* c : {static_cast<TControl*>(b->SamplesCount), static_cast<TControl*>(b->SamplesLabel),
                        static_cast<TControl*>(b->EditBtn), static_cast<TControl*>(b->AddBtn),
                        static_cast<TControl*>(b->DeleteBtn), static_cast<TControl*>(b->StopBtn)}) {
        EXPECT_FALSE(c->Visible()) << c->Name().toStdString();
    }
    EXPECT_EQ(b->RefreshBtn->Top(), 10);
    EXPECT_FALSE(b->SetCheckedBtn->Enabled());
    Box(0)->SetChecked(true);
    EXPECT_TRUE(b->SetCheckedBtn->Enabled());
    Box(0)->SetChecked(false);
    EXPECT_FALSE(b->SetCheckedBtn->Enabled());
    b->CheckAllBtn->Click();
    EXPECT_TRUE(b->SetCheckedBtn->Enabled());
    EXPECT_EQ(panel->EditsPanel->CountTicked(), 4);
    b->ClearChecksBtn->Click();
    EXPECT_FALSE(b->SetCheckedBtn->Enabled());
}

const QsSNMPVarDesc kReadOnly[] = {
    {"1.3.6.1.4.1.99998.1.1", "System Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.99998.1.5", "Uptime", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};
const QsSNMPVarDesc kOneWritable[] = {
    {"1.3.6.1.4.1.99998.1.4", "Interval", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.99998.1.5", "Uptime", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

TEST_F(EditorPage, ReadOnlyPageShowsRefreshAndClose) {
    Open(kReadOnly);
    const TCtrlBtnPanel* b = panel->BtnPanel;
    EXPECT_TRUE(b->RefreshBtn->Visible() && b->CloseBtn->Visible());
    EXPECT_FALSE(b->SetCheckedBtn->Visible() || b->CheckAllBtn->Visible() || b->ClearChecksBtn->Visible());
    EXPECT_EQ(b->CloseBtn->Top(), b->RefreshBtn->Top() + b->RefreshBtn->Height() + 5);
}

TEST_F(EditorPage, OneWritableVariableIsSetWithoutSelectBoxes) {
    Open(kOneWritable);
    const TCtrlBtnPanel* b = panel->BtnPanel;
    EXPECT_EQ(b->SetCheckedBtn->Caption(), "Set");
    EXPECT_TRUE(b->SetCheckedBtn->Enabled());
    EXPECT_FALSE(b->CheckAllBtn->Visible());
    EXPECT_FALSE(Box(0)->Visible());
    EXPECT_TRUE(Box(0)->Checked());
    EXPECT_TRUE(Box(1)->Checked());
}

TEST_F(EditorPage, EmptyCheckSkipsTag99AndHiddenBoxes) {
    Open();
    TEditsPanel* grid = panel->EditsPanel;
    Edit(0)->SetText(QString());
    EXPECT_TRUE(grid->IsItemEmpty(0));
    Edit(0)->Tag = kNeverEmptyTag;
    EXPECT_FALSE(grid->IsItemEmpty(0));
    EXPECT_FALSE(grid->IsItemEmpty(4)); // read-only: box hidden
}

TEST_F(EditorPage, TickedEmptyItemStopsTheSet) {
    Open();
    Box(0)->SetChecked(true);
    Edit(0)->SetText(QString());
    panel->BtnPanel->SetCheckedBtn->Click();
    EXPECT_EQ(messages.Texts(), QStringList({"Some items are empty!"}));
    EXPECT_EQ(messages.boxes[0].kind, BoxKind::Warning);
    EXPECT_TRUE(Sets().isEmpty());
    EXPECT_EQ(request->Mode, RM_ASYNC);
    EXPECT_EQ(request->Request.List.GetVar(1)->Access & ACC_INVALID, 0u); // marks taken off
}

TEST_F(EditorPage, SetCheckedFormatOnAComboRaises) {
    Open();
    try {
        panel->SetVarFormat(1, "%s");
        FAIL();
    } catch (const QsException& e) {
        EXPECT_STREQ(e.what(), "Can not set Var format to a ComboBox!");
    }
}

TEST_F(EditorPage, ReadsAndSendsExactlyTheTwoTickedInOneSet) {
    Open();
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return ReadDone(); }));
        EXPECT_EQ(Edit(0)->Text(), "lab-switch");
        EXPECT_EQ(Combo(1)->Text(), "enabled");
        EXPECT_EQ(Edit(2)->Text(), "10.0.0.1");
        EXPECT_EQ(Edit(3)->Text(), "300");
        EXPECT_EQ(Edit(4)->Text(), "12345");
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^Get: Ok! Request:Lab Settings\\. Receive at "
                                                      "\\d\\d:\\d\\d:\\d\\d\\.$"))
                        .match(Status())
                        .hasMatch())
            << Status().toStdString();
        Edit(0)->SetText(QStringLiteral("lab-2"));
        Edit(3)->SetText(QStringLiteral("600"));
        Box(0)->SetChecked(true);
        Box(3)->SetChecked(true);
        panel->BtnPanel->SetCheckedBtn->Click();
        EXPECT_TRUE(Status().startsWith(QStringLiteral("Set: Ok! Request:Lab Settings. Receive at ")))
            << Status().toStdString();
    }));
    EXPECT_EQ(Sets(), QStringList({"1.1.0=STRING:lab-2 1.4.0=INTEGER:600"}));
    EXPECT_TRUE(messages.Texts().isEmpty());
}

TEST_F(EditorPage, RefusedSetGoesToAMessageBoxNotToSuccess) {
    Open();
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return ReadDone(); }));
        Edit(3)->SetText(QStringLiteral("5000")); // beyond the agent's range
        Box(3)->SetChecked(true);
        panel->BtnPanel->SetCheckedBtn->Click();
        EXPECT_FALSE(Status().startsWith(QStringLiteral("Set: Ok!")));
    }));
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(messages.boxes[0].caption, "KRS-5400MX-28Module");
    EXPECT_EQ(Sets().size(), 1);
}

TEST_F(EditorPage, WaitingDialogFollowsASuccessfulSetOnly) {
    Open();
    panel->ShowWaitAfterSet = true;
    panel->WaitTime = 300;
    qint64 afterGood = 0;
    qint64 afterBad = 0;
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return ReadDone(); }));
        Box(3)->SetChecked(true);
        QElapsedTimer clock;
        clock.start();
        panel->BtnPanel->SetCheckedBtn->Click();
        afterGood = clock.restart();
        Edit(3)->SetText(QStringLiteral("5000"));
        panel->BtnPanel->SetCheckedBtn->Click();
        afterBad = clock.elapsed();
    }));
    EXPECT_GE(afterGood, 290);
    EXPECT_LT(afterBad, 290);
}

TEST_F(EditorPage, SetTimeOutGoesToAMessageBox) {
    Open(ScalarTable(), 9); // nothing answers there
    Edit(3)->SetText(QStringLiteral("60"));
    Box(3)->SetChecked(true);
    panel->BtnPanel->SetCheckedBtn->Click();
    ASSERT_EQ(messages.boxes.size(), 1);
    EXPECT_EQ(messages.boxes[0].caption, "KRS-5400MX-28Module");
    EXPECT_FALSE(Status().startsWith(QStringLiteral("Set: Ok!")));
    EXPECT_EQ(request->Mode, RM_ASYNC);
}

TEST_F(EditorPage, HiddenItemIsSentOnceCheckAllTicksIt) {
    Open();
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return ReadDone(); }));
        panel->EditsPanel->HideItem(3);
        Edit(3)->SetText(QString()); // an empty hidden integer goes out as 0
        panel->BtnPanel->CheckAllBtn->Click();
        panel->BtnPanel->SetCheckedBtn->Click();
    }));
    ASSERT_EQ(Sets().size(), 1);
    EXPECT_TRUE(Sets()[0].contains(QStringLiteral("1.4.0=INTEGER:0"))) << Sets()[0].toStdString();
}

TEST_F(EditorPage, ReadTimeOutReachesTheStatusLine) {
    Open(ScalarTable(), 9); // nothing answers there
    ASSERT_TRUE(RunModal(page.get(), [&] { ASSERT_TRUE(WaitFor([&] { return ReadDone(); }, 8000)); }));
    EXPECT_FALSE(Status().startsWith(QStringLiteral("Get: Ok!")));
    EXPECT_TRUE(Status().startsWith(QStringLiteral("Get: "))) << Status().toStdString();
}

} // namespace
} // namespace qs::test
