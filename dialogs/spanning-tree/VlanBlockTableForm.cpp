#include "VlanBlockTableForm.h"

#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "DialogFrame.h"
#include "DialogHelpers.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Exceptions.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "SelectedRowDelete.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "TableLayout.h"
#include "VlanBitmapText.h"

#include <algorithm>
#include <string>

namespace qs {

namespace {

constexpr int kBlocks = 8;
constexpr int kVlansPerBlock = 512;
constexpr int kPriorityStep = 4096;
constexpr int kAddMode = 1;
constexpr int kEditMode = 2;
constexpr int kCreateAndGo = 1; // position in the row-status combo
constexpr int kCreateAndGoValue = 4;
constexpr int kAreaWidth = 760;
constexpr int kLineHeight = 26;

// The eight block columns: editor, include box and its caption, the block's VLANs.
constexpr BlockColumn kBlockColumns[kBlocks] = {
    {"VLANRangeEdit1", false, "%s", "cbxVlanRange1", "1-512", 0},
    {"VLANRangeEdit2", false, "%s", "cbxVlanRange2", "513-1024", 0},
    {"VLANRangeEdit3", false, "%s", "cbxVlanRange3", "1025-1536", 0},
    {"VLANRangeEdit4", false, "%s", "cbxVlanRange4", "1537-2048", 0},
    {"VLANRangeEdit5", false, "%s", "cbxVlanRange5", "2049-2560", 0},
    {"VLANRangeEdit6", false, "%s", "cbxVlanRange6", "2561-3072", 0},
    {"VLANRangeEdit7", false, "%s", "cbxVlanRange7", "3073-3584", 0},
    {"VLANRangeEdit8", false, "%s", "cbxVlanRange8", "3585-4094", 0},
};

bool IsTicked(const TWinControl* box) {
    const auto* check = dynamic_cast<const TCheckBox*>(box);
    return check && check->Checked();
}

// One number of a range text: decimal digits only.
bool ReadNumber(const QString& text, int& number) {
    if (text.isEmpty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); })) {
        return false;
    }
    number = text.toInt();
    return true;
}

} // namespace

bool BlockRangeTextValid(const QString& text, int block) {
    const int low = block * kVlansPerBlock + 1;
    const int high = low + kVlansPerBlock - 1;
    const auto inBlock = [&](int n) { return n == 0 || (n >= low && n <= high); };
    if (text.isEmpty()) {
        return true;
    }
    for (const QString& item : text.split(u',')) {
        const QStringList ends = item.split(u'-');
        int first = 0;
        int last = 0;
        if (ends.size() > 2 || !ReadNumber(ends.front(), first) || !ReadNumber(ends.back(), last)) {
            return false;
        }
        if (!inBlock(first) || !inBlock(last) || last < first || (ends.size() == 2 && first == 0)) {
            return false;
        }
    }
    return true;
}

VlanBlockRequest::VlanBlockRequest(VlanBlockTableForm* form, int firstBlock)
    : QsSNMPRequest2Edits(form), form_(form), firstBlock_(firstBlock) {}

void VlanBlockRequest::OnRow() {
    if (ListView) {
        BlocksToRangeText();
        AddRow();
    }
}

void VlanBlockRequest::CollectValues() {
    for (int i = 0; i < Request.List.GetCount(); ++i) {
        Request.List.GetVar(i)->Value.clear();
    }
    if (ListView && ListView->Selected()) {
        RowToValues();
    }
    ReadControls(-1);
    RangeTextToBlocks();
}

// The block edits hold VLAN range texts, turned into bit maps once the controls are read.
bool VlanBlockRequest::ConvertsOwnText(int varIndex) const {
    return varIndex >= firstBlock_ && varIndex < firstBlock_ + kBlocks;
}

void VlanBlockRequest::BlocksToRangeText() {
    for (int k = 0; k < kBlocks; ++k) {
        std::string& value = Request.List.GetVar(firstBlock_ + k)->Value;
        value = HexBitmapToListText(value, k, false);
    }
}

