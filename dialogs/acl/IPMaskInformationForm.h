// TIPMaskInformationForm: the IPv4 masks (profiles) of the device's access lists, listed, added
// and deleted; a profile's protocol mask and VLAN mask travel with it.
#pragma once

#include "IPMaskForm.h"

class TIPMaskInformationForm : public qs::IPMaskForm {
public:
    explicit TIPMaskInformationForm(TComponent* owner);

    void Button1Click() { StopClick(); }
    void btn_CloseClick() { Close(); }

protected:
    void InitialSelections() override;
    void AfterSharedDelete() override { RefreshClick(); }
};

extern TIPMaskInformationForm* IPMaskInformationForm;
