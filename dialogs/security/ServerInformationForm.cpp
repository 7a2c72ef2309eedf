#include "ServerInformationForm.h"

#include "AccessMarks.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogHelpers.h"
#include "Dialogs.h"
#include "Edit.h"
#include "KeyText.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "SharedOptions.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

TServerInformationForm* ServerInformationForm = nullptr;

namespace {

const QsOption AuthProtocolOptions[] = {{1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "RADIUS"}, {}};

const QsSNMPVarDesc* ServerVars() {
    static const QsOptionList protocol(AuthProtocolOptions, OVT_INT);
    static const QsOptionList rowStatus(RowStatusOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.5.10.1.1", "IP Address", SYN_IPADDRESS, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.5.10.1.2", "Authentication Protocol", SYN_INTEGER, ACC_NOTACCESS, &protocol},
        {"1.3.6.1.4.1.58613.12.5.10.1.3", "Authentication Port", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.5.10.1.4", "Authentication Key", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.5.10.1.5", "Timeout", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.5.10.1.6", "Retry Count", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.5.10.1.7", "Row Status", SYN_INTEGER, ACC_READWRITE, &rowStatus},
        {nullptr},
    };
    return table;
}

using C = TServerInformationForm::Column;
constexpr int kCreateAndGo = 3; // position in the row-status combo

} // namespace

TServerInformationForm::TServerInformationForm(TComponent* owner)
    : FeatureDialog(owner, "ServerInformationForm", QStringLiteral("Server Information Table"),
                    QSize(700, 420)),
      rowButtons_({}, {}) {
    BuildControls();
    rowButtons_ = qs::RowButtons({EditButton, DeleteButton}, {IPEdit, ProtocolComboBox, AddButton});
    OnCreate = [this](TObject*) { FormCreate(); };
}

TServerInformationForm::~TServerInformationForm() {
    Shutdown.Run();
}

void TServerInformationForm::BuildControls() {
    MakeStatusBar(true);
    auto* group = Make<TPanel>(nullptr, "Panel1");
    group->SetAlign(alBottom);
    group->SetHeight(112);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    BuildEditors(group);
    BuildButtonColumn(column);
    qs::FollowRowCount(ListView1, Static);
}

void TServerInformationForm::BuildEditors(TPanel* group) {
    struct Field {
        const char* label;
        const char* name;
    };
    const Field fields[] = {{"IP Address", "IPEdit"},
                            {"Authentication Protocol", "ProtocolComboBox"},
                            {"Authentication Port", "PortEdit"},
                            {"Authentication Key", "KeyEdit"},
                            {"Timeout", "TimeoutEdit"},
                            {"Retry Count", "RetryCEdit"}};
    for (int i = 0; i < 6; ++i) {
        const int left = 8 + (i % 2) * 290;
        const int top = 10 + (i / 2) * 32;
        auto* label = Make<TLabel>(group, (std::string("Label") + std::to_string(i + 1)).c_str());
        label->SetCaption(QString::fromLatin1(fields[i].label));
        label->SetBounds(left, top + 3, 140, 16);
        TWinControl* editor = i == 1 ? static_cast<TWinControl*>(Make<TComboBox>(group, fields[i].name))
                                     : static_cast<TWinControl*>(Make<TEdit>(group, fields[i].name));
        editor->SetBounds(left + 144, top, 130, 22);
    }
    IPEdit = group->findChild<TEdit*>(QStringLiteral("IPEdit"));
    ProtocolComboBox = group->findChild<TComboBox*>(QStringLiteral("ProtocolComboBox"));
    PortEdit = group->findChild<TEdit*>(QStringLiteral("PortEdit"));
    KeyEdit = group->findChild<TEdit*>(QStringLiteral("KeyEdit"));
    TimeoutEdit = group->findChild<TEdit*>(QStringLiteral("TimeoutEdit"));
    RetryCEdit = group->findChild<TEdit*>(QStringLiteral("RetryCEdit"));
    RowLabel = Make<TLabel>(group, "RowLabel");
    RowLabel->SetCaption(QStringLiteral("Row Status"));
    RowComboBox = Make<TComboBox>(group, "RowComboBox");
    RowLabel->SetVisible(false);
    RowComboBox->SetVisible(false);
}

void TServerInformationForm::BuildButtonColumn(TPanel* column) {
    qs::FillButtonColumn(*this, column, {"SamplesLabel", &SamplesLabel, "Static", &Static},
                         {{&GetButton, "GetButton", "Refresh", [this] { GetButtonClick(); }},
                          {&EditButton, "EditButton", "Edit", [this] { EditButtonClick(); }},
                          {&AddButton, "AddButton", "Add", [this] { AddButtonClick(); }},
                          {&DeleteButton, "DeleteButton", "Delete", [this] { DeleteButtonClick(); }},
                          {&btnClose, "btnClose", "Close", [this] { Close(); }}});
}

