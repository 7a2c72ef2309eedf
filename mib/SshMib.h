// The SSH server: its settings, the algorithms it offers and its authentication methods.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc SshManagementVars[];
extern const QsSNMPVarDesc SshAlgorithmVars[];
extern const QsSNMPVarDesc SshAuthMethodVars[];
