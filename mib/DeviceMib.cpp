#include "DeviceMib.h"

const QsSNMPVarDesc FrontPanelLedStatusVars[] = {
    {"1.3.6.1.4.1.58613.11.113.1.6.3.1.1.1.2", "swL2DevInfoFrontPanelLedStatus", SYN_OCTETSTR, ACC_READONLY},
    {nullptr},
};
