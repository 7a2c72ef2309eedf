// The Basic Configuration menu: device, agent, time, log and mail settings, the standard MIB
// groups, ping and trace route, Save Changes and Reboot.
#include "BasicConfigPages.h"
#include "MainMenu.h"
#include "MenuMakers.h"

namespace qs {

namespace {

using enum DialogOwner;
using enum GlobalPolicy;

constexpr DialogDef kUpdateFilesDialog = {"TfrmAgentSupportedUpdateFiles", "Agent Supported Update Files",
                                          MainForm};
constexpr DialogDef kCurrentTimeDialog = {"TCurrentTimeForm", "Current Time", Application};
constexpr DialogDef kNetworkTimeDialog = {"TfrmNetwroktime", "Network Time", MainForm};
constexpr DialogDef kSummerTimeDialog = {"TfrmSummerTime", "Summer Time", Application, Untouched};
constexpr DialogDef kSysLogHostDialog = {"TSystemLogServerForm", "System Log Host Table", Application,
                                         Untouched};
// The SMTP dialog keeps the caption of its own layout.
constexpr DialogDef kSmtpDialog = {"TSMTPControlForm", nullptr, Application, Untouched};
constexpr DialogDef kArpTableDialog = {"TARPConfigForm", "ARP", Application};
constexpr DialogDef kDot3ControlDialog = {"Tdot3ControlForm", "Dot3 Control Table", Application};
constexpr DialogDef kDot3PauseDialog = {"Tdot3PauseForm", "Dot3 Pause Table", Application};

constexpr MenuEntry kDeviceManagement[] = {
    Placeholder("Device Information", "DeviceInformation1", kHidden),
    PageItem("Alarm Link Settings", "L2DeviceAlarmLinkChange1", AlarmLinkSettingsPage),
    Placeholder("Refresh Panel", "RefreshPanel1", kHidden),
};

constexpr MenuEntry kEquipmentManagement[] = {
    Placeholder("Basic Information", "BasicInformation1", kHidden),
    PageItem("Power Table", "PowerTable1", PowerTablePage),
    Placeholder("Unit Table", "UnitTable1", kHidden),
    Placeholder("Fan Table", "FanTable1", kHidden),
    Placeholder("Trap Management", "TrapManagement1", kHidden),
    PageItem("External Alarm Table", "ExternalAlarmTable1", ExternalAlarmTablePage),
};

constexpr MenuEntry kGratuitousArp[] = {
    PageItem("Gratuitous ARP Management Infomation", "GratuitousARPManagementInfomation1",
             GratuitousArpInfoPage),
    PageItem("Gratuitous ARP Table", "GratuitousARPTable1", GratuitousArpTablePage),
};

constexpr MenuEntry kTrustedHost[] = {
    PageItem("Trusted Host Table", "TrustHostTable1", TrustedHostTablePage),
    PageItem("Delete All State", "DeleteAllState1", TrustedHostDeleteAllPage),
};

constexpr MenuEntry kAgentManagement[] = {
    PageItem("Basic Information", "BasicInfo1", AgentBasicInfoPage),
    PageItem("MIB Capabilities", "MibCapabilities1", MibCapabilitiesPage),
    PageItem("Basic Management", "BasicConfigure1", BasicManagementPage),
    Separator("N1"),
    PageItem("CPU Utilization", "CpuUtilization1", CpuUtilizationPage),
    PageItem("DRAM Utilization", "DRAMUtilization1", DramUtilizationPage),
    PageItem("Flash Utilization Table\n", "FLASHUtilizationTable1", FlashUtilizationPage),
    PageItem("Port Utilization", "PortUtilization1", PortUtilizationPage),
    Separator("N2"),
    DialogItem("Agent Supported Update Files", "AgentSupportedUpdateFiles1", kUpdateFilesDialog),
    PageItem("Multiple Image Management", "Multipleimagemanagement1", MultipleImagePage),
    Placeholder("Severity Control Management", "SeverityControlManagement1", kHidden),
    Placeholder("Trap Management", "TrapManagement2", kHidden),
    Placeholder("IP Proto-Configure", "IPProtoConfigure1", kHidden),
    PageItem("Console Mode Control", "ConsoleModeControl1", ConsoleModePage),
    Separator("N3"),
    PageItem("ARP Clear All State", "ARPClearAllState1", ArpClearAllPage),
    Submenu("Gratuitous ARP Management", "GratuitousARPManagement1", kGratuitousArp),
    PageItem("FDB Clear All State", "FDBClearAllState1", FdbClearAllPage),
    Submenu("Trusted Host", "TrustedHost1", kTrustedHost),
};

constexpr MenuEntry kTimeManagement[] = {
    DialogItem("Current Time", "CurrentTime2", kCurrentTimeDialog),
    PageItem("System Time", "CurrentTime1", SystemTimePage),
    DialogItem("Network Time", "NetworkTime1", kNetworkTimeDialog),
    DialogItem("Summer Time", "SummerTime1", kSummerTimeDialog),
};

constexpr MenuEntry kSystemLog[] = {
    PageItem("Global Settings", "SystemLogState1", SystemLogPage),
    DialogItem("Host Table", "HostTable1", kSysLogHostDialog),
};

constexpr MenuEntry kSmtp[] = {
    DialogItem("Global Settings", "SMTPGlobalSettings1", kSmtpDialog),
    PageItem("SMTP Information Table", "SMTPInformationTable1", SmtpInformationPage),
    PageItem("Mail Receiver Table", "SMTPMailReceiverTable1", SmtpMailReceiverPage),
};

constexpr MenuEntry kEntity[] = {
    ToolItem("Physical Table", "PhysicalTable1", "/TEntityMIB_Physical"),
    ToolItem("Logical Table", "LogicalTable1", "/TEntityMIB_Logical"),
    ToolItem("Mapping", "Mapping1", "/TEntityMIB_Maping"),
};

constexpr MenuEntry kIfMib[] = {
    ToolItem("General Table", "GeneralTable1", "/TIFMib_LastChangeTable"),
    PageItem("IfX Table", "IFXTable1", IfXTablePage),
    Placeholder("IfStack Table", "IfStackTable1", kHidden),
    Placeholder("Test Table", "TestTable1", kHidden),
};

constexpr MenuEntry kMib2[] = {
    ToolItem("System Information", "SystemInformation1", "/TMIB_Info"),
    Separator("N4"),
    ToolItem("IF Table", "IFTable1", "/TMIB_IFTable"),
    ToolItem("IF Counters", "IFCounters1", "/TMIB_IFCounters"),
    Separator("N5"),
    ToolItem("IP Table", "IPTable1", "/TMIB_IPTable"),
    ToolItem("IP Counters", "IPCounters1", "/TMIB_IPCounters"),
    ToolItem("IP Routing", "IPRouting1", "/TMIB_IPRouting"),
    ToolItem("IP Address Table", "IPAddressTable1", "/TMIB_IPAddress"),
    Separator("N6"),
    ToolItem("ICMP Counters", "ICMPCounters1", "/TMIB_ICMPCounters"),
    ToolItem("UDP Counters", "UDPCounters1", "/TMIB_UDPCounters"),
    ToolItem("SNMP Counters", "SNMPCounters1", "/TMIB_SNMPCounters"),
    Separator("N7"),
    DialogItem("ARP Table", "ARPTable1", kArpTableDialog),
};

constexpr MenuEntry kEtherLike[] = {
    ToolItem("Dot3 Statistics", "Dot3Statistics1", "/TEthernetLike_dot3StatsTable"),
    PageItem("Dot3 Collisions", "Dot3Collision1", Dot3CollisionsPage, kHidden),
    DialogItem("Dot3 Control Table", "Dot3ControlTable1", kDot3ControlDialog),
    DialogItem("Dot3 Pause Table", "Dot3PauseTable1", kDot3PauseDialog),
};

constexpr MenuEntry kPing[] = {
    PageItem("Max Concurrent Requests", "MaxConcurrentRequests1", PingMaxConcurrentPage),
    PageItem("Control Table", "PingControlTable1", PingControlPage),
    PageItem("Results Table", "PingResultsTable1", PingResultsPage),
    PageItem("Probe History Table", "ProbeHistoryTable1", PingProbeHistoryPage, kHidden),
};

constexpr MenuEntry kTraceRoute[] = {
    PageItem("Max Concurrent Requests", "MaxConcurrentRequests2", TraceRouteMaxConcurrentPage),
    PageItem("Control Table", "TrouceControlTable1", TraceRouteControlPage),
    PageItem("Result Table", "TraceRouteResultTable1", TraceRouteResultsPage),
    PageItem("Probe History Table", "ProbeHistoryTable2", TraceRouteProbeHistoryPage, kHidden),
    PageItem("Hops Table", "RouteHopsTable1", TraceRouteHopsPage, kHidden),
};

constexpr MenuEntry kBasicConfiguration[] = {
    Placeholder("Moudle Basic Configuration", "MoudleBasicConfiguration1", kHidden),
    Submenu("Device Management", "DeviceManagement1", kDeviceManagement),
    Submenu("Equipment Management", "EquipmentManagement1", kEquipmentManagement),
    Submenu("Agent Management", "AgentManagement1", kAgentManagement),
    Submenu("Time Management", "TimeManagement1", kTimeManagement),
    Submenu("System Log Management", "SystemLogManagement1", kSystemLog),
    Submenu("SMTP Management", "SMTPManagement1", kSmtp),
    PageItem("Cable Diagnostics", "CableDiagnostics1", CableDiagnosticsPage),
    Separator("N8"),
    Submenu("Entity", "Entity1", kEntity, kHidden),
    Submenu("IF-MIB", "IFMIB1", kIfMib),
    Submenu("MIB II", "MIBII1", kMib2),
    Submenu("EtherLike-MIB", "EtherLikeMIB1", kEtherLike),
    Separator("N9"),
    Submenu("Ping", "Ping1", kPing),
    Submenu("Trace Route", "TraceRoute1", kTraceRoute),
    PageItem("Save Changes", "SaveChanges1", SaveChangesPage),
    DirectItem("Reboot", "Reboot1", DirectCommand::Reboot),
};

} // namespace

std::span<const MenuEntry> BasicConfigurationItems() {
    return kBasicConfiguration;
}

} // namespace qs
