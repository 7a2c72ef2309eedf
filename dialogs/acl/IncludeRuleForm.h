// The rule editors built on the include-box dialog base: a table of rules keyed by Profile ID and
// Access ID listed on top, one editor per column beside its include box, the 12-unit port grid
// whose unit 1 holds the rule's port list, and a button column. A write sends the keys (as the
// row instance), the port list and every column whose include box is ticked and enabled; Row
// Status too travels only with its box ticked. Add refuses a listed key pair and anything but a
// ticked createAndGo; Delete sends Row Status destroy alone. The two dialogs of this kind are one
// class configured by their differences.
#pragma once

#include "FailureReport.h"
#include "RequestShutdown.h"
#include "RowSelection.h"
#include "TBasicFormUnit.h"

#include <cstdint>
#include <functional>
#include <vector>

class QsSNMPRequest2Edits;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TListView;
class TPanel;
class TStaticText;
class TStatusBar;

namespace qs {

enum class RuleEditor : std::uint8_t { Key, Edit, Combo, Ports };

// One column of the rule table: its editor, its include box and where they stand.
struct RuleColumnDef {
    RuleEditor kind;
    const char* editorName; // null for the port list
    const char* format;     // edit format; unused for combo boxes
    const char* boxName;    // include box; null for keys and the port list
    const char* caption;    // label beside the editor, or the include box's own text
    bool captionOnBox;      // the caption is the include box's text and there is no label
    int row;                // cell in the editor panel
    int col;
    int editorWidth; // 0: the cell's width
};

// While the combo stands at disabledAt, the dependent column's editor and include box are
// disabled.
struct RuleDependency {
    int combo;
    int disabledAt;
    int dependent;
};

struct IncludeRuleButtons {
    const char* refresh;
    const char* add;
    const char* edit;
    const char* stop; // null: no Stop button
    const char* erase;
    const char* checkAll; // null: no Check All and Clear Checks buttons
    const char* clearChecks;
    const char* close;
};

struct IncludeRuleConfig {
    const char* formName;
    QSize clientSize;
    const QsSNMPVarDesc* table;
    std::vector<RuleColumnDef> columns; // one per table row, in table order
    int rowStatus;
    int permit;
    const char* listName;
    const char* countName;
    const char* statusName;
    const char* gridPanelName;
    const char* accessNote; // red note beside the Access ID edit; null: none
    IncludeRuleButtons buttons;
    bool blocking;      // every read and write waits for its answer
    bool editShown;     // Edit changes a listed rule; otherwise its button stays hidden
    bool permitInCheck; // the Permit box test belongs to the input check (before the key test)
    bool permitFocusOnBox;
    bool resetEmptiesKeys;        // resets empty the key edits too
    bool resetSelectsFirst;       // resets put every combo box at its first item
    bool refreshEnablesKeys;      // Refresh enables the key edits (otherwise they keep their state)
    std::vector<int> emptyChecks; // ticked columns whose empty editor refuses a write, in order
    std::vector<std::pair<int, int>> initialPositions; // combo column, position
    std::vector<RuleDependency> dependencies;
    std::vector<int> checkAll; // the include boxes Check All and Clear Checks act on
};

class IncludeRuleForm : public TBasicForm {
public:
    IncludeRuleForm(TComponent* owner, const IncludeRuleConfig& config);
    ~IncludeRuleForm() override;

    void FormCreate();
    void GetButtonClick();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    void StopButtonClick();
    void CheckAllClick();
    void ClearChecksClick();
    void ListView1Click();

    // Unticks the include boxes and the port boxes, empties the editors the dialog resets and
    // shows the row count.
    void ResetRuleInput();
    // The input check of Add and Edit: keys, ticked editors, at least one port.
    bool CheckRuleInput();
    // Leaves out every non-key column whose include box is not ticked and enabled.
    void MarkExcludedRuleColumns();
    // Enables or disables each dependent column by its combo box.
    void ApplyDependencies();

    TEdit* EditOf(int column) const;
    TComboBox* ComboOf(int column) const;
    TCheckBox* BoxOf(int column) const;
    // Ticks or unticks port p (1 to 64) of unit 1.
    void TickPort(int port, bool ticked);

    TListView* ListView1 = nullptr;
    TStaticText* Count = nullptr;
    TStatusBar* StatusBar = nullptr;
    TPanel* EditorPanel = nullptr;
    TPanel* GridPanel = nullptr;
    TEdit* ProfileEdit = nullptr;
    TEdit* AccessEdit = nullptr;
    TButton* RefreshButton = nullptr;
    TButton* AddButton = nullptr;
    TButton* EditButton = nullptr;
    TButton* StopButton = nullptr;
    TButton* DeleteButton = nullptr;
    TButton* CheckAllButton = nullptr;
    TButton* ClearChecksButton = nullptr;
    TButton* CloseButton = nullptr;
    // Null once the dialog has closed.
    QsSNMPRequest2Edits* Request = nullptr;

protected:
    template <class C> C* Make(TWinControl* parent, const char* name) {
        auto* c = new C(this, parent);
        c->SetName(QString::fromLatin1(name));
        return c;
    }
    StatusArea StatusOut() const { return StatusArea(StatusBar); }
    bool Handle(const std::function<void()>& work) { return Guarded(StatusOut(), work); }

private:
    void BuildControls();
    void BuildColumn(int column, const RuleColumnDef& def);
    void BuildButtonColumn(TPanel* panel);
    void BindColumns();
    void CloseQuery(bool& canClose);
    bool Idle() const;
    void ShowRowState(bool rowSelected, bool enableKeys);
    bool PermitTicked();
    bool KeysListed();
    bool RowStatusCreates();
    // The write frame: saves the access words, sends one SET of what leaveOut leaves, restores
    // the words and reads the table again; a failure resets the input.
    void Write(const std::function<void()>& leaveOut, bool activate);
    // Reads the table; a walk still running is followed by a new one when it ends.
    void StartWalk();
    void WalkEnded(QsSNMPRequest2Controls* sender, QsSNMPError* error);

    const IncludeRuleConfig& config_;
    std::vector<TWinControl*> editors_; // per column: its editor, or null
    std::vector<TCheckBox*> boxes_;     // per column: its include box, or null
    RowButtons rowButtons_;
    RequestShutdown shutdown_;
    bool walking_ = false;
    bool walkAgain_ = false;
};

} // namespace qs
