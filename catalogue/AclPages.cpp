#include "AclPages.h"

#include "AclMib.h"
#include "PageMakers.h"

namespace qs {

namespace {

// The tag, mask and offset data fields hold hex octets: they take hex digits only, and exactly
// as many as the object's octets.
constexpr FormatDef kMeterFormats[] = {{4, "%i{n0x63l2}"}};
constexpr FormatDef kContentMaskFormats[] = {{1, "%s{M}"}, {2, "%s{M}"}, {3, "%h{l4f}"}, {4, "%h{l4f}"}};
constexpr FormatDef kContentOffsetsFormats[] = {{1, "%i{n1x11}"}, {3, "%i{n0x31}"}, {4, "%h{l4f}"}};
constexpr FormatDef kRuleOffsetsFormats[] = {{3, "%h{l4f}"}, {5, "%h{l4f}"}};
constexpr FormatDef kIpv6MaskFormats[] = {{0, "%i{n1x5l1}"}, {4, "%h{l32f}"}, {5, "%h{l32f}"}};

// Both tabs: Edit hidden, no double-click editing, Stop shown.
constexpr TabDef kPacketContentMaskTabs[] = {
    {.caption = "Packet Content Mask",
     .kind = PageKind::List,
     .vars = PacketContentMaskVars,
     .itemType = MVT_FMV,
     .keyCount = 1,
     .add = {5, "createAndGo"},
     .del = {5, "destroy"},
     .formats = kContentMaskFormats,
     .editHidden = true,
     .doubleClick = false,
     .stopShown = true},
    {.caption = "Packet Content Offsets",
     .kind = PageKind::List,
     .vars = PacketContentOffsetsVars,
     .itemType = MVT_FMV,
     .keyCount = 2,
     .add = {5, "createAndGo"},
     .del = {5, "destroy"},
     .formats = kContentOffsetsFormats,
     .editHidden = true,
     .doubleClick = false,
     .stopShown = true,
     .readKey = 0},
};

} // namespace

const PageDef AclInformationPage = ScalarPage("ACL Information Table", AclInformationVars);
// Edit is hidden, yet a double-click on a row still opens the Edit sub-form.
const PageDef AclMeterTablePage = [] {
    PageDef page = WithFormats(AddDeletePage("ACL Meter Table", AclMeterVars, 2, 7), kMeterFormats);
    page.doubleClick = true;
    return page;
}();
const PageDef AclMeteringInfoPage = ScalarPage("ACL Metering Information", AclMeteringInfoVars);
const PageDef AclCounterTablePage = ListPage("ACL Counter Table", AclCounterVars, MVT_UMV, 2);
const PageDef AclMaskDeleteAllPage = ScalarPage("ACL Mask Delete All State", AclMaskDeleteAllVars);
const PageDef PacketContentMaskPage = {
    .title = "Packet Content Mask", .kind = PageKind::Paged, .tabs = kPacketContentMaskTabs};
const PageDef PacketContentRuleOffsetsPage = [] {
    PageDef page = WithFormats(
        AddDeletePage("ACL Packet Content Rule Offsets Table", PacketContentRuleOffsetsVars, 3, 4),
        kRuleOffsetsFormats);
    page.stopShown = true;
    return page;
}();

const PageDef CpuFilterControlPage = ScalarPage("CPU Filtering Control", CpuFilterControlVars);
const PageDef CpuFilterIpv6MaskPage = WithFormats(
    AddDeletePage("IPv6 Mask (CPU Interface Filtering)", CpuFilterIpv6MaskVars, 1, 6), kIpv6MaskFormats);

const PageDef TimeRangeAclPage = ListPage("Time Range ACL Table", TimeRangeAclVars, MVT_UMV, 2);
const PageDef TimeRangeCpuAclPage = ListPage("Time Range CPU ACL Table", TimeRangeCpuAclVars, MVT_UMV, 2);

} // namespace qs
