// The editor grid's dependency rules, the "active" rule of Set Checked, and the port-list
// picker's dialog.

#include "PageSimSupport.h"

#include <QApplication>
#include <QTimer>

namespace qs::test {
namespace {

const QsOption kPortType[] = {{1, "none"}, {2, "uplink"}, {3, "tunnel"}, {}};
const QsOption kState[] = {{2, "disabled"}, {1, "enabled"}, {}};
const QsOption kRowState[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {}};
const QsOptionList& PortTypes() {
    static const QsOptionList list(kPortType, OVT_INT);
    return list;
}
const QsOptionList& States() {
    static const QsOptionList list(kState, OVT_INT);
    return list;
}
const QsOptionList& RowStates() {
    static const QsOptionList list(kRowState, OVT_INT);
    return list;
}

const QsSNMPVarDesc kTunnel[] = {
    {"1.3.6.1.4.1.99998.3.1", "Port", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.99998.3.2", "Port Type", SYN_INTEGER, ACC_READWRITE, &PortTypes()},
    {"1.3.6.1.4.1.99998.3.3", "STP State", SYN_INTEGER, ACC_READWRITE, &States()},
    {"1.3.6.1.4.1.99998.3.4", "GVRP State", SYN_INTEGER, ACC_READWRITE, &States()},
    {nullptr},
};
// A table whose second key is shown in a combo box, and a writable combo that depends on it.
const QsOption kMedium[] = {{100, "copper"}, {101, "fiber"}, {}};
const QsOptionList& Media() {
    static const QsOptionList list(kMedium, OVT_INT);
    return list;
}
const QsSNMPVarDesc kKeyed[] = {
    {"1.3.6.1.4.1.99998.4.1.1", "Port", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.99998.4.1.2", "Medium", SYN_INTEGER, ACC_READONLY, &Media()},
    {"1.3.6.1.4.1.99998.4.1.3", "Flow Control", SYN_INTEGER, ACC_READWRITE, &States()},
    {nullptr},
};
// One writable variable whose option list holds "active"; the agent stores 1 there.
const QsSNMPVarDesc kActive[] = {
    {"1.3.6.1.4.1.99998.1.2", "Row State", SYN_INTEGER, ACC_READWRITE, &RowStates()},
    {"1.3.6.1.4.1.99998.1.5", "Uptime", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

class GridRules : public PageSimTest {
protected:
    TSNMPEditorPanel* Open(const QsSNMPVarDesc* table) {
        page = std::make_unique<TConfigForm>();
        request = Aimed(page.get(), table, SVT_SV, 0, "Rules");
        return panel = page->SetEditorPage(request);
    }
    TComboBox* Combo(int i) const { return dynamic_cast<TComboBox*>(panel->EditsPanel->Items[i].Control); }
    // A user's choice: the combo's change event, through whatever the request hooked into it.
    void Choose(int i, const char* text) const {
        Combo(i)->SetText(QString::fromLatin1(text));
        Combo(i)->OnChange(Combo(i));
    }
    std::unique_ptr<TConfigForm> page;
    QsSNMPRequest2Edits* request = nullptr;
    TSNMPEditorPanel* panel = nullptr;
};

TEST_F(GridRules, TunnelEnablesItsDependentsAndOtherTypesGreyThem) {
    Open(kTunnel);
    Combo(1)->Tag = 23;
    Combo(2)->Tag = 3001;
    Combo(3)->Tag = 2001;
    Choose(1, "tunnel");
    for (int i : {2, 3}) {
        EXPECT_TRUE(Combo(i)->Enabled()) << i;
        EXPECT_EQ(Combo(i)->Text(), "enabled") << i;
    }
    Choose(1, "uplink");
    for (int i : {2, 3}) {
        EXPECT_FALSE(Combo(i)->Enabled()) << i;
        EXPECT_EQ(Combo(i)->Text(), "disabled") << i;
    }
    Choose(2, "enabled"); // never "tunnel": greys Port Type and sets its first entry
    EXPECT_FALSE(Combo(1)->Enabled());
    EXPECT_EQ(Combo(1)->Text(), "none");
}

// A key item names the row a SET goes to: the rule greys it but never changes or enables it.
TEST_F(GridRules, KeyItemsAreGreyedButKeepTheirValue) {
    page = std::make_unique<TConfigForm>();
    request = Aimed(page.get(), kKeyed, MVT_UMV, 2, "Keyed");
    panel = page->SetListViewPage(request, -1, nullptr, -1, nullptr);
    Combo(1)->SetText(QStringLiteral("fiber"));
    Combo(2)->Tag = 1;
    Choose(2, "enabled");
    EXPECT_FALSE(Combo(1)->Enabled());
    EXPECT_EQ(Combo(1)->Text(), "fiber");
    Combo(2)->Tag = 2001;
    Combo(2)->SetItemIndex(-1);
    Combo(2)->OnChange(Combo(2)); // nothing chosen anywhere: dependents would be enabled
    EXPECT_FALSE(Combo(1)->Enabled());
    EXPECT_EQ(Combo(1)->Text(), "fiber");
}

TEST_F(GridRules, Tag100AndZeroApplyNoRule) {
    Open(kTunnel);
    Combo(1)->Tag = kActiveAllowedTag;
    Choose(1, "uplink");
    EXPECT_TRUE(Combo(2)->Enabled());
    Combo(1)->Tag = 0;
    Choose(1, "uplink");
    EXPECT_TRUE(Combo(2)->Enabled());
}

// The lone writable variable read as "active", its box hidden: it is left out, and the SET
// goes out without it.
TEST_F(GridRules, ActiveValueBehindAHiddenBoxIsLeftOut) {
    Open(kActive);
    ASSERT_FALSE(panel->EditsPanel->Items[0].CheckBox->Visible());
    ASSERT_TRUE(RunModal(page.get(), [&] {
        ASSERT_TRUE(WaitFor([&] { return panel->StatusBar->SimpleText().startsWith("Get:"); }));
        EXPECT_EQ(Combo(0)->Text(), "active");
        Combo(0)->SetText(QStringLiteral("destroy")); // the rule looks at the value read
        panel->BtnPanel->SetCheckedBtn->Click();
        EXPECT_EQ(request->Request.List.GetVar(0)->Access & ACC_INVALID, 0u); // mark taken off
    }));
    EXPECT_TRUE(panel->StatusBar->SimpleText().startsWith(QStringLiteral("Set: Ok!")))
        << panel->StatusBar->SimpleText().toStdString();
    ASSERT_EQ(Sets().size(), 1);
    EXPECT_EQ(Sets()[0], "");
    EXPECT_EQ(panel->Request, nullptr); // freed by the close
}

TEST_F(GridRules, PortListOnlyOnPlainEdits) {
    Open(kTunnel);
    try {
        panel->EditsPanel->SetPortListItem(1, 12, 28);
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "You can only assign Octet Item to a Edit!");
    }
}

struct PickerView {
    int boxes = 0;
    QList<QRect> cells;
    int clientWidth = 0;
    QStringList buttons;
    int buttonsRight = 0;
};

// Opens the picker of the list page's port column and looks at it; ticks = box numbers to tick.
PickerView Pick(TEditsPanel* grid, int item, QList<int> ticks, bool ok) {
    PickerView view;
    QTimer::singleShot(0, [&] {
        auto* dialog = dynamic_cast<TForm*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        for (int n = 1;; ++n) {
            auto* box = dynamic_cast<TCheckBox*>(dialog->FindComponent(QStringLiteral("PortBox%1").arg(n)));
            if (!box) {
                break;
            }
            ++view.boxes;
            view.cells << QRect(box->Left(), box->Top(), box->Width(), box->Height());
            if (ticks.contains(n)) {
                box->SetChecked(true);
            }
        }
        for (const char* name : {"OKBtn", "CancelBtn", "CheckAllBtn", "ClearChecksBtn"}) {
            if (auto* b = dynamic_cast<TButton*>(dialog->FindComponent(QString::fromLatin1(name)))) {
                view.buttons << b->Caption();
                view.buttonsRight = b->Left() + b->Width();
            }
        }
        view.clientWidth = dialog->ClientWidth();
        dynamic_cast<TButton*>(dialog->FindComponent(QString::fromLatin1(ok ? "OKBtn" : "CancelBtn")))
            ->Click();
    });
    auto* edit = dynamic_cast<TEdit*>(grid->Items[item].Control);
    edit->OnClick(edit);
    return view;
}

TEST_F(GridRules, PortPickerShowsTheBitsAndWritesThemBack) {
    page = std::make_unique<TConfigForm>();
    request = Aimed(page.get(), RowTable(), MVT_FMV, 1, "Rows");
    TSNMPListViewPanel* list = page->SetListViewPage(request, 3, "createAndGo", 3, "destroy");
    TEditsPanel* grid = list->EditsPanel;
    grid->SetPortListItem(2, 12, 28);
    auto* edit = dynamic_cast<TEdit*>(grid->Items[2].Control);
    EXPECT_TRUE(edit->ReadOnly());
    request->Request.List.GetVar(2)->Value = "E8000000";
    request->ShowValues(2);
    EXPECT_EQ(edit->Text(), "1-3,5");

    PickerView view = Pick(grid, 2, {28}, true);
    EXPECT_EQ(view.boxes, 28);
    EXPECT_EQ(view.cells[0].left(), 10);
    EXPECT_EQ(view.cells[11].top(), view.cells[0].top()); // twelve to a row
    EXPECT_GT(view.cells[12].top(), view.cells[11].top());
    EXPECT_EQ(view.cells[11].left(), 230);
    EXPECT_EQ(view.cells[12].left(), 10);
    EXPECT_EQ(view.cells[27].left(), 70);
    EXPECT_EQ(view.cells[24].top(), view.cells[0].top() + 2 * (view.cells[12].top() - view.cells[0].top()));
    EXPECT_EQ(view.buttons, QStringList({"OK", "Cancel", "Check All", "Clear Checks"}));
    EXPECT_GE(view.clientWidth, 310);
    EXPECT_LE(view.buttonsRight + 10, view.clientWidth); // every button fits
    EXPECT_EQ(edit->Text(), "1-3,5,28");
    EXPECT_EQ(request->Request.List.GetVar(2)->Value, "E8000010");

    view = Pick(grid, 2, {1, 2, 3, 4}, false); // Cancel changes nothing
    EXPECT_EQ(edit->Text(), "1-3,5,28");
    EXPECT_EQ(request->Request.List.GetVar(2)->Value, "E8000010");
}

} // namespace
} // namespace qs::test
