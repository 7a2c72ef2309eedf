// LLDP-MIB (IEEE 802.1AB): global timers, management-address transmission, statistics, the
// local and remote system data, and the IEEE 802.1 and 802.3 organisational extensions.
#pragma once

#include "QsOptionList.h"
#include "QsSNMPVar.h"

// The address family numbers of the management-address subtype columns, ended by an empty
// entry; the remote table's list spells two of them differently.
extern const QsOption* const AddressFamilyOptions;
extern const QsOption* const RemoteAddressFamilyOptions;

extern const QsSNMPVarDesc LldpBasicConfigVars[];
extern const QsSNMPVarDesc LldpConfigManAddrVars[];
extern const QsSNMPVarDesc LldpStatisticsVars[];
extern const QsSNMPVarDesc LldpTxPortVars[];
extern const QsSNMPVarDesc LldpRxPortVars[];
extern const QsSNMPVarDesc LldpLocPortVars[];
extern const QsSNMPVarDesc LldpLocManAddrVars[];
extern const QsSNMPVarDesc LldpRemManAddrVars[];
extern const QsSNMPVarDesc LldpRemUnknownTlvVars[];

// IEEE 802.1 extension.
extern const QsSNMPVarDesc Dot1PortVlanVars[];
extern const QsSNMPVarDesc Dot1LocPortVlanIdVars[];
extern const QsSNMPVarDesc Dot1LocVlanNameVars[];
extern const QsSNMPVarDesc Dot1LocProtoVlanVars[];
extern const QsSNMPVarDesc Dot1LocProtocolVars[];
extern const QsSNMPVarDesc Dot1RemPortVlanIdVars[];
extern const QsSNMPVarDesc Dot1RemVlanNameVars[];
extern const QsSNMPVarDesc Dot1RemProtoVlanVars[];
extern const QsSNMPVarDesc Dot1RemProtocolVars[];

// IEEE 802.3 extension.
extern const QsSNMPVarDesc Dot3LocPortVars[];
extern const QsSNMPVarDesc Dot3LocPowerVars[];
extern const QsSNMPVarDesc Dot3LocMaxFrameVars[];
extern const QsSNMPVarDesc Dot3RemPortVars[];
extern const QsSNMPVarDesc Dot3RemPowerVars[];
extern const QsSNMPVarDesc Dot3RemMaxFrameVars[];
