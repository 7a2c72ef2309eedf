#include "RuleEditorForm.h"

#include "AccessMarks.h"
#include "AddressEdits.h"
#include "Button.h"
#include "CheckBox.h"
#include "ComboBox.h"
#include "DialogHelpers.h"
#include "Dialogs.h"
#include "Edit.h"
#include "Label.h"
#include "ListView.h"
#include "PageControl.h"
#include "Panel.h"
#include "QsSNMPRequest2Edits.h"
#include "ReadShown.h"
#include "StaticText.h"
#include "StatusBar.h"

#include <algorithm>

namespace qs {

namespace {

constexpr int kRowHeight = 26;
constexpr int kBoxWidth = 22;
constexpr int kLabelWidth = 215;
constexpr int kButtonColumn = 112;
constexpr int kPickerHeight = 150;
constexpr int kStatusHeight = 22;
constexpr int kButtonTop = 62;
constexpr int kButtonStep = 36;

int SideWidth(const RuleEditorLayout& layout) {
    return kBoxWidth + kLabelWidth + layout.editorWidth + 16;
}

bool Placed(const RuleField& f) {
    return f.control != nullptr && (f.flags & RuleField::kHidden) == 0;
}

int EditorRows(RuleFieldTable fields) {
    int rows[2] = {0, 0};
    for (const RuleField& f : fields) {
        if (Placed(f)) {
            ++rows[f.side ? 1 : 0];
        }
    }
    return std::max(rows[0], rows[1]);
}

QSize FormSize(const RuleEditorLayout& layout, RuleFieldTable fields) {
    const int picker = layout.picker == PickerPlace::None ? 0 : kPickerHeight;
    const int buttons = kButtonTop + static_cast<int>(layout.buttons.size()) * kButtonStep;
    const int height = layout.listHeight + EditorRows(fields) * kRowHeight + 16 + picker;
    return {2 * SideWidth(layout) + kButtonColumn + 8, std::max(height, buttons) + kStatusHeight};
}

bool CanFocus(const TWinControl* control) {
    return control && control->Enabled() && control->Visible();
}

} // namespace

bool HexDigitsExact(const QString& text, int n) {
    if (text.size() != n) {
        return false;
    }
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
    });
}

bool IsValidOffsetText(const QString& text) {
    return text.size() <= 32 && HexDigitsExact(text, static_cast<int>(text.size()));
}

long IntOrMinusOne(const QString& text) {
    bool ok = false;
    const long v = text.toLong(&ok);
    return ok ? v : -1;
}

RuleEditorForm::RuleEditorForm(TComponent* owner, const RuleEditorLayout& layout, RuleFieldTable fields,
                               const RuleEditorRules& rules)
    : FeatureDialog(owner, layout.formName, QString::fromLatin1(layout.provisionalCaption),
                    FormSize(layout, fields)),
      Ports(this), layout_(layout), fields_(fields), rules_(rules), rowButtons_({}, {}) {
    for (const RuleField& f : fields_) {
        const QsOptionList* list = nullptr;
        if (f.options) {
            options_.push_back(std::make_unique<QsOptionList>(f.options, OVT_INT));
            list = options_.back().get();
        }
        table_.push_back({f.oid, f.caption, f.syntax, f.access, list});
    }
    table_.push_back({nullptr});
    BuildControls();
    std::vector<TControl*> onRow;
    for (ButtonRole role : {ButtonRole::Edit, ButtonRole::Delete}) {
        if (TButton* b = ButtonOf(role)) {
            onRow.push_back(b);
        }
    }
    rowButtons_ = RowButtons(onRow, {ButtonOf(ButtonRole::Add)});
    OnCreate = [this](TObject*) { Open(); };
}

RuleEditorForm::~RuleEditorForm() {
    Shutdown.Run(); // the option lists the request's variables point to go with this form
}

TEdit* RuleEditorForm::EditOf(int column) const {
    return editors_.at(static_cast<std::size_t>(column)).edit;
}