void TServerInformationForm::FormCreate() {
    ServerRequest = MakeTableRequest(ListView1);
    Handle([this] {
        ServerRequest->Request.List = QsSNMPVarList(ServerVars(), MVT_UMV, 2);
        ServerRequest->Mode = RM_BLOCKING;
        ServerRequest->BindListView(ListView1, true);
        ServerRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
        ServerRequest->BindEdits(C::kIp, "%s{l16}", {IPEdit});
        ServerRequest->BindComboBox(C::kProtocol, ProtocolComboBox);
        ServerRequest->BindEdits(C::kPort, "%i{n1x65535l5}", {PortEdit});
        ServerRequest->BindEdits(C::kKey, "%s{l254}", {KeyEdit});
        ServerRequest->BindEdits(C::kTimeout, "%i{n1x255l3}", {TimeoutEdit});
        ServerRequest->BindEdits(C::kRetry, "%i{n1x255l3}", {RetryCEdit});
        ServerRequest->BindComboBox(C::kRowStatus, RowComboBox);
        StatusOut().AttachTo(*ServerRequest);
        RowComboBox->SetItemIndex(kCreateAndGo);
        ClearEditors();
        rowButtons_.Show(false);
        qs::RefreshShown(*ServerRequest);
    });
    qs::ShowRowCount(ListView1, Static);
}

void TServerInformationForm::ClearEditors() {
    for (TEdit* edit : {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit}) {
        edit->SetText(QString());
    }
    if (ListView1->ItemCount() == 0) {
        Static->SetCaption(QStringLiteral("0"));
    }
}

void TServerInformationForm::AddState() {
    rowButtons_.Show(false);
    ClearEditors();
}

void TServerInformationForm::GetButtonClick() {
    if (RequestsEnded() || ServerRequest->Busy) {
        return;
    }
    Handle([this] { qs::RefreshShown(*ServerRequest); });
    AddState();
}

void TServerInformationForm::ListView1Click() {
    if (ListView1->Selected() == nullptr) {
        AddState();
        return;
    }
    rowButtons_.Show(true);
}

bool TServerInformationForm::KeysPresent(bool focus) {
    if (IPEdit->Text().isEmpty()) {
        ShowMessage(QStringLiteral("Server IP must be set."));
        if (focus && IPEdit->isEnabled()) {
            IPEdit->SetFocus();
        }
        return false;
    }
    if (ProtocolComboBox->Text().isEmpty()) {
        ShowMessage(QStringLiteral("Protocol must be set."));
        if (focus && ProtocolComboBox->isEnabled()) {
            ProtocolComboBox->SetFocus();
        }
        return false;
    }
    return true;
}

// The address becomes the row's instance: four decimal parts, sent in plain form.
bool TServerInformationForm::AddressValid() {
    const std::optional<QString> address = qs::DottedQuadKey(IPEdit->Text());
    if (!address) {
        ShowMessage(QStringLiteral("Please input a valid IP."));
        if (IPEdit->isEnabled()) {
            IPEdit->SetFocus();
        }
        return false;
    }
    IPEdit->SetText(*address);
    return true;
}

bool TServerInformationForm::IsListed() const {
    for (int i = 0; i < ListView1->ItemCount(); ++i) {
        const TListItem* row = ListView1->Item(i);
        if (row->Caption() == IPEdit->Text() && row->SubItem(0) == ProtocolComboBox->Text()) {
            return true;
        }
    }
    return false;
}

void TServerInformationForm::Write(bool add) {
    const bool ok = Handle([&] {
        qs::AccessMarks marks(ServerRequest->Request.List);
        const std::pair<int, TEdit*> optional[] = {
            {C::kPort, PortEdit}, {C::kKey, KeyEdit}, {C::kTimeout, TimeoutEdit}, {C::kRetry, RetryCEdit}};
        for (const auto& [column, edit] : optional) {
            if (edit->Text().isEmpty()) {
                marks.Exclude({column});
            }
        }
        if (add) {
            RowComboBox->SetItemIndex(kCreateAndGo);
        } else {
            marks.Exclude({C::kRowStatus});
        }
        ServerRequest->Apply(false, true, std::string(), nullptr);
    });
    if (ok) {
        Handle([this] { qs::RefreshShown(*ServerRequest); });
    }
    AddState();
}

void TServerInformationForm::AddButtonClick() {
    if (RequestsEnded() || ServerRequest->Busy || !KeysPresent(true) || !AddressValid()) {
        return;
    }
    if (IsListed()) {
        ShowMessage(QStringLiteral("Has already a record with the same Server IP and Protocol. Please Change "
                                   "Server IP or Protocol."));
        if (IPEdit->isEnabled()) {
            IPEdit->SetFocus();
        }
        return;
    }
    Write(true);
}

void TServerInformationForm::EditButtonClick() {
    if (RequestsEnded() || ServerRequest->Busy || ListView1->Selected() == nullptr || !KeysPresent(false) ||
        !AddressValid()) {
        return;
    }
    Write(false);
}

// Delete destroys the selected row, with the keys taken from that row.
void TServerInformationForm::DeleteButtonClick() {
    if (RequestsEnded() || ServerRequest->Busy || ListView1->Selected() == nullptr) {
        return;
    }
    Handle([this] {
        ServerRequest->RowToValues();
        DeleteRow(ServerRequest, C::kRowStatus, "destroy");
    });
    AddState();
}
