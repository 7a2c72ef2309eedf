// System log: the log's global state and saving.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc SystemLogVars[];
