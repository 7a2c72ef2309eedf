#include "AddressPortTableForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "RowSelection.h"
#include "StaticText.h"
#include "StatusBar.h"

namespace qs {

TPanel* AddressPortTableForm::BuildFrame() {
    MakeStatusBar(true);
    auto* lower = Make<TPanel>(nullptr, "Panel1");
    lower->SetAlign(alBottom);
    lower->SetHeight(260);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    auto* group = Make<TPanel>(lower, "GroupBox1");
    group->SetAlign(alTop);
    group->SetHeight(36);
    BuildEditors(group);
    BuildButtonColumn(column);
    FollowRowCount(ListView1, StaticText1);
    return lower;
}

void AddressPortTableForm::BuildEditors(TPanel* group) {
    Keys = FillAddressKeys(*this, group);
    Label1 = Keys.ipLabel;
    edtIpAddr = Keys.ip;
    Label2 = Keys.macLabel;
    edtMacAddr = Keys.mac;
    ComboStatus = Make<TComboBox>(group, "ComboStatus");
    LabelMode = Make<TLabel>(group, "LabelMode");
    LabelMode->SetCaption(QStringLiteral("Mode"));
    cbxMode = Make<TComboBox>(group, "cbxMode");
    for (TControl* hidden : std::initializer_list<TControl*>{ComboStatus, LabelMode, cbxMode}) {
        hidden->SetVisible(false);
    }
}

void AddressPortTableForm::BuildButtonColumn(TPanel* column) {
    const ButtonColumn made = FillButtonColumn(*this, column, "Label3", "Samples", "StaticText1",
                                               {{"btnGet", "Refresh", [this] { btnGetClick(); }},
                                                {"btnAdd", "Add", [this] { btnAddClick(); }},
                                                {"btnEdit", "Set", [this] { btnEditClick(); }},
                                                {"btnDelete", "Delete", [this] { btnDeleteClick(); }},
                                                {"btnClose", "Close", [this] { Close(); }},
                                                {"Button1", "Stop", [] {}}});
    Label3 = made.samples;
    StaticText1 = made.count;
    btnGet = made.buttons[0];
    btnAdd = made.buttons[1];
    btnEdit = made.buttons[2];
    btnDelete = made.buttons[3];
    btnClose = made.buttons[4];
    Button1 = made.buttons[5];
    Button1->SetVisible(false); // its handler does nothing
}

} // namespace qs
