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
    FillButtonColumn(*this, column, {"Label3", &Label3, "StaticText1", &StaticText1},
                     {{&btnGet, "btnGet", "Refresh", [this] { btnGetClick(); }},
                      {&btnAdd, "btnAdd", "Add", [this] { btnAddClick(); }},
                      {&btnEdit, "btnEdit", "Set", [this] { btnEditClick(); }},
                      {&btnDelete, "btnDelete", "Delete", [this] { btnDeleteClick(); }},
                      {&btnClose, "btnClose", "Close", [this] { Close(); }},
                      {&Button1, "Button1", "Stop", [] {}}});
    Button1->SetVisible(false); // its handler does nothing
}

} // namespace qs
