// IF-MIB: the interface extension table.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc IfXTableVars[];