void VlanBlockRequest::RangeTextToBlocks() {
    if (form_->WriteMode == kAddMode) {
        Request.List.GetVar(0)->Value = form_->VIDEdit->Text().toStdString();
        Request.List.GetVar(form_->RowStatusColumn)->Value = std::to_string(kCreateAndGoValue);
        return;
    }
    for (int k = 0; k < kBlocks; ++k) {
        const int column = firstBlock_ + k;
        if (!IsTicked(form_->Include(column))) {
            continue;
        }
        std::string text = dynamic_cast<TEdit*>(form_->Editor(column))->Text().toStdString();
        if (!ListTextToHexBitmap(text)) {
            throw QsException(std::string("Invalid VLAN list: ").append(text), 0);
        }
        Request.List.GetVar(column)->Value = text;
    }
}

QsSNMPVarList BlockTableVars(const VlanBlockTableConfig& config) {
    std::vector<QsSNMPVarDesc> columns;
    for (const QsSNMPVarDesc* own = config.table(); own->Oid; ++own) {
        columns.push_back(*own);
    }
    const std::string first = config.firstBlockOid;
    const std::size_t last = first.rfind('.') + 1;
    const int firstSub = std::stoi(first.substr(last));
    std::vector<std::string> oids; // the list copies the texts
    for (int k = 0; k < kBlocks; ++k) {
        oids.push_back(first.substr(0, last) + std::to_string(firstSub + k));
    }
    for (int k = 0; k < kBlocks; ++k) {
        const QsSNMPVarDesc block{oids[static_cast<std::size_t>(k)].c_str(), kBlockColumns[k].includeCaption,
                                  SYN_OCTETSTR, ACC_READWRITE};
        columns.insert(columns.begin() + config.firstBlock + k, block);
    }
    columns.push_back({nullptr});
    return QsSNMPVarList(columns.data(), MVT_UMV, 1);
}

VlanBlockTableForm::VlanBlockTableForm(TComponent* owner, const VlanBlockTableConfig& config)
    : TBasicForm(owner, QSize(880, 660)), config_(config),
      columns_(config.columns.begin(), config.columns.end()), rowButtons_({}, {}) {
    std::vector<BlockColumn> blocks(std::begin(kBlockColumns), std::end(kBlockColumns));
    for (BlockColumn& b : blocks) {
        b.group = config.blockGroup;
    }
    columns_.insert(columns_.begin() + config.firstBlock, blocks.begin(), blocks.end());
    SetName(QString::fromLatin1(config.formName));
    SetCaption(QString::fromLatin1(config.caption));
    ScaleForScreen(this); // a second time, on top of the base's
    BuildControls();
    rowButtons_ = RowButtons({EditButton, DeleteButton}, {AddButton});
    OnCreate = [this](TObject*) { FormCreate(); };
    OnCloseQuery = [this](TObject*, bool& canClose) {
        canClose = true;
        shutdown_.CloseOrRetry(this, canClose);
    };
}

VlanBlockTableForm::~VlanBlockTableForm() {
    shutdown_.Run();
}

TCheckBox* VlanBlockTableForm::Include(int column) const {
    return dynamic_cast<TCheckBox*>(IncludeBoxes.at(static_cast<std::size_t>(column)));
}

void VlanBlockTableForm::BuildControls() {
    StatusBar1 = Make<TStatusBar>(nullptr, "StatusBar1");
    StatusBar1->SetAlign(alBottom);
    StatusBar1->AddPanel(2000);
    auto* column = Make<TPanel>(nullptr, "Panel2");
    column->SetAlign(alRight);
    column->SetWidth(110);
    auto* left = Make<TPanel>(nullptr, "Panel3");
    left->SetAlign(alClient);
    auto* area = Make<TPanel>(left, "Panel1");
    area->SetAlign(alBottom);
    ListView1 = Make<TListView>(left, "ListView1");
    ListView1->SetAlign(alClient);
    ListView1->OnClick = [this](TObject*) { Guard([this] { ListView1Click(); }); };
    BuildGroups(area);
    BuildButtonColumn(column);
    FollowRowCount(ListView1, StaticText1);
}

