#include "LoginMethodListForm.h"

#include "AccessMarks.h"
#include "Application.h"
#include "Button.h"
#include "ComboBox.h"
#include "DialogHelpers.h"
#include "Dialogs.h"
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

TLoginMethodListForm* LoginMethodListForm = nullptr;

namespace qs {

namespace {
bool IsSet(const QString& type) {
    return !type.isEmpty() && type != QLatin1String("other");
}
bool IsFinal(const QString& type) {
    return type == QLatin1String("local") || type == QLatin1String("local-enable") ||
           type == QLatin1String("none");
}
} // namespace

bool MethodOrderHolds(const MethodTypes& types) {
    bool finalSeen = false;
    for (const QString& type : types) {
        if (finalSeen && IsSet(type)) {
            return false;
        }
        finalSeen = finalSeen || (IsSet(type) && IsFinal(type));
    }
    return true;
}

std::vector<int> MethodsLeftOut(const MethodTypes& types) {
    std::vector<int> out;
    bool finalSeen = false;
    for (int i = 0; i < 4; ++i) {
        const QString& type = types[static_cast<std::size_t>(i)];
        if (finalSeen || !IsSet(type)) {
            out.push_back(i);
        }
        finalSeen = finalSeen || (IsSet(type) && IsFinal(type));
    }
    return out;
}

} // namespace qs

namespace {

const QsOption LoginMethodOptions[] = {{9, "other"},       {1, "tacacs"}, {2, "xtacacs"},
                                       {3, "tacacs-plus"}, {4, "RADIUS"}, {5, "server-group"},
                                       {6, "local"},       {8, "none"},   {}};
const QsOption EnableMethodOptions[] = {{9, "other"},        {1, "tacacs"}, {2, "xtacacs"},
                                        {3, "tacacs-plus"},  {4, "RADIUS"}, {5, "server-group"},
                                        {7, "local-enable"}, {8, "none"},   {}};

// The table of the mode: login lists under .3, enable lists under .4.
QsSNMPVarList MethodVars(int mode) {
    static const QsOptionList loginTypes(LoginMethodOptions, OVT_INT);
    static const QsOptionList enableTypes(EnableMethodOptions, OVT_INT);
    static const QsOptionList rowStatus(RowStatusOptions, OVT_INT);
    static const char* const names[] = {"Name",
                                        "Method 1 Type",
                                        "Method 1 Server Group",
                                        "Method 2 Type",
                                        "Method 2 Server Group",
                                        "Method 3 Type",
                                        "Method 3 Server Group",
                                        "Method 4 Type",
                                        "Method 4 Server Group",
                                        "Row Status"};
    static std::array<std::array<std::string, 10>, 2> oids;
    static std::array<std::array<QsSNMPVarDesc, 11>, 2> tables;
    const std::size_t m = mode == 1 ? 1 : 0;
    const QsOptionList* types = mode == 1 ? &loginTypes : &enableTypes;
    for (std::size_t i = 0; i < 10; ++i) {
        oids[m][i] =
            std::string("1.3.6.1.4.1.58613.12.5.") + (mode == 1 ? "3" : "4") + ".1." + std::to_string(i + 1);
        const bool type = i >= 1 && i <= 7 && i % 2 == 1;
        tables[m][i] = {oids[m][i].c_str(), names[i],
                        type || i == 9 ? static_cast<std::uint32_t>(SYN_INTEGER)
                                       : static_cast<std::uint32_t>(SYN_DISPLAYSTR),
                        i == 0 ? static_cast<std::uint32_t>(ACC_NOTACCESS)
                               : static_cast<std::uint32_t>(ACC_READWRITE),
                        type ? types : (i == 9 ? &rowStatus : nullptr)};
    }
    tables[m][10] = {nullptr};
    return QsSNMPVarList(tables[m].data(), MVT_UMV, 1);
}

using C = TLoginMethodListForm::Column;
constexpr int kCreateAndGo = 3; // position in the row-status combo
constexpr int kServerGroup = 5; // position in the type combos

} // namespace

TLoginMethodListForm::TLoginMethodListForm(TComponent* owner, int mode)
    : FeatureDialog(owner, "LoginMethodListForm", QStringLiteral("Login Method List"), QSize(760, 470)),
      Mode(mode), rowButtons_({}, {}) {
    BuildControls();
    rowButtons_ = qs::RowButtons({EditButton, DeleteButton}, {ListnameEdit, AddButton});
    OnCreate = [this](TObject*) { FormCreate(); };
}

