#include "DeviceSystemMib.h"

#include "SharedOptions.h"

namespace {

const QsOption kOtherDisabledEnabled[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};

const QsOptionList AlarmLinkChangeList(kOtherDisabledEnabled, OVT_INT);
const QsOptionList RmonStateList(DisabledEnabledOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc AlarmLinkSettingsVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.3.3", "Device Alarm Link Change", SYN_INTEGER, ACC_READWRITE,
     &AlarmLinkChangeList},
    {nullptr},
};

const QsSNMPVarDesc RmonStateVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.2.1.2.16", "RMON State", SYN_INTEGER, ACC_READWRITE, &RmonStateList},
    {nullptr},
};