void VlanBlockTableForm::BuildGroups(TPanel* area) {
    int top = 0;
    for (const BlockGroup& g : config_.groups) {
        auto* group = Make<TPanel>(area, g.name);
        auto* title = Make<TLabel>(group, std::string(g.name).append("Title").c_str());
        title->SetCaption(QString::fromLatin1(g.caption));
        title->SetBold(true);
        title->SetBounds(8, 4, 200, 16);
        const int index = static_cast<int>(groups_.size());
        const auto count = std::count_if(columns_.begin(), columns_.end(),
                                         [index](const BlockColumn& c) { return c.group == index; });
        const int lines = static_cast<int>((count + g.perLine - 1) / g.perLine);
        group->SetBounds(0, top, kAreaWidth, 24 + lines * kLineHeight + 4);
        top += group->Height();
        groups_.push_back(group);
    }
    area->SetHeight(top);
    Label1 = Make<TLabel>(groups_.front(), "Label1");
    Label1->SetCaption(QStringLiteral("VLAN ID "));
    std::vector<int> used(config_.groups.size(), 0);
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const BlockColumn& c = columns_[i];
        TPanel* group = c.group >= 0 ? groups_[static_cast<std::size_t>(c.group)] : nullptr;
        const int perLine = c.group >= 0 ? config_.groups[static_cast<std::size_t>(c.group)].perLine : 1;
        BuildColumn(static_cast<int>(i), c, group,
                    c.group >= 0 ? used[static_cast<std::size_t>(c.group)]++ : 0, perLine);
    }
    VIDEdit = dynamic_cast<TEdit*>(FindComponent(QString::fromLatin1(columns_[0].editorName)));
    Label1->SetBounds(VIDEdit->Left() - 80, VIDEdit->Top() + 4, 76, 16);
}

void VlanBlockTableForm::BuildColumn(int column, const BlockColumn& def, TPanel* group, int slot,
                                     int perLine) {
    const int width = kAreaWidth / perLine;
    const int left = 8 + (slot % perLine) * width;
    const int top = 24 + (slot / perLine) * kLineHeight;
    auto* include = Make<TCheckBox>(group, def.includeName);
    include->SetCaption(QString::fromLatin1(def.includeCaption));
    include->SetBounds(left, top + 2, 180, 20);
    TWinControl* editor = def.combo ? static_cast<TWinControl*>(Make<TComboBox>(group, def.editorName))
                                    : static_cast<TWinControl*>(Make<TEdit>(group, def.editorName));
    editor->SetBounds(left + 184, top, width - 200, 22);
    if (group == nullptr || column == 0) {
        include->SetVisible(false);
        include->SetEnabled(false);
    }
    if (group == nullptr) {
        editor->SetVisible(false);
    }
}

void VlanBlockTableForm::BuildButtonColumn(TPanel* column) {
    const SamplesCount samples = MakeSamplesCount(this, column, "Label4", "StaticText1");
    Label4 = samples.label;
    StaticText1 = samples.count;
    struct ButtonDef {
        TButton** button;
        const char* name;
        const char* caption;
        void (VlanBlockTableForm::*click)();
    };
    const ButtonDef buttons[] = {
        {&GetButton, "GetButton", "Refresh", &VlanBlockTableForm::GetButtonClick},
        {&EditButton, "EditButton", "Edit", &VlanBlockTableForm::EditButtonClick},
        {&AddButton, "AddButton", "Add", &VlanBlockTableForm::AddButtonClick},
        {&DeleteButton, "DeleteButton", "Delete", &VlanBlockTableForm::DeleteButtonClick},
        {&CheckButton, "CheckButton", "Check All", &VlanBlockTableForm::CheckButtonClick},
        {&UncheckButton, "UncheckButton", "Clear Checks", &VlanBlockTableForm::UncheckButtonClick},
        {&CloseButton, "CloseButton", "Close", nullptr},
        {&StopButton, "StopButton", "Stop", nullptr},
    };
    for (const ButtonDef& b : buttons) {
        *b.button = Make<TButton>(column, b.name);
        (*b.button)->SetCaption(QString::fromLatin1(b.caption));
        if (auto click = b.click) {
            (*b.button)->OnClick = [this, click](TObject*) { Guard([this, click] { (this->*click)(); }); };
        }
    }
    StackButtons({GetButton, EditButton, AddButton, DeleteButton, CheckButton, UncheckButton, CloseButton,
                  StopButton});
    CloseButton->OnClick = [this](TObject*) { Close(); };
    StopButton->SetVisible(false);
}

