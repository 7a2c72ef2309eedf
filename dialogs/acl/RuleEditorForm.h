// The rule editor: one engine for the mask (profile) and rule dialogs of the access lists and of
// the CPU interface filter. A dialog is a small class over its own data: the table's columns with
// the editors they are bound to (RuleFieldTable), the form's buttons and sizes
// (RuleEditorLayout) and its policies (RuleEditorRules), plus named hooks for what only it does
// (its input checks, the columns its state fields leave out, its reset).
//
// What the engine does for every dialog: the form (list view on top, editors in two columns with
// their include boxes, the button column with the "Samples" count, the port picker, one-panel
// status bar); the request walking the table into the list; the no-row and row states; the write
// frame (access words saved, columns left out, active flag, one SET with the values collected
// from the controls, words put back, table read again, editors reset; an exception's text in
// status panel 0); the exact-text duplicate test; the Row Status test; local and shared Delete;
// rule Edit; Check All and Clear Checks; Stop; and the ordered close.
#pragma once

#include "FeatureDialog.h"
#include "PortPickerSlot.h"
#include "QsOptionList.h"
#include "QsSNMPVar.h"
#include "RowSelection.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

class QsSNMPRequest2Edits;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPanel;
class TStaticText;
class TWinControl;

namespace qs {

class AccessMarks;

// One column of the device table and the editor bound to it.
struct RuleField {
    const char* oid;
    const char* caption; // the list view's column title
    std::uint32_t syntax;
    std::uint32_t access;
    const QsOption* options; // enumerated column: bound to a combo box, items in this order
    const char* control;     // the editor's object name; null for the port list
    const char* format;      // an edit's format; null for a combo box or the port list
    const char* includeBox;  // the box that decides whether the column is written; null: none
    const char* label;       // the text beside the editor
    std::uint8_t side;       // 0 left editor column, 1 right
    std::uint8_t flags;      // RuleField::kHidden, kSticky
    static constexpr std::uint8_t kHidden = 1; // the editor (and its label) is never shown
    static constexpr std::uint8_t kSticky = 2; // the include box keeps its tick over a reset
};
using RuleFieldTable = std::span<const RuleField>;

// A packet-content offset column and the message shown when its text is no offset text.
struct OffsetColumn {
    int column;
    const char* message;
};

enum class ButtonRole : std::uint8_t { Refresh, Add, Edit, Delete, Stop, CheckAll, ClearChecks, Close };

struct RuleButton {
    const char* name;
    const char* caption;
    ButtonRole role;
    bool shown;
};

enum class PickerPlace : std::uint8_t { None, Panel, Tab };

struct RuleEditorLayout {
    const char* formName;
    const char* provisionalCaption;
    std::span<const RuleButton> buttons; // top to bottom
    const char* countName;               // the "Samples" count text
    const char* countInitial;
    PickerPlace picker;
    int listHeight;
    int editorWidth = 150; // wide enough for the longest text an editor takes
};

enum class ComboReset : std::uint8_t { Keep, NoSelection, FirstItem };
enum class RowDelete : std::uint8_t { Local, Shared };
// When the active flag is set before a write's SET.
enum class ActiveFlag : std::uint8_t { Untouched, Set };

struct RuleEditorRules {
    int keyCount;                            // 1 mask, 2 rule
    int rowStatus;                           // the Row Status column
    int portColumn = -1;                     // the port list column; -1 none
    bool blocking = true;                    // RM_BLOCKING; otherwise the request stays asynchronous
    RowDelete deleteKind = RowDelete::Local; // local: destroy without asking; shared: DeleteRow
    ActiveFlag addActive = ActiveFlag::Untouched;
    ActiveFlag deleteActive = ActiveFlag::Untouched;
    ComboReset comboReset = ComboReset::Keep;
    bool uncheckOnReset = false;            // the include boxes (but sticky ones) are unticked by a reset
    const char* duplicateMessage = nullptr; // the keys are already listed
    const char* rowStatusMessage = nullptr; // Row Status is not createAndGo (null: not tested)
    bool rowStatusNeedsTick = false;        // the Row Status test also wants its include box ticked
    int createPosition = 1;                 // createAndGo and destroy in the Row Status list
    int destroyPosition = 2;
    // Add is refused with this text while a read runs (the dialog's own check); null: a click
    // during a blocking read is ignored.
    const char* busyMessage = nullptr;
};

class RuleEditorForm : public FeatureDialog {
public:
    enum class Write : std::uint8_t { Add, Edit };

    RuleEditorForm(TComponent* owner, const RuleEditorLayout& layout, RuleFieldTable fields,
                   const RuleEditorRules& rules);
    ~RuleEditorForm() override;

    // The editors, include boxes and buttons by column or role (null when there is none).
    TEdit* EditOf(int column) const;
    TComboBox* ComboOf(int column) const;
    TCheckBox* IncludeOf(int column) const;
    TButton* ButtonOf(ButtonRole role) const;
    TStaticText* Count() const { return count_; }
    TListView* ListView1 = nullptr;
    TPanel* StackingPortPanel = nullptr;
    PortPickerSlot Ports;
    QsSNMPRequest2Edits* Request = nullptr;

protected:
    // The handlers' work, which each dialog publishes under its own handler names.
    void Open();
    void RefreshClick();
    void RowClick();
    void AddClick();
    void EditClick();
    void DeleteClick();
    void StopClick();
    void CheckAll(bool tick);

