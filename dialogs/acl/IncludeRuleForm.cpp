#include "IncludeRuleForm.h"

#include "AccessMarks.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "StaticText.h"
#include "StatusBar.h"
#include "stackingPortUitFormUnit.h"

#include <QPalette>
#include <algorithm>

namespace qs {

namespace {

constexpr int kKeys = 2;
constexpr int kCreateAndGo = 3; // positions in the six-value Row Status list
constexpr int kDestroy = 5;
constexpr int kRowHeight = 27;
constexpr int kCellWidth = 340;
constexpr int kBoxWidth = 20;
constexpr int kLabelWidth = 185;
constexpr int kEditorWidth = 120;

const char* const kEmpty = "Some check field is empty";

QString TextOf(const TWinControl* editor) {
    if (auto* edit = dynamic_cast<const TEdit*>(editor)) {
        return edit->Text();
    }
    if (auto* combo = dynamic_cast<const TComboBox*>(editor)) {
        return combo->Text();
    }
    return QString();
}

} // namespace

IncludeRuleForm::IncludeRuleForm(TComponent* owner, const IncludeRuleConfig& config)
    : TBasicForm(owner, config.clientSize), config_(config), rowButtons_({}, {}) {
    SetName(QString::fromLatin1(config.formName));
    BuildControls();
    rowButtons_ = RowButtons({EditButton, DeleteButton}, {AddButton});
    ShowRowState(false, true);
    OnCloseQuery = [this](TObject*, bool& canClose) { CloseQuery(canClose); };
    OnCreate = [this](TObject*) { FormCreate(); };
}

IncludeRuleForm::~IncludeRuleForm() {
    shutdown_.Run();
}

void IncludeRuleForm::BuildControls() {
    StatusBar = Make<TStatusBar>(nullptr, config_.statusName);
    StatusBar->SetAlign(alBottom);
    StatusBar->SetSimplePanel(true);
    auto* body = Make<TPanel>(nullptr, "BodyPanel");
    body->SetAlign(alClient);
    auto* column = Make<TPanel>(body, "ButtonPanel");
    column->SetAlign(alRight);
    column->SetWidth(110);
    BuildButtonColumn(column);
    auto* main = Make<TPanel>(body, "MainPanel");
    main->SetAlign(alClient);
    GridPanel = Make<TPanel>(main, config_.gridPanelName);
    GridPanel->SetAlign(alBottom);
    GridPanel->SetHeight(100);
    int rows = 0;
    for (const RuleColumnDef& def : config_.columns) {
        rows = std::max(rows, def.row + 1);
    }
    EditorPanel = Make<TPanel>(main, "EditorPanel");
    EditorPanel->SetAlign(alBottom);
    EditorPanel->SetHeight(rows * kRowHeight + 12);
    ListView1 = Make<TListView>(main, config_.listName);
    ListView1->SetAlign(alClient);
    ListView1->OnClick = [this](TObject*) { Handle([this] { ListView1Click(); }); };
    FollowRowCount(ListView1, Count);
    for (std::size_t i = 0; i < config_.columns.size(); ++i) {
        BuildColumn(static_cast<int>(i), config_.columns[i]);
    }
}

void IncludeRuleForm::BuildColumn(int column, const RuleColumnDef& def) {
    TWinControl* editor = nullptr;
    TCheckBox* box = nullptr;
    const int left = 8 + def.col * kCellWidth;
    const int top = 6 + def.row * kRowHeight;
    if (def.boxName) {
        box = Make<TCheckBox>(EditorPanel, def.boxName);
        box->SetBounds(left, top + 2, def.captionOnBox ? kBoxWidth + kLabelWidth : kBoxWidth, 20);
        if (def.captionOnBox) {
            box->SetCaption(QString::fromLatin1(def.caption));
        }
    }
    if (def.caption && !def.captionOnBox) {
        auto* label = Make<TLabel>(EditorPanel, (std::string(def.editorName) + "Label").c_str());
        label->SetCaption(QString::fromLatin1(def.caption));
        label->SetBounds(left + kBoxWidth, top + 4, kLabelWidth, 18);
    }
    const int width = def.editorWidth > 0 ? def.editorWidth : kEditorWidth;
    if (def.kind == RuleEditor::Combo) {
        auto* combo = Make<TComboBox>(EditorPanel, def.editorName);
        if (std::any_of(config_.dependencies.begin(), config_.dependencies.end(),
                        [column](const RuleDependency& rule) { return rule.combo == column; })) {
            combo->OnChange = [this](TObject*) { Handle([this] { ApplyDependencies(); }); };
        }
        editor = combo;
    } else if (def.kind != RuleEditor::Ports) {
        editor = Make<TEdit>(EditorPanel, def.editorName);
    }
    if (editor) {
        editor->SetBounds(left + kBoxWidth + kLabelWidth, top, width, 23);
    }
    if (column == 0) {
        ProfileEdit = dynamic_cast<TEdit*>(editor);
    } else if (column == 1) {
        AccessEdit = dynamic_cast<TEdit*>(editor);
    }
    if (column == 1 && config_.accessNote) {
        auto* note = Make<TLabel>(EditorPanel, "AutoAssignLabel");
        note->SetCaption(QString::fromLatin1(config_.accessNote));
        QPalette palette = note->palette();
        palette.setColor(QPalette::WindowText, Qt::red);
        note->setPalette(palette);
        note->SetBounds(left + kBoxWidth + kLabelWidth + width + 6, top + 4, 100, 18);
    }
    editors_.push_back(editor);
    boxes_.push_back(box);
}

void IncludeRuleForm::BuildButtonColumn(TPanel* panel) {
    auto* samples = Make<TLabel>(panel, "SamplesLabel");
    samples->SetCaption(QStringLiteral("Samples"));
    samples->SetBounds(12, 8, 86, 16);
    Count = Make<TStaticText>(panel, config_.countName);
    Count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Count->SetCaption(QStringLiteral("0"));
    Count->SetBounds(12, 26, 86, 22);
    const IncludeRuleButtons& names = config_.buttons;
    struct ButtonDef {
        TButton** button;
        const char* name;
        const char* caption;
        void (IncludeRuleForm::*click)();
    };
    const ButtonDef buttons[] = {
        {&RefreshButton, names.refresh, "Refresh", &IncludeRuleForm::GetButtonClick},
        {&AddButton, names.add, "Add", &IncludeRuleForm::AddButtonClick},
        {&EditButton, names.edit, "Edit", &IncludeRuleForm::EditButtonClick},
        {&StopButton, names.stop, "Stop", &IncludeRuleForm::StopButtonClick},
        {&DeleteButton, names.erase, "Delete", &IncludeRuleForm::DeleteButtonClick},
        {&CheckAllButton, names.checkAll, "Check All", &IncludeRuleForm::CheckAllClick},
        {&ClearChecksButton, names.clearChecks, "Clear Checks", &IncludeRuleForm::ClearChecksClick},
        {&CloseButton, names.close, "Close", nullptr},
    };
    int top = 62;
    for (const ButtonDef& def : buttons) {
        if (def.name == nullptr) {
            continue;
        }
        auto* button = Make<TButton>(panel, def.name);
        button->SetCaption(QString::fromLatin1(def.caption));
        const auto click = def.click;
        button->OnClick = [this, click](TObject*) {
            Handle([this, click] { click ? (this->*click)() : Close(); });
        };
        button->SetBounds(12, top, 86, 28);
        *def.button = button;
        const bool hidden = def.button == &EditButton && !config_.editShown;
        button->SetVisible(!hidden);
        top += hidden ? 0 : 36;
    }
}

void IncludeRuleForm::FormCreate() {
    CreatePortGrid(GridPanel, 12);
    if (PortGrid == nullptr) {
        return; // the grid reported the failure and the dialog closes
    }
    shutdown_.SetListView(ListView1);
    auto request = std::make_unique<QsSNMPRequest2Edits>(this);
    Request = request.get();
    shutdown_.AddRequest(std::move(request));
    StatusOut().AttachTo(*Request);
    Handle([this] {
        Request->Request.List = QsSNMPVarList(config_.table, MVT_UMV, kKeys);
        ColumnCount = Request->Request.List.GetCount();
        KeyCount = kKeys;
        RowStatusColumn = -1; // no exemption: Row Status travels only with its box ticked
        if (config_.blocking) {
            Request->Mode = RM_BLOCKING;
        } else {
            Request->OnGetDone = [this](QsSNMPRequest2Controls* sender, QsSNMPError* error) {
                WalkEnded(sender, error);
            };
        }
        Request->BindListView(ListView1, true);
        Request->AfterGetHook = [this] { FitColumns(ListView1); };
        BindColumns();
        ResetRuleInput();
        for (const auto& [column, position] : config_.initialPositions) {
            ComboOf(column)->SetItemIndex(position);
        }
        ShowRowState(false, true);
        StartWalk();
    });
    ShowRowCount(ListView1, Count);
}

void IncludeRuleForm::BindColumns() {
    for (int i = 0; i < ColumnCount; ++i) {
        const RuleColumnDef& def = config_.columns[static_cast<std::size_t>(i)];
        TWinControl* editor = editors_[static_cast<std::size_t>(i)];
        TCheckBox* box = boxes_[static_cast<std::size_t>(i)];
        switch (def.kind) {
        case RuleEditor::Key:
            Request->BindEdits(i, def.format, {dynamic_cast<TEdit*>(editor)});
            AddIncludedColumn(nullptr, nullptr);
            break;
        case RuleEditor::Edit:
            BindEditWithCheck(Request, i, def.format, dynamic_cast<TEdit*>(editor), box);
            break;
        case RuleEditor::Combo:
            BindComboWithCheck(Request, i, dynamic_cast<TComboBox*>(editor), box);
            break;
        case RuleEditor::Ports: {
            std::vector<TComponent*> ports(PortGrid->PortBoxes.begin(),
                                           PortGrid->PortBoxes.begin() + TStackingPortUitForm::kBoxesPerUnit);
            Request->BindControlList(i, PortBitIndexText, ports);
            AddIncludedColumn(nullptr, nullptr);
            break;
        }
        }
    }
}

void IncludeRuleForm::CloseQuery(bool& canClose) {
    canClose = true;
    shutdown_.CloseOrRetry(this, canClose);
}

// A blocking walk handles clicks between its rows; a second operation on the request then would
// interleave with it, so it waits for the walk to end.
bool IncludeRuleForm::Idle() const {
    return Request != nullptr && !shutdown_.Done() && !(config_.blocking && Request->Busy);
}

void IncludeRuleForm::ShowRowState(bool rowSelected, bool enableKeys) {
    rowButtons_.Show(rowSelected);
    if (ProfileEdit && (rowSelected || enableKeys)) {
        ProfileEdit->SetEnabled(!rowSelected);
        AccessEdit->SetEnabled(!rowSelected);
    }
}

void IncludeRuleForm::StartWalk() {
    if (walking_ && Request->Request.Pending > 0) {
        walkAgain_ = true; // the running walk may miss the write just sent: read again after it
        return;
    }
    walking_ = !config_.blocking && Request->Request.Active;
    try {
        if (config_.blocking) {
            RefreshShown(*Request); // an asynchronous walk reports through WalkEnded
        } else {
            Request->Refresh();
        }
    } catch (...) {
        walking_ = false;
        throw;
    }
    ShowRowCount(ListView1, Count);
}

void IncludeRuleForm::WalkEnded(QsSNMPRequest2Controls* sender, QsSNMPError* error) {
    walking_ = false;
    ReportReadFailure(sender, error);
    if (walkAgain_ && !shutdown_.Done()) {
        walkAgain_ = false;
        Handle([this] { StartWalk(); });
    }
}

void IncludeRuleForm::GetButtonClick() {
    if (!Idle()) {
        return;
    }
    Handle([this] { StartWalk(); });
    ShowRowState(false, config_.refreshEnablesKeys);
    ResetRuleInput();
}

void IncludeRuleForm::AddButtonClick() {
    if (!Idle() || !CheckRuleInput() || KeysListed()) {
        return;
    }
    if (!config_.permitInCheck && !PermitTicked()) {
        return;
    }
    if (!RowStatusCreates()) {
        return;
    }
    Write([this] { MarkExcludedRuleColumns(); }, true);
}

void IncludeRuleForm::EditButtonClick() {
    if (!Idle() || !CheckRuleInput()) {
        return;
    }
    Write([this] { MarkExcludedRuleColumns(); }, false);
}

void IncludeRuleForm::DeleteButtonClick() {
    if (!Idle()) {
        return;
    }
    ComboOf(config_.rowStatus)->SetItemIndex(kDestroy);
    Write(
        [this] {
            for (int i = kKeys; i < ColumnCount; ++i) {
                if (i != config_.rowStatus) {
                    Request->Request.List.GetVar(i)->Access |= ACC_INVALID;
                }
            }
        },
        true);
    ApplyDependencies();
}

void IncludeRuleForm::Write(const std::function<void()>& leaveOut, bool activate) {
    AccessMarks marks(Request->Request.List);
    const bool sent = Handle([&] {
        leaveOut();
        if (activate) {
            Request->Request.Active = true;
        }
        Request->Apply(false, true, std::string(), nullptr);
    });
    marks.RestoreAll();
    if (!sent) {
        ShowRowState(false, true);
        ResetRuleInput();
        return;
    }
    GetButtonClick();
}

void IncludeRuleForm::StopButtonClick() {
    if (Request) {
        Request->Request.Active = false;
    }
}

void IncludeRuleForm::CheckAllClick() {
    for (const int column : config_.checkAll) {
        BoxOf(column)->SetChecked(true);
    }
}

void IncludeRuleForm::ClearChecksClick() {
    for (const int column : config_.checkAll) {
        BoxOf(column)->SetChecked(false);
    }
}

void IncludeRuleForm::ListView1Click() {
    if (const TListItem* row = ListView1->Selected()) {
        ProfileEdit->SetText(row->Caption());
        AccessEdit->SetText(row->SubItem(0));
        ShowRowState(true, false);
    } else {
        ShowRowState(false, true);
        ResetRuleInput();
    }
    ApplyDependencies();
}

void IncludeRuleForm::ResetRuleInput() {
    UncheckAllIncludes(IncludeBoxes);
    if (config_.resetSelectsFirst) {
        ResetListedEditors(Editors);
    } else {
        for (TWinControl* editor : Editors) {
            if (auto* edit = dynamic_cast<TEdit*>(editor)) {
                edit->SetText(QString());
            }
        }
    }
    if (config_.resetEmptiesKeys) {
        ProfileEdit->SetText(QString());
        AccessEdit->SetText(QString());
    }
    if (PortGrid) {
        PortGrid->ClearAllPorts();
    }
    ShowRowCount(ListView1, Count);
}

bool IncludeRuleForm::CheckRuleInput() {
    if (!CheckEditNotEmpty(ProfileEdit, QStringLiteral("Profile ID must be set.")) ||
        !CheckEditNotEmpty(AccessEdit, QStringLiteral("Access ID must be set."))) {
        return false;
    }
    if (config_.permitInCheck && !PermitTicked()) {
        return false;
    }
    // A ticked editor left empty would go out as a zero or an empty value the user never chose.
    for (const int column : config_.emptyChecks) {
        const TCheckBox* box = BoxOf(column);
        TWinControl* editor = editors_[static_cast<std::size_t>(column)];
        if (box && box->Checked() && box->Enabled() && TextOf(editor).isEmpty()) {
            return CheckEditNotEmpty(editor, QString::fromLatin1(kEmpty));
        }
    }
    return CheckAnyPortChosen();
}

bool IncludeRuleForm::PermitTicked() {
    TCheckBox* box = BoxOf(config_.permit);
    if (box->Checked()) {
        return true;
    }
    ShowMessage(QStringLiteral("Permit option must be checked."));
    TWinControl* focus = config_.permitFocusOnBox ? static_cast<TWinControl*>(box) : ComboOf(config_.permit);
    if (focus->Enabled()) {
        SetActiveControl(focus);
    }
    return false;
}

bool IncludeRuleForm::KeysListed() {
    for (int i = 0; i < ListView1->ItemCount(); ++i) {
        const TListItem* row = ListView1->Item(i);
        if (row->Caption() == ProfileEdit->Text() && row->SubItem(0) == AccessEdit->Text()) {
            ShowMessage(
                QStringLiteral("Has already a record with the same Profile ID and Access ID. Please change "
                               "eithor of them."));
            if (ProfileEdit->Enabled()) {
                SetActiveControl(ProfileEdit);
            }
            return true;
        }
    }
    return false;
}

bool IncludeRuleForm::RowStatusCreates() {
    TComboBox* combo = ComboOf(config_.rowStatus);
    if (combo->ItemIndex() == kCreateAndGo && BoxOf(config_.rowStatus)->Checked()) {
        return true;
    }
    ShowMessage(QStringLiteral("Row State must be checked and set to createAndGo."));
    if (combo->Enabled()) {
        SetActiveControl(combo);
    }
    return false;
}

void IncludeRuleForm::MarkExcludedRuleColumns() {
    MarkExcludedColumns(Request);
}

void IncludeRuleForm::ApplyDependencies() {
    for (const RuleDependency& rule : config_.dependencies) {
        const bool enabled = ComboOf(rule.combo)->ItemIndex() != rule.disabledAt;
        editors_[static_cast<std::size_t>(rule.dependent)]->SetEnabled(enabled);
        BoxOf(rule.dependent)->SetEnabled(enabled);
    }
}

TEdit* IncludeRuleForm::EditOf(int column) const {
    return dynamic_cast<TEdit*>(editors_.at(static_cast<std::size_t>(column)));
}

TComboBox* IncludeRuleForm::ComboOf(int column) const {
    return dynamic_cast<TComboBox*>(editors_.at(static_cast<std::size_t>(column)));
}

TCheckBox* IncludeRuleForm::BoxOf(int column) const {
    return boxes_.at(static_cast<std::size_t>(column));
}

void IncludeRuleForm::TickPort(int port, bool ticked) {
    if (PortGrid && port >= 1 && port <= TStackingPortUitForm::kBoxesPerUnit) {
        PortGrid->PortBoxes[static_cast<std::size_t>(port - 1)]->SetChecked(ticked);
    }
}

} // namespace qs
