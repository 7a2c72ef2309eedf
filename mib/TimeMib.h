// Time: the device clock's state and time zone.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc SystemTimeVars[];