TComboBox* RuleEditorForm::ComboOf(int column) const {
    return editors_.at(static_cast<std::size_t>(column)).combo;
}

TCheckBox* RuleEditorForm::IncludeOf(int column) const {
    return editors_.at(static_cast<std::size_t>(column)).include;
}

TButton* RuleEditorForm::ButtonOf(ButtonRole role) const {
    for (const auto& [r, button] : buttons_) {
        if (r == role) {
            return button;
        }
    }
    return nullptr;
}

void RuleEditorForm::BuildControls() {
    MakeStatusBar(true);
    auto* column = Make<TPanel>(nullptr, "ButtonPanel");
    column->SetAlign(alRight);
    column->SetWidth(kButtonColumn);
    auto* main = Make<TPanel>(nullptr, "MainPanel");
    main->SetAlign(alClient);
    if (layout_.picker != PickerPlace::None) {
        StackingPortPanel = Make<TPanel>(main, "StackingPortPanel");
        StackingPortPanel->SetAlign(alBottom);
        StackingPortPanel->SetHeight(kPickerHeight);
    }
    auto* editors = Make<TPanel>(main, "EditorPanel");
    editors->SetAlign(alBottom);
    editors->SetHeight(EditorRows(fields_) * kRowHeight + 16);
    ListView1 = Make<TListView>(main, "ListView1");
    ListView1->SetAlign(alClient);
    BuildEditors(editors);
    BuildButtons(column);
    ListView1->OnClick = [this](TObject*) { Handle([this] { RowClick(); }); };
    FollowRowCount(ListView1, count_);
}

void RuleEditorForm::BuildEditors(TPanel* panel) {
    int row[2] = {0, 0};
    editors_.resize(fields_.size());
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const RuleField& f = fields_[i];
        Editor& e = editors_[i];
        if (f.control == nullptr) {
            continue; // the port list: the picker's boxes
        }
        const int side = f.side ? 1 : 0;
        const int left = 8 + side * SideWidth(layout_);
        const int top = 8 + row[side] * kRowHeight;
        const QString name = QString::fromLatin1(f.control);
        if (f.includeBox) {
            e.include = Make<TCheckBox>(panel, f.includeBox);
            e.include->SetBounds(left, top + 3, kBoxWidth - 4, 18);
        }
        e.label = Make<TLabel>(panel, ("Label_" + name).toLatin1().constData());
        e.label->SetCaption(QString::fromLatin1(f.label));
        e.label->SetBounds(left + kBoxWidth, top + 4, kLabelWidth - 6, 18);
        TWinControl* editor = nullptr;
        if (f.options) {
            e.combo = Make<TComboBox>(panel, f.control);
            editor = e.combo;
        } else {
            e.edit = Make<TEdit>(panel, f.control);
            editor = e.edit;
        }
        editor->SetBounds(left + kBoxWidth + kLabelWidth, top, layout_.editorWidth, 22);
        if ((f.flags & RuleField::kHidden) != 0) {
            editor->SetVisible(false);
            e.label->SetVisible(false);
            if (e.include) {
                e.include->SetVisible(false);
            }
        } else {
            ++row[side];
        }
    }
}

void RuleEditorForm::BuildButtons(TPanel* column) {
    auto* samples = Make<TLabel>(column, "SamplesLabel");
    samples->SetCaption(QStringLiteral("Samples"));
    samples->SetBounds(12, 8, 88, 16);
    count_ = Make<TStaticText>(column, layout_.countName);
    count_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    count_->setAlignment(Qt::AlignCenter);
    count_->SetCaption(QString::fromLatin1(layout_.countInitial));
    count_->SetBounds(12, 26, 88, 22);
    int top = kButtonTop;
    for (const RuleButton& b : layout_.buttons) {
        std::function<void()> click;
        switch (b.role) {
        case ButtonRole::Refresh:
            click = [this] { RefreshClick(); };
            break;
        case ButtonRole::Add:
            click = [this] { AddClick(); };
            break;
        case ButtonRole::Edit:
            click = [this] { EditClick(); };
            break;
        case ButtonRole::Delete:
            click = [this] { DeleteClick(); };
            break;
        case ButtonRole::Stop:
            click = [this] { StopClick(); };
            break;
        case ButtonRole::CheckAll:
            click = [this] { CheckAll(true); };
            break;
        case ButtonRole::ClearChecks:
            click = [this] { CheckAll(false); };
            break;
        case ButtonRole::Close:
            click = [this] { Close(); };
            break;
        }
        TButton* button = MakeButton(column, b.name, b.caption, std::move(click));
        button->SetBounds(12, top, 88, 28);
        button->SetVisible(b.shown);
        if (b.shown) {
            top += kButtonStep;
        }
        buttons_.emplace_back(b.role, button);
    }
}

