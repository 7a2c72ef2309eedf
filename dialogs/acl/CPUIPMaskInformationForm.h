// TCPUIPMaskInformationForm: the IPv4 masks (profiles 1 to 3) of the device's CPU interface
// filter, listed, added and deleted; a profile's protocol ID mask and user mask travel with it.
// Every reset puts the editors back to their first item.
#pragma once

#include "IPMaskForm.h"

class TCPUIPMaskInformationForm : public qs::IPMaskForm {
public:
    explicit TCPUIPMaskInformationForm(TComponent* owner);

    void CloseButtonClick() { Close(); }
};

extern TCPUIPMaskInformationForm* CPUIPMaskInformationForm;
