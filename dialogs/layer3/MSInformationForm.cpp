#include "MSInformationForm.h"

#include "Button.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "ListView.h"
#include "MSEditForm.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "RowSelection.h"
#include "SharedOptions.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

TMSInformationForm* MSInformationForm = nullptr;

namespace {

const QsSNMPVarDesc* MemberListVars() {
    static const QsOptionList rowStatus(RowStatusShortOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.8.1.3.1.1", "ID", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.8.1.3.1.2", "Device Name", SYN_DISPLAYSTR, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.8.1.3.1.3", "MAC Address", SYN_MACADDRESS, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.8.1.3.1.4", "Firmware Version", SYN_DISPLAYSTR, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.8.1.3.1.5", "Capability", SYN_DISPLAYSTR, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.8.1.3.1.6", "Platform", SYN_DISPLAYSTR, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.8.1.3.1.7", "Hold Time", SYN_INTEGER, ACC_READONLY},
        {"1.3.6.1.4.1.58613.12.8.1.3.1.8", "Member Candidate ID", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.8.1.3.1.9", "Member Password", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.8.1.3.1.10", "Member Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

constexpr int kCreateAndGo = 1; // position in the sub-dialog's Row_Status
constexpr int kTimeout = 500;

} // namespace

TMSInformationForm::TMSInformationForm(TComponent* owner)
    : FeatureDialog(owner, "MSInformationForm", QStringLiteral("Member Switch Information"), QSize(940, 330),
                    0) {
    BuildControls();
    DeleteButton->SetEnabled(false);
    OnCreate = [this](TObject*) { FormCreate(); };
}

TMSInformationForm::~TMSInformationForm() {
    Shutdown.Run();
    delete Editor;
    MSEditForm = nullptr;
}

void TMSInformationForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "Panel1");
    column->SetAlign(alRight);
    column->SetWidth(110);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    qs::FillButtons(*this, column,
                    {{&GetButton, "GetButton", "Refresh", [this] { GetButtonClick(); }},
                     {&AddButton, "AddButton", "Add", [this] { AddButtonClick(); }},
                     {&DeleteButton, "DeleteButton", "Delete", [this] { DeleteButtonClick(); }},
                     {&CloseButton, "CloseButton", "Close", [this] { Close(); }}});
    EditButton = MakeButton(column, "EditButton", "Edit", [] {});
    EditButton->SetVisible(false);
    StaticText1 = Make<TStaticText>(column, "StaticText1");
    StaticText1->SetVisible(false);
    qs::FollowRowCount(ListView1, StaticText1);
}

void TMSInformationForm::FormCreate() {
    Editor = new TMSEditForm(this, ListView1, StatusOut());
    MSEditForm = Editor;
    ListRequest = MakeTableRequest(ListView1);
    Handle([this] {
        ListRequest->Request.List = QsSNMPVarList(MemberListVars(), MVT_UMV, 1);
        ListRequest->BindListView(ListView1, true);
        ListRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
        StatusOut().AttachTo(*ListRequest);
        ListRequest->Request.Timeout = kTimeout;
        ListRequest->Refresh();
    });
}

void TMSInformationForm::ReadList() {
    qs::EndRunningRead(*ListRequest);
    ListRequest->Refresh();
}

void TMSInformationForm::GetButtonClick() {
    if (RequestsEnded()) {
        return;
    }
    Handle([this] { ReadList(); });
    DeleteButton->SetEnabled(false);
}

void TMSInformationForm::ListView1Click() {
    DeleteButton->SetEnabled(ListView1->Selected() != nullptr);
}

void TMSInformationForm::AddButtonClick() {
    if (RequestsEnded()) {
        return;
    }
    Editor->EditMode = TMSEditForm::Mode::Add;
    Editor->Row_Status->SetItemIndex(kCreateAndGo);
    Editor->FormActivate();
    Editor->ShowModal();
    if (!RequestsEnded()) {
        Handle([this] { ReadList(); });
    }
}

void TMSInformationForm::DeleteButtonClick() {
    if (RequestsEnded()) {
        return;
    }
    const TListItem* row = ListView1->Selected();
    if (row == nullptr) {
        ShowMessage(QStringLiteral("Choose the item first."));
        DeleteButton->SetFocus();
        return;
    }
    const QString id = row->Caption();
    Handle([&] {
        Editor->DeleteMember(id);
        ReadList();
    });
    DeleteButton->SetEnabled(false);
}
