#include "SnmpV3Mib.h"

#include "SharedOptions.h"

namespace {

// A variable-length index that takes the rest of the instance suffix.
constexpr std::uint32_t kImpliedKey = ACC_NOTACCESS | ACC_IMPLIED;

const QsOption kSecurityLevel[] = {{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {}};
const QsOption kContextMatch[] = {{1, "exact"}, {2, "prefix"}, {}};
const QsOption kIncludedExcluded[] = {{1, "included"}, {2, "excluded"}, {}};
const QsOption kNotifyType[] = {{1, "trap"}, {2, "inform"}, {}};
// The protocols are OBJECT IDENTIFIER values: the lists map their OID texts.
const QsOption kAuthProtocol[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"}, {"1.3.6.1.6.3.10.1.1.2", "MD5"}, {"1.3.6.1.6.3.10.1.1.3", "SHA"}, {}};
const QsOption kPrivProtocol[] = {{"1.3.6.1.6.3.10.1.2.1", "None"}, {"1.3.6.1.6.3.10.1.2.2", "DES"}, {}};

const QsOptionList TargetAddrStorageList(StorageTypeOptions, OVT_INT);
const QsOptionList TargetAddrStatusList(RowStatusOptions, OVT_INT);
const QsOptionList TargetParamsLevelList(kSecurityLevel, OVT_INT);
const QsOptionList TargetParamsStorageList(StorageTypeOptions, OVT_INT);
const QsOptionList TargetParamsStatusList(RowStatusOptions, OVT_INT);
const QsOptionList UserAuthProtocolList(kAuthProtocol, OVT_STRING);
const QsOptionList UserPrivProtocolList(kPrivProtocol, OVT_STRING);
const QsOptionList UserStorageList(StorageTypeOptions, OVT_INT);
const QsOptionList UserStatusList(RowStatusOptions, OVT_INT);
const QsOptionList GroupStorageList(StorageTypeOptions, OVT_INT);
const QsOptionList GroupStatusList(RowStatusOptions, OVT_INT);
const QsOptionList AccessLevelList(kSecurityLevel, OVT_INT);
const QsOptionList AccessMatchList(kContextMatch, OVT_INT);
const QsOptionList AccessStorageList(StorageTypeOptions, OVT_INT);
const QsOptionList AccessStatusList(RowStatusOptions, OVT_INT);
const QsOptionList ViewTypeList(kIncludedExcluded, OVT_INT);
const QsOptionList ViewStorageList(StorageTypeOptions, OVT_INT);
const QsOptionList ViewStatusList(RowStatusOptions, OVT_INT);
const QsOptionList NotifyTypeList(kNotifyType, OVT_INT);
const QsOptionList NotifyStorageList(StorageTypeOptions, OVT_INT);
const QsOptionList NotifyStatusList(RowStatusOptions, OVT_INT);
const QsOptionList FilterProfileStorageList(StorageTypeOptions, OVT_INT);
const QsOptionList FilterProfileStatusList(RowStatusOptions, OVT_INT);
const QsOptionList FilterTypeList(kIncludedExcluded, OVT_INT);
const QsOptionList FilterStorageList(StorageTypeOptions, OVT_INT);
const QsOptionList FilterStatusList(RowStatusOptions, OVT_INT);
const QsOptionList CommunityStorageList(StorageTypeOptions, OVT_INT);
const QsOptionList CommunityStatusList(RowStatusOptions, OVT_INT);

} // namespace

// Engine IDs, addresses, masks, key changes and the public value are binary OCTET STRINGs: they
// read and write as hex texts, so a value that is not text goes back byte for byte.
const QsSNMPVarDesc SnmpEngineVars[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", SYN_OCTETSTR, ACC_READONLY},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc SnmpMpdStatsVars[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc SnmpTargetInfoVars[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc SnmpTargetAddrVars[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Address Name", SYN_DISPLAYSTR, kImpliedKey},
    {"1.3.6.1.6.3.12.1.2.1.2", "TDomain", SYN_OBJECTID, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.3", "TAddress", SYN_BITSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.4", "Timeout", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.5", "Retry Count", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.6", "Tag List", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.7", "Params", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.2.1.8", "Storage Type", SYN_INTEGER, ACC_READWRITE, &TargetAddrStorageList},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row Status", SYN_INTEGER, ACC_READWRITE, &TargetAddrStatusList},
    {nullptr},
};

const QsSNMPVarDesc SnmpTargetParamsVars[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Name", SYN_DISPLAYSTR, kImpliedKey},
    {"1.3.6.1.6.3.12.1.3.1.2", "MP Model", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.3.1.3", "Security Model", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.3.1.4", "Security Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.12.1.3.1.5", "Security Level", SYN_INTEGER, ACC_READWRITE, &TargetParamsLevelList},
    {"1.3.6.1.6.3.12.1.3.1.6", "Storage Type", SYN_INTEGER, ACC_READWRITE, &TargetParamsStorageList},
    {"1.3.6.1.6.3.12.1.3.1.7", "Row Status", SYN_INTEGER, ACC_READWRITE, &TargetParamsStatusList},
    {nullptr},
};

const QsSNMPVarDesc UsmStatsVars[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", SYN_COUNTER, ACC_READONLY},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc UsmUserVars[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", SYN_OCTETSTR, ACC_NOTACCESS},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", SYN_OBJECTID, ACC_READWRITE},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", SYN_OBJECTID, ACC_READWRITE,
     &UserAuthProtocolList},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", SYN_OBJECTID, ACC_READWRITE, &UserPrivProtocolList},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", SYN_INTEGER, ACC_READWRITE, &UserStorageList},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", SYN_INTEGER, ACC_READWRITE, &UserStatusList},
    {nullptr},
};

