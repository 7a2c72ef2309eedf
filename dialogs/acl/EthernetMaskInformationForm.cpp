#include "EthernetMaskInformationForm.h"

#include "SharedOptions.h"

TEthernetMaskInformationForm* EthernetMaskInformationForm = nullptr;

namespace {

using qs::RuleField;

#define ETH_MASK "1.3.6.1.4.1.58613.12.9.2.1.1."

// The mask table: the VLAN Mask (.12) stands before Row Status (.8), so a SET sends it first.
const RuleField kEthernetMaskFields[] = {
    {ETH_MASK "1", "Profile ID ", SYN_INTEGER, ACC_NOTACCESS, nullptr, "IDEdit", "%i{n1x512l3}", nullptr,
     "Profile ID", 0, 0},
    {ETH_MASK "2", "Use VLAN", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions, "UseVLanComBo", nullptr,
     nullptr, "Use VLAN", 0, 0},
    {ETH_MASK "3", "MAC Address Mask State", SYN_INTEGER, ACC_READWRITE, qs::MacMaskStateOptions,
     "MacMaskStateComBo", nullptr, nullptr, "MAC Address Mask State", 0, 0},
    {ETH_MASK "4", "MAC Address Mask Source", SYN_MACADDRESS, ACC_READWRITE, nullptr, "MacAddMaskSourceEdit",
     "%s", nullptr, "MAC Address Mask Source", 1, 0},
    {ETH_MASK "5", "MAC Address Mask Destination", SYN_MACADDRESS, ACC_READWRITE, nullptr, "MacMaskDstEdit",
     "%s", nullptr, "MAC Address Mask Destination", 1, 0},
    {ETH_MASK "6", "Use 802.1p", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions, "Use8021pComBo", nullptr,
     nullptr, "Use 802.1p", 0, 0},
    {ETH_MASK "7", "Use Ethernet Type", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions, "UseEthTypeCombo",
     nullptr, nullptr, "Use Ethernet Type", 1, 0},
    {ETH_MASK "12", "VLAN Mask", SYN_OCTETSTR, ACC_READWRITE, nullptr, "edt_vlanmask", "%h{l4f}", nullptr,
     "VLAN Mask", 0, 0},
    {ETH_MASK "8", "Row Status", SYN_INTEGER, ACC_READWRITE, RowStatusShortOptions, "RowStatusComBo", nullptr,
     nullptr, "Row Status", 1, 0},
};

#undef ETH_MASK

const qs::RuleButton kButtons[] = {
    {"BT_Get", "Refresh", qs::ButtonRole::Refresh, true},
    {"AddBtn", "Add", qs::ButtonRole::Add, true},
    {"Button1", "Stop", qs::ButtonRole::Stop, true},
    {"BT_Delete", "Delete", qs::ButtonRole::Delete, true},
    {"btnClose", "Close", qs::ButtonRole::Close, true},
    {"SetBtn", "Set", qs::ButtonRole::Edit, false},
};

const qs::RuleEditorLayout kLayout{"EthernetMaskInformationForm",
                                   "Ethernet Mask Information :",
                                   kButtons,
                                   "ST_Count",
                                   "0",
                                   qs::PickerPlace::None,
                                   150};

const qs::RuleEditorRules kRules{
    .keyCount = 1,
    .rowStatus = TEthernetMaskInformationForm::kRowStatus,
    .addActive = qs::ActiveFlag::Set,
    .deleteActive = qs::ActiveFlag::Set,
    .duplicateMessage = "There is already a record with the same Ethernet Mask ID. Please modified it.",
    .rowStatusMessage = "Row Status must be createAndGo.",
    .busyMessage = "Get data not complet",
};

} // namespace

TEthernetMaskInformationForm::TEthernetMaskInformationForm(TComponent* owner)
    : EthernetMaskForm(owner, kLayout, kEthernetMaskFields, kRules, 0) {}
