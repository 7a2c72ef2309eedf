#include "AgentMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kProtocolCapability[] = {
    {1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}, {}};
const QsOption kConsoleInUse[] = {{1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {}};
const QsOption kFileTransfer[] = {{1, "other"},
                                  {2, "in-process"},
                                  {3, "invalid-file"},
                                  {4, "violation"},
                                  {5, "file-not-found"},
                                  {6, "disk-full"},
                                  {7, "complete"},
                                  {8, "time-out"},
                                  {9, "not-format"},
                                  {10, "memory-full"},
                                  {}};
const QsOption kDualImageStatus[] = {{0, "not-supported"}, {1, "supported"}, {}};
const QsOption kCapabilityType[] = {{1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}, {}};
const QsOption kRs232Port[] = {{2, "console"}, {}};
const QsOption kSystemReset[] = {{3, "warm-start"}, {4, "no-reset"}, {}};
const QsOption kSaveConfiguration[] = {{1, "other"}, {2, "cfg-id1"}, {3, "cfg-id2"},
                                       {4, "log"},   {5, "all"},     {}};
const QsOption kGetIpFrom[] = {{2, "disabled"}, {3, "bootp"}, {4, "dhcp"}, {}};
const QsOption kDataBits[] = {{2, "bits-7"}, {3, "bits-8"}, {}};
const QsOption kStopBits[] = {{2, "stopbits-1"}, {3, "stopbits-2"}, {}};
const QsOption kParity[] = {{1, "none"}, {2, "odd"}, {3, "even"}, {}};
const QsOption kBaudRate[] = {{2, "baudRate-2400"},
                              {3, "baudRate-9600"},
                              {4, "baudRate-19200"},
                              {5, "baudRate-38400"},
                              {6, "baudRate-57200"},
                              {7, "baudRate-115200"},
                              {}};
const QsOption kLogoutTime[] = {{1, "never"},       {2, "two-minutes"},     {3, "five-minutes"},
                                {4, "ten-minutes"}, {5, "fifteen-minutes"}, {}};
const QsOption kCablePortType[] = {{0, "fastEthernet"}, {1, "gigaEthernet"}, {2, "other"}, {}};
const QsOption kCableLinkStatus[] = {{0, "link-down"}, {1, "link-up"}, {2, "other"}, {}};
const QsOption kCablePairStatus[] = {
    {0, "ok"},      {1, "open"},  {2, "short"},    {3, "open-short"}, {4, "crosstalk"},
    {5, "unknown"}, {6, "count"}, {7, "no-cable"}, {8, "other"},      {}};
const QsOption kCableAction[] = {{1, "action"}, {2, "processing"}, {3, "other"}, {}};
const QsOption kCableStatus[] = {
    {1, "not-run"}, {2, "processing"}, {3, "last-test-ok"}, {4, "last-test-failed"}, {}};

// One list per enumerated column.
const QsOptionList ProtocolCapabilityList(kProtocolCapability, OVT_INT);
const QsOptionList ConsoleInUseList(kConsoleInUse, OVT_INT);
const QsOptionList FileTransferList(kFileTransfer, OVT_INT);
const QsOptionList DualImageStatusList(kDualImageStatus, OVT_INT);
const QsOptionList CapabilityTypeList(kCapabilityType, OVT_INT);
const QsOptionList Rs232PortList(kRs232Port, OVT_INT);
const QsOptionList SystemResetList(kSystemReset, OVT_INT);
const QsOptionList SaveConfigurationList(kSaveConfiguration, OVT_INT);
const QsOptionList SnmpTrapStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList GetIpFromList(kGetIpFrom, OVT_INT);
const QsOptionList DataBitsList(kDataBits, OVT_INT);
const QsOptionList StopBitsList(kStopBits, OVT_INT);
const QsOptionList ParityList(kParity, OVT_INT);
const QsOptionList BaudRateList(kBaudRate, OVT_INT);
const QsOptionList LogoutTimeList(kLogoutTime, OVT_INT);
const QsOptionList ArpClearAllList(OtherStartOptions, OVT_INT);
const QsOptionList GarpSendOnUpList(EnabledDisabledOptions, OVT_INT);
const QsOptionList GarpSendOnDuplicateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList GarpLearningList(EnabledDisabledOptions, OVT_INT);
const QsOptionList GarpTrapStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList GarpLogStateList(EnabledDisabledOptions, OVT_INT);
const QsOptionList FdbClearAllList(OtherStartOptions, OVT_INT);
const QsOptionList TrustedHostStatusList(RowStatusOptions, OVT_INT);
const QsOptionList TrustedHostDeleteAllList(NoneStartOptions, OVT_INT);
const QsOptionList SaveList(kSaveConfiguration, OVT_INT);
const QsOptionList CablePortTypeList(kCablePortType, OVT_INT);
const QsOptionList CableLinkStatusList(kCableLinkStatus, OVT_INT);
const QsOptionList CablePair1StatusList(kCablePairStatus, OVT_INT);
const QsOptionList CablePair2StatusList(kCablePairStatus, OVT_INT);
const QsOptionList CablePair3StatusList(kCablePairStatus, OVT_INT);
const QsOptionList CablePair4StatusList(kCablePairStatus, OVT_INT);
const QsOptionList CableActionList(kCableAction, OVT_INT);
const QsOptionList CableStatusList(kCableStatus, OVT_INT);

} // namespace

