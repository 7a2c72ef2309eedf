// The frame every dialog shares: scaling on screens that are not at 96 pixels per inch, and
// centring on the main window.
#pragma once

class TForm;

namespace qs {

// The screen's logical pixels per inch (96 when there is no screen).
int ScreenPixelsPerInch();
// On a screen that is not at pixelsPerInch 96, multiplies the form's width and height by factor
// (1.25 as a rule), each cut to a whole number.
void ScaleForScreen(TForm* form, int pixelsPerInch, double factor = 1.25);
// Centres the form on the application's main window, or on the screen when there is none.
void CentreOnMainForm(TForm* form);

} // namespace qs
