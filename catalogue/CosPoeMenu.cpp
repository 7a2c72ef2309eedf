// The CoS Management and PoE menus. Four CoS captions end in a line feed; two CoS items and the
// whole PoE menu are not shown, their commands still build their pages.
#include "CosPoePages.h"
#include "MainMenu.h"
#include "MenuMakers.h"

namespace qs {

namespace {

constexpr MenuEntry kCos[] = {
    PageItem("Priority Table\n", "CoSPriorityTable1", CosPriorityPage),
    PageItem("Port PRI Table\n", "CoSPortPRITable1", CosPortPriPage, kHidden),
    PageItem("MAC_Base PRI Table\n", "CosSMacBasePRITable1", CosMacBasePriPage, kHidden),
    PageItem("ToS PRI Table\n", "CoSToSPRITable1", CosTosPriPage),
    PageItem("DSCP PRI Table", "CoSDHCPPRITable1", CosDscpPriPage),
};

// Visible items of an invisible parent.
constexpr MenuEntry kPoe[] = {
    PageItem("PoE System Control", "PoESystemControl1", PoeSystemControlPage),
    PageItem("PoE System information", "PoESysteminformation1", PoeSystemInfoPage),
    PageItem("PoE Port Control", "PoEPortControl1", PoePortControlPage),
    PageItem("PoE Port information", "PoEPortInformation1", PoePortInfoPage),
};

} // namespace

std::span<const MenuEntry> CosItems() {
    return kCos;
}
std::span<const MenuEntry> PoeItems() {
    return kPoe;
}

} // namespace qs
