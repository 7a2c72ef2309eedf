// The LLDP menu: configuration, statistics, local and remote system data, and the IEEE 802.1 and
// 802.3 extension tables.
#include "LldpPages.h"
#include "MainMenu.h"
#include "MenuMakers.h"

namespace qs {

namespace {

using enum DialogOwner;

constexpr DialogDef kPortConfigDialog = {"TLLDPPortConfigForm", "Port Configuration Table", Application};
constexpr DialogDef kLocSysDataDialog = {"TLLDPLocSysDataForm", "Local System Data", Application};
constexpr DialogDef kRemoteDialog = {"TLLDPRemoteForm", "LLDP Remote Table", Application};
constexpr DialogDef kConfigVlanNameDialog = {"TLLDPConfigVLANNameForm", "Configuration VLAN Name Table",
                                             Application};
constexpr DialogDef kConfigProtocolVlanDialog = {"TLLDPConfigProtocolVLANForm",
                                                 "Configuration Protocol VLAN  Table", Application};
constexpr DialogDef kConfigProtocolDialog = {"TLLDPConfigProtocolForm", "Configuration Protocol Table",
                                             Application};
constexpr DialogDef kDot3PortConfigDialog = {"TLLDPDot3PortConfigForm", "LLDP Dot3 Port Configuration Table",
                                             Application};
constexpr DialogDef kDot3LinkAggDialog = {"TLLDPDot3LinkAggForm", "Local Link Aggregation Table",
                                          Application};
constexpr DialogDef kDot3RemoteLinkAggDialog = {"TLLDPDot3RemoteLinkAggForm", "Remote Link Aggregation Table",
                                                Application};

constexpr MenuEntry kConfiguration[] = {
    PageItem("Configuration Information", "ConfigurationInformation1", LldpBasicConfigPage),
    DialogItem("Port Configuration", "PortConfiguration1", kPortConfigDialog),
    PageItem("Address Configuration", "AddressConfiguration1", LldpConfigManAddrPage),
};

constexpr MenuEntry kStatistics[] = {
    PageItem("Statistics Information", "StatisticsInformation1", LldpStatisticsPage),
    PageItem("TX Port Table", "TxPortTable1", LldpTxPortPage),
    PageItem("RX Port Table", "RxPortTable1", LldpRxPortPage),
};

constexpr MenuEntry kSystemData[] = {
    DialogItem("System Data", "SystemData1", kLocSysDataDialog),
    PageItem("Port Table", "PortTable4", LldpLocPortPage),
    PageItem("Management Address Table", "ManagementAddressTable1", LldpLocManAddrPage),
};

constexpr MenuEntry kRemoteSystemData[] = {
    DialogItem("Remote Table", "RemoteTable2", kRemoteDialog),
    PageItem("Management Address Table", "ManagementAddressTable2", LldpRemManAddrPage),
    PageItem("Unknown TLV Table", "UnknownTLVTable1", LldpRemUnknownTlvPage),
};

constexpr MenuEntry kDot1Configuration[] = {
    PageItem("Port VLAN Table", "PortVLANTable1", Dot1PortVlanPage),
    DialogItem("VLAN Name Table", "VLANNameTable1", kConfigVlanNameDialog),
    DialogItem("Protocol VLAN Table", "ProtocolVLANTable1", kConfigProtocolVlanDialog),
    DialogItem("Protocol Table", "ProtocolTable1", kConfigProtocolDialog),
};

constexpr MenuEntry kDot1LocalData[] = {
    PageItem("Local Data Table", "LocalDataTable1", Dot1LocPortVlanIdPage),
    PageItem("VLAN Name Table", "VLANNameTable2", Dot1LocVlanNamePage),
    PageItem("Protocol VLAN Table", "ProtocolTable2", Dot1LocProtoVlanPage),
    PageItem("Protocol Table", "ProtocolTable3", Dot1LocProtocolPage),
};

constexpr MenuEntry kDot1RemoteData[] = {
    PageItem("Remote Data Table", "RemoteDataTable1", Dot1RemPortVlanIdPage),
    PageItem("VLAN Name Table", "VLANNameTable3", Dot1RemVlanNamePage),
    PageItem("Protocol VLAN Table", "ProtocolVLANTable2", Dot1RemProtoVlanPage),
    PageItem("Protocol Table", "ProtocolTable4", Dot1RemProtocolPage),
};

constexpr MenuEntry kDot1[] = {
    Submenu("Configuration", "LLDPDot1Configuration1", kDot1Configuration),
    Submenu("Local Data", "LLDPDot1LocalData1", kDot1LocalData),
    Submenu("Remote Data", "LLDPDot1RemoteData1", kDot1RemoteData),
};

constexpr MenuEntry kDot3LocalData[] = {
    PageItem("Port Table", "PortTablle1", Dot3LocPortPage),
    PageItem("Power Table", "PowerTable2", Dot3LocPowerPage),
    DialogItem("Link Aggregation Table", "LinkAggregationTable1", kDot3LinkAggDialog),
    PageItem("Max Frame Size Table", "MaxFrameSizeTable1", Dot3LocMaxFramePage),
};

constexpr MenuEntry kDot3RemoteData[] = {
    PageItem("Port Table", "PortTable3", Dot3RemPortPage),
    PageItem("Power Table", "PowerTable3", Dot3RemPowerPage),
    DialogItem("Link Aggregation Table", "LinkAggregationTable2", kDot3RemoteLinkAggDialog),
    PageItem("Max Frame Size Table", "MaxFrameSizeTable2", Dot3RemMaxFramePage),
};

constexpr MenuEntry kDot3[] = {
    DialogItem("Port Configuration Table", "PortConfigurationTable1", kDot3PortConfigDialog),
    Submenu("Local Data Table", "LLDPDot3LocalDataTable1", kDot3LocalData),
    Submenu("Remote Table", "LLDPDot3RemoteTable1", kDot3RemoteData),
};

constexpr MenuEntry kLldp[] = {
    Submenu("Configuration", "LLDPConfiguration1", kConfiguration),
    Submenu("LLDP Statistics", "LLDPStatistics1", kStatistics),
    Submenu("LLDP System Data", "LLDPSystemData1", kSystemData),
    Submenu("Remote System Data", "RemoteSystemData1", kRemoteSystemData),
    Submenu("LLDP-Dot1", "LLDPDot11", kDot1),
    Submenu("LLDP-Dot3", "LLDPDot31", kDot3),
};

} // namespace

std::span<const MenuEntry> LldpItems() {
    return kLldp;
}

} // namespace qs