TLoginMethodListForm::~TLoginMethodListForm() {
    Shutdown.Run();
}

void TLoginMethodListForm::BuildControls() {
    MakeStatusBar(true);
    auto* group = Make<TPanel>(nullptr, "Panel1");
    group->SetAlign(alBottom);
    group->SetHeight(176);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    BuildEditors(group);
    BuildButtonColumn(column);
    qs::FollowRowCount(ListView1, StaticText1);
}

void TLoginMethodListForm::BuildEditors(TPanel* group) {
    NameLabel = Make<TLabel>(group, "NameLabel");
    NameLabel->SetCaption(QStringLiteral("Name"));
    NameLabel->SetBounds(8, 13, 140, 16);
    ListnameEdit = Make<TEdit>(group, "ListnameEdit");
    ListnameEdit->SetBounds(152, 10, 150, 22);
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::string n = std::to_string(i + 1);
        const int top = 44 + 32 * i;
        TypeLabels[k] = Make<TLabel>(group, ("TypeLabel" + n).c_str());
        TypeLabels[k]->SetCaption(QStringLiteral("Method %1 Type").arg(i + 1));
        TypeLabels[k]->SetBounds(8, top + 3, 140, 16);
        ComboBoxType[k] = Make<TComboBox>(group, ("ComboBoxType" + n).c_str());
        ComboBoxType[k]->SetBounds(152, top, 150, 22);
        ComboBoxType[k]->OnChange = [this, i](TObject*) { Handle([this, i] { ComboBoxTypeChange(i); }); };
        ServerLabels[k] = Make<TLabel>(group, ("ServerLabel" + n).c_str());
        ServerLabels[k]->SetCaption(QStringLiteral("Method %1 Server Group").arg(i + 1));
        ServerLabels[k]->SetBounds(320, top + 3, 160, 16);
        ServerEdit[k] = Make<TEdit>(group, ("Server" + n + "Edit").c_str());
        ServerEdit[k]->SetBounds(484, top, 150, 22);
        ServerEdit[k]->SetEnabled(false);
    }
    RowLabel = Make<TLabel>(group, "RowLabel");
    RowLabel->SetCaption(QStringLiteral("Row Status"));
    RowComboBox = Make<TComboBox>(group, "RowComboBox");
    RowLabel->SetVisible(false);
    RowComboBox->SetVisible(false);
}

void TLoginMethodListForm::BuildButtonColumn(TPanel* column) {
    qs::FillButtonColumn(*this, column, {"SamplesLabel", &SamplesLabel, "StaticText1", &StaticText1},
                         {{&GetButton, "GetButton", "Refresh", [this] { GetButtonClick(); }},
                          {&EditButton, "EditButton", "Edit", [this] { EditButtonClick(); }},
                          {&AddButton, "AddButton", "Add", [this] { AddButtonClick(); }},
                          {&DeleteButton, "DeleteButton", "Delete", [this] { DeleteButtonClick(); }},
                          {&btnClose, "btnClose", "Close", [this] { Close(); }}});
}

void TLoginMethodListForm::FormCreate() {
    MethodRequest = MakeTableRequest(ListView1);
    Handle([this] {
        MethodRequest->Request.List = MethodVars(Mode);
        MethodRequest->Mode = RM_BLOCKING;
        MethodRequest->BindListView(ListView1, true);
        MethodRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
        MethodRequest->BindEdits(C::kName, "%s{l15}", {ListnameEdit});
        for (int i = 0; i < 4; ++i) {
            const auto k = static_cast<std::size_t>(i);
            MethodRequest->BindComboBox(TypeColumn(i), ComboBoxType[k]);
            MethodRequest->BindEdits(ServerColumn(i), "%s{l15}", {ServerEdit[k]});
        }
        MethodRequest->BindComboBox(C::kRowStatus, RowComboBox);
        StatusOut().AttachTo(*MethodRequest);
        ClearControls(this, true, true, true);
        RowComboBox->SetItemIndex(kCreateAndGo);
        rowButtons_.Show(false);
        qs::RefreshShown(*MethodRequest);
    });
    qs::ShowRowCount(ListView1, StaticText1);
}

void TLoginMethodListForm::ClearEditors() {
    ClearControls(this, true, true, true);
    if (ListView1->ItemCount() == 0) {
        StaticText1->SetCaption(QStringLiteral("0"));
    }
}

