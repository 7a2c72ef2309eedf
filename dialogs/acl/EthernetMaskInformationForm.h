// TEthernetMaskInformationForm: the Ethernet masks (profiles) of the device's access lists,
// listed, added and deleted; a profile's VLAN mask travels with it.
#pragma once

#include "EthernetMaskForm.h"

class TEthernetMaskInformationForm : public qs::EthernetMaskForm {
public:
    explicit TEthernetMaskInformationForm(TComponent* owner);

    enum Column { kVlanMask = 7, kRowStatus = 8 };

    void ListView1Changing() {} // the count follows the list by itself
    void Button1Click() { StopClick(); }
    void btnCloseClick() { Close(); }
};

extern TEthernetMaskInformationForm* EthernetMaskInformationForm;
