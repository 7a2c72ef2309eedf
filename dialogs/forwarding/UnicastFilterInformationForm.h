// TUnicastFilterInformationForm: the static unicast forwarding entries of the device
// (dot1qStaticUnicastTable), listed, added and deleted through the static filter dialog.
#pragma once

#include "StaticFilterForm.h"

class TUnicastFilterInformationForm : public qs::StaticFilterForm {
public:
    explicit TUnicastFilterInformationForm(TComponent* owner);
};

extern TUnicastFilterInformationForm* UnicastFilterInformationForm;