void RuleEditorForm::Open() {
    if (layout_.picker == PickerPlace::Panel) {
        Ports.PlaceOn(StackingPortPanel);
    } else if (layout_.picker == PickerPlace::Tab) {
        auto* pages = Make<TPageControl>(StackingPortPanel, "PageControl1");
        pages->SetAlign(alClient);
        pages->SetMultiLine(true);
        Ports.PlaceOnTab(QStringLiteral("Ports"), pages);
    } else {
        Ports.Release();
    }
    Request = MakeTableRequest(ListView1, Ports);
    Request->Request.List = QsSNMPVarList(table_.data(), MVT_UMV, rules_.keyCount);
    if (rules_.blocking) {
        Request->Mode = RM_BLOCKING;
    }
    StatusOut().AttachTo(*Request);
    Handle([this] {
        Bind();
        ResetEditors();
        InitialSelections();
        ShowRowState(false);
        RefreshShown(*Request);
    });
    ShowRowCount(ListView1, count_);
}

void RuleEditorForm::Bind() {
    Request->BindListView(ListView1, true);
    Request->AfterGetHook = [this] { FitColumns(ListView1); };
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const RuleField& f = fields_[i];
        const int column = static_cast<int>(i);
        if (column == rules_.portColumn) {
            Ports.Bind(*Request, column);
        } else if (editors_[i].combo) {
            Request->BindComboBox(column, editors_[i].combo);
        } else if (editors_[i].edit) {
            Request->BindEdits(column, f.format ? f.format : "%s", {editors_[i].edit});
        }
    }
}

bool RuleEditorForm::Busy() const {
    // A blocking walk processes messages between its rows: a click then must not start a second
    // operation on the same request below the first.
    return Request == nullptr || RequestsEnded() || Request->InOperation();
}

void RuleEditorForm::RefreshClick() {
    if (Busy() || Request->Busy || !OperationAllowed()) {
        return; // a walk still running already reads every row
    }
    Handle([this] { RefreshShown(*Request); });
    ShowRowState(false);
    ResetEditors();
}

void RuleEditorForm::ReadAgain() {
    Handle([this] { RefreshShown(*Request); });
}

void RuleEditorForm::RowClick() {
    const TListItem* row = ListView1->Selected();
    if (row == nullptr) {
        ShowRowState(false);
        if (ResetOnEmptyClick()) {
            ResetEditors();
        }
        AfterRowClick(false);
        return;
    }
    if (rules_.keyCount == 2) {
        EditOf(0)->SetText(row->Caption());
        EditOf(1)->SetText(row->SubItem(0));
    }
    ShowRowState(true);
    AfterRowClick(true);
}

void RuleEditorForm::ShowRowState(bool rowSelected) {
    rowButtons_.Show(rowSelected);
    for (int k = 0; k < rules_.keyCount; ++k) {
        EditOf(k)->SetEnabled(!rowSelected);
    }
}

bool RuleEditorForm::Refuse(const QString& message, TWinControl* control) {
    ShowMessage(message);
    FocusOn(control);
    return false;
}

void RuleEditorForm::FocusOn(TWinControl* control) {
    if (CanFocus(control)) {
        control->SetFocus();
    }
}

bool RuleEditorForm::Ticked(int column) const {
    const TCheckBox* box = IncludeOf(column);
    return box && box->Checked();
}

