#include "LldpMib.h"

#include <array>

namespace {

// The address family numbers; the two XTP-over-IP entries are spelt by the caller.
constexpr std::array<QsOption, 28> AddressFamilies(const char* xtpOverIPv4, const char* xtpOverIPv6) {
    return {{{0, "other"},
             {1, "IPv4"},
             {2, "IPv6"},
             {3, "nsap"},
             {4, "hdlc"},
             {5, "bbn1822"},
             {6, "all802"},
             {7, "e163"},
             {8, "e164"},
             {9, "f69"},
             {10, "x121"},
             {11, "ipx"},
             {12, "appleTalk"},
             {13, "decnetIV"},
             {14, "banyanVines"},
             {15, "e164withNsap"},
             {16, "dns"},
             {17, "distinguishedName"},
             {18, "asNumber"},
             {19, xtpOverIPv4},
             {20, xtpOverIPv6},
             {21, "xtpNativeModeXTP"},
             {22, "fibreChannelWWPN"},
             {23, "fibreChannelWWNN"},
             {24, "gwid"},
             {25, "afi"},
             {65535, "reserved"},
             {}}};
}

constexpr auto kLocalAddressFamilies = AddressFamilies("xtpOverIPv4", "xtpOverIPv6");
constexpr auto kRemoteAddressFamilies = AddressFamilies("xtpOverIpv4", "xtpOverIpv6");

} // namespace

const QsOption* const AddressFamilyOptions = kLocalAddressFamilies.data();
const QsOption* const RemoteAddressFamilyOptions = kRemoteAddressFamilies.data();

namespace {

const QsOption kPortIdSubtype[] = {
    {1, "interfaceAlias"}, {2, "portComponent"},  {3, "macAddress"}, {4, "networkAddress"},
    {5, "interfaceName"},  {6, "agentCircuitId"}, {7, "local"},      {}};
const QsOption kManAddrIfSubtype[] = {{1, "unknown"}, {2, "ifIndex"}, {3, "systemPortNumber"}, {}};

const QsOptionList LocPortIdSubtypeList(kPortIdSubtype, OVT_INT);
const QsOptionList LocManAddrSubtypeList(AddressFamilyOptions, OVT_INT);
const QsOptionList LocManAddrIfSubtypeList(kManAddrIfSubtype, OVT_INT);
const QsOptionList RemManAddrSubtypeList(RemoteAddressFamilyOptions, OVT_INT);
const QsOptionList RemManAddrIfSubtypeList(kManAddrIfSubtype, OVT_INT);

} // namespace

const QsSNMPVarDesc LldpBasicConfigVars[] = {
    {"1.0.8802.1.1.2.1.1.1", "Message TX Interval", SYN_INTEGER, ACC_READWRITE},
    {"1.0.8802.1.1.2.1.1.2", "Message TX Hold Multiplier", SYN_INTEGER, ACC_READWRITE},
    {"1.0.8802.1.1.2.1.1.3", "Re-Initialization Delay", SYN_INTEGER, ACC_READWRITE},
    {"1.0.8802.1.1.2.1.1.4", "TX Delay", SYN_INTEGER, ACC_READWRITE},
    {"1.0.8802.1.1.2.1.1.5", "Notification Interval", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

// Rows by subtype and the length-prefixed address of the local management-address table.
const QsSNMPVarDesc LldpConfigManAddrVars[] = {
    {kIndexOid, "Management Address Subtype", SYN_INTEGER, ACC_NOTACCESS},
    {kIndexOid, "Management Address", SYN_INETADDRESS, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.1.7.1.1", "Configuration Management Address Ports TX Enable", SYN_BITLIST,
     ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc LldpStatisticsVars[] = {
    {"1.0.8802.1.1.2.1.2.1", "Last Change Time", SYN_TIMETICKS, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.2", "Inserts", SYN_GUAGE, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.3", "Deletes", SYN_GUAGE, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.4", "Drops", SYN_GUAGE, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.5", "Ageouts", SYN_GUAGE, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc LldpTxPortVars[] = {
    {"1.0.8802.1.1.2.1.2.6.1.1", "Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.2.6.1.2", "Total Frames", SYN_COUNTER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc LldpRxPortVars[] = {
    {"1.0.8802.1.1.2.1.2.7.1.1", "Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.2.7.1.2", "Frames Discarded Total", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.7.1.3", "Frames Errors", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.7.1.4", "Frames Total", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.7.1.5", "TLVs Discarded Total", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.7.1.6", "Port TLVs Unrecognized Total", SYN_COUNTER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.2.7.1.7", "Port Ageouts Total", SYN_GUAGE, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc LldpLocPortVars[] = {
    {"1.0.8802.1.1.2.1.3.7.1.1", "Number", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.3.7.1.2", "ID Subtype", SYN_INTEGER, ACC_READONLY, &LocPortIdSubtypeList},
    {"1.0.8802.1.1.2.1.3.7.1.3", "ID", SYN_OCTETSTR, ACC_READONLY},
    {"1.0.8802.1.1.2.1.3.7.1.4", "Description", SYN_DISPLAYSTR, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc LldpLocManAddrVars[] = {
    {"1.0.8802.1.1.2.1.3.8.1.1", "Subtype", SYN_INTEGER, ACC_NOTACCESS, &LocManAddrSubtypeList},
    {"1.0.8802.1.1.2.1.3.8.1.2", "Address", SYN_INETADDRESS, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.3.8.1.3", "Length", SYN_INTEGER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.3.8.1.4", "IF Subtype", SYN_INTEGER, ACC_READONLY, &LocManAddrIfSubtypeList},
    {"1.0.8802.1.1.2.1.3.8.1.5", "IF ID", SYN_INTEGER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.3.8.1.6", "OID", SYN_OBJECTID, ACC_READONLY},
    {nullptr},
};

// Remote rows are keyed by the time mark, the local port and the neighbour's index first.
const QsSNMPVarDesc LldpRemManAddrVars[] = {
    {kIndexOid, "Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {kIndexOid, "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {kIndexOid, "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.4.2.1.1", "Subtype", SYN_INTEGER, ACC_NOTACCESS, &RemManAddrSubtypeList},
    {"1.0.8802.1.1.2.1.4.2.1.2", "Address", SYN_OCTETSTR, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.4.2.1.3", "IF Subtype", SYN_INTEGER, ACC_READONLY, &RemManAddrIfSubtypeList},
    {"1.0.8802.1.1.2.1.4.2.1.4", "IF ID", SYN_INTEGER, ACC_READONLY},
    {"1.0.8802.1.1.2.1.4.2.1.5", "OID", SYN_OBJECTID, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc LldpRemUnknownTlvVars[] = {
    {kIndexOid, "Time Mark", SYN_TIMETICKS, ACC_NOTACCESS},
    {kIndexOid, "Local Port Number", SYN_INTEGER, ACC_NOTACCESS},
    {kIndexOid, "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.4.3.1.1", "Type", SYN_INTEGER, ACC_NOTACCESS},
    {"1.0.8802.1.1.2.1.4.3.1.2", "Information", SYN_OCTETSTR, ACC_READONLY},
    {nullptr},
};
