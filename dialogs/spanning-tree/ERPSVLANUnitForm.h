// TERPSVLANUnitForm: the device's one ERPS ring entry, indexed by its R-APS VLAN: west and east
// ring ports, RPL port and owner, ring MEL, holdoff, guard and wait-to-restore times, the ring's
// states and the protected VLAN set in eight blocks of range text. Add refuses while the entry
// exists.
#pragma once

#include "VlanBlockTableForm.h"

// Turns the ring entry's VLAN blocks into range texts and back.
class ERPSNewRequestEdits : public qs::VlanBlockRequest {
public:
    explicit ERPSNewRequestEdits(qs::VlanBlockTableForm* form);
};

class TERPSVLANUnitForm : public qs::VlanBlockTableForm {
public:
    explicit TERPSVLANUnitForm(TComponent* owner);

    enum Column { kVlan, kFirstBlock = 13, kRowStatus = 21 };

protected:
    std::unique_ptr<qs::VlanBlockRequest> MakeRequest() override;
};

extern TERPSVLANUnitForm* ERPSVLANUnitForm;
