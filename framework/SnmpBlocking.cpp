// One blocking exchange on a library session, the outcome of a request as the library's callback
// tells it, and the replies a session could not read.
#include "SnmpAdapterLib.h"
#include "SnmpStandIn.h"

#include <net-snmp/library/large_fd_set.h>
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <unordered_map>

namespace qs::detail {
namespace {

// A blocking exchange in progress; the library's callback finds it by its number, so a request
// given up for another engine finds nothing when it ends later.
struct BlockingWait {
    bool done = false;
    SnmpReply reply;
};
std::unordered_map<std::uintptr_t, BlockingWait*> g_waits;
std::uintptr_t g_nextWait = 1;

int OnBlockingReply(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic) {
    if (op == NETSNMP_CALLBACK_OP_RESEND || op == NETSNMP_CALLBACK_OP_CONNECT) {
        return 1;
    }
    const auto it = g_waits.find(reinterpret_cast<std::uintptr_t>(magic));
    if (it == g_waits.end()) {
        return 1;
    }
    BlockingWait& wait = *it->second;
    wait.done = true;
    const int reason = ReasonOf(op, pdu);
    if (reason == status::AsyncResponse) {
        wait.reply = ReplyOfResponse(pdu->errstat, pdu->errindex, DecodeVarBinds(pdu->variables));
    } else {
        wait.reply.status = reason;
    }
    return 1;
}

// Waits as the library's own synchronous call does (processing only this session), and ends the
// wait early when a reply on it was unreadable for want of the user at its engine.
void Await(void* handle, BlockingWait& wait, bool watchEngine) {
    while (!wait.done) {
        int numfds = 0;
        int block = NETSNMP_SNMPBLOCK;
        timeval timeout{};
        netsnmp_large_fd_set fds;
        netsnmp_large_fd_set_init(&fds, FD_SETSIZE);
        snmp_sess_select_info2_flags(handle, &numfds, &fds, &timeout, &block, NETSNMP_SELECT_NOALARMS);
        if (block) { // the session holds no request: nothing is coming
            netsnmp_large_fd_set_cleanup(&fds);
            wait.reply.status = status::ClassError;
            return;
        }
        const int count = netsnmp_large_fd_set_select(numfds, &fds, nullptr, nullptr, &timeout);
        const unsigned unreadable = UnreadableReplies();
        if (count > 0) {
            snmp_sess_read2(handle, &fds);
        } else if (count == 0) {
            snmp_sess_timeout(handle);
        } else if (errno != EINTR) {
            wait.reply.status = status::TransportFailed;
            wait.done = true;
        }
        netsnmp_large_fd_set_cleanup(&fds);
        if (!wait.done && watchEngine && UnreadableReplies() != unreadable) {
            wait.reply.status = status::UsmUnknownEngineId;
            wait.done = true;
        }
    }
}

} // namespace

int LastSessionError(void* handle) {
    int clib = 0;
    int err = 0;
    char* text = nullptr;
    snmp_sess_error(handle, &clib, &err, &text);
    std::free(text);
    const int st = StatusFromLibraryError(err);
    return st == status::Success ? status::ClassError : st;
}

int ReasonOf(int op, const snmp_pdu* pdu) {
    switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
        if (pdu && pdu->command == SNMP_MSG_RESPONSE) {
            return status::AsyncResponse;
        }
        if (pdu && pdu->command == SNMP_MSG_REPORT) {
            return StatusFromLibraryError(snmpv3_get_report_type(const_cast<snmp_pdu*>(pdu)));
        }
        return status::ClassError;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        return status::Timeout;
    case NETSNMP_CALLBACK_OP_SEND_FAILED:
        return status::TransportFailed;
    default:
        return status::SessionDestroyed;
    }
}

unsigned UnreadableReplies() {
    return snmp_get_statistic(STAT_USMSTATSUNKNOWNUSERNAMES);
}

SnmpReply ExchangeBlocking(void* handle, snmp_pdu* pdu, const std::vector<SnmpVarBind>& vbs,
                           bool watchEngine) {
    BlockingWait wait;
    wait.reply.vbs = NamesOnly(vbs);
    const std::uintptr_t id = g_nextWait++;
    g_waits[id] = &wait;
    if (snmp_sess_async_send(handle, pdu, OnBlockingReply, reinterpret_cast<void*>(id)) == 0) {
        snmp_free_pdu(pdu);
        wait.reply.status = LastSessionError(handle);
    } else {
        Await(handle, wait, watchEngine);
    }
    g_waits.erase(id);
    return wait.reply;
}

} // namespace qs::detail
