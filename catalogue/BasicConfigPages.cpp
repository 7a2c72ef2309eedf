#include "BasicConfigPages.h"

#include "AgentMib.h"
#include "DeviceSystemMib.h"
#include "EquipmentMib.h"
#include "PageMakers.h"
#include "SmtpMib.h"
#include "SysLogMib.h"
#include "TimeMib.h"

namespace qs {

namespace {

constexpr FormatDef kBasicManagementFormats[] = {{5, "%i{n1x65535l5}"}};
constexpr FormatDef kGratuitousArpTableFormats[] = {{1, "%i{n0x65535l5}"}};
constexpr FormatDef kSystemLogFormats[] = {{2, "%i{n1x65535l5}"}};

} // namespace

const PageDef AlarmLinkSettingsPage = ScalarPage("Device Alarm Link Settings", AlarmLinkSettingsVars);
const PageDef PowerTablePage = ListPage("Power Table", PowerTableVars, MVT_FMV, 2);
const PageDef ExternalAlarmTablePage = ListPage("External Alarm Table", ExternalAlarmTableVars, MVT_FMV, 1);
const PageDef AgentBasicInfoPage = ScalarPage("Basic Information", AgentBasicInfoVars);
const PageDef MibCapabilitiesPage =
    WithHeight(ListPage("MIB Capabilities", MibCapabilitiesVars, MVT_FMV, 1), 450);
const PageDef BasicManagementPage = WithTimeout(
    WithFormats(ScalarPage("Basic Management", BasicManagementVars), kBasicManagementFormats), 300);
const PageDef CpuUtilizationPage = ScalarPage("CPU Utilization", CpuUtilizationVars);
const PageDef DramUtilizationPage = ListPage("DRAM Utilization Table", DramUtilizationVars, MVT_FMV, 1);
const PageDef FlashUtilizationPage = ListPage("Flash Utilization Table", FlashUtilizationVars, MVT_FMV, 1);
const PageDef PortUtilizationPage = ListPage("Port Utilization Table", PortUtilizationVars, MVT_FMV, 1);
const PageDef MultipleImagePage =
    WithHeight(ListPage("Multiple Image Management", MultipleImageVars, MVT_UMV, 1), 450);
const PageDef ConsoleModePage = ScalarPage("Console Mode Control", ConsoleModeVars);
const PageDef ArpClearAllPage = ScalarPage("ARP Clear All State", ArpClearAllVars);
const PageDef GratuitousArpInfoPage =
    ScalarPage("Gratuitous ARP Management Information", GratuitousArpInfoVars);
const PageDef GratuitousArpTablePage =
    WithFormats(ListPage("Gratuitous ARP Management Table", GratuitousArpTableVars, MVT_UMV, 1),
                kGratuitousArpTableFormats);
const PageDef FdbClearAllPage = ScalarPage("FDB Clear All State", FdbClearAllVars);
const PageDef TrustedHostTablePage = AddDeletePage("Trusted Host Table", TrustedHostTableVars, 1, 3);
const PageDef TrustedHostDeleteAllPage = ScalarPage("Delete All Trusted Host", TrustedHostDeleteAllVars);
const PageDef SystemTimePage = ScalarPage("System Time", SystemTimeVars);
const PageDef SystemLogPage =
    WithFormats(ScalarPage("System Log Mangement", SystemLogVars), kSystemLogFormats);
const PageDef SmtpInformationPage = ScalarPage("SMTP Information Table", SmtpInformationVars);
const PageDef SmtpMailReceiverPage = AddDeletePage("SMTP Mail Receiver Table", SmtpMailReceiverVars, 1, 2);
const PageDef CableDiagnosticsPage = ListPage("Cable Diagnostics Table", CableDiagnosticsVars, MVT_FMV, 1);
const PageDef SaveChangesPage = ScalarPage("Save Changes", SaveChangesVars);

} // namespace qs
