#include "frmAgentSupportedUpdateFiles.h"

#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Edit.h"
#include "IPv4Text.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "RowSelection.h"
#include "SharedOptions.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"

TfrmAgentSupportedUpdateFiles* frmAgentSupportedUpdateFiles = nullptr;

namespace {

const QsSNMPVarDesc* UpdateFileVars() {
    static const QsOption transferTypes[] = {{2, "network-load"}, {3, "out-of-band-load"}, {}};
    static const QsOption loadTypes[] = {{2, "upload"}, {3, "download"}, {}};
    static const QsOption controls[] = {
        {2, "inactive"}, {3, "start"}, {4, "delete"}, {5, "config-as-bootup-fw"}, {}};
    static const QsOptionList transferType(transferTypes, OVT_INT);
    static const QsOptionList loadType(loadTypes, OVT_INT);
    static const QsOptionList control(controls, OVT_INT);
    static const QsOptionList trueFalse(TrueFalseOptions, OVT_INT);
    static const QsSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58613.12.1.2.1.1.1", "File Index", SYN_INTEGER, ACC_NOTACCESS},
        {"1.3.6.1.4.1.58613.12.1.2.1.1.2", "File Description", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.1.2.1.1.3", "File Address", SYN_IPADDRESS, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.1.2.1.1.4", "File Transfer Type", SYN_INTEGER, ACC_READWRITE, &transferType},
        {"1.3.6.1.4.1.58613.12.1.2.1.1.5", "File", SYN_DISPLAYSTR, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.1.2.1.1.6", "File Locate ID", SYN_INTEGER, ACC_READWRITE},
        {"1.3.6.1.4.1.58613.12.1.2.1.1.7", "File Load Type", SYN_INTEGER, ACC_READWRITE, &loadType},
        {"1.3.6.1.4.1.58613.12.1.2.1.1.8", "File Control", SYN_INTEGER, ACC_READWRITE, &control},
        {"1.3.6.1.4.1.58613.12.1.2.1.1.9", "File BIncrement", SYN_INTEGER, ACC_READWRITE, &trueFalse},
        {"1.3.6.1.4.1.58613.12.1.2.1.1.10", "Multiple Image Control ID", SYN_INTEGER, ACC_READWRITE},
        // the table has no column 11
        {"1.3.6.1.4.1.58613.12.1.2.1.1.12", "File IPv6 Address", SYN_IPV6ADDRESS, ACC_READWRITE},
        {nullptr},
    };
    return table;
}

constexpr int kColumns = 11;
const QString kEmptyField = QStringLiteral("Some checked field is empty!");

} // namespace

TfrmAgentSupportedUpdateFiles::TfrmAgentSupportedUpdateFiles(TComponent* owner)
    : TBasicForm(owner, QSize(760, 500)) {
    SetName(QStringLiteral("frmAgentSupportedUpdateFiles"));
    SetCaption(QStringLiteral("Agent Supported Update Files"));
    BuildControls();
    OnCreate = [this](TObject*) { FormCreate(); };
    OnCloseQuery = [this](TObject*, bool& canClose) { shutdown_.CloseOrRetry(this, canClose); };
}

TfrmAgentSupportedUpdateFiles::~TfrmAgentSupportedUpdateFiles() {
    shutdown_.Run();
}

template <class C> C* TfrmAgentSupportedUpdateFiles::Make(TWinControl* parent, const char* name) {
    auto* c = new C(this, parent);
    c->SetName(QString::fromLatin1(name));
    return c;
}

void TfrmAgentSupportedUpdateFiles::BuildControls() {
    StatusBar1 = Make<TStatusBar>(nullptr, "StatusBar1");
    StatusBar1->SetAlign(alBottom);
    StatusBar1->AddPanel(2000);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    auto* lower = Make<TPanel>(nullptr, "Panel1");
    lower->SetAlign(alBottom);
    lower->SetHeight(232);
    ListView1 = Make<TListView>(nullptr, "ListView1");
    ListView1->SetAlign(alClient);
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    BuildColumns(lower);
    BuildButtons(column);
    qs::FollowRowCount(ListView1, Static);
}

