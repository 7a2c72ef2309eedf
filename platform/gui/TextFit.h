#pragma once
// Controls grow to show their texts whole with the font they have: a caption or a value wider
// than the control's designed width widens it (never narrows it). Labels aligned right grow to
// the left, so they keep ending where their edit begins.

class QWidget;

namespace qs {

// The width the control needs to show its text whole; 0 for a control without a text to fit
// (editable edits, word-wrapped labels, aligned controls, controls of other kinds).
int TextWidthNeeded(const QWidget* control);
// Widens the control to TextWidthNeeded when it is narrower (then KeepInWindow).
void GrowToText(QWidget* control);
// A control reaching past the right edge of the window it sits in directly widens the window, so
// that it ends as far from the edge as it starts from the left (8 pixels at most).
void KeepInWindow(QWidget* control);
// GrowToText for every control inside root.
void GrowTextsToFit(QWidget* root);

} // namespace qs
