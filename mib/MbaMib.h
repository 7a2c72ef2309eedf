// MAC-based access: global parameters, authenticated hosts per port, per-port settings and
// the local MAC database.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc MbaInfoVars[];
extern const QsSNMPVarDesc MbaPortInfoVars[];
extern const QsSNMPVarDesc MbaPortVars[];
extern const QsSNMPVarDesc MbaDatabaseVars[];
