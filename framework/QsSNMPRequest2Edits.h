// The request-to-edits driver: binds variables of its request to labels, static texts, edits,
// combo boxes, radio groups, check boxes (whole values or single bits) and one report-style list
// view. A read fills the list view row by row or shows the values in the controls; a write
// collects the selected row and the controls' contents. The controls' own change handlers are
// saved and still called.
#pragma once

#include "InputError.h"
#include "ListView.h"
#include "OctetTexts.h"
#include "QsEditConstraint.h"
#include "QsSNMPRequest2Controls.h"

#include <QElapsedTimer>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TCheckBox;
class TComboBox;
class TForm;
class TLabel;
class TStaticText;

using QsRequestHook = std::function<void()>;

namespace qs {
struct TypedField;
}

// One binding: a variable (or a part of its bytes) and its controls.
struct _ControlAssociation_s {
    int VarIndex = 0;
    int Position = 0;                         // byte offset of the bound part
    std::uint32_t PartSyntax = 0;             // syntax of the bound part
    const QsOptionList* OptionList = nullptr; // null: the variable's own applies
    std::vector<int> BitPositions;            // check boxes bound to bits; empty otherwise
    std::vector<TComponent*> Controls;        // in order
    std::vector<TNotifyEvent> SavedHandlers;  // each control's own change handler
    std::vector<QPointer<QObject>> Alive;     // null once a control is destroyed
    std::string PortTemplate;                 // the width of the bit list last shown
    int ControlCount() const { return static_cast<int>(Controls.size()); }
};

class QsSNMPRequest2Edits : public QsSNMPRequest2Controls {
public:
    explicit QsSNMPRequest2Edits(TForm* owner);
    // Does not give the bound controls their own handlers back: a request is destroyed only with
    // its controls, or when they fire no more events.
    ~QsSNMPRequest2Edits() override;

    void BindListView(TListView* listView, bool enableOnSelect);
    void BindLabel(int varIndex, TLabel* label);
    void BindStaticText(int varIndex, TStaticText* text);
    // Any supported kind; the way radio groups are bound.
    void BindComponent(int varIndex, TComponent* control);
    // Makes the combo a drop-down list (no free text) and binds it.
    void BindComboBox(int varIndex, TComboBox* combo);
    // One edit per "%s", "%h", "%i", "%u", "%f" or "%n" conversion of the format, in order.
    void BindEdits(int varIndex, const std::string& format, const std::vector<TEdit*>& edits);
    void BindEditWithValidator(int varIndex, const std::string& format, TEdit* edit,
                               QsEditValidator validator);
    // positions: bit positions joined by commas ("0,1,2,3"), at most eight; box i takes bit i.
    void BindCheckBoxes(int varIndex, const std::string& positions, const std::vector<TCheckBox*>& boxes);
    void BindControlList(int varIndex, const std::string& positions,
                         const std::vector<TComponent*>& controls);
    // Removes every binding of the variable and gives its controls their own handlers back.
    void Unbind(int varIndex);
    void SetConstraintOwner(TWinControl* owner) { Constraint.SetOwner(owner); }
    // Shows a refused input: a message box parented by the constraint's owner (unless the
    // control's own check showed one), the focus on the control, the refusal in the status line.
    void RefuseInput(const qs::EInputError& e);
    void EnableBoundControls(bool enable);

    // Value texts to bound controls, controls to value texts; -1 = every variable.
    void ShowValues(int varIndex);
    void ReadControls(int varIndex);
    void EnsureColumns();
    void AddRow();
    void RowToValues();

    int AssociationCount() const { return static_cast<int>(Associations.size()); }
    const _ControlAssociation_s& Association(int i) const {
        return *Associations[static_cast<std::size_t>(i)];
    }

    QsRequestHook BeforeGetHook;
    QsRequestHook BeforeSetHook;
    QsRequestHook AfterGetHook;
    QsRequestHook AfterSetHook;
    TLVSelectItemEvent SavedOnSelectItem;
    TListView* ListView = nullptr;
    QsEditConstraint Constraint;
    bool EnableOnSelect = true;

protected:
    void BeforeGet() override;
    void BeforeSet() override;
    void OnRow() override;
    void CollectValues() override;
    void AfterGet() override;
    void AfterSet() override;
    virtual void OnSelectItem(TObject* Sender, TListItem* Item, bool Selected);
    // True for a variable whose edits hold a text the subclass converts itself once the controls
    // are read (such as a range text for a bit map): those edits are read as they are.
    virtual bool ConvertsOwnText(int /*varIndex*/) const { return false; }

private:
    void AddAssociation(int varIndex, TComponent* control, int radioColumns);
    void AddAssociationList(int varIndex, const std::vector<TComponent*>& controls);
    void AddAssociationParts(int varIndex, const std::string& positions,
                             const std::vector<TComponent*>& controls);
    void Append(std::unique_ptr<_ControlAssociation_s> a);
    void RemoveAssociation(std::size_t i);
    void HookControl(_ControlAssociation_s& a, int i);
    void UnhookControl(_ControlAssociation_s& a, int i);
    void OnControlChange(TObject* Sender);
    const QsOptionList* OptionsOf(const _ControlAssociation_s& a) const;

    void ShowAssociation(_ControlAssociation_s& a);
    void ShowWhole(_ControlAssociation_s& a, const QsOctets& bytes, const std::string& text);
    void ShowBits(const _ControlAssociation_s& a, const QsOctets& bytes);
    void ShowEdits(_ControlAssociation_s& a, const QsOctets& bytes, const std::string& text);
    void ReadVariable(int v);
    // The part's bytes; *typed is set to the canonical text of a single edit a user typed into.
    QsOctets ReadPart(_ControlAssociation_s& a, std::optional<std::string>* typed);
    std::string ReadPartText(_ControlAssociation_s& a);
    std::string ReadEditText(_ControlAssociation_s& a, TEdit* edit);
    // Raises qs::EInputError when a control a user can change holds no value of its column; for a
    // single edit a user typed into, the canonical text of the value it holds.
    std::optional<std::string> CheckTyped(const _ControlAssociation_s& a);
    std::optional<std::string> CheckTypedEdit(const _ControlAssociation_s& a, TEdit* edit);
    // The field a whole-value edit of the variable types into.
    qs::TypedField FieldOf(int varIndex, const _EditConstraint_s* record) const;
    std::string PortTemplate(const _ControlAssociation_s& a, const std::string& typed) const;
    // Gives a single edit bound to a whole value its column's writings (see QsEditConstraint).
    void SetWriting(int varIndex, TEdit* edit);
    int KeyRoom(int varIndex) const;
    std::string FieldName(int varIndex) const;
    void LimitTextLength(int varIndex, const std::vector<TEdit*>& edits);
    std::vector<int> ColumnOrder() const;

    std::vector<std::unique_ptr<_ControlAssociation_s>> Associations;
    std::vector<int> columnVars_; // the variable of each list-view column, recorded with the columns
    QPointer<QObject> listViewAlive_;
    void PumpMessages();

    QElapsedTimer pumpClock_; // since the last message processing of a walk
};
