// The table dialogs whose rows carry a VLAN set as eight 64-octet bitmap blocks (block k holds
// VLANs 512k+1 to 512k+512), shown and edited as one range text per block such as "1-3,5". Each
// column's editor has an include box; Edit writes the ticked columns of the selected row, Add
// creates a row with its row status alone, Delete destroys the selected row. The MSTP instance
// and the ERPS R-APS VLAN dialogs are this dialog configured by their differences.
#pragma once

#include "FailureReport.h"
#include "QsSNMPRequest2Edits.h"
#include "RequestShutdown.h"
#include "RowSelection.h"
#include "TBasicFormUnit.h"

#include <span>
#include <string>
#include <vector>

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TPanel;
class TStaticText;
class TStatusBar;

namespace qs {

class VlanBlockTableForm;

// One column's editor and include box.
struct BlockColumn {
    enum class OnRow : std::uint8_t { Editable, Face, Disabled }; // the editor while a row is selected
    const char* editorName;
    bool combo;
    const char* format; // edits
    const char* includeName;
    const char* includeCaption;
    int group; // index of the group box holding it; -1: hidden
    OnRow onRow = OnRow::Editable;
    bool includeLocked = false; // the include box stays disabled while a row is selected
};

struct BlockGroup {
    const char* name;
    const char* caption;
    int perLine; // columns side by side
};

struct VlanBlockTableConfig {
    const char* formName;
    const char* caption;
    const QsSNMPVarDesc* (*table)();      // the table's columns without the eight VLAN blocks
    const char* firstBlockOid;            // block 0's column; the other blocks follow it in turn
    std::span<const BlockColumn> columns; // without the eight VLAN blocks
    std::span<const BlockGroup> groups;
    int firstBlock;                            // the column of VLAN block 0
    int blockGroup;                            // the group box of the eight block editors
    int rowStatus;                             // the row-status column
    const char* existsMessage;                 // non-null: Add refuses while the list shows a row
    int priorityColumn;                        // -1: none; else rounded down to a multiple of 4096 by Edit
    std::span<const char* const> neverChecked; // include boxes "Check All" leaves unticked
};

// The request of a block table: a row read shows each block as range text; a write collects the
// selected row and the controls, then turns the ticked blocks into bitmaps (or, for Add, sends
// the typed index with row status createAndGo).
class VlanBlockRequest : public QsSNMPRequest2Edits {
public:
    VlanBlockRequest(VlanBlockTableForm* form, int firstBlock);

    void BlocksToRangeText();
    void RangeTextToBlocks();

protected:
    void OnRow() override;
    void CollectValues() override;
    bool ConvertsOwnText(int varIndex) const override;

private:
    VlanBlockTableForm* form_;
    int firstBlock_;
};

// The request's columns: the dialog's own table with the eight VLAN block columns put in at
// firstBlock, named by their VLANs.
QsSNMPVarList BlockTableVars(const VlanBlockTableConfig& config);

// True when text names only VLANs of block (512 block + 1 to 512 block + 512): numbers and
// ranges joined by ",", a range not reversed; "0" and the empty text name none.
bool BlockRangeTextValid(const QString& text, int block);

class VlanBlockTableForm : public TBasicForm {
public:
    VlanBlockTableForm(TComponent* owner, const VlanBlockTableConfig& config);
    ~VlanBlockTableForm() override;

    void FormCreate();
    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void CheckButtonClick();
    void UncheckButtonClick();
    void ListView1Click();
    void LockEditors();
    void UnlockEditors();

    StatusArea StatusOut() const { return StatusArea(StatusBar1); }
    // The editor and include box of a column (null when it has none).
    TWinControl* Editor(int column) const { return Editors.at(static_cast<std::size_t>(column)); }
    TCheckBox* Include(int column) const;

    TListView* ListView1;
    TLabel* Label1;
    TEdit* VIDEdit;
    TLabel* Label4;
    TStaticText* StaticText1;
    TButton* GetButton;
    TButton* EditButton;
    TButton* AddButton;
    TButton* DeleteButton;
    TButton* CheckButton;
    TButton* UncheckButton;
    TButton* CloseButton;
    TButton* StopButton;
    TStatusBar* StatusBar1;

    // 1 while an Add is written, 2 while an Edit is.
    int WriteMode = 0;
    VlanBlockRequest* Request = nullptr;

protected:
    // The subclass's request class.
    virtual std::unique_ptr<VlanBlockRequest> MakeRequest() = 0;

private:
    template <class C> C* Make(TWinControl* parent, const char* name) {
        auto* c = new C(this, parent);
        c->SetName(QString::fromLatin1(name));
        return c;
    }
    void BuildControls();
    void BuildGroups(TPanel* area);
    void BuildColumn(int column, const BlockColumn& def, TPanel* group, int slot, int perLine);
    void BuildButtonColumn(TPanel* column);
    void BindColumns();
    bool Guard(const std::function<void()>& work);
    void ShowNoRow();
    bool BlocksValid();
    void RoundPriority();
    void Write();

    const VlanBlockTableConfig& config_;
    std::vector<BlockColumn> columns_; // every column, the blocks included
    std::vector<TPanel*> groups_;
    RowButtons rowButtons_;
    RequestShutdown shutdown_;
};

} // namespace qs
