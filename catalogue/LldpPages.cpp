#include "LldpPages.h"

#include "LldpMib.h"
#include "PageMakers.h"

namespace qs {

namespace {

constexpr FormatDef kBasicConfigFormats[] = {{0, "%i{n5x32768l5}"},
                                             {1, "%i{n2x10l2}"},
                                             {2, "%i{n1x10l2}"},
                                             {3, "%i{n1x8192l4}"},
                                             {4, "%i{n5x3600l4}"}};
constexpr FormatDef kConfigManAddrFormats[] = {{0, "%i{n0x512l3}"}};

// A table of the local (keyed by the port) or remote (time mark, port, index) data, walked
// without Add and Delete.
constexpr PageDef ReadOnlyTable(const char* title, const QsSNMPVarDesc* vars, int keys = 1) {
    return ListPage(title, vars, MVT_FMV, keys);
}

} // namespace

const PageDef LldpBasicConfigPage =
    WithFormats(ScalarPage("LLDP Basic Configuration", LldpBasicConfigVars), kBasicConfigFormats);
// The ports column is edited with a port picker: 28 ports, 12 to a row.
const PageDef LldpConfigManAddrPage = [] {
    PageDef page =
        WithFormats(ListPage("Configuration Management Address Table", LldpConfigManAddrVars, MVT_UMV, 2),
                    kConfigManAddrFormats);
    page.portList = {2, 12, 28};
    return page;
}();
// The five scalars listed as one row per read.
const PageDef LldpStatisticsPage = ListPage("Statistics Information", LldpStatisticsVars, SVT_SV, 0);
const PageDef LldpTxPortPage = ReadOnlyTable("TX Port Table", LldpTxPortVars);
const PageDef LldpRxPortPage = ReadOnlyTable("RX Port Table", LldpRxPortVars);
const PageDef LldpLocPortPage = ReadOnlyTable("Port Table", LldpLocPortVars);
const PageDef LldpLocManAddrPage = ReadOnlyTable("Management Address Table", LldpLocManAddrVars, 2);
const PageDef LldpRemManAddrPage = ReadOnlyTable("Management Address Table", LldpRemManAddrVars, 5);
const PageDef LldpRemUnknownTlvPage = ReadOnlyTable("Remote Unknown TLV Table", LldpRemUnknownTlvVars, 4);

const PageDef Dot1PortVlanPage = ListPage("Port VLAN Status", Dot1PortVlanVars, MVT_UMV, 1);
const PageDef Dot1LocPortVlanIdPage = ReadOnlyTable("Local Port VLAN ID", Dot1LocPortVlanIdVars);
const PageDef Dot1LocVlanNamePage = ReadOnlyTable("Local VLAN Name", Dot1LocVlanNameVars, 2);
const PageDef Dot1LocProtoVlanPage = ReadOnlyTable("Local Protocol VLAN Table", Dot1LocProtoVlanVars, 2);
const PageDef Dot1LocProtocolPage = ReadOnlyTable("Local Protocol Table", Dot1LocProtocolVars, 2);
const PageDef Dot1RemPortVlanIdPage = ReadOnlyTable("Remote Port VLAN ID", Dot1RemPortVlanIdVars, 3);
const PageDef Dot1RemVlanNamePage = ReadOnlyTable("Remote VLAN Name", Dot1RemVlanNameVars, 4);
const PageDef Dot1RemProtoVlanPage = ReadOnlyTable("Remote Protocol VLAN Table", Dot1RemProtoVlanVars, 4);
const PageDef Dot1RemProtocolPage = ReadOnlyTable("Remote Protocol Table", Dot1RemProtocolVars, 4);

const PageDef Dot3LocPortPage = ReadOnlyTable("Local Port Table", Dot3LocPortVars);
const PageDef Dot3LocPowerPage = ReadOnlyTable("Local Power Table", Dot3LocPowerVars);
const PageDef Dot3LocMaxFramePage = ReadOnlyTable("Local Max Frame Size Table", Dot3LocMaxFrameVars);
const PageDef Dot3RemPortPage = ReadOnlyTable("Remote Port Table", Dot3RemPortVars, 3);
const PageDef Dot3RemPowerPage = ReadOnlyTable("Remote Power Table", Dot3RemPowerVars, 3);
const PageDef Dot3RemMaxFramePage = ReadOnlyTable("Remote Max Frame Size Table", Dot3RemMaxFrameVars, 3);

} // namespace qs
