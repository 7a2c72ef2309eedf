#include "QsSNMPTarget.h"

QsSNMPDevice DefaultDevice;
QsSNMPScope DefaultScope;
QsSNMPSecurity DefaultSecurity;
int DefaultTimeout = 0;

namespace qs {

SnmpTarget MakeSnmpTarget(const QsSNMPDevice& device, const QsSNMPScope& scope,
                          const QsSNMPSecurity& security, int timeout, int retries) {
    SnmpTarget t;
    t.host = device.host;
    t.port = device.port;
    t.version = security.version;
    t.readCommunity = security.readCommunity;
    t.writeCommunity = security.writeCommunity;
    t.securityModel = security.securityModel;
    t.securityLevel = security.securityLevel;
    t.securityName = security.securityName;
    t.authPassPhrase = security.authPassPhrase;
    t.privPassPhrase = security.privPassPhrase;
    t.authProtocol = security.authProtocol;
    t.privProtocol = security.privProtocol;
    t.contextEngineId = scope.contextEngineId;
    t.contextName = scope.contextName;
    t.timeout = timeout;
    t.retries = retries;
    return t;
}

std::string CredentialsKey(const SnmpTarget& target, PduKind kind) {
    std::string key =
        target.host + '\n' + std::to_string(target.port) + '\n' + std::to_string(target.version);
    if (target.version == 3) {
        for (const int n :
             {target.securityModel, target.securityLevel, target.authProtocol, target.privProtocol}) {
            key += '\n' + std::to_string(n);
        }
        for (const std::string* text :
             {&target.securityName, &target.authPassPhrase, &target.privPassPhrase}) {
            key += '\n' + *text;
        }
    } else {
        key += '\n' + (kind == PduKind::Set ? target.writeCommunity : target.readCommunity);
    }
    return key;
}

} // namespace qs
