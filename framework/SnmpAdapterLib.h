// Internal to the SNMP adapter: conversions between the library's PDUs and the framework's
// value types, and the library's error numbers. Only the adapter's sources include this.
#pragma once

#include "SnmpAdapter.h"

struct snmp_pdu;
struct variable_list;

namespace qs::detail {

// A new PDU of the kind with the bindings appended, or null when the library refuses one.
snmp_pdu* BuildPdu(PduKind kind, const std::vector<SnmpVarBind>& vbs);

// The framework's picture of a received binding list.
std::vector<SnmpVarBind> DecodeVarBinds(const variable_list* vars);

// The request's names with no values: what a failed exchange hands back.
std::vector<SnmpVarBind> NamesOnly(const std::vector<SnmpVarBind>& vbs);

// At program exit: forgets every outstanding request without running its handler (its owner may
// be gone), closes every session and shuts the library down, so nothing of it is left unfreed.
void CloseSessionsAtExit();

// Translates the library's SNMPERR_ number into the framework's status number.
int StatusFromLibraryError(int libraryError);

} // namespace qs::detail
