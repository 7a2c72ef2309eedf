// Routines the feature dialogs share: deleting the selected table row, clearing, greying and
// re-enabling every editor a form owns, and placing a port picker on a tab sheet.
#pragma once

#include <QString>
#include <string>

class QsSNMPRequest2Controls;
class TComponent;
class TPageControl;
class TStackingPortUitForm;
class TTabSheet;
class TWinControl;

// Asks "Are you sure to delete it?"; on OK sends one blocking SET of the row whose index values
// the key variables hold (normally the row last selected), carrying only the status variable at
// statusIndex set to statusText (an option text such as "destroy" or "invalid"); every other
// non-key variable is left out. A refused SET shows its box; an exception's text goes to the
// request's status output. Then the marks it set are cleared, the request's mode is put back
// and the table is read again, also after a failed SET. An exception of that read reaches the
// caller. Cancel sends and reads nothing. A statusIndex outside the list raises EListError.
void DeleteRow(QsSNMPRequest2Controls* request, int statusIndex, const std::string& statusText);

// For every component owner owns, in order: an edit is emptied (clearEdits); a combo box is
// emptied and set to item 0 (resetCombos); a check box is always set: unticked when uncheck,
// ticked otherwise. So (owner, false, false, true) is "Clear Checks" and (owner, false, false,
// false) "Check All".
void ClearControls(TComponent* owner, bool clearEdits, bool resetCombos, bool uncheck);
// Disables the owned edits and combo boxes (greyed with the button-face colour) and check boxes
// of the chosen kinds. EnableControls enables them again with the window colour.
void DisableControls(TComponent* owner, bool edits, bool combos, bool checkBoxes);
void EnableControls(TComponent* owner, bool edits, bool combos, bool checkBoxes);

// Puts picker on host (a tab sheet, panel, group box or scroll box), filling it, and shows unit
// "Unit1": boxCount boxes (64 as a rule) in 12 columns, of which the model's port count are
// visible.
void ShowPortPicker(TStackingPortUitForm* picker, TWinControl* host, int boxCount = 64);
// A new visible tab sheet on pageControl, captioned caption, holding picker (see ShowPortPicker).
TTabSheet* AddPortPickerTab(const QString& caption, TStackingPortUitForm* picker, TPageControl* pageControl);
