// The adapter's session cache, blocking and asynchronous sends, and the pending-events step.
#include "SnmpAdapterLib.h"
#include "SnmpStandIn.h"

#include <net-snmp/library/large_fd_set.h>
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <unordered_map>
#include <utility>

namespace qs {
namespace {

struct SessionPair {
    SnmpTarget key;
    void* async = nullptr;
    void* blocking = nullptr;
    bool probed = false;             // SNMPv3: the engine's discovery was tried
    int discovery = status::Success; // its failure while the engine stays unknown
};

struct PendingRecord {
    AsyncHandler handler;
    std::weak_ptr<void> owner;
    bool hasOwner = false;
    SnmpTarget target;
    PduKind kind = PduKind::Get;
    std::vector<SnmpVarBind> vbs; // what was sent, for the one send after a new engine's discovery
    bool rediscovered = false;
};

std::vector<std::unique_ptr<SessionPair>> g_sessions;
std::unordered_map<std::uintptr_t, PendingRecord> g_records;
std::uintptr_t g_nextRecord = 1;
std::function<void()> g_socketsChanged;
std::function<void()> g_requestSent;
bool g_inPump = false;
std::exception_ptr g_handlerFailure; // raised again once the library has returned
std::vector<SnmpTarget> g_suspects;  // targets another engine answered for in this pump step
// The record being sent: the library may end it inside the send (a failed engine discovery);
// that outcome becomes the send's own failure, never a handler call.
std::uintptr_t g_recordInSend = 0;
int g_endedInSend = 0;

// The write community travels on the SET PDU, so it does not pick a session.
SnmpTarget SessionKey(const SnmpTarget& t) {
    SnmpTarget key = t;
    key.writeCommunity.clear();
    return key;
}

std::string PeerName(const SnmpTarget& t) {
    const std::string port = std::to_string(t.port);
    if (t.host.find(':') != std::string::npos) {
        return "udp6:[" + t.host + "]:" + port;
    }
    return "udp:" + t.host + ":" + port;
}

// The library's reason when it cannot make a key of a pass phrase.
int KeyFailure(const std::string& passPhrase) {
    return passPhrase.size() < USM_LENGTH_P_MIN ? status::UsmPassphraseTooShort : status::UsmError;
}

// Fills the USM part of a session; the key buffers live inside the session record. 0, or the
// failure when a key cannot be made.
int SetUsm(netsnmp_session& s, const SnmpTarget& t) {
    s.securityModel = SNMP_SEC_MODEL_USM;
    s.securityName = const_cast<char*>(t.securityName.c_str());
    s.securityNameLen = t.securityName.size();
    s.securityLevel = t.securityLevel;
    if (t.securityLevel >= 2) {
        const bool sha = t.authProtocol == 3;
        s.securityAuthProto = sha ? usmHMACSHA1AuthProtocol : usmHMACMD5AuthProtocol;
        s.securityAuthProtoLen =
            sha ? OID_LENGTH(usmHMACSHA1AuthProtocol) : OID_LENGTH(usmHMACMD5AuthProtocol);
        s.securityAuthKeyLen = USM_AUTH_KU_LEN;
        auto* pass = reinterpret_cast<u_char*>(const_cast<char*>(t.authPassPhrase.data()));
        if (generate_Ku(s.securityAuthProto, s.securityAuthProtoLen, pass, t.authPassPhrase.size(),
                        s.securityAuthKey, &s.securityAuthKeyLen) != SNMPERR_SUCCESS) {
            return KeyFailure(t.authPassPhrase);
        }
    }
    if (t.securityLevel == 3) {
        s.securityPrivProto = usmDESPrivProtocol;
        s.securityPrivProtoLen = OID_LENGTH(usmDESPrivProtocol);
        s.securityPrivKeyLen = USM_PRIV_KU_LEN;
        auto* pass = reinterpret_cast<u_char*>(const_cast<char*>(t.privPassPhrase.data()));
        if (generate_Ku(s.securityAuthProto, s.securityAuthProtoLen, pass, t.privPassPhrase.size(),
                        s.securityPrivKey, &s.securityPrivKeyLen) != SNMPERR_SUCCESS) {
            return KeyFailure(t.privPassPhrase);
        }
    }
    s.contextName = const_cast<char*>(t.contextName.c_str());
    s.contextNameLen = t.contextName.size();
    if (!t.contextEngineId.empty()) {
        s.contextEngineID = reinterpret_cast<u_char*>(const_cast<char*>(t.contextEngineId.data()));
        s.contextEngineIDLen = t.contextEngineId.size();
    }
    return status::Success;
}

// The library keeps one key set per user and engine, made when a session first discovers the
// engine. Forgetting the user's entries before a session with other pass phrases opens lets the
// newest pass phrases count, as a user registered again for every send would.
void ForgetUsmUser(const std::string& name) {
    usmUser* user = usm_get_userList();
    while (user) {
        usmUser* next = user->next;
        if (user->name && name == user->name) {
            usm_remove_user(user); // returns the list's head, not the user
            usm_free_user(user);
        }
        user = next;
    }
}

void* OpenLibrarySession(const SnmpTarget& t, int& failure) {
    netsnmp_session s;
    snmp_sess_init(&s);
    std::string peer = PeerName(t);
    s.peername = peer.data();
    s.retries = t.retries;
    s.timeout = static_cast<long>(t.timeout) * 10000L;
    if (t.version == 3) {
        s.version = SNMP_VERSION_3;
        failure = SetUsm(s, t);
        if (failure != status::Success) {
            return nullptr;
        }
    } else {
        s.version = t.version == 1 ? SNMP_VERSION_2c : SNMP_VERSION_1;
        s.community = reinterpret_cast<u_char*>(const_cast<char*>(t.readCommunity.data()));
        s.community_len = t.readCommunity.size();
    }
    void* handle = snmp_sess_open(&s);
    if (!handle) {
        failure = detail::StatusFromLibraryError(s.s_snmp_errno);
        if (failure == status::Success) {
            failure = status::ClassError;
        }
    }
    return handle;
}

// SNMPv3: one empty GET through the session makes the library discover the agent's engine ID
// and time now, so no later send has to.
int Discover(void* handle) {
    netsnmp_pdu* response = nullptr;
    const int rc = snmp_sess_synch_response(handle, snmp_pdu_create(SNMP_MSG_GET), &response);
    if (response) {
        snmp_free_pdu(response);
    }
    if (rc == STAT_SUCCESS) {
        return status::Success;
    }
    return rc == STAT_TIMEOUT ? status::Timeout : detail::LastSessionError(handle);
}

bool EngineKnown(void* handle) {
    const netsnmp_session* session = snmp_sess_session(handle);
    return session && session->securityEngineIDLen > 0;
}

bool EngineReady(const SessionPair& pair) {
    return pair.key.version != 3 || (EngineKnown(pair.blocking) && EngineKnown(pair.async));
}

// Hands the engine ID the blocking session discovered to the asynchronous one, whose sends then
// never probe: the library keeps the engine's time and the user's keys per engine, not per session.
void ShareEngine(void* from, void* to) {
    const netsnmp_session* known = snmp_sess_session(from);
    netsnmp_session* other = snmp_sess_session(to);
    if (!known || !other || other->securityEngineIDLen > 0) {
        return;
    }
    other->securityEngineID =
        static_cast<u_char*>(netsnmp_memdup(known->securityEngineID, known->securityEngineIDLen));
    other->securityEngineIDLen = known->securityEngineIDLen;
    if (other->contextEngineIDLen == 0 && known->contextEngineIDLen > 0) {
        other->contextEngineID =
            static_cast<u_char*>(netsnmp_memdup(known->contextEngineID, known->contextEngineIDLen));
        other->contextEngineIDLen = known->contextEngineIDLen;
    }
}

// One discovery for the target, through its blocking session and bounded by the target's time-out
// and retries; the asynchronous session takes the engine from it.
int DiscoverEngine(SessionPair& pair) {
    pair.probed = true;
    const int found = Discover(pair.blocking);
    if (EngineKnown(pair.blocking)) {
        ShareEngine(pair.blocking, pair.async);
    }
    pair.discovery = found != status::Success ? found : status::ClassError;
    return found;
}

// The agent's answer says it is not the engine the sessions know: another device at the address,
// or the same one restarted without its state.
bool EngineGone(int status) {
    return status == status::UsmUnknownEngineId || status == status::UsmNotInTimeWindow;
}

void ForgetSessionEngine(void* handle, bool keepContext) {
    netsnmp_session* s = snmp_sess_session(handle);
    if (!s) {
        return;
    }
    SNMP_FREE(s->securityEngineID);
    s->securityEngineIDLen = 0;
    if (!keepContext) {
        SNMP_FREE(s->contextEngineID);
        s->contextEngineIDLen = 0;
    }
    s->flags &= ~SNMP_FLAGS_DONT_PROBE; // the library probes again at the next send
}

// Discovers the target's engine anew (the library keeps the time and the user's keys per engine,
// so the new engine's are made by its discovery). The blocking session is opened afresh, so no
// request of it still goes to the old engine; the asynchronous one forgets the engine in place
// (its outstanding requests are the callers'). 0 when the sessions know an engine that took the
// user's credentials, else the discovery's failure.
int Rediscover(SessionPair& pair) {
    const bool keepContext = !pair.key.contextEngineId.empty(); // given, not discovered
    int failure = status::Success;
    if (void* fresh = OpenLibrarySession(pair.key, failure)) {
        snmp_sess_close(pair.blocking);
        pair.blocking = fresh;
    } else {
        ForgetSessionEngine(pair.blocking, keepContext);
    }
    ForgetSessionEngine(pair.async, keepContext);
    const int found = DiscoverEngine(pair);
    if (found != status::Success) {
        return found;
    }
    return EngineReady(pair) ? status::Success : pair.discovery;
}

SessionPair* FindSessions(const SnmpTarget& key) {
    for (auto& p : g_sessions) {
        if (p->key == key) {
            return p.get();
        }
    }
    return nullptr;
}

SessionPair* OpenPair(const SnmpTarget& key, int& failure) {
    failure = StartSnmpLibrary();
    if (failure != status::Success) {
        return nullptr;
    }
    if (key.version == 3) {
        ForgetUsmUser(key.securityName);
    }
    auto pair = std::make_unique<SessionPair>();
    pair->key = key;
    pair->async = OpenLibrarySession(key, failure);
    if (pair->async) {
        pair->blocking = OpenLibrarySession(key, failure);
    }
    if (!pair->blocking) {
        if (pair->async) {
            snmp_sess_close(pair->async);
        }
        return nullptr;
    }
    g_sessions.push_back(std::move(pair));
    if (g_socketsChanged) {
        g_socketsChanged();
    }
    return g_sessions.back().get();
}

// The cached sessions of the target, opened when missing, with the SNMPv3 engine known. The
// engine is discovered once; after a failed discovery only a caller that may wait as long as a
// blocking exchange does (mayProbe) tries again, every other send fails at once with that failure.
// The outcome of a discovery made here goes to `discovered` (a wrong pass phrase, say, is left for
// the request itself to report).
SessionPair* FindOrOpen(const SnmpTarget& target, int& failure, bool mayProbe, int* discovered = nullptr) {
    const SnmpTarget key = SessionKey(target);
    SessionPair* pair = FindSessions(key);
    if (!pair && !(pair = OpenPair(key, failure))) {
        return nullptr;
    }
    if (EngineReady(*pair)) {
        return pair;
    }
    if (pair->probed && !mayProbe) {
        failure = pair->discovery;
        return nullptr;
    }
    const int found = DiscoverEngine(*pair);
    if (discovered) {
        *discovered = found;
    }
    if (!EngineReady(*pair)) {
        failure = pair->discovery;
        return nullptr;
    }
    if (found == status::Timeout) {
        // The engine answered its probe, the user's request did not get through (a wrong privacy
        // pass phrase, say): a send now would wait as long again for the same silence.
        failure = found;
        return nullptr;
    }
    return pair;
}

// Builds the PDU of a send; a SET on v1/v2c carries the write community.
snmp_pdu* MakePdu(const SnmpTarget& target, PduKind kind, const std::vector<SnmpVarBind>& vbs) {
    snmp_pdu* pdu = detail::BuildPdu(kind, vbs);
    if (pdu && kind == PduKind::Set && target.version != 3) {
        const std::string& c = target.writeCommunity;
        pdu->community = static_cast<u_char*>(std::malloc(c.size()));
        std::memcpy(pdu->community, c.data(), c.size());
        pdu->community_len = c.size();
    }
    return pdu;
}

// Looks up (and opens) the target's sessions after checking it; null with failure set.
SessionPair* Prepare(const SnmpTarget& target, PduKind kind, int& failure, bool mayProbe) {
    failure = CheckTarget(target, kind);
    if (failure != status::Success) {
        return nullptr;
    }
    return FindOrOpen(target, failure, mayProbe);
}

void Deliver(PendingRecord& record, int reason, const netsnmp_pdu* pdu);

int OnLibraryCallback(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic) {
    // A resend or a connection is news, not the end of the request. A Report comes first as a
    // security error, then again as a message: the first one completes the request.
    if (op == NETSNMP_CALLBACK_OP_RESEND || op == NETSNMP_CALLBACK_OP_CONNECT) {
        return 1;
    }
    const auto id = reinterpret_cast<std::uintptr_t>(magic);
    const auto it = g_records.find(id);
    if (it == g_records.end()) {
        return 1;
    }
    if (id == g_recordInSend) {
        g_endedInSend = detail::ReasonOf(op, pdu);
        g_records.erase(it);
        return 1;
    }
    PendingRecord record = std::move(it->second);
    g_records.erase(it);
    if (record.hasOwner && record.owner.expired()) {
        return 1; // the requester is gone: the record only goes away
    }
    const int reason = detail::ReasonOf(op, pdu);
    if (EngineGone(reason) && !record.rediscovered) {
        // Sent again once the pump has read every session (EngineChanged).
        g_suspects.push_back(SessionKey(record.target));
        g_records[id] = std::move(record);
        return 1;
    }
    Deliver(record, reason, pdu);
    return 1;
}

// Runs the record's handler with the reply, or with the failure when there is no reply.
void Deliver(PendingRecord& record, int reason, const netsnmp_pdu* pdu) {
    SnmpReply reply;
    if (reason == status::AsyncResponse) {
        reply = ReplyOfResponse(pdu->errstat, pdu->errindex, detail::DecodeVarBinds(pdu->variables));
    } else {
        reply.status = reason;
        reply.vbs = detail::NamesOnly(record.vbs);
    }
    // An exception must not unwind through the library's C frames.
    try {
        record.handler(reason, reply);
    } catch (...) {
        if (!g_handlerFailure) {
            g_handlerFailure = std::current_exception();
        }
    }
}

// Receives what has arrived and fires due time-outs; true when a reply was unreadable as above.
bool PumpSession(void* handle) {
    const unsigned unreadable = detail::UnreadableReplies();
    int numfds = 0;
    int block = 0;
    timeval wait{};
    netsnmp_large_fd_set fds;
    netsnmp_large_fd_set_init(&fds, FD_SETSIZE);
    snmp_sess_select_info2(handle, &numfds, &fds, &wait, &block);
    if (numfds > 0) {
        timeval zero{};
        if (netsnmp_large_fd_set_select(numfds, &fds, nullptr, nullptr, &zero) > 0) {
            snmp_sess_read2(handle, &fds);
        }
    }
    netsnmp_large_fd_set_cleanup(&fds);
    snmp_sess_timeout(handle);
    return detail::UnreadableReplies() != unreadable;
}

// Sends a pending request again after its target's engine was discovered anew, under a new
// number: the first send may still end (time out) in the library, and must then find nothing.
bool SendAgain(SessionPair& pair, std::uintptr_t id) {
    auto it = g_records.find(id);
    snmp_pdu* pdu = MakePdu(it->second.target, it->second.kind, it->second.vbs);
    if (!pdu) {
        return false;
    }
    const std::uintptr_t again = g_nextRecord++;
    g_records[again] = std::move(it->second);
    g_records.erase(id);
    g_records[again].rediscovered = true;
    const std::uintptr_t outerId = std::exchange(g_recordInSend, again);
    const int outerEnded = std::exchange(g_endedInSend, status::Success);
    const int sent = snmp_sess_async_send(pair.async, pdu, OnLibraryCallback, reinterpret_cast<void*>(again));
    g_recordInSend = outerId;
    g_endedInSend = outerEnded;
    if (sent == 0) {
        snmp_free_pdu(pdu);
    }
    return sent != 0 && g_records.contains(again);
}

// Another engine answers for the target: discover it and send every request of the target that
// was not sent to it yet once more; when that cannot be done, each ends with the failure.
void EngineChanged(const SnmpTarget& key) {
    SessionPair* pair = FindSessions(key);
    std::vector<std::uintptr_t> ids;
    for (const auto& [id, record] : g_records) {
        if (!record.rediscovered && SessionKey(record.target) == key) {
            ids.push_back(id);
        }
    }
    if (!pair || ids.empty()) {
        return; // late answers to requests already sent again
    }
    int found = Rediscover(*pair);
    for (const std::uintptr_t id : ids) {
        if (found == status::Success && SendAgain(*pair, id)) {
            continue;
        }
        found = found == status::Success ? status::ClassError : found;
        if (auto it = g_records.find(id); it != g_records.end()) {
            PendingRecord record = std::move(it->second);
            g_records.erase(it);
            Deliver(record, found, nullptr);
        }
    }
}

// One blocking exchange through the target's blocking session.
SnmpReply Exchange(SessionPair& pair, const SnmpTarget& target, PduKind kind,
                   const std::vector<SnmpVarBind>& vbs) {
    snmp_pdu* pdu = MakePdu(target, kind, vbs);
    if (!pdu) {
        return {status::ClassError, 0, detail::NamesOnly(vbs)};
    }
    return detail::ExchangeBlocking(pair.blocking, pdu, vbs, target.version == 3);
}

} // namespace

int OpenSessions(const SnmpTarget& target) {
    int failure = CheckTarget(target, PduKind::Get);
    int discovered = status::Success;
    if (failure == status::Success) {
        FindOrOpen(target, failure, true, &discovered);
    }
    return failure != status::Success ? failure : discovered;
}

SnmpReply SendBlocking(const SnmpTarget& target, PduKind kind, const std::vector<SnmpVarBind>& vbs) {
    if (detail::CurrentStandIn() != nullptr) {
        return detail::StandInBlocking(target, kind, vbs);
    }
    SnmpReply reply;
    reply.vbs = detail::NamesOnly(vbs);
    SessionPair* pair = Prepare(target, kind, reply.status, true);
    if (!pair) {
        return reply;
    }
    reply = Exchange(*pair, target, kind, vbs);
    if (EngineGone(reply.status)) {
        // Another engine answers at the address: discover it and send once more.
        const int found = Rediscover(*pair);
        reply = found == status::Success ? Exchange(*pair, target, kind, vbs)
                                         : SnmpReply{found, 0, detail::NamesOnly(vbs)};
    }
    return reply;
}

int SendAsync(const SnmpTarget& target, PduKind kind, const std::vector<SnmpVarBind>& vbs,
              AsyncHandler handler, std::weak_ptr<void> owner) {
    if (detail::CurrentStandIn() != nullptr) {
        return detail::StandInAsync(target, kind, vbs, std::move(handler), std::move(owner));
    }
    int failure = status::Success;
    SessionPair* pair = Prepare(target, kind, failure, false);
    if (!pair) {
        return failure;
    }
    snmp_pdu* pdu = MakePdu(target, kind, vbs);
    if (!pdu) {
        return status::ClassError;
    }
    const std::uintptr_t id = g_nextRecord++;
    PendingRecord& record = g_records[id];
    record.handler = std::move(handler);
    record.hasOwner = !owner.expired();
    record.owner = std::move(owner);
    record.target = target;
    record.kind = kind;
    record.vbs = vbs;
    g_recordInSend = id;
    g_endedInSend = status::Success;
    const int sent = snmp_sess_async_send(pair->async, pdu, OnLibraryCallback, reinterpret_cast<void*>(id));
    g_recordInSend = 0;
    if (sent != 0 && g_records.contains(id)) {
        if (g_requestSent) {
            g_requestSent();
        }
        return status::Success;
    }
    g_records.erase(id);
    if (sent == 0) {
        snmp_free_pdu(pdu);
    }
    if (g_endedInSend != status::Success && g_endedInSend != status::AsyncResponse) {
        return g_endedInSend;
    }
    return detail::LastSessionError(pair->async);
}

void ProcessPendingEvents() {
    if (g_inPump || detail::StandInPump()) {
        return;
    }
    g_inPump = true;
    std::vector<std::pair<void*, SnmpTarget>> sessions;
    for (const auto& p : g_sessions) {
        sessions.emplace_back(p->async, p->key);
    }
    for (const auto& [handle, key] : sessions) {
        if (PumpSession(handle) && key.version == 3) {
            g_suspects.push_back(key);
        }
    }
    // Sessions are only read above; another engine's discovery and the sends again come now.
    for (const SnmpTarget& key : std::exchange(g_suspects, {})) {
        EngineChanged(key);
    }
    g_inPump = false;
    if (g_handlerFailure) {
        std::rethrow_exception(std::exchange(g_handlerFailure, nullptr));
    }
}

bool HasOutstandingRequests() {
    return !g_records.empty() || detail::StandInOutstanding();
}

std::vector<int> AsyncSocketDescriptors() {
    std::vector<int> fds;
    for (const auto& p : g_sessions) {
        if (netsnmp_transport* t = snmp_sess_transport(p->async)) {
            fds.push_back(t->sock);
        }
    }
    return fds;
}

void SetSocketsChangedHook(std::function<void()> hook) {
    g_socketsChanged = std::move(hook);
}

void SetRequestSentHook(std::function<void()> hook) {
    g_requestSent = std::move(hook);
}

void CloseAllSessions() {
    if (g_inPump) {
        return; // the pump step still uses the sessions
    }
    auto records = std::move(g_records);
    g_records.clear();
    for (auto& [id, record] : records) {
        if (!record.hasOwner || !record.owner.expired()) {
            SnmpReply reply;
            reply.status = status::SessionDestroyed;
            reply.vbs = detail::NamesOnly(record.vbs);
            record.handler(status::SessionDestroyed, reply);
        }
    }
    for (auto& p : g_sessions) {
        snmp_sess_close(p->async);
        snmp_sess_close(p->blocking);
    }
    g_sessions.clear();
    if (g_socketsChanged) {
        g_socketsChanged();
    }
}

namespace detail {

void CloseSessionsAtExit() {
    g_records.clear();
    g_socketsChanged = nullptr;
    for (auto& p : g_sessions) {
        snmp_sess_close(p->async);
        snmp_sess_close(p->blocking);
    }
    g_sessions.clear();
    snmp_shutdown("krs5400em");
}

} // namespace detail
} // namespace qs
