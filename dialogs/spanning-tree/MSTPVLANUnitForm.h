// TMSTPVLANUnitForm: the device's MSTP instances with their VLAN sets (eight blocks of range
// text) and bridge values: creates instances, changes an instance's VLAN blocks and bridge
// priority, deletes instances.
#pragma once

#include "VlanBlockTableForm.h"

// Turns the instance table's VLAN blocks into range texts and back.
class MSTPNewRequestEdits : public qs::VlanBlockRequest {
public:
    explicit MSTPNewRequestEdits(qs::VlanBlockTableForm* form);
};

class TMSTPVLANUnitForm : public qs::VlanBlockTableForm {
public:
    explicit TMSTPVLANUnitForm(TComponent* owner);

    enum Column { kInstance, kFirstBlock = 1, kPriority = 11, kRowStatus = 23 };

protected:
    std::unique_ptr<qs::VlanBlockRequest> MakeRequest() override;
};

extern TMSTPVLANUnitForm* MSTPVLANUnitForm;