bool VlanBlockTableForm::Guard(const std::function<void()>& work) {
    return Guarded(StatusOut(), work);
}

void VlanBlockTableForm::FormCreate() {
    std::unique_ptr<VlanBlockRequest> made = MakeRequest();
    Request = made.get();
    shutdown_.SetListView(ListView1);
    shutdown_.AddRequest(std::move(made));
    Guard([this] {
        Request->Request.List = BlockTableVars(config_);
        Request->BindListView(ListView1, true);
        // After the framework has shown the selected row in the editors: the row's state.
        TLVSelectItemEvent shown = ListView1->OnSelectItem;
        ListView1->OnSelectItem = [this, shown](TObject* sender, TListItem* item, bool selected) {
            if (shown) {
                shown(sender, item, selected);
            }
            Guard([this] { ListView1Click(); });
        };
        Request->AfterGetHook = [this] { FitColumns(ListView1); };
        StaticText1->SetCaption(QStringLiteral("0"));
        BindColumns();
        ClearControls(this, true, true, true);
        LockEditors();
        StatusOut().AttachTo(*Request);
        Request->Refresh();
        rowButtons_.Show(false);
    });
    ShowRowCount(ListView1, StaticText1);
}

void VlanBlockTableForm::BindColumns() {
    ColumnCount = static_cast<int>(columns_.size());
    KeyCount = 1;
    for (int i = 0; i < ColumnCount; ++i) {
        const BlockColumn& c = columns_[static_cast<std::size_t>(i)];
        auto* include = dynamic_cast<TWinControl*>(FindComponent(QString::fromLatin1(c.includeName)));
        TComponent* editor = FindComponent(QString::fromLatin1(c.editorName));
        if (c.combo) {
            BindComboWithCheck(Request, i, dynamic_cast<TComboBox*>(editor), include);
        } else {
            BindEditWithCheck(Request, i, c.format, dynamic_cast<TEdit*>(editor), include);
        }
    }
    RowStatusColumn = config_.rowStatus;
}

void VlanBlockTableForm::LockEditors() {
    DisableControls(this, true, true, true);
    VIDEdit->SetEnabled(true);
    VIDEdit->SetColor(clWindow);
}

// While a row is selected only the writable columns' editors and include boxes can be used.
void VlanBlockTableForm::UnlockEditors() {
    EnableControls(this, true, true, true);
    for (int i = 0; i < ColumnCount; ++i) {
        const BlockColumn& c = columns_[static_cast<std::size_t>(i)];
        auto* editor = Editor(i);
        if (c.onRow == BlockColumn::OnRow::Disabled) {
            editor->SetEnabled(false);
        }
        if (c.onRow != BlockColumn::OnRow::Editable) {
            if (auto* edit = dynamic_cast<TEdit*>(editor)) {
                edit->SetColor(clBtnFace);
            } else if (auto* combo = dynamic_cast<TComboBox*>(editor)) {
                combo->SetColor(clBtnFace);
            }
        }
        if (c.includeLocked && Include(i)) {
            Include(i)->SetEnabled(false);
        }
    }
}

void VlanBlockTableForm::ShowNoRow() {
    rowButtons_.Show(false);
    UncheckAllIncludes(IncludeBoxes);
    ClearControls(this, true, true, true);
    LockEditors();
}

void VlanBlockTableForm::ListView1Click() {
    if (ListView1->Selected() == nullptr) {
        ShowNoRow();
        return;
    }
    rowButtons_.Show(true);
    UnlockEditors();
}

void VlanBlockTableForm::GetButtonClick() {
    if (Request == nullptr || shutdown_.Done()) {
        return;
    }
    Guard([this] {
        Request->Request.Active = true;
        if (!Request->Busy) {
            Request->Refresh();
        }
    });
    ShowRowCount(ListView1, StaticText1);
}