QString RuleEditorForm::TextOf(int column) const {
    const Editor& e = editors_.at(static_cast<std::size_t>(column));
    if (e.edit) {
        return e.edit->Text();
    }
    return e.combo ? e.combo->Text() : QString();
}

int RuleEditorForm::PositionOf(int column) const {
    const TComboBox* combo = ComboOf(column);
    return combo ? combo->ItemIndex() : -1;
}

TWinControl* RuleEditorForm::EditorOf(int column) const {
    const Editor& e = editors_.at(static_cast<std::size_t>(column));
    return e.edit ? static_cast<TWinControl*>(e.edit) : e.combo;
}

bool RuleEditorForm::KeysSet(const char* profileMessage, const char* accessMessage, bool focus) {
    const char* messages[] = {profileMessage, accessMessage};
    for (int k = 0; k < rules_.keyCount; ++k) {
        if (Empty(k)) {
            return Refuse(QString::fromLatin1(messages[k]), focus ? EditorOf(k) : nullptr);
        }
    }
    return true;
}

bool RuleEditorForm::HexOrRefuse(int column, int n, const char* message) {
    return HexDigitsExact(TextOf(column), n) || Refuse(QString::fromLatin1(message), EditorOf(column));
}

bool RuleEditorForm::MacOrRefuse(int column, const char* message) {
    return TakeMacEdit(EditOf(column)) || Refuse(QString::fromLatin1(message), EditorOf(column));
}

bool RuleEditorForm::RangeOrRefuse(int column, long lo, long hi, const char* message) {
    const long v = IntOrMinusOne(TextOf(column));
    return (v >= lo && v <= hi) || Refuse(QString::fromLatin1(message), EditorOf(column));
}

bool RuleEditorForm::OffsetsOrRefuse(std::span<const OffsetColumn> offsets, Write write) {
    for (const OffsetColumn& o : offsets) {
        if (!ColumnLeftOut(o.column, write) && !IsValidOffsetText(TextOf(o.column))) {
            return Refuse(QString::fromLatin1(o.message), EditorOf(o.column));
        }
    }
    return true;
}

bool RuleEditorForm::TickedNotEmpty(std::span<const int> columns, const QString& message, bool focus) {
    for (int c : columns) {
        if (Ticked(c) && Empty(c)) {
            return Refuse(message, focus ? EditorOf(c) : nullptr);
        }
    }
    return true;
}

bool RuleEditorForm::Duplicate() const {
    for (int i = 0; i < ListView1->ItemCount(); ++i) {
        const TListItem* row = ListView1->Item(i);
        if (row->Caption() == EditOf(0)->Text() &&
            (rules_.keyCount == 1 || row->SubItem(0) == EditOf(1)->Text())) {
            return true;
        }
    }
    return false;
}

bool RuleEditorForm::RowStatusRefused() {
    if (rules_.rowStatusMessage == nullptr) {
        return false;
    }
    const bool ticked = !rules_.rowStatusNeedsTick || Ticked(rules_.rowStatus);
    if (PositionOf(rules_.rowStatus) == rules_.createPosition && ticked) {
        return false;
    }
    Refuse(QString::fromLatin1(rules_.rowStatusMessage), ComboOf(rules_.rowStatus));
    return true;
}

void RuleEditorForm::AddClick() {
    if ((Busy() && (Request == nullptr || RequestsEnded() || rules_.busyMessage == nullptr)) ||
        !OperationAllowed()) {
        return;
    }
    auto duplicateOrStatus = [this] {
        if (Duplicate()) {
            Refuse(QString::fromLatin1(rules_.duplicateMessage), EditOf(0));
            return true;
        }
        return RowStatusRefused();
    };
    if (ChecksBeforeValidation()) {
        if (duplicateOrStatus() || !ValidateEditors()) {
            return;
        }
    } else if (!ValidateEditors() || duplicateOrStatus()) {
        return;
    }
    if (CheckBeforeSend(Write::Add)) {
        SendWrite(Write::Add);
    }
}

