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

// The session's last failure as a status number (never 0).
int LastSessionError(void* handle);

// What ended a request, from the library callback's operation and PDU: status::AsyncResponse
// for a response, the report's reason, a time-out or a failed send.
int ReasonOf(int op, const snmp_pdu* pdu);

// Replies our sessions could not read because the user is unknown at the engine that sent them:
// when the count grows while a session of ours is read, an agent that is not the engine the
// session knows answered it (a report it made for our user, which the library drops, so the
// request would only time out).
unsigned UnreadableReplies();

// Sends pdu (freed in any case) through a session and waits for the outcome as the library's
// synchronous call does, up to time-out x (retries + 1), running nothing else. With watchEngine,
// a reply the session could not read for want of our user at its engine ends the wait at once
// with status::UsmUnknownEngineId. vbs are the names the reply stands for after a failure.
SnmpReply ExchangeBlocking(void* handle, snmp_pdu* pdu, const std::vector<SnmpVarBind>& vbs,
                           bool watchEngine);

} // namespace qs::detail
