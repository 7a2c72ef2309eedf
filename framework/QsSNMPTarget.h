// The framework's default target: the agent, the SNMPv3 context and the security settings that
// every new request copies. The main window fills them once after InitSnmpSession.
#pragma once

#include "QsSNMPDevice.h"
#include "SnmpAdapter.h"

#include <cstdint>
#include <string>

// The SNMPv3 context put into every PDU.
struct QsSNMPScope {
    std::string contextEngineId; // its characters are the octets
    std::string contextName;
};

// Version 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3; model 1-3 (3 USM); level 1 noAuthNoPriv,
// 2 authNoPriv, 3 authPriv; auth protocol 1 none, 2 HMAC-MD5-96, 3 HMAC-SHA-96; priv protocol
// 1 none, 2 CBC-DES.
struct QsSNMPSecurity {
    std::uint8_t version = 0;
    std::string readCommunity;
    std::string writeCommunity;
    int securityModel = 0;
    int securityLevel = 0;
    std::string securityName;
    std::string authPassPhrase;
    std::string privPassPhrase;
    int authProtocol = 0;
    int privProtocol = 0;
};

// Empty and zero until InitSnmpSession sets them.
extern QsSNMPDevice DefaultDevice;
extern QsSNMPScope DefaultScope;
extern QsSNMPSecurity DefaultSecurity;
extern int DefaultTimeout; // hundredths of a second

namespace qs {
// The adapter's picture of a target built from the framework's records.
SnmpTarget MakeSnmpTarget(const QsSNMPDevice& device, const QsSNMPScope& scope,
                          const QsSNMPSecurity& security, int timeout, int retries);

// Names the agent and the credentials a request of this kind carries to it: address, port,
// version and the read community (GET, GET-NEXT) or the write community (SET), or the SNMPv3
// user with its level, protocols and pass phrases. Requests with equal names are answered or
// ignored alike by an agent.
std::string CredentialsKey(const SnmpTarget& target, PduKind kind);
} // namespace qs
