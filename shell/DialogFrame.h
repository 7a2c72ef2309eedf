// The frame every dialog shares: scaling on screens that are not at 96 pixels per inch (the
// screen's pixels per inch: qs::ScreenPixelsPerInch in Application.h), and
// centring on the main window.
#pragma once

class TForm;

namespace qs {

// On a screen that is not at pixelsPerInch 96, multiplies the form's width and height by factor
// (1.25 as a rule), each cut to a whole number.
void ScaleForScreen(TForm* form, int pixelsPerInch, double factor = 1.25);
// Centres the form on the application's main window, or on the screen when there is none.
void CentreOnMainForm(TForm* form);

} // namespace qs
