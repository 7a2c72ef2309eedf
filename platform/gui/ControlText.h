#pragma once
// The text of any control: an edit's or combo box's text, otherwise its caption ("" for a
// control that has neither).

#include <QString>

class TObject;

namespace qs {
QString ControlText(const TObject* control);
} // namespace qs
