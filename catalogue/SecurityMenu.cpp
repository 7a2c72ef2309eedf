// The Security menu: authentication mode and 802.1X, RADIUS, access authentication control,
// SSH, SSL and the Bulwark engine, IP-MAC binding, DoS prevention, MAC-based access and DHCP
// server screening.
#include "MainMenu.h"
#include "MenuMakers.h"
#include "SecurityPages.h"

namespace qs {

namespace {

using enum DialogOwner;
using enum GlobalPolicy;

constexpr DialogDef kGuestVlanDialog = {"TGuestVlanForm", "Guest VLAN", MainForm};
// One class for both method-list tables; the mode picks the table (1 login, 0 enable).
constexpr DialogDef kLoginMethodDialog = {.className = "TLoginMethodListForm",
                                          .title = "AAC Login Method List Table",
                                          .owner = MainForm,
                                          .global = Untouched,
                                          .mode = 1};
constexpr DialogDef kEnableMethodDialog = {.className = "TLoginMethodListForm",
                                           .title = "AAC Enable Method List Table",
                                           .owner = MainForm,
                                           .global = Untouched,
                                           .mode = 0};
constexpr DialogDef kServerInformationDialog = {"TServerInformationForm", "Server Information", Application};
constexpr DialogDef kServerControlDialog = {"TAAASrvCtrlForm", "AAC Server Control Table", MainForm,
                                            Untouched};
constexpr DialogDef kSshUserDialog = {"TSSHUserCtrlList", "SSH User Control Table", Application};
constexpr DialogDef kSslManagementDialog = {"TSSLManagementForm", "SSL Management", Application};
constexpr DialogDef kCertificateFileDialog = {"TCertificateFileForm", "SSL Certificate File", Application};
constexpr DialogDef kBulwarkControlDialog = {"TBulwarkCtrlForm", "Bulwark Control", MainForm};
constexpr DialogDef kIpMacBindingDialog = {"TIPMACBindingForm", "IP-MAC Binding", Application};
constexpr DialogDef kMbaControlDialog = {"TMBAControlForm", "MBA Port Global Settings", Application};
constexpr DialogDef kDhcpPermitDialog = {"TFilterDHCPPermitForm", "DHCP Offer Permit Entry Settings",
                                         Application, NoGlobal};

constexpr MenuEntry kMacBasedAuthentication[] = {
    PageItem("State Table", "StateTable1", MacPaeStatePage),
    PageItem("Diagnostics Information", "DiagnosticsInformation1", MacPaeDiagPage),
    PageItem("EAP Over Land  Frames Statistic Table", "StatisticTable1", MacPaeStatsPage),
    PageItem("Session Information", "SessionInformation1", MacPaeSessionPage),
};

constexpr MenuEntry kDot1x[] = {
    PageItem("Configuration", "Configuration2", Dot1xConfigPage),
    PageItem("Port Table", "PAEPortTable1", Dot1xPortTablePage),
    PageItem("Port Configuration", "PortAuthenticationConfiguration1", Dot1xPortConfigPage),
    PageItem("Port Statistics", "PortAuthStatistics1", Dot1xPortStatsPage),
    PageItem("Port Diagnostics", "Diagnostics1", Dot1xPortDiagPage),
    PageItem("Port Session Statistics", "PortSessionStatistics1", Dot1xSessionStatsPage),
    Separator("NSecurity2"),
    Submenu("MAC_Based Authentication", "MACBasedAuthentication1", kMacBasedAuthentication),
    DialogItem("Guest VLAN", "GuestVLAN1", kGuestVlanDialog),
};

constexpr MenuEntry kAccounting[] = {
    PageItem("Basic Information", "AccountingServerInformation1", AccountingInfoPage),
    PageItem("Server Table", "AccountingServerTable1", AccountingServerPage),
    PageItem("Service Table", "ServiceTable1", AccountingServicePage),
};

constexpr MenuEntry kRadius[] = {
    PageItem("RADIUS Control", "RADIUSControl1", RadiusControlPage),
    PageItem("RADIUS Command", "RADUISCommand1", RadiusCommandPage),
    PageItem("RADIUS Server Table", "RadiusServerTabl1", RadiusServerPage),
    PageItem("Authentication Information", "AuthenticationServer1", RadiusAuthInfoPage),
    PageItem("Authentication Table", "AuthenticationServerTable1", RadiusAuthServerPage),
    PageItem("Authenticated Port Table", "AuthenticatedPortCtrl1", AuthenticatedPortPage),
    Submenu("Accounting Management", "AccountingManagement1", kAccounting, kHidden),
};

// "\\n" is part of the caption as two characters, not a line break.
constexpr MenuEntry kAac[] = {
    PageItem("Global Settings", "TACACSControl1", AacGlobalPage),
    Separator("NSecurity3"),
    PageItem("AAC Information", "TACACSInformation1", AacInfoPage),
    DialogItem("Login Method Control", "LoginMethodControl1", kLoginMethodDialog),
    DialogItem("Enable Method Control", "EnableMethodControl1", kEnableMethodDialog),
    PageItem("APP Authtication Method Group\\n", "LoginInformation1", AppAuthMethodPage),
    PageItem("Server Group", "ServerGroup1", AacServerGroupPage),
    DialogItem("Server Information", "ServerInformation1", kServerInformationDialog),
    DialogItem("Server Control", "ServerControl1", kServerControlDialog),
};

constexpr MenuEntry kSsh[] = {
    PageItem("SSH Management", "SSHManagement1", SshManagementPage),
    Separator("NSecurity4"),
    Placeholder("Diffie Hellman Algorithm", "DiffieHellmanAlgorithm1", kHidden),
    PageItem("Algorithm Control", "EncryptionAlgorithm1", SshAlgorithmPage),
    PageItem("Authentication Method", "AuthenticationMethod1", SshAuthMethodPage),
    Placeholder("HMAC Algorithm", "HMACAlgorithm1", kHidden),
    Placeholder("Public Key Algorithm", "PublicKeyAlgorithm1", kHidden),
    DialogItem("User Control Table", "UserControlTable1", kSshUserDialog),
};

constexpr MenuEntry kSsl[] = {
    DialogItem("SSL Management", "SSLManagement1", kSslManagementDialog),
    DialogItem("SSL Certificate File", "SSLCertificateFile1", kCertificateFileDialog),
};

constexpr MenuEntry kBulwark[] = {
    PageItem("Global Management", "GlobalManagement1", BulwarkGlobalPage),
    DialogItem("Bulwark Control", "BulwarkControl2", kBulwarkControlDialog),
    Placeholder("ARP Storm Control", "ARPStormControl1", kHidden),
};

constexpr MenuEntry kIpMacBinding[] = {
    PageItem("Global Settings", "IPMACBindingControl1", IpMacBindingGlobalPage),
    PageItem("Port State Control", "PortInformation3", IpMacBindingPortPage),
    DialogItem("Binding Table", "BindingTable1", kIpMacBindingDialog),
    PageItem("DHCP Snoop Table", "BindingDHCPSnoopTable1", IpMacDhcpSnoopPage),
    PageItem("Blocked Table", "BindingBlockedTable1", IpMacBlockedPage),
};

constexpr MenuEntry kDosPrevention[] = {
    PageItem("Global Settings", "DOSPreventionControl1", DosGlobalPage),
    PageItem("Control Table", "DOSPrevertionControlTable1", DosControlPage),
};

constexpr MenuEntry kMba[] = {
    DialogItem("Port Global Settings", "PortGlobalSettings1", kMbaControlDialog),
    PageItem("Information", "Information4", MbaInfoPage),
    PageItem("Port Information Table", "PortInformationTable1", MbaPortInfoPage),
    PageItem("Port Table", "PortTable5", MbaPortPage),
    PageItem("DataBase Table", "DataBaseTable1", MbaDatabasePage),
};

constexpr MenuEntry kDhcpScreening[] = {
    PageItem("Global Settings", "GlobalSettings3", DhcpScreeningGlobalPage),
    PageItem("Port Settings", "PortTable9", DhcpScreeningPortPage),
    DialogItem("DHCP Offer Permit Entry Settings ", "DHCPOfferPermitEntrySettings1", kDhcpPermitDialog),
};

constexpr MenuEntry kSecurity[] = {
    PageItem("Authentication Mode Settings", "Auth1", AuthModePage),
    Separator("NSecurity1"),
    Submenu("802.1X", "N8021X1", kDot1x),
    Submenu("RADIUS Management", "RADIUSManagement1", kRadius),
    Submenu("AAC ", "AAC1", kAac),
    Separator("NSecurity5"),
    Submenu("SSH", "SSH1", kSsh),
    Submenu("SSL", "SSL1", kSsl),
    Separator("NSecurity6"),
    Submenu("Bulwark_Engine", "BulwarkEngine1", kBulwark),
    Submenu("IP-MAC Binding", "IPMACBinding1", kIpMacBinding),
    Submenu("DoS Prevention", "DoSPrevention1", kDosPrevention),
    Separator("NSecurity7"),
    Submenu("MBA Management", "MBAManagement1", kMba),
    Submenu("DHCP Server Screening", "DHCPServerScreening1", kDhcpScreening),
};

} // namespace

std::span<const MenuEntry> SecurityItems() {
    return kSecurity;
}

} // namespace qs
