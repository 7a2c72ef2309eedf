// The parts table dialogs are laid out from: the button column at the right (an optional
// "Samples" label over the sunken row count, then the buttons one under another, or side by
// side in a row, each running its work without letting an exception out; or the same built
// piece by piece by forms that are no feature dialogs), and controls and tables of labels placed
// at fixed positions on a dialog.
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
    ColumnButton(const char* buttonName, const char* buttonCaption, std::function<void()> onClick)
        : name(buttonName), caption(buttonCaption), click(std::move(onClick)) {}
    // The made button is also stored in *to (null there when the button is not wanted). A button
    // that is not wanted is not made; the next one takes its place.
    ColumnButton(TButton** target, const char* buttonName, const char* buttonCaption,
                 std::function<void()> onClick, bool isWanted = true)
        : to(target), name(buttonName), caption(buttonCaption), click(std::move(onClick)), wanted(isWanted) {}

    TButton** to = nullptr;
    const char* name;
    const char* caption;
    std::function<void()> click; // empty: the dialog connects the button itself
    bool wanted = true;
};

struct ButtonColumn {
    TLabel* samples = nullptr;
    TStaticText* count = nullptr;
    std::vector<TButton*> buttons; // in the order given, null where a button was not wanted
};

// The label over the row count and the count, each made when named and also stored in *label
// and *count where given.
struct ColumnHead {
    const char* labelName = nullptr;
    TLabel** label = nullptr;
    const char* countName = nullptr;
    TStaticText** count = nullptr;
    const char* caption = "Samples";
};

// Where a column's controls stand: at left, width wide; the first button at top (0: under the
// row count, or at 12 without one), each next one step further down, or across to the right.
struct ButtonPlace {
    int left = 12;
    int top = 0;
    int width = 86;
    int height = 28;
    int step = 36;
    bool across = false;
};

ButtonColumn FillButtonColumn(FeatureDialog& dialog, TWinControl* column, const ColumnHead& head,
                              const std::vector<ColumnButton>& buttons, const ButtonPlace& place = {});
// The same with the head given by names only; the row count is made when countName is given,
// the label over it when samplesName is.
ButtonColumn FillButtonColumn(FeatureDialog& dialog, TWinControl* column, const char* samplesName,
                              const char* samplesCaption, const char* countName,
                              const std::vector<ColumnButton>& buttons);
// A column or row of buttons alone.
ButtonColumn FillButtons(FeatureDialog& dialog, TWinControl* parent, const std::vector<ColumnButton>& buttons,
                         const ButtonPlace& place = {});

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
    // The framework's address checks, each address then put in its canonical form (plain
    // decimal, 12 hex digits); a refused MAC is named in a box; the refused edit gets the focus.
    bool Valid() const;
};
AddressKeys FillAddressKeys(TForm& form, TWinControl* row);

// A control of form at (left, top), width wide and one line high; on parent where given.
template <class T> T* PlaceOn(TForm* form, const char* name, int left, int top, int width);
template <class T>
T* PlaceOn(TForm* form, TWinControl* parent, const char* name, int left, int top, int width);

// A captioned label of an editor area, also stored in *to where given.
struct LabelCell {
    TLabel** to;
    const char* name;
    const char* caption;
    int left;
    int top;
};
// The labels of cells, owned by form on parent, each width wide and 16 high at its place.
void PlaceLabels(TForm* form, TWinControl* parent, std::initializer_list<LabelCell> cells, int width);
TLabel* LabelOn(TForm* form, const char* name, const char* caption, int left, int top, int width);
// A button of an add/edit dialog whose click runs without letting an exception out: its text
// goes to status, the table dialog's status area.
TButton* ButtonOn(TForm* form, const char* name, const char* caption, int left, int top,
                  std::function<void()> click, const StatusArea& status);

} // namespace qs

#include "TableLayout.inl"
