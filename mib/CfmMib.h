// Connectivity fault management (IEEE 802.1ag): the switch's own CFM state and the standard
// CFM MIB's maintenance points, VLANs, domains, associations, MEPs, linktrace replies and
// remote-MEP database.
#pragma once

#include "QsSNMPVar.h"

extern const QsSNMPVarDesc CfmGlobalStateVars[];
extern const QsSNMPVarDesc CfmPortVars[];
extern const QsSNMPVarDesc CfmStackVars[];
extern const QsSNMPVarDesc CfmVlanVars[];
extern const QsSNMPVarDesc CfmMdNextIndexVars[];
extern const QsSNMPVarDesc CfmMdVars[];
extern const QsSNMPVarDesc CfmMaNetVars[];
extern const QsSNMPVarDesc CfmMaComponentVars[];
extern const QsSNMPVarDesc CfmMaMepListVars[];
extern const QsSNMPVarDesc CfmMepVars[];
extern const QsSNMPVarDesc CfmLinktraceReplyVars[];
extern const QsSNMPVarDesc CfmMepDbVars[];

// Items of the MA Net table that its Add hooks work on.
inline constexpr int kCfmMaNetFormat = 2;
inline constexpr int kCfmMaNetCcmInterval = 4;
inline constexpr int kCfmMaNetRowStatus = 5;
// Items of the MA Component table that its Add hooks work on.
inline constexpr int kCfmMaCompPrimaryVlan = 3;
inline constexpr int kCfmMaCompMipCreation = 4;
inline constexpr int kCfmMaCompNumberOfVids = 6;
inline constexpr int kCfmMaCompRowStatus = 7;
