#include "Agent.h"

#include "LiveObjects.h"
#include "NetSnmp.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cstdlib>
#include <netinet/in.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

namespace krssim {
namespace {

int onPacket(int op, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic) {
    if (op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE) {
        return 1;
    }
    return static_cast<Agent*>(magic)->onMessage(session, pdu);
}

// UDP keeps the remote address first in the transport data (alone for IPv6, followed by the
// local address for IPv4).
std::string peerText(const netsnmp_pdu* pdu) {
    auto length = static_cast<std::size_t>(pdu->transport_data_length);
    if (!pdu->transport_data || length < sizeof(sockaddr_in)) {
        return "";
    }
    const auto* addr = static_cast<const sockaddr*>(pdu->transport_data);
    char host[INET6_ADDRSTRLEN] = "";
    if (addr->sa_family == AF_INET6 && length >= sizeof(sockaddr_in6)) {
        const auto* in6 = static_cast<const sockaddr_in6*>(pdu->transport_data);
        inet_ntop(AF_INET6, &in6->sin6_addr, host, sizeof host);
        return std::string("[") + host + "]:" + std::to_string(ntohs(in6->sin6_port));
    }
    if (addr->sa_family != AF_INET) {
        return "";
    }
    const auto* in4 = static_cast<const sockaddr_in*>(pdu->transport_data);
    inet_ntop(AF_INET, &in4->sin_addr, host, sizeof host);
    return std::string(host) + ":" + std::to_string(ntohs(in4->sin_port));
}

bool pduType(int command, PduType& type, std::string& name) {
    switch (command) {
    case SNMP_MSG_GET:
        type = PduType::Get, name = "get";
        return true;
    case SNMP_MSG_GETNEXT:
        type = PduType::GetNext, name = "getnext";
        return true;
    case SNMP_MSG_GETBULK:
        type = PduType::GetBulk, name = "getbulk";
        return true;
    case SNMP_MSG_SET:
        type = PduType::Set, name = "set";
        return true;
    default:
        name = "other";
        return false;
    }
}

const char* levelName(int level) {
    switch (level) {
    case SNMP_SEC_LEVEL_AUTHPRIV:
        return "authPriv";
    case SNMP_SEC_LEVEL_AUTHNOPRIV:
        return "authNoPriv";
    default:
        return "noAuthNoPriv";
    }
}

} // namespace

Agent::Agent(const Options& options, MibStore& store)
    : options_(options), store_(store), responder_(store), started_(std::chrono::steady_clock::now()) {
    for (const auto& fault : options.setFaults) {
        responder_.addSetFault(fault);
    }
    responder_.setBrokenNext(options.brokenNext);
}

Agent::~Agent() {
    for (auto& p : pending_) {
        snmp_free_pdu(p.pdu);
    }
    if (initialised_) {
        snmp_shutdown("krs-sim");
    }
}

bool Agent::start(std::string& error) {
    if (!options_.journalFile.empty() && !journal_.open(options_.journalFile, error)) {
        return false;
    }
    // No MIB files, no configuration files and no persistent state: the agent reads only what
    // it is given and writes nothing but the journal and the save file.
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    setenv("SNMPCONFPATH", "/nonexistent", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_QUICK_PRINT, 1);
    init_snmp("krs-sim");
    initialised_ = true;
    // One engine ID per process, unless given: sessions copy it when they open, and keys localise
    // to it. A restarted agent is another engine unless it is told to be the same one.
    const std::string engine =
        options_.engineId.empty() ? "krs-sim:" + std::to_string(getpid()) : options_.engineId;
    if (setup_engineID(nullptr, engine.c_str()) < 0) {
        error = "cannot set the SNMP engine ID";
        return false;
    }
    if (options_.engineBoots > 0) {
        std::string previous = std::to_string(options_.engineBoots - 1); // the library counts this boot
        engineBoots_conf("engineBoots", previous.data());
    }
    u_char engineId[64];
    auto engineLen = snmpv3_get_engineID(engineId, sizeof engineId);
    set_enginetime(engineId, static_cast<u_int>(engineLen), snmpv3_local_snmpEngineBoots(),
                   snmpv3_local_snmpEngineTime(), TRUE);
    if (!openTransport("udp:127.0.0.1:" + std::to_string(options_.port), error)) {
        return false;
    }
    if (options_.ipv6 && !openTransport("udp6:[::1]:" + std::to_string(port_), error)) {
        return false;
    }
    return createUsers(error);
}

bool Agent::openTransport(const std::string& endpoint, std::string& error) {
    netsnmp_transport* transport = netsnmp_transport_open_server("krs-sim", endpoint.c_str());
    if (!transport) {
        error = "cannot listen on " + endpoint;
        return false;
    }
    sockaddr_storage addr{};
    socklen_t len = sizeof addr;
    if (getsockname(transport->sock, reinterpret_cast<sockaddr*>(&addr), &len) == 0 && port_ == 0) {
        port_ = ntohs(addr.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6*>(&addr)->sin6_port
                                                 : reinterpret_cast<sockaddr_in*>(&addr)->sin_port);
    }
    netsnmp_session session;
    snmp_sess_init(&session);
    session.version = SNMP_DEFAULT_VERSION;
    session.peername = SNMP_DEFAULT_PEERNAME;
    session.isAuthoritative = SNMP_SESS_AUTHORITATIVE;
    session.callback = onPacket;
    session.callback_magic = this;
    if (!snmp_add(&session, transport, nullptr, nullptr)) {
        error = "cannot open a session on " + endpoint;
        return false;
    }
    return true;
}

void Agent::run(const volatile std::sig_atomic_t& stop, const std::function<void()>& tick) {
    while (!stop) {
        int fds = 0, block = 0;
        fd_set readers;
        FD_ZERO(&readers);
        timeval timeout{0, 100000};
        if (!pending_.empty()) {
            auto wait = std::chrono::duration_cast<std::chrono::microseconds>(
                pending_.front().due - std::chrono::steady_clock::now());
            auto us = std::max<long long>(0, std::min<long long>(wait.count(), 100000));
            timeout.tv_usec = static_cast<suseconds_t>(us);
        }
        snmp_select_info(&fds, &readers, &timeout, &block);
        int ready = select(fds, &readers, nullptr, nullptr, &timeout);
        if (ready > 0) {
            snmp_read(&readers);
        } else if (ready == 0) {
            snmp_timeout();
        }
        sendDue(false);
        tick();
    }
    sendDue(true);
}

unsigned long Agent::malformedPackets() const {
    return snmp_get_statistic(STAT_SNMPINASNPARSEERRS);
}

bool Agent::authorise(snmp_pdu* pdu, JournalEntry& entry, bool& mayWrite) {
    if (pdu->version == SNMP_VERSION_3) {
        entry.user.assign(pdu->securityName ? pdu->securityName : "", pdu->securityNameLen);
        entry.level = levelName(pdu->securityLevel);
        mayWrite = true;
        return pdu->securityModel == SNMP_SEC_MODEL_USM;
    }
    entry.community.assign(reinterpret_cast<const char*>(pdu->community), pdu->community_len);
    mayWrite = entry.community == options_.writeCommunity;
    if (mayWrite || entry.community == options_.readCommunity) {
        return true;
    }
    snmp_increment_statistic(STAT_SNMPINBADCOMMUNITYNAMES);
    return false;
}

bool Agent::namesDropped(const Request& request) const {
    return !options_.dropUnder.empty() &&
           std::any_of(request.varbinds.begin(), request.varbinds.end(),
                       [this](const VarBind& vb) { return startsWith(vb.oid, options_.dropUnder); });
}

int Agent::onMessage(snmp_session* session, snmp_pdu* pdu) {
    JournalEntry entry;
    entry.peer = peerText(pdu);
    entry.version = pdu->version == SNMP_VERSION_1 ? V1 : pdu->version == SNMP_VERSION_3 ? V3 : V2c;
    entry.requestId = pdu->reqid;
    Request request;
    request.version = entry.version;
    request.varbinds = fromVariables(pdu->variables);
    entry.varbinds = &request.varbinds;
    bool known = pduType(pdu->command, request.pdu, entry.pdu);
    bool authorised = authorise(pdu, entry, request.mayWrite);
    snmp_increment_statistic(STAT_SNMPINPKTS);
    entry.answer = "none";
    if (session->s_snmp_errno == SNMPERR_USM_AUTHENTICATIONFAILURE) {
        // The library shows us a message whose digest failed; it sends the report itself.
        entry.why = "auth-failed";
    } else if (!authorised || !known) {
        entry.why = authorised ? "unsupported-pdu" : "bad-community";
    } else if (options_.noAnswer) {
        entry.why = "no-answer";
    } else if (options_.dropEvery > 0 && ++accepted_ % static_cast<unsigned long>(options_.dropEvery) == 0) {
        entry.why = "dropped";
    } else if (namesDropped(request)) {
        entry.why = "dropped";
    } else {
        request.nonRepeaters = static_cast<int>(pdu->errstat);
        request.maxRepetitions = static_cast<int>(pdu->errindex);
        if (request.pdu == PduType::Set && !request.mayWrite) {
            snmp_increment_statistic(STAT_SNMPINBADCOMMUNITYUSES);
        }
        refreshLiveObjects(store_, std::chrono::steady_clock::now() - started_);
        Response response = responder_.answer(request);
        entry.response = &response;
        entry.answer = options_.delayMs > 0 ? "delayed" : "sent";
        journal_.write(entry);
        respond(session, pdu, response);
        return 1;
    }
    journal_.write(entry);
    return 1;
}

void Agent::respond(snmp_session* session, snmp_pdu* request, const Response& response) {
    netsnmp_pdu* reply = snmp_clone_pdu(request);
    if (!reply) {
        return;
    }
    snmp_free_varbind(reply->variables);
    reply->variables = nullptr;
    for (const auto& vb : response.varbinds) {
        appendVariable(&reply->variables, vb);
    }
    reply->command = SNMP_MSG_RESPONSE;
    reply->errstat = response.errorStatus;
    reply->errindex = response.errorIndex;
    reply->flags &= ~UCD_MSG_FLAG_EXPECT_RESPONSE;
    auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.delayMs);
    pending_.push_back({due, session, reply});
    sendDue(false);
}

