// The SNMP side of krs-sim: Net-SNMP's transport, message processing and USM on loopback,
// with our own dispatcher (Responder) behind them so that every request can be journalled
// with the status it was answered with and the fault options can sit between receive and
// answer.
#pragma once

#include "Journal.h"
#include "Options.h"
#include "Responder.h"

#include <chrono>
#include <csignal>
#include <deque>
#include <functional>
#include <string>

struct snmp_session;
struct snmp_pdu;

namespace krssim {

class Agent {
public:
    Agent(const Options& options, MibStore& store);
    ~Agent();
    Agent(const Agent&) = delete;
    Agent& operator=(const Agent&) = delete;

    // Initialises the SNMP library, opens the loopback transports and creates the users.
    bool start(std::string& error);
    int port() const { return port_; }
    // Serves until `stop` becomes non-zero; `tick` runs about every 100 ms.
    void run(const volatile std::sig_atomic_t& stop, const std::function<void()>& tick);
    // Packets the SNMP library could not parse (snmpInASNParseErrs).
    unsigned long malformedPackets() const;

    // Entry point for the SNMP library's callback.
    int onMessage(snmp_session* session, snmp_pdu* pdu);

private:
    struct Pending {
        std::chrono::steady_clock::time_point due;
        snmp_session* session;
        snmp_pdu* pdu;
    };

    bool openTransport(const std::string& endpoint, std::string& error);
    bool createUsers(std::string& error);
    bool authorise(snmp_pdu* pdu, JournalEntry& entry, bool& mayWrite);
    // Whether the request names an object under --drop-under's OID.
    bool namesDropped(const Request& request) const;
    void respond(snmp_session* session, snmp_pdu* request, const Response& response);
    // Sends the answers whose delay has passed; with `all` (at exit) drops those still waiting.
    void sendDue(bool all);

    const Options& options_;
    MibStore& store_;
    Responder responder_;
    Journal journal_;
    bool initialised_ = false;
    int port_ = 0;
    unsigned long accepted_ = 0; // requests that passed authentication, for --drop-every
    std::chrono::steady_clock::time_point started_;
    std::deque<Pending> pending_;
};

} // namespace krssim
