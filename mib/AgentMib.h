// The agent's basic settings and state, and the cable diagnostics.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc AgentBasicInfoVars[];
extern const QsSNMPVarDesc MibCapabilitiesVars[];
extern const QsSNMPVarDesc BasicManagementVars[];
extern const QsSNMPVarDesc CpuUtilizationVars[];
extern const QsSNMPVarDesc DramUtilizationVars[];
extern const QsSNMPVarDesc FlashUtilizationVars[];
extern const QsSNMPVarDesc PortUtilizationVars[];
extern const QsSNMPVarDesc MultipleImageVars[];
extern const QsSNMPVarDesc ConsoleModeVars[];
extern const QsSNMPVarDesc ArpClearAllVars[];
extern const QsSNMPVarDesc GratuitousArpInfoVars[];
extern const QsSNMPVarDesc GratuitousArpTableVars[];
extern const QsSNMPVarDesc FdbClearAllVars[];
extern const QsSNMPVarDesc TrustedHostTableVars[];
extern const QsSNMPVarDesc TrustedHostDeleteAllVars[];
extern const QsSNMPVarDesc SaveChangesVars[];
extern const QsSNMPVarDesc CableDiagnosticsVars[];

// The object that restarts the device, and the value of a warm start.
inline constexpr const char* kSystemResetOid = "1.3.6.1.4.1.58613.12.1.2.3";
inline constexpr const char* kSystemResetWarmStart = "3";