// Two columns of editors, each with its include box; the index has none.
void TfrmAgentSupportedUpdateFiles::BuildColumns(TPanel* lower) {
    Label1 = Make<TLabel>(lower, "Label1");
    Label1->SetCaption(QStringLiteral("File Index"));
    Label1->SetBounds(10, 12, 150, 16);
    ED_Index = Make<TEdit>(lower, "ED_Index");
    ED_Index->SetBounds(166, 8, 120, 22);
    ED_Description = Make<TEdit>(lower, "ED_Description");
    ED_IPAddress = Make<TEdit>(lower, "ED_IPAddress");
    CBox_TransferType = Make<TComboBox>(lower, "CBox_TransferType");
    ED_Name = Make<TEdit>(lower, "ED_Name");
    ED_LocateID = Make<TEdit>(lower, "ED_LocateID");
    CBox_LoadType = Make<TComboBox>(lower, "CBox_LoadType");
    CBox_Control = Make<TComboBox>(lower, "CBox_Control");
    CBox_FileBIncrement = Make<TComboBox>(lower, "CBox_FileBIncrement");
    ED_MultipleImageControlID = Make<TEdit>(lower, "ED_MultipleImageControlID");
    edt_FileIPv6Addr = Make<TEdit>(lower, "edt_FileIPv6Addr");
    struct Row {
        TCheckBox** box;
        const char* boxName;
        const char* caption;
        TWinControl* editor;
    };
    const Row rows[] = {
        {&chk_FileDscr, "chk_FileDscr", " File Description", ED_Description},
        {&chk_FileAddr, "chk_FileAddr", " File Address", ED_IPAddress},
        {&chk_FileTransferType, "chk_FileTransferType", " File Transfer Type", CBox_TransferType},
        {&chk_File, "chk_File", " File Name", ED_Name},
        {&chk_FileLocateId, "chk_FileLocateId", " File Locate ID", ED_LocateID},
        {&chk_FileLoadType, "chk_FileLoadType", " File Load Type", CBox_LoadType},
        {&chk_FileCtrl, "chk_FileCtrl", " File Control", CBox_Control},
        {&chk_FileBIncrement, "chk_FileBIncrement", " File BIncrement", CBox_FileBIncrement},
        {&chk_FileCtrlID, "chk_FileCtrlID", " Multiple Image Control ID", ED_MultipleImageControlID},
        {&chk_FileIPv6Addr, "chk_FileIPv6Addr", " File IPv6 Address", edt_FileIPv6Addr},
    };
    int i = 0;
    for (const Row& r : rows) {
        // The IPv6 address, the longest value, takes a line of its own under the left column.
        const bool right = i >= 5 && i < 9;
        const int left = right ? 310 : 10;
        const int top = 40 + (right ? i - 5 : (i < 5 ? i : 5)) * 30;
        *r.box = Make<TCheckBox>(lower, r.boxName);
        (*r.box)->SetCaption(QString::fromLatin1(r.caption));
        const int boxWidth = right ? 194 : 160;
        (*r.box)->SetBounds(left, top + 2, boxWidth, 20);
        r.editor->SetBounds(left + boxWidth + 2, top, i == 9 ? 280 : 130, 22);
        ++i;
    }
}

void TfrmAgentSupportedUpdateFiles::BuildButtons(TPanel* column) {
    Static = qs::MakeSamplesCount(this, column, "Label2", "Static").count;
    auto make = [&](const char* name, const char* caption, std::function<void()> click) {
        auto* b = Make<TButton>(column, name);
        b->SetCaption(QString::fromLatin1(caption));
        b->OnClick = [this, click = std::move(click)](TObject*) { Handle(click); };
        return b;
    };
    GetButton = make("GetButton", "Refresh", [this] { GetButtonClick(); });
    EditButton = make("EditButton", "Set", [this] { EditButtonClick(); });
    Button1 = make("Button1", "Close", [this] { Close(); });
    qs::StackButtons({GetButton, EditButton, Button1});
}

std::vector<TCheckBox*> TfrmAgentSupportedUpdateFiles::IncludeChecks() const {
    return {chk_FileDscr,     chk_FileAddr, chk_FileTransferType, chk_File,       chk_FileLocateId,
            chk_FileLoadType, chk_FileCtrl, chk_FileBIncrement,   chk_FileCtrlID, chk_FileIPv6Addr};
}

