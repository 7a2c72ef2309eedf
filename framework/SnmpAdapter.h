// The one place that talks to the SNMP library (Net-SNMP). Everything above it sees only the
// framework's own value types and SNMP++-style status numbers, which MapSnmpStatus turns into
// framework codes.
//
// Sessions are cached per target (address, version, credentials, context, time-out, retries).
// Each target has two library sessions: one for asynchronous sends, served only by
// ProcessPendingEvents, and one for blocking sends, so a blocking call never runs an
// asynchronous completion. Sessions stay open until the program exits, which closes them.
#pragma once

#include "SnmpValue.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace qs {

// Status numbers as the framework's status mapping expects them.
namespace status {
constexpr int Success = 0;
constexpr int ClassError = -1;
constexpr int ResourceUnavailable = -2;
constexpr int Timeout = -5;
constexpr int AsyncResponse = -6; // asynchronous reason: a response arrived
constexpr int SessionDestroyed = -8;
constexpr int InvalidTarget = -12;
constexpr int InvalidOperation = -16;
constexpr int InvalidAddress = -18;
constexpr int TransportFailed = -22;
// SNMPv3 message processing
constexpr int MpError = -1400;
constexpr int MpUnsupportedSecurityModel = -1402;
constexpr int MpInvalidMessage = -1405;
constexpr int MpInvalidEngineId = -1406;
constexpr int MpInvalidSecurityName = -1412;
// User-based security model
constexpr int UsmError = 1401;
constexpr int UsmUnsupportedSecurityLevel = 1403;
constexpr int UsmUnknownSecurityName = 1404;
constexpr int UsmEncryptionError = 1405;
constexpr int UsmDecryptionError = 1406;
constexpr int UsmPassphraseTooShort = 1407;
constexpr int UsmAuthenticationFailure = 1408;
constexpr int UsmParseError = 1409;
constexpr int UsmUnknownEngineId = 1410;
constexpr int UsmNotInTimeWindow = 1411;
constexpr int UsmUnsupportedAuthProtocol = 1412;
constexpr int UsmUnsupportedPrivProtocol = 1413;
} // namespace status

// Everything that decides which library session a request goes through. Numbers are the
// framework's: version 0/1/3, security model 1-3, level 1-3, auth protocol 1 none, 2 MD5,
// 3 SHA, priv protocol 1 none, 2 DES; time-out in hundredths of a second.
struct SnmpTarget {
    std::string host;
    std::uint16_t port = 161;
    int version = 0;
    std::string readCommunity;
    std::string writeCommunity;
    int securityModel = 3;
    int securityLevel = 1;
    std::string securityName;
    std::string authPassPhrase;
    std::string privPassPhrase;
    int authProtocol = 1;
    int privProtocol = 1;
    std::string contextEngineId;
    std::string contextName;
    int timeout = 100;
    int retries = 1;

    bool operator==(const SnmpTarget&) const = default;
};

enum class PduKind { Get, GetNext, Set };

// The outcome of one exchange. status is 0, the agent's error status 1-18, or a failure number
// from `status`. After a failure vbs holds the request's own names without values.
struct SnmpReply {
    int status = status::Success;
    int errorIndex = 0;
    std::vector<SnmpVarBind> vbs;
};

// Called once per asynchronous send, inside ProcessPendingEvents. reason is
// status::AsyncResponse when a response PDU arrived (reply.status is then its error status);
// otherwise the failure number, which reply.status repeats.
using AsyncHandler = std::function<void(int reason, const SnmpReply& reply)>;

// Starts the library once: no configuration files, no persistent state, no MIB modules.
// Returns 0, or a failure number when the system refuses a UDP socket.
int StartSnmpLibrary();

// Sets the local SNMPv3 engine ID. A manager that only sends GET, GET-NEXT and SET is never
// the authoritative engine, so neither the ID nor the boot count reaches the wire.
void SetLocalEngineId(const std::string& engineId);

// True when host is a literal IPv4/IPv6 address or a name that resolves.
bool IsUsableHost(const std::string& host);

// Checks the target's settings for a send of this kind; 0 or the failure number. Empty
// communities and SNMPv3 settings the library cannot honour are refused here, never corrected.
int CheckTarget(const SnmpTarget& target, PduKind kind);

// Opens (or finds) the sessions of a target. An SNMPv3 target's engine ID is discovered by the
// first send that needs it, blocking up to time-out x (retries + 1), and both sessions share it;
// the discovery also tries the user's credentials once. While the engine stays unknown, a blocking
// send tries the discovery again (it would wait as long for its own answer) and an asynchronous
// send is refused at once with the discovery's failure. When the engine answered its probe but
// the credentials' request timed out (a wrong privacy pass phrase), that time-out is the send's
// outcome: it is not sent to wait as long again. Returns 0 or the failure number of the check or
// that first exchange; a pass phrase the library cannot make a key of is refused with its reason.
//
// A send answered by an unknown-engine or not-in-time-window report (a device replaced, or
// restarted without its state, at the same address) makes the target's sessions discover the
// engine again and is sent once more, within its own time-out and retries for each step.
int OpenSessions(const SnmpTarget& target);

// One blocking exchange: waits up to time-out x (retries + 1) (twice after a new engine's
// discovery), runs no asynchronous handler (it uses the target's blocking session) and processes
// no events.
SnmpReply SendBlocking(const SnmpTarget& target, PduKind kind, const std::vector<SnmpVarBind>& vbs);

// Sends asynchronously. Returns 0 when the request is under way (handler runs exactly once
// later), or a failure number when the library refused it (handler never runs). The handler
// is skipped when owner has expired by the time the request completes.
int SendAsync(const SnmpTarget& target, PduKind kind, const std::vector<SnmpVarBind>& vbs,
              AsyncHandler handler, std::weak_ptr<void> owner);

// Receives what has arrived, retransmits due requests and fires time-outs; never waits. The
// handlers run inside; an exception one of them raised is raised again here once every session
// has been served (the first one, when several fail).
void ProcessPendingEvents();

// True while asynchronous requests are outstanding.
bool HasOutstandingRequests();

// The sockets of the asynchronous sessions, for readiness notification.
std::vector<int> AsyncSocketDescriptors();

// Called after an asynchronous session was opened (its socket joins AsyncSocketDescriptors).
void SetSocketsChangedHook(std::function<void()> hook);

// Called after each asynchronous send that is under way (HasOutstandingRequests is then true).
void SetRequestSentHook(std::function<void()> hook);

// Closes every session; outstanding handlers get status::SessionDestroyed. For program exit
// and tests; never from inside a handler.
void CloseAllSessions();

} // namespace qs
