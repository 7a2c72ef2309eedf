#include "CPUEthernetInformationForm.h"

#include "SharedOptions.h"

TCPUEthernetInformationForm* CPUEthernetInformationForm = nullptr;

namespace {

using qs::RuleField;

#define CPU_ETH_MASK "1.3.6.1.4.1.58613.12.9.4.1.1."

const RuleField kCpuEthernetMaskFields[] = {
    {CPU_ETH_MASK "1", "Profile ID", SYN_INTEGER, ACC_NOTACCESS, nullptr, "IDEdit", "%i{n1x3}", nullptr,
     "Profile ID", 0, 0},
    {CPU_ETH_MASK "2", "Use VLAN", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions, "UseVLanComBo",
     nullptr, nullptr, "Use VLAN", 0, 0},
    {CPU_ETH_MASK "3", "MAC Address Mask State", SYN_INTEGER, ACC_READWRITE, qs::MacMaskStateOptions,
     "MacMaskStateComBo", nullptr, nullptr, "MAC Address Mask State", 0, 0},
    {CPU_ETH_MASK "4", "Source MAC Address Mask", SYN_MACADDRESS, ACC_READWRITE, nullptr,
     "MacAddMaskSourceEdit", "%s", nullptr, "MAC Address Mask Source", 0, 0},
    {CPU_ETH_MASK "5", "Destination MAC Address Mask", SYN_MACADDRESS, ACC_READWRITE, nullptr,
     "MacMaskDstEdit", "%s", nullptr, "MAC Address Mask Destination", 1, 0},
    {CPU_ETH_MASK "6", "Use 802.1p", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions, "Use8021pComBo",
     nullptr, nullptr, "Use 802.1p", 1, 0},
    {CPU_ETH_MASK "7", "Use Ethernet Type", SYN_INTEGER, ACC_READWRITE, EnabledDisabledOptions,
     "UseEthTypeCombo", nullptr, nullptr, "Use Ethernet Type", 1, 0},
    {CPU_ETH_MASK "8", "Row Status", SYN_INTEGER, ACC_READWRITE, RowStatusShortOptions, "RowStatusComBo",
     nullptr, nullptr, "Row Status", 1, 0},
};

#undef CPU_ETH_MASK

const qs::RuleButton kButtons[] = {
    {"BT_Get", "Refresh", qs::ButtonRole::Refresh, true},
    {"AddBtn", "Add", qs::ButtonRole::Add, true},
    {"BT_Delete", "Delete", qs::ButtonRole::Delete, true},
    {"CloseButton", "Close", qs::ButtonRole::Close, true},
    {"SetBtn", "Set", qs::ButtonRole::Edit, false},
};

const qs::RuleEditorLayout kLayout{"CPUEthernetInformationForm",
                                   "Ethernet Mask (CPU Filter):",
                                   kButtons,
                                   "StaticText1",
                                   "0",
                                   qs::PickerPlace::None,
                                   136};

const qs::RuleEditorRules kRules{
    .keyCount = 1,
    .rowStatus = TCPUEthernetInformationForm::kRowStatus,
    .duplicateMessage = "There is already a record with the same Ethernet Mask ID. Please modified it.",
    .rowStatusMessage = "Row Status must be createAndGo.",
    .busyMessage = "Get data not complet",
};

} // namespace

TCPUEthernetInformationForm::TCPUEthernetInformationForm(TComponent* owner)
    : EthernetMaskForm(owner, kLayout, kCpuEthernetMaskFields, kRules, 1) {}