// A ticked block's text must name VLANs of that block only; nothing is sent otherwise.
bool VlanBlockTableForm::BlocksValid() {
    for (int k = 0; k < kBlocks; ++k) {
        const int column = config_.firstBlock + k;
        auto* edit = dynamic_cast<TEdit*>(Editor(column));
        if (!IsTicked(Include(column)) || !Include(column)->Enabled() ||
            BlockRangeTextValid(edit->Text(), k)) {
            continue;
        }
        const int low = k * kVlansPerBlock + 1;
        ShowMessage(QStringLiteral("Please input VLAN IDs from %1 to %2, as in 1-3,5.")
                        .arg(low)
                        .arg(low + kVlansPerBlock - 1));
        if (edit->Enabled()) {
            edit->SetFocus();
        }
        return false;
    }
    return true;
}

// The bridge priority goes in steps of 4096: rounded down, so 0 stays 0. A text that is no
// number is left as typed, for the write's own check to refuse in a box.
void VlanBlockTableForm::RoundPriority() {
    if (config_.priorityColumn < 0) {
        return;
    }
    auto* edit = dynamic_cast<TEdit*>(Editor(config_.priorityColumn));
    bool number = false;
    const int priority = edit->Text().trimmed().toInt(&number);
    if (number && priority >= 0 && priority % kPriorityStep != 0) { // a negative text is left to be refused
        edit->SetText(QString::number(priority - priority % kPriorityStep));
    }
}

void VlanBlockTableForm::Write() {
    const ExcludedColumnsScope excluded(*this, Request);
    Request->Request.Active = true;
    Request->Apply(false, true, std::string(), nullptr);
}

void VlanBlockTableForm::EditButtonClick() {
    if (Request == nullptr || ListView1->Selected() == nullptr) {
        return;
    }
    Include(0)->SetChecked(true);
    WriteMode = kEditMode;
    bool valid = false;
    if (!Guard([this, &valid] {
            RoundPriority();
            valid = BlocksValid();
        }) ||
        !valid) {
        return; // nothing sent
    }
    Guard([this] {
        Write();
        UncheckAllIncludes(IncludeBoxes);
        ClearControls(this, true, true, true);
        Request->Refresh();
    });
    ClearExcludeMarks(Request);
    rowButtons_.Show(false);
    ShowRowCount(ListView1, StaticText1);
}

void VlanBlockTableForm::AddButtonClick() {
    if (Request == nullptr) {
        return;
    }
    if (config_.existsMessage && ListView1->ItemCount() > 0) {
        ShowMessage(QString::fromLatin1(config_.existsMessage));
        return;
    }
    if (VIDEdit->Text().trimmed().isEmpty()) {
        ShowMessage(QStringLiteral("Please input VLAN ID."));
        return;
    }
    auto* rowInclude = Include(config_.rowStatus);
    rowInclude->SetChecked(true);
    dynamic_cast<TComboBox*>(Editor(config_.rowStatus))->SetItemIndex(kCreateAndGo);
    UncheckAllIncludes(IncludeBoxes);
    Include(0)->SetChecked(true);
    rowInclude->SetChecked(true);
    WriteMode = kAddMode;
    Guard([this] {
        Write();
        ClearExcludeMarks(Request);
        Request->Refresh();
    });
    ClearExcludeMarks(Request);
}

void VlanBlockTableForm::DeleteButtonClick() {
    if (Request == nullptr) {
        return;
    }
    Guard([this] {
        if (!DeleteSelectedRow(*Request, config_.rowStatus, "destroy")) {
            return;
        }
        if (ListView1->ItemCount() == 0) {
            StaticText1->SetCaption(QStringLiteral("0"));
        }
        ShowNoRow();
    });
}

void VlanBlockTableForm::CheckButtonClick() {
    CheckAllIncludes(IncludeBoxes);
    for (const char* name : config_.neverChecked) {
        if (auto* box = dynamic_cast<TCheckBox*>(FindComponent(QString::fromLatin1(name)))) {
            box->SetChecked(false);
        }
    }
}

void VlanBlockTableForm::UncheckButtonClick() {
    UncheckAllIncludes(IncludeBoxes);
}

} // namespace qs
