// A tab of a page control that holds a scroll box filling it, the host of a port picker in the
// snooping and multicast VLAN dialogs.
#pragma once

#include <QString>

class TForm;
class TPageControl;
class TScrollBox;

namespace qs {

// Appends a sheet named sheetName and captioned caption to pages, with a scroll box named
// boxName filling it; both are owned by form.
TScrollBox* AddScrollBoxTab(TForm* form, TPageControl* pages, const char* sheetName, const QString& caption,
                            const char* boxName);

} // namespace qs
