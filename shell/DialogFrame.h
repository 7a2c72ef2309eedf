// The frame dialogs share: scaling on screens that are not at 96 pixels per inch.
#pragma once

class TForm;

namespace qs {

// On a screen that is not at 96 pixels per inch, multiplies the form's width and height by
// factor (1.25 as a rule), each cut to a whole number. Dialogs that scale twice call it twice.
void ScaleForScreen(TForm* form, double factor = 1.25);

} // namespace qs
