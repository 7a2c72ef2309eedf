#include "TimeMib.h"

#include "SharedOptions.h"

namespace {

const QsOptionList ClockResetOnRebootList(TrueFalseOptions, OVT_INT);

} // namespace

const QsSNMPVarDesc SystemTimeVars[] = {
    {"1.3.6.1.4.1.58613.12.10.3", "Clock Reset On Reboot", SYN_INTEGER, ACC_READONLY,
     &ClockResetOnRebootList},
    {"1.3.6.1.4.1.58613.12.10.10.1", "Current Time", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.10.10.2", "System Up Time", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.10.10.3", "System Boot Time", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.58613.12.10.10.4", "System Time Zone (-779-839)", SYN_INTEGER, ACC_READWRITE},
    {nullptr},
};