const QsSNMPVarDesc VacmSecurityGroupVars[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", SYN_INTEGER, ACC_READWRITE, &GroupStorageList},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", SYN_INTEGER, ACC_READWRITE, &GroupStatusList},
    {nullptr},
};

// The first key is the group name of the security-to-group table.
const QsSNMPVarDesc VacmAccessVars[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", SYN_INTEGER, ACC_NOTACCESS, &AccessLevelList},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", SYN_INTEGER, ACC_READWRITE, &AccessMatchList},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", SYN_INTEGER, ACC_READWRITE, &AccessStorageList},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", SYN_INTEGER, ACC_READWRITE, &AccessStatusList},
    {nullptr},
};

const QsSNMPVarDesc VacmViewTreeVars[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "VACM View Tree Family ViewName", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "VACM View Tree Family Subtree", SYN_OBJECTID, ACC_NOTACCESS},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "VACM View Tree Family Mask", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "VACM View Tree Family Type", SYN_INTEGER, ACC_READWRITE, &ViewTypeList},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "VACM View Tree Family Storage Type", SYN_INTEGER, ACC_READWRITE,
     &ViewStorageList},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "VACM", SYN_INTEGER, ACC_READWRITE, &ViewStatusList},
    {nullptr},
};

const QsSNMPVarDesc SnmpNotifyVars[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", SYN_DISPLAYSTR, kImpliedKey},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", SYN_INTEGER, ACC_READWRITE, &NotifyTypeList},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", SYN_INTEGER, ACC_READWRITE, &NotifyStorageList},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", SYN_INTEGER, ACC_READWRITE, &NotifyStatusList},
    {nullptr},
};

// Indexed by the target parameters' name.
const QsSNMPVarDesc SnmpNotifyFilterProfileVars[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", SYN_DISPLAYSTR, kImpliedKey},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", SYN_INTEGER, ACC_READWRITE,
     &FilterProfileStorageList},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", SYN_INTEGER, ACC_READWRITE,
     &FilterProfileStatusList},
    {nullptr},
};

// Indexed by the filter profile's name and the subtree.
const QsSNMPVarDesc SnmpNotifyFilterVars[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Profile Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.6.3.13.1.3.1.1", "Subtree", SYN_OBJECTID, kImpliedKey},
    {"1.3.6.1.6.3.13.1.3.1.2", "Mask", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.13.1.3.1.3", "Type", SYN_INTEGER, ACC_READWRITE, &FilterTypeList},
    {"1.3.6.1.6.3.13.1.3.1.4", "Storage Type", SYN_INTEGER, ACC_READWRITE, &FilterStorageList},
    {"1.3.6.1.6.3.13.1.3.1.5", "Row Status", SYN_INTEGER, ACC_READWRITE, &FilterStatusList},
    {nullptr},
};

const QsSNMPVarDesc SnmpCommunityVars[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", SYN_DISPLAYSTR, kImpliedKey},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", SYN_INTEGER, ACC_READWRITE, &CommunityStorageList},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", SYN_INTEGER, ACC_READWRITE, &CommunityStatusList},
    {nullptr},
};

// Extends the target address table: indexed by the target address's name.
const QsSNMPVarDesc SnmpTargetAddrExtVars[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Address Name", SYN_DISPLAYSTR, kImpliedKey},
    {"1.3.6.1.6.3.18.1.2.1.1", "TMask", SYN_OCTETSTR, ACC_READWRITE},
    {"1.3.6.1.6.3.18.1.2.1.2", "MMS", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};
