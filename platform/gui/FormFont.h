#pragma once
// The font every form is drawn for: "MS Sans Serif" 8 point at 96 pixels per inch, 11 pixels
// high. Where that face is missing a metric-compatible one stands in for it, so texts keep the
// widths the forms' pixel geometry was laid out for.

#include <QFont>
#include <QStringList>

namespace qs {

// The families tried in order: the forms' own face, then its stand-ins.
QStringList FormFontFamilies();
// The forms' font, 11 pixels high whatever the screen's resolution.
QFont FormFont();
// Fixes the font resolution at 96 pixels per inch; call before the Qt application is created.
// A resolution the user set in QT_FONT_DPI is kept.
void FixFontResolution();
// Makes FormFont the font of every window (called when the application is set up).
void InstallFormFont();

} // namespace qs