const QsSNMPVarDesc AgentBasicInfoVars[] = {
    {"1.3.6.1.4.1.58613.12.1.1.1", "Protocol Capability", SYN_INTEGER, ACC_READONLY, &ProtocolCapabilityList},
    {"1.3.6.1.4.1.58613.12.1.1.3", "Console In Use", SYN_INTEGER, ACC_READONLY, &ConsoleInUseList},
    {"1.3.6.1.4.1.58613.12.1.1.5", "File Transfer", SYN_INTEGER, ACC_READONLY, &FileTransferList},
    {"1.3.6.1.4.1.58613.12.1.1.7", "Dual Image Status", SYN_INTEGER, ACC_READONLY, &DualImageStatusList},
    {"1.3.6.1.4.1.58613.12.1.1.12", "Serial Number", SYN_DISPLAYSTR, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc MibCapabilitiesVars[] = {
    {"1.3.6.1.4.1.58613.12.1.1.2.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.1.1.2.1.2", "Description", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.1.1.2.1.3", "Version", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.1.1.2.1.4", "Type", SYN_INTEGER, ACC_READONLY, &CapabilityTypeList},
    {nullptr},
};

const QsSNMPVarDesc BasicManagementVars[] = {
    {"1.3.6.1.4.1.58613.12.1.2.4", "RS232 Port", SYN_INTEGER, ACC_READONLY, &Rs232PortList},
    {kSystemResetOid, "System Reset", SYN_INTEGER, ACC_READWRITE, &SystemResetList},
    {"1.3.6.1.4.1.58613.12.1.2.6", "Save Configuration", SYN_INTEGER, ACC_READWRITE, &SaveConfigurationList},
    {"1.3.6.1.4.1.58613.12.1.2.22", "SNMP Trap State", SYN_INTEGER, ACC_READWRITE, &SnmpTrapStateList},
    {"1.3.6.1.4.1.58613.12.1.3.3", "Get IP From", SYN_INTEGER, ACC_READWRITE, &GetIpFromList},
    {"1.3.6.1.4.1.58613.12.1.3.5", "IP Auto Configuration Timeout (1-65535)", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};

const QsSNMPVarDesc CpuUtilizationVars[] = {
    {"1.3.6.1.4.1.58613.12.1.1.6.1", "CPU Utilization In 5sec", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.1.1.6.2", "CPU Utilization In 1min", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.1.1.6.3", "CPU Utilization In 5min", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc DramUtilizationVars[] = {
    {"1.3.6.1.4.1.58613.12.1.1.9.1.1", "Unit ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.1.1.9.1.2", "Total DRAM", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.1.1.9.1.3", "Used DRAM", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.1.1.9.1.4", "Utilization", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc FlashUtilizationVars[] = {
    {"1.3.6.1.4.1.58613.12.1.1.10.1.1", "Unit ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.1.1.10.1.2", "Total Flash", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.1.1.10.1.3", "Used Flash", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.1.1.10.1.4", "Utilization", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc PortUtilizationVars[] = {
    {"1.3.6.1.4.1.58613.12.1.1.8.1.1", "Port Utilization Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.1.1.8.1.2", "Port Utilization TX", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.1.1.8.1.3", "Port Utilization RX", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.1.1.8.1.4", "Port Utilization Util", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc MultipleImageVars[] = {
    {"1.3.6.1.4.1.58613.12.1.2.7.1.1", "Multiple Image Information ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.1.2.7.1.2", "Multiple Image Version", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.1.2.7.1.3", "Multiple Image Size", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.1.2.7.1.4", "Multiple Image Update Time", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.1.2.7.1.5", "Multiple Image From", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.1.2.7.1.6", "Multiple Image Send User", SYN_DISPLAYSTR, ACC_READONLY},
    {nullptr},
};

const QsSNMPVarDesc ConsoleModeVars[] = {
    {"1.3.6.1.4.1.58613.12.1.5.1", "Data Bits", SYN_INTEGER, ACC_READONLY, &DataBitsList},
    {"1.3.6.1.4.1.58613.12.1.5.2", "Stop Bits", SYN_INTEGER, ACC_READONLY, &StopBitsList},
    {"1.3.6.1.4.1.58613.12.1.5.3", "Parity", SYN_INTEGER, ACC_READONLY, &ParityList},
    {"1.3.6.1.4.1.58613.12.1.5.4", "Baud Rate", SYN_INTEGER, ACC_READWRITE, &BaudRateList},
    {"1.3.6.1.4.1.58613.12.1.5.5", "Logout Time", SYN_INTEGER, ACC_READWRITE, &LogoutTimeList},
    {nullptr},
};

const QsSNMPVarDesc ArpClearAllVars[] = {
    {"1.3.6.1.4.1.58613.12.1.2.12.1", "ARP Clear All State", SYN_INTEGER, ACC_READWRITE, &ArpClearAllList},
    {nullptr},
};

const QsSNMPVarDesc GratuitousArpInfoVars[] = {
    {"1.3.6.1.4.1.58613.12.1.2.12.2.1", "Send On IPIF Status Up", SYN_INTEGER, ACC_READWRITE,
     &GarpSendOnUpList},
    {"1.3.6.1.4.1.58613.12.1.2.12.2.2", "Send On Duplicate_IP_Detected", SYN_INTEGER, ACC_READWRITE,
     &GarpSendOnDuplicateList},
    {"1.3.6.1.4.1.58613.12.1.2.12.2.3", "Gratuitous ARP Learning", SYN_INTEGER, ACC_READWRITE,
     &GarpLearningList},
    {nullptr},
};

const QsSNMPVarDesc GratuitousArpTableVars[] = {
    {"1.3.6.1.4.1.58613.12.1.2.12.2.4.1.1", "Interface Name", SYN_DISPLAYSTR, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.1.2.12.2.4.1.2", "Periodical Send Interval", SYN_INTEGER, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.1.2.12.2.4.1.3", "Trap State", SYN_INTEGER, ACC_READWRITE, &GarpTrapStateList},
    {"1.3.6.1.4.1.58613.12.1.2.12.2.4.1.4", "Log State", SYN_INTEGER, ACC_READWRITE, &GarpLogStateList},
    {nullptr},
};

const QsSNMPVarDesc FdbClearAllVars[] = {
    {"1.3.6.1.4.1.58613.12.1.2.11.1", "FDB Clear All State", SYN_INTEGER, ACC_READWRITE, &FdbClearAllList},
    {nullptr},
};

const QsSNMPVarDesc TrustedHostTableVars[] = {
    {"1.3.6.1.4.1.58613.12.1.2.10.1.1.1", "Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.1.2.10.1.1.2", "IP Address", SYN_IPADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.1.2.10.1.1.4", "Subnet Mask", SYN_IPADDRESS, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.1.2.10.1.1.3", "Row Status", SYN_INTEGER, ACC_READWRITE, &TrustedHostStatusList},
    {nullptr},
};

const QsSNMPVarDesc TrustedHostDeleteAllVars[] = {
    {"1.3.6.1.4.1.58613.12.1.2.10.2", "Delete All Trusted Host", SYN_INTEGER, ACC_READWRITE,
     &TrustedHostDeleteAllList},
    {nullptr},
};

const QsSNMPVarDesc SaveChangesVars[] = {
    {"1.3.6.1.4.1.58613.12.1.2.6", "Save", SYN_INTEGER, ACC_READWRITE, &SaveList},
    {nullptr},
};

const QsSNMPVarDesc CableDiagnosticsVars[] = {
    {"1.3.6.1.4.1.58613.12.58.1.1.1.1", "Port Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.58.1.1.1.2", "Port Type", SYN_INTEGER, ACC_READONLY, &CablePortTypeList},
    {"1.3.6.1.4.1.58613.12.58.1.1.1.3", "Link Status", SYN_INTEGER, ACC_READONLY, &CableLinkStatusList},
    {"1.3.6.1.4.1.58613.12.58.1.1.1.4", "Pair1 Status", SYN_INTEGER, ACC_READONLY, &CablePair1StatusList},
    {"1.3.6.1.4.1.58613.12.58.1.1.1.5", "Pair2 Status", SYN_INTEGER, ACC_READONLY, &CablePair2StatusList},
    {"1.3.6.1.4.1.58613.12.58.1.1.1.6", "Pair3 Status", SYN_INTEGER, ACC_READONLY, &CablePair3StatusList},
    {"1.3.6.1.4.1.58613.12.58.1.1.1.7", "Pair4 Status", SYN_INTEGER, ACC_READONLY, &CablePair4StatusList},
    {"1.3.6.1.4.1.58613.12.58.1.1.1.8", "Pair1 Length", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.58.1.1.1.9", "Pair2 Length", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.58.1.1.1.10", "Pair3 Length", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.58.1.1.1.11", "Pair4 Length", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.58.1.1.1.12", "Action", SYN_INTEGER, ACC_READWRITE, &CableActionList},
    {"1.3.6.1.4.1.58613.12.58.1.1.1.13", "Status", SYN_INTEGER, ACC_READONLY, &CableStatusList},
    {nullptr},
};