void TLoginMethodListForm::AddState() {
    rowButtons_.Show(false);
    ClearEditors();
}

void TLoginMethodListForm::GetButtonClick() {
    if (RequestsEnded() || MethodRequest->Busy) {
        return;
    }
    Handle([this] { qs::RefreshShown(*MethodRequest); });
    AddState();
}

void TLoginMethodListForm::ListView1Click() {
    const TListItem* row = ListView1->Selected();
    rowButtons_.Show(row != nullptr);
    if (row != nullptr && row->Caption() == QLatin1String("default")) {
        DeleteButton->SetEnabled(false);
    }
}

// Runs on the user's choice only: a row shown by the framework keeps its server-group names.
void TLoginMethodListForm::ComboBoxTypeChange(int method) {
    const auto k = static_cast<std::size_t>(method);
    ServerEdit[k]->SetEnabled(ComboBoxType[k]->ItemIndex() == kServerGroup);
    ServerEdit[k]->SetText(QString());
}

qs::MethodTypes TLoginMethodListForm::Types() const {
    qs::MethodTypes types;
    for (std::size_t k = 0; k < 4; ++k) {
        types[k] = ComboBoxType[k]->Text();
    }
    return types;
}

bool TLoginMethodListForm::OrderAccepted(bool& trim) const {
    trim = false;
    if (qs::MethodOrderHolds(Types())) {
        return true;
    }
    const int answer =
        MessageBox(Widget(),
                   QStringLiteral("Method(s) after method local and none is(are) ineffective. Do you want to "
                                  "change your configurations?"),
                   Application ? Application->Title : QString(), MB_YESNO | MB_ICONQUESTION);
    trim = answer == IDNO;
    return trim;
}

void TLoginMethodListForm::Write(bool add, bool trim) {
    const qs::MethodTypes types = Types();
    const bool ok = Handle([&] {
        qs::AccessMarks marks(MethodRequest->Request.List);
        for (int i = 0; i < 4; ++i) {
            if (ServerEdit[static_cast<std::size_t>(i)]->Text().isEmpty()) {
                marks.Exclude({ServerColumn(i)});
            }
        }
        if (trim) {
            for (const int i : qs::MethodsLeftOut(types)) {
                marks.Exclude({TypeColumn(i), ServerColumn(i)});
            }
        }
        if (add) {
            RowComboBox->SetItemIndex(kCreateAndGo);
        } else {
            marks.Exclude({C::kRowStatus});
        }
        MethodRequest->Apply(false, true, std::string(), nullptr);
    });
    if (ok) {
        Handle([this] { qs::RefreshShown(*MethodRequest); });
    }
    AddState();
}

void TLoginMethodListForm::AddButtonClick() {
    if (RequestsEnded() || MethodRequest->Busy) {
        return;
    }
    const QString name = ListnameEdit->Text();
    const char* refusal = nullptr;
    if (name.isEmpty()) {
        refusal = "Name must be set.";
    }
    for (int i = 0; !refusal && i < ListView1->ItemCount(); ++i) {
        if (ListView1->Item(i)->Caption() == name) {
            refusal =
                "Has already a record with the same Login Method List Name. Please Change Login Method List "
                "Name.";
        }
    }
    if (refusal) {
        ShowMessage(QString::fromLatin1(refusal));
        if (ListnameEdit->isEnabled()) {
            ListnameEdit->SetFocus();
        }
        return;
    }
    bool trim = false;
    if (OrderAccepted(trim)) {
        Write(true, trim);
    }
}

void TLoginMethodListForm::EditButtonClick() {
    if (RequestsEnded() || MethodRequest->Busy || ListView1->Selected() == nullptr) {
        return;
    }
    if (ListnameEdit->Text().isEmpty()) {
        ShowMessage(QStringLiteral("Name must be set."));
        return;
    }
    bool trim = false;
    if (OrderAccepted(trim)) {
        Write(false, trim);
    }
}

// Delete destroys the selected row, with the key taken from that row; "default" stays.
void TLoginMethodListForm::DeleteButtonClick() {
    const TListItem* row = ListView1->Selected();
    if (RequestsEnded() || MethodRequest->Busy || row == nullptr ||
        row->Caption() == QLatin1String("default")) {
        return;
    }
    Handle([this] {
        MethodRequest->RowToValues();
        DeleteRow(MethodRequest, C::kRowStatus, "destroy");
    });
    AddState();
}
