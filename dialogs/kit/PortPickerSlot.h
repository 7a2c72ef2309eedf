// A port picker in a dialog: placed on a tab of a page control or on a host control, its 64
// boxes of unit 1 bound to one port-list column of a request (box n = bit n), display-only when
// the dialog only shows ports, and released before the dialog's requests are freed.
#pragma once

#include <QString>

class QsSNMPRequest2Edits;
class TForm;
class TPageControl;
class TStackingPortUitForm;
class TWinControl;

namespace qs {

class PortPickerSlot {
public:
    // The picker is owned by form until Release.
    explicit PortPickerSlot(TForm* form);
    ~PortPickerSlot();
    PortPickerSlot(const PortPickerSlot&) = delete;
    PortPickerSlot& operator=(const PortPickerSlot&) = delete;

    TStackingPortUitForm* Picker() const { return picker_; }
    // A new tab captioned caption on pages, holding the picker.
    void PlaceOnTab(const QString& caption, TPageControl* pages);
    // The picker filling host.
    void PlaceOn(TWinControl* host, int boxCount = 64);
    // Binds unit 1's boxes to the port-list column varIndex.
    void Bind(QsSNMPRequest2Edits& request, int varIndex);
    void SetDisplayOnly(bool displayOnly);
    void Clear();
    // Ticked state of port p (1-based) of unit 1.
    bool Ticked(int port) const;
    void Tick(int port, bool ticked);
    // Empties the picker's lists and frees it; the slot is empty afterwards.
    void Release();

private:
    TStackingPortUitForm* picker_;
};

} // namespace qs
