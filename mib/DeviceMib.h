// The device's own subtree: objects of the model itself, such as the front-panel status.
#pragma once

#include "QsSNMPVar.h"

// The front panel's status object: one byte per LED and per port, read at instance "1".
extern const QsSNMPVarDesc FrontPanelLedStatusVars[];
