// TBasicForm: the base of the table dialogs that write only the columns the user ticked. Each
// column's editor is paired with an include box (a check box or radio button, or null for a
// column that is always sent); before a write the unticked or disabled columns are marked
// "invalid" so the SET leaves them out, and the marks are cleared afterwards. It can embed a
// 12-unit port picker and offers the input checks the include-box dialogs share.
#pragma once

#include "Form.h"
#include "QsSNMPVarList.h"

#include <QSize>
#include <string>
#include <vector>

class QsSNMPRequest2Controls;
class QsSNMPRequest2Edits;
class TComboBox;
class TEdit;
class TStackingPortUitForm;

class TBasicForm : public TForm {
public:
    // layoutClientSize is the subclass's layout (none keeps the default); the form is then
    // scaled by 1.25 on a screen not at 96 pixels per inch and centred on the main window.
    explicit TBasicForm(TComponent* owner, QSize layoutClientSize = {});
    ~TBasicForm() override;

    // A 12-unit picker (units "Unit1" to "Unit12", 64 boxes each in rows of columns) filling
    // panel, showing unit 1 with the model's port count. When it cannot be made, shows
    // "Memory alloc problem!" and closes the dialog.
    void CreatePortGrid(TWinControl* panel, int columns);

    // True when a box of unit 1 is ticked; otherwise "You must choose at least 1 port!".
    bool CheckAnyPortChosen();
    // False, with message shown and the control focused when enabled, when includeBox is ticked
    // and the control's text is empty; true otherwise.
    bool CheckRequiredEdit(TWinControl* includeBox, TWinControl* control, const QString& message);
    // The same without an include box; a null control passes.
    bool CheckEditNotEmpty(TWinControl* control, const QString& message);

    // Every combo box of list to item 0, every edit emptied; other entries are skipped.
    static void ResetListedEditors(const std::vector<TWinControl*>& list);
    // Unticks every check box of list; CheckAllIncludes ticks every enabled one.
    static void UncheckAllIncludes(const std::vector<TWinControl*>& list);
    static void CheckAllIncludes(const std::vector<TWinControl*>& list);

    // Binds the column's editor to variable varIndex of request and appends it with its include
    // box. Subclasses bind their columns in index order (AddIncludedColumn(nullptr, nullptr) for
    // a column bound otherwise), so that list position equals variable index.
    void BindComboWithCheck(QsSNMPRequest2Edits* request, int varIndex, TComboBox* combo,
                            TWinControl* includeBox);
    void BindEditWithCheck(QsSNMPRequest2Edits* request, int varIndex, const std::string& format, TEdit* edit,
                           TWinControl* includeBox);
    // Marks "invalid" every column from the list's key count below ColumnCount, but the
    // row-status column, whose include box is not both ticked and enabled. Columns without an
    // include box are always sent.
    void MarkExcludedColumns(QsSNMPRequest2Controls* request) const;
    void MarkExcludedColumns(QsSNMPVarList& list) const;
    // Clears the "invalid" mark of columns 0 to ColumnCount - 1.
    void ClearExcludeMarks(QsSNMPRequest2Controls* request) const;
    void ClearExcludeMarks(QsSNMPVarList& list) const;

    // Marks the excluded columns for one write and clears the marks when it ends, also when the
    // write raises: { TBasicForm::ExcludedColumnsScope scope(*this, request); request->Apply(...); }
    class ExcludedColumnsScope {
    public:
        ExcludedColumnsScope(const TBasicForm& form, QsSNMPRequest2Controls* request);
        ~ExcludedColumnsScope();
        ExcludedColumnsScope(const ExcludedColumnsScope&) = delete;
        ExcludedColumnsScope& operator=(const ExcludedColumnsScope&) = delete;

    private:
        const TBasicForm& form_;
        QsSNMPRequest2Controls* request_;
    };

    // One entry per column index: the include box (or null) and the column's editor (or null).
    std::vector<TWinControl*> IncludeBoxes;
    std::vector<TWinControl*> Editors;
    int ColumnCount = 0;
    int KeyCount = 0;
    int RowStatusColumn = 0;
    // "0,1,...,63": binds the port grid's boxes to the bits of a port list.
    std::string PortBitIndexText;
    TStackingPortUitForm* PortGrid = nullptr;

protected:
    // Appends one column's include box and editor, so that list position equals column index.
    void AddIncludedColumn(TWinControl* includeBox, TWinControl* editor);
};