void TfrmAgentSupportedUpdateFiles::FormCreate() {
    shutdown_.SetListView(ListView1);
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    FileRequest = request.get();
    shutdown_.AddRequest(std::move(request));
    Handle([this] {
        FileRequest->Request.List = QsSNMPVarList(UpdateFileVars(), MVT_UMV, 1);
        FileRequest->BindListView(ListView1, true);
        FileRequest->AfterGetHook = [this] { qs::FitColumns(ListView1); };
        FileRequest->BindEdits(0, "%s", {ED_Index});
        AddIncludedColumn(nullptr, ED_Index);
        const std::vector<TCheckBox*> boxes = IncludeChecks();
        const std::pair<TWinControl*, const char*> editors[] = {
            {ED_Description, "%s{l64}"},   {ED_IPAddress, "%s{l16}"},      {CBox_TransferType, nullptr},
            {ED_Name, "%s{l128}"},         {ED_LocateID, "%i{n1x16}"},     {CBox_LoadType, nullptr},
            {CBox_Control, nullptr},       {CBox_FileBIncrement, nullptr}, {ED_MultipleImageControlID, "%s"},
            {edt_FileIPv6Addr, "%s{l32f}"}};
        for (int column = 1; column < kColumns; ++column) {
            const auto& [editor, format] = editors[column - 1];
            if (format) {
                FileRequest->BindEdits(column, format, {static_cast<TEdit*>(editor)});
            } else {
                FileRequest->BindComboBox(column, static_cast<TComboBox*>(editor));
            }
            AddIncludedColumn(boxes[static_cast<std::size_t>(column - 1)], editor);
        }
        ColumnCount = kColumns;
        KeyCount = 1;
        RowStatusColumn = -1;
        StatusOut().AttachTo(*FileRequest);
        qs::ShowRowCount(ListView1, Static);
        FileRequest->Refresh();
    });
    EditButton->SetEnabled(false);
}

void TfrmAgentSupportedUpdateFiles::GetButtonClick() {
    if (shutdown_.Done()) {
        return;
    }
    if (!FileRequest->Busy) {
        FileRequest->Refresh();
    }
    ClearEditors();
}

void TfrmAgentSupportedUpdateFiles::ListView1Click() {
    const bool selected = ListView1->Selected() != nullptr;
    EditButton->SetEnabled(selected);
    ED_Index->SetEnabled(!selected);
    ED_Index->SetColor(selected ? clBtnFace : clWindow);
    if (!selected) {
        ClearEditors();
    }
}

void TfrmAgentSupportedUpdateFiles::ClearEditors() {
    for (TWinControl* editor : Editors) {
        if (auto* edit = dynamic_cast<TEdit*>(editor)) {
            edit->SetText(QString());
        } else if (auto* combo = dynamic_cast<TComboBox*>(editor)) {
            combo->SetItemIndex(-1);
        }
    }
    ED_Index->SetColor(clWindow);
}

void TfrmAgentSupportedUpdateFiles::UncheckAll() {
    for (TCheckBox* box : IncludeChecks()) {
        box->SetChecked(false);
    }
}

bool TfrmAgentSupportedUpdateFiles::PrepareWrite() {
    if (chk_FileAddr->Checked() &&
        !IsValidIPv4Text(ED_IPAddress->Text(), QStringLiteral("Please input a valid ip"))) {
        if (ED_IPAddress->Enabled()) {
            ED_IPAddress->SetFocus();
        }
        return false;
    }
    const std::pair<TCheckBox*, TEdit*> required[] = {{chk_FileDscr, ED_Description},
                                                      {chk_File, ED_Name},
                                                      {chk_FileIPv6Addr, edt_FileIPv6Addr},
                                                      {chk_FileLocateId, ED_LocateID},
                                                      {chk_FileCtrlID, ED_MultipleImageControlID}};
    for (const auto& [box, edit] : required) {
        if (!CheckRequiredEdit(box, edit, kEmptyField)) {
            return false;
        }
    }
    return true;
}

void TfrmAgentSupportedUpdateFiles::EditButtonClick() {
    if (shutdown_.Done() || ListView1->Selected() == nullptr || !PrepareWrite()) {
        return;
    }
    // A walk under way ends first, so that the walk after the write never runs beside it.
    if (!qs::WaitUntil([this] { return shutdown_.Done() || !FileRequest->Busy; },
                       qs::RequestShutdown::kWaitMs) ||
        shutdown_.Done()) {
        return;
    }
    try {
        ExcludedColumnsScope marks(*this, FileRequest);
        FileRequest->Apply(true, true, std::string(), nullptr);
        ClearEditors();
    } catch (const std::exception& e) {
        EditButton->SetEnabled(false);
        ClearEditors();
        StatusOut().Show(QString::fromStdString(e.what()));
    }
    UncheckAll();
}
