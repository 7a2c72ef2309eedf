#include "EquipmentMib.h"

#include "QsOptionList.h"

namespace {

const QsOption kPowerStatus[] = {{0, "other"}, {1, "lowVoltage"}, {2, "overCurrent"}, {3, "working"},
                                 {4, "fail"},  {5, "connect"},    {6, "disconnect"},  {}};

const QsOptionList PowerStatusList(kPowerStatus, OVT_INT);

} // namespace

const QsSNMPVarDesc PowerTableVars[] = {
    {"1.3.6.1.4.1.58613.12.11.1.6.1.1", "Power Unit Index", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.11.1.6.1.2", "Power ID", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.11.1.6.1.3", "Power Status", SYN_INTEGER, ACC_READONLY, &PowerStatusList},
    {nullptr},
};

const QsSNMPVarDesc ExternalAlarmTableVars[] = {
    {"1.3.6.1.4.1.58613.12.11.1.10.1.1", "External Alarm Channel", SYN_INTEGER, ACC_NOTACCESS},
    {"1.3.6.1.4.1.58613.12.11.1.10.1.2", "External Alarm Message", SYN_DISPLAYSTR, ACC_READWRITE},
    {"1.3.6.1.4.1.58613.12.11.1.10.1.3", "External Alarm State", SYN_INTEGER, ACC_READONLY},
    {nullptr},
};
