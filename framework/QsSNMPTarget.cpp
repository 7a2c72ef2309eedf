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

} // namespace qs
