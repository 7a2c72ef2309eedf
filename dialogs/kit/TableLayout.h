// The parts table dialogs are laid out from: the button column at the right (an optional
// "Samples" label over the sunken row count, then the buttons one under another, each running
// its work without letting an exception out; or the same built piece by piece by forms that are
// no feature dialogs), and controls placed at fixed positions on an add/edit dialog.
#pragma once

#include "FailureReport.h"

#include <functional>
#include <initializer_list>
#include <vector>

class TButton;
class TComponent;
class TEdit;
class TForm;
class TLabel;
class TStaticText;
class TWinControl;

namespace qs {

class FeatureDialog;

struct ColumnButton {
    const char* name;
    const char* caption;
    std::function<void()> click;
};

struct ButtonColumn {
    TLabel* samples = nullptr;
    TStaticText* count = nullptr;
    std::vector<TButton*> buttons; // in the order given
};

// The row count is made when countName is given; the label over it when samplesName is.
ButtonColumn FillButtonColumn(FeatureDialog& dialog, TWinControl* column, const char* samplesName,
                              const char* samplesCaption, const char* countName,
                              const std::vector<ColumnButton>& buttons);

struct SamplesCount {
    TLabel* label;
    TStaticText* count;
};

// The "Samples" label over the sunken row count (showing "0"), both owned by owner on column,
// named labelName and countName.
SamplesCount MakeSamplesCount(TComponent* owner, TWinControl* column, const char* labelName,
                              const char* countName);
// Places the buttons of a column one under another from top, as FillButtonColumn does.
void StackButtons(std::initializer_list<TButton*> buttons, int top = 62);

// The "IP Address" and "MAC Address" edits (Label1, edtIpAddr, Label2, edtMacAddr) of the
// dialogs whose rows an IPv4 and a MAC address name, side by side on row.
struct AddressKeys {
    TLabel* ipLabel;
    TEdit* ip;
    TLabel* macLabel;
    TEdit* mac;
    // The framework's address check (it shows its own message) with the address then put in
    // plain decimal form, and its silent MAC check; the refused edit gets the focus.
    bool Valid() const;
};
AddressKeys FillAddressKeys(TForm& form, TWinControl* row);

// A control of form at (left, top), width wide and one line high.
template <class T> T* PlaceOn(TForm* form, const char* name, int left, int top, int width);
TLabel* LabelOn(TForm* form, const char* name, const char* caption, int left, int top, int width);
// A button of an add/edit dialog whose click runs without letting an exception out: its text
// goes to status, the table dialog's status area.
TButton* ButtonOn(TForm* form, const char* name, const char* caption, int left, int top,
                  std::function<void()> click, const StatusArea& status);

} // namespace qs

#include "TableLayout.inl"