    // Hooks.
    // Whether Refresh, Add, Edit and Delete may run now (a dialog's own walk gate shows its
    // text and returns false).
    virtual bool OperationAllowed() { return true; }
    // Input checks run first by Add (and Edit); false stops the operation.
    virtual bool ValidateEditors() = 0;
    // Masks: the duplicate and Row Status tests come before ValidateEditors.
    virtual bool ChecksBeforeValidation() const { return false; }
    // Checks that run once the duplicate and Row Status tests passed (offset texts).
    virtual bool CheckBeforeSend(Write) { return true; }
    // Whether a write leaves the non-key column out before the dialog's own rules run: a rule
    // dialog's column whose include box is unticked, a mask's column whose editor is empty.
    virtual bool ColumnLeftOut(int column, Write write) const;
    // Leaves out what the dialog's own rules exclude from a write, beyond the template's.
    virtual void ExcludeColumns(AccessMarks&, Write) {}
    // The combo selections the form opens with (after the first reset).
    virtual void InitialSelections() {}
    // After the template's reset.
    virtual void AfterReset() {}
    // After a row click (selected) or a click on empty space (!selected).
    virtual void AfterRowClick(bool) {}
    // Whether a click on empty space resets the editors.
    virtual bool ResetOnEmptyClick() const { return true; }
    // After a shared Delete (the template sets the no-row state and resets).
    virtual void AfterSharedDelete() {}
    // Right after the SET was sent, its access marks still in place (a dialog that awaits its
    // write's reply waits here).
    virtual void AfterApply() {}
    // Whether the editors are reset after a write (the no-row state is always set).
    virtual bool ResetAfterWrite() const { return true; }
    // Whether a failed write reads the table again.
    virtual bool RereadAfterFailedWrite() const { return false; }

    // Helpers for the hooks.
    // Shows message, moves the focus to control when it can take it; returns false.
    static bool Refuse(const QString& message, TWinControl* control = nullptr);
    // Moves the focus to control when it can take it (enabled and shown).
    static void FocusOn(TWinControl* control);
    bool Ticked(int column) const;
    QString TextOf(int column) const; // an edit's text or a combo's selected item text
    bool Empty(int column) const { return TextOf(column).isEmpty(); }
    int PositionOf(int column) const;
    // The key edits' emptiness, Profile ID first: message, focus on the edit (when focus), false.
    bool KeysSet(const char* profileMessage, const char* accessMessage, bool focus = true);
    // A column's text that is not exactly n hex digits: message, focus on its editor, false.
    bool HexOrRefuse(int column, int n, const char* message);
    // A column's text that is no MAC address: the same; a MAC in any writing the address rule
    // takes is put into the edit as 12 hex digits.
    bool MacOrRefuse(int column, const char* message);
    // A column's integer value (-1 when the text is none) outside lo to hi: the same.
    bool RangeOrRefuse(int column, long lo, long hi, const char* message);
    // The offset columns a write sends, in order: the first whose text is no offset text shows its
    // message, focus on its editor, false.
    bool OffsetsOrRefuse(std::span<const OffsetColumn> offsets, Write write);
    TWinControl* EditorOf(int column) const;
    // Ticked include boxes whose editor is empty, in the given order: message, focus, false.
    bool TickedNotEmpty(std::span<const int> columns, const QString& message, bool focus = true);
    void ResetEditors();
    void ShowRowState(bool rowSelected);
    const RuleEditorRules& Rules() const { return rules_; }
    RuleFieldTable Fields() const { return fields_; }

private:
    struct Editor {
        TLabel* label = nullptr;
        TEdit* edit = nullptr;
        TComboBox* combo = nullptr;
        TCheckBox* include = nullptr;
    };
    void BuildControls();
    void BuildEditors(TPanel* panel);
    void BuildButtons(TPanel* column);
    void Bind();
    bool Busy() const;
    bool Duplicate() const;
    bool RowStatusRefused();
    // The write frame: columns left out by exclude, then one SET, words back, read again.
    void Send(const std::function<void(AccessMarks&)>& exclude, bool setActive);
    void SendWrite(Write write);
    void ReadAgain();
    void NonKeysBut(AccessMarks& marks, int keep) const;

    const RuleEditorLayout& layout_;
    RuleFieldTable fields_;
    const RuleEditorRules& rules_;
    std::vector<std::unique_ptr<QsOptionList>> options_;
    std::vector<QsSNMPVarDesc> table_;
    std::vector<Editor> editors_;
    std::vector<std::pair<ButtonRole, TButton*>> buttons_;
    TStaticText* count_ = nullptr;
    RowButtons rowButtons_;
};

// Text checks of the rule editors; each shows nothing.
// Exactly n characters, each a hexadecimal digit.
bool HexDigitsExact(const QString& text, int n);
// The integer value of text, or -1 when it is none.
long IntOrMinusOne(const QString& text);
// A packet-content offset text: empty, or at most 32 hex digits in either case.
bool IsValidOffsetText(const QString& text);

} // namespace qs