void RuleEditorForm::EditClick() {
    if (Busy() || ListView1->Selected() == nullptr || !OperationAllowed() || !ValidateEditors()) {
        return;
    }
    if (PositionOf(rules_.rowStatus) == rules_.destroyPosition && Ticked(rules_.rowStatus)) {
        Send([this](AccessMarks& marks) { NonKeysBut(marks, rules_.rowStatus); }, false);
        return;
    }
    if (CheckBeforeSend(Write::Edit)) {
        SendWrite(Write::Edit);
    }
}

void RuleEditorForm::DeleteClick() {
    if (Busy() || ListView1->Selected() == nullptr || !OperationAllowed()) {
        return;
    }
    if (rules_.deleteKind == RowDelete::Shared) {
        Handle([this] { DeleteRow(Request, rules_.rowStatus, "destroy"); });
        ShowRowState(false);
        ResetEditors();
        AfterSharedDelete();
        return;
    }
    Send(
        [this](AccessMarks& marks) {
            NonKeysBut(marks, rules_.rowStatus);
            ComboOf(rules_.rowStatus)->SetItemIndex(rules_.destroyPosition);
        },
        rules_.deleteActive == ActiveFlag::Set);
}

void RuleEditorForm::StopClick() {
    if (Request) {
        Request->Request.Active = false;
    }
}

void RuleEditorForm::CheckAll(bool tick) {
    for (const Editor& e : editors_) {
        if (e.include && e.include->Enabled()) {
            e.include->SetChecked(tick);
        }
    }
}

void RuleEditorForm::NonKeysBut(AccessMarks& marks, int keep) const {
    std::vector<int> out;
    for (int i = rules_.keyCount; i < static_cast<int>(fields_.size()); ++i) {
        if (i != keep) {
            out.push_back(i);
        }
    }
    marks.Exclude(out);
}

void RuleEditorForm::SendWrite(Write write) {
    Send(
        [this, write](AccessMarks& marks) {
            std::vector<int> out;
            for (int i = rules_.keyCount; i < static_cast<int>(fields_.size()); ++i) {
                if (i == rules_.portColumn) {
                    continue;
                }
                if (ColumnLeftOut(i, write) && !(write == Write::Add && i == rules_.rowStatus)) {
                    out.push_back(i);
                }
            }
            marks.Exclude(out);
            ExcludeColumns(marks, write);
            if (write == Write::Add) {
                ComboOf(rules_.rowStatus)->SetItemIndex(rules_.createPosition);
            }
        },
        write == Write::Add && rules_.addActive == ActiveFlag::Set);
}

bool RuleEditorForm::ColumnLeftOut(int column, Write) const {
    return IncludeOf(column) ? !Ticked(column) : Empty(column);
}

void RuleEditorForm::Send(const std::function<void(AccessMarks&)>& exclude, bool setActive) {
    const bool sent = Handle([&] {
        AccessMarks marks(Request->Request.List); // every word back when the scope ends
        exclude(marks);
        if (setActive) {
            Request->Request.Active = true;
        }
        Request->Apply(false, true, std::string(), nullptr);
        AfterApply();
    });
    if (sent || RereadAfterFailedWrite()) {
        ReadAgain();
    }
    ShowRowState(false);
    if (ResetAfterWrite() || !sent) {
        ResetEditors();
    }
}

void RuleEditorForm::ResetEditors() {
    for (std::size_t i = 0; i < editors_.size(); ++i) {
        const Editor& e = editors_[i];
        if (e.edit) {
            e.edit->SetText(QString());
        }
        if (e.combo && rules_.comboReset != ComboReset::Keep) {
            e.combo->SetItemIndex(rules_.comboReset == ComboReset::FirstItem ? 0 : -1);
        }
        const bool sticky = (fields_[i].flags & RuleField::kSticky) != 0;
        if (e.include && rules_.uncheckOnReset && !sticky && e.include->Enabled()) {
            e.include->SetChecked(false);
        }
    }
    Ports.Clear();
    ShowRowCount(ListView1, count_);
    AfterReset();
}

} // namespace qs
