// TCPUEthernetInformationForm: the Ethernet masks (profiles 1 to 3) of the device's CPU interface
// filter, listed, added and deleted.
#pragma once

#include "EthernetMaskForm.h"

class TCPUEthernetInformationForm : public qs::EthernetMaskForm {
public:
    explicit TCPUEthernetInformationForm(TComponent* owner);

    enum Column { kRowStatus = 7 };

    void ListView1Changing() {} // the count follows the list by itself
    void CloseButtonClick() { Close(); }
};

extern TCPUEthernetInformationForm* CPUEthernetInformationForm;