void Agent::sendDue(bool all) {
    auto now = std::chrono::steady_clock::now();
    while (!pending_.empty() && (all || pending_.front().due <= now)) {
        Pending p = pending_.front();
        pending_.pop_front();
        if (all || snmp_send(p.session, p.pdu) == 0) {
            snmp_free_pdu(p.pdu);
        } else {
            snmp_increment_statistic(STAT_SNMPOUTPKTS);
        }
    }
}

} // namespace krssim

namespace krssim {

bool Agent::createUsers(std::string& error) {
    for (const auto& user : options_.users) {
        std::string line = user.name;
        if (user.auth != "none") {
            line += " " + user.auth + " \"" + user.authPass + "\"";
        }
        if (user.priv != "none") {
            line += " " + user.priv + " \"" + user.privPass + "\"";
        }
        std::vector<char> buffer(line.begin(), line.end());
        buffer.push_back('\0');
        usm_parse_create_usmUser(nullptr, buffer.data());
        u_char engineId[64];
        auto engineLen = snmpv3_get_engineID(engineId, sizeof engineId);
        if (!usm_get_user(engineId, engineLen, const_cast<char*>(user.name.c_str()))) {
            error = "cannot create the SNMPv3 user " + user.name;
            return false;
        }
    }
    return true;
}

} // namespace krssim
