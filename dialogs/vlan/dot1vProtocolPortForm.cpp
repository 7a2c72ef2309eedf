#include "dot1vProtocolPortForm.h"

#include "AccessMarks.h"
#include "Button.h"
#include "ComboBox.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "SharedOptions.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"
#include "WriteTaken.h"
#include "dot1vProtocolPortEdit.h"

Tdot1vProtocolPortForm* dot1vProtocolPortForm = nullptr;

namespace {

const QsOption GroupPriorityOptions[] = {{-1, "-"}, {0, "0"}, {1, "1"}, {2, "2"}, {3, "3"},
                                         {4, "4"},  {5, "5"}, {6, "6"}, {7, "7"}, {}};

const QsSNMPVarDesc* ProtocolPortVars() {
    static const QsOptionList priority(GroupPriorityOptions, OVT_INT);
    static const QsOptionList rowStatus(RowStatusShortOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {kIndexOid, "Base Port", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.2.1.17.7.1.5.2.1.1", "Group ID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.2.1.17.7.1.5.2.1.2", "Group VID", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.16.1.2.1.1", "Group Priority", SYN_INTEGER, ACC_READWRITE, &priority},
        {"1.3.6.1.2.1.17.7.1.5.2.1.3", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

using C = Tdot1vProtocolPortForm::Column;
constexpr int kWritten[] = {C::kGroupVid, C::kGroupPriority, C::kRowStatus};
constexpr int kCreateAndGo = 1; // positions in the status combo
constexpr int kDestroy = 2;

} // namespace

Tdot1vProtocolPortForm::Tdot1vProtocolPortForm(TComponent* owner)
    : FeatureDialog(owner, "dot1vProtocolPortForm", QStringLiteral("Protocol VLAN Port Table"),
                    QSize(560, 380)),
      rowButtons_({}, {}) {
    BuildControls();
    rowButtons_ = qs::RowButtons({Btn_Delete, Btu_Edit}, {Btn_Add});
    OnCreate = [this](TObject*) { FormCreate(); };
}

Tdot1vProtocolPortForm::~Tdot1vProtocolPortForm() {
    Shutdown.Run();
    delete Editor;
    dot1vProtocolPortEdit = nullptr;
}

void Tdot1vProtocolPortForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel1");
    column->SetAlign(alRight);
    column->SetWidth(110);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    ListView1->OnDblClick = [this](TObject*) { Handle([this] { Btu_EditClick(); }); };
    qs::FillButtonColumn(*this, column, {"Samples", &Samples, "StaticText1", &StaticText1},
                         {{&btn_Get, "btn_Get", "Refresh", [this] { btn_GetClick(); }},
                          {&Btn_Add, "Btn_Add", "Add", [this] { Btn_AddClick(); }},
                          {&Btn_Delete, "Btn_Delete", "Delete", [this] { Btn_DeleteClick(); }},
                          {&Btu_Edit, "Btu_Edit", "Edit", [this] { Btu_EditClick(); }},
                          {&Btn_Close, "Btn_Close", "Close", [this] { Close(); }}});
    qs::FollowRowCount(ListView1, StaticText1);
}

void Tdot1vProtocolPortForm::FormCreate() {
    Editor = new Tdot1vProtocolPortEdit(nullptr, [this] { return WriteFromEditor(); });
    dot1vProtocolPortEdit = Editor;
    PortRequest = MakeTableRequest(ListView1);
    Handle([this] {
        PortRequest->Request.List = QsSNMPVarList(ProtocolPortVars(), MVT_UMV, 2);
        PortRequest->BindListView(ListView1, true);
        PortRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
        BindEditor();
        StatusOut().AttachTo(*PortRequest);
        PortRequest->Refresh();
    });
    qs::ShowRowCount(ListView1, StaticText1);
    rowButtons_.Show(false);
}

void Tdot1vProtocolPortForm::BindEditor() {
    PortRequest->BindEdits(C::kBasePort, "%i", {Editor->edt_baseport});
    PortRequest->BindEdits(C::kGroupId, "%i{n1x2147483647}", {Editor->edt_groupid});
    PortRequest->BindEdits(C::kGroupVid, "%i{n1x4094}", {Editor->edt_groupvid});
    PortRequest->BindComboBox(C::kGroupPriority, Editor->edt_grouppri);
    PortRequest->BindComboBox(C::kRowStatus, Editor->state);
}

void Tdot1vProtocolPortForm::btn_GetClick() {
    if (RequestsEnded()) {
        return;
    }
    Handle([this] { PortRequest->Refresh(); });
    qs::ShowRowCount(ListView1, StaticText1);
    rowButtons_.Show(false);
}

void Tdot1vProtocolPortForm::ListView1Click() {
    rowButtons_.Show(ListView1->Selected() != nullptr);
}

void Tdot1vProtocolPortForm::Btn_AddClick() {
    Editor->state->SetItemIndex(kCreateAndGo);
    for (TEdit* key : {Editor->edt_baseport, Editor->edt_groupid, Editor->edt_groupvid}) {
        key->SetText(QString());
        key->SetEnabled(true);
    }
    Editor->edt_grouppri->SetItemIndex(0);
    ShowEditor(false);
}

void Tdot1vProtocolPortForm::Btu_EditClick() {
    for (TEdit* key : {Editor->edt_baseport, Editor->edt_groupid, Editor->edt_groupvid}) {
        key->SetEnabled(false);
    }
    ShowEditor(true);
}

void Tdot1vProtocolPortForm::ShowEditor(bool edit) {
    EditMode = edit;
    Editor->SetCaption(edit ? QStringLiteral("Protocol VLAN Port Edit Table")
                            : QStringLiteral("Protocol VLAN Port Add Table"));
    Editor->ShowModal();
}

// An Add creates the row first; the group's VLAN and priority follow once the agent took it.
bool Tdot1vProtocolPortForm::WriteFromEditor() {
    if (RequestsEnded()) {
        return false;
    }
    const auto send = [this](qs::SetStep step) {
        return qs::WriteTaken(
            *PortRequest,
            [&] {
                bool sent = false;
                Handle([&] { sent = qs::SendSequence(*PortRequest, kWritten, {step}, true); });
                return sent;
            },
            [this] { return RequestsEnded(); });
    };
    bool taken = EditMode || send({C::kGroupPriority, C::kRowStatus});
    if (taken) {
        taken = qs::AwaitIdleForWrite(*PortRequest) && send({C::kGroupVid, C::kGroupPriority});
    }
    if (!RequestsEnded()) {
        qs::ShowRowCount(ListView1, StaticText1);
    }
    return taken;
}

void Tdot1vProtocolPortForm::Btn_DeleteClick() {
    if (RequestsEnded() || ListView1->Selected() == nullptr) {
        return;
    }
    Editor->state->SetItemIndex(kDestroy);
    Handle([this] { qs::SendSequence(*PortRequest, kWritten, {{C::kRowStatus}}, true); });
    qs::ShowRowCount(ListView1, StaticText1);
    rowButtons_.Show(false);
}
