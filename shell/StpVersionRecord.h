// The spanning-tree version last set through the STP Control dialog. The main window keeps it in
// its hidden text "ST_Version" (initially "ST_Version"); the dialogs, which do not know the main
// window's class, reach it here. Without a main window (a dialog opened on its own) the record
// is kept here instead, with the same initial text.
#pragma once

#include <QString>

namespace qs {

QString StpVersionText();
void SetStpVersionText(const QString& text);

} // namespace qs
