// The button column of a table dialog: the "Samples" caption with the sunken row count under
// it, then the buttons one under another.
#pragma once

#include <initializer_list>

class TButton;
class TComponent;
class TLabel;
class TStaticText;
class TWinControl;

namespace qs {

struct SamplesCount {
    TLabel* label;
    TStaticText* count;
};

// Both made with owner on column, named labelName and countName; the count shows "0".
SamplesCount MakeSamplesCount(TComponent* owner, TWinControl* column, const char* labelName,
                              const char* countName);
// Places the buttons one under another from top, 36 pixels apart.
void StackButtons(std::initializer_list<TButton*> buttons, int top = 62);

} // namespace qs
