// TMulticastFilterInformationForm: the static multicast forwarding entries of the device
// (dot1qStaticMulticastTable), listed, added and deleted through the static filter dialog.
#pragma once

#include "StaticFilterForm.h"

class TMulticastFilterInformationForm : public qs::StaticFilterForm {
public:
    explicit TMulticastFilterInformationForm(TComponent* owner);
};

extern TMulticastFilterInformationForm* MulticastFilterInformationForm;
