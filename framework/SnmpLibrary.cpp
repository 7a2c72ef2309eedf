// Start-up of the SNMP library, target checks and the translation of the library's errors.
#include "SnmpAdapterLib.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <arpa/inet.h>
#include <cstdlib>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

namespace qs {
namespace {

bool g_started = false;

// The system must grant us a UDP endpoint on a port of its choice.
bool CanOpenUdpSocket() {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0) {
        return false;
    }
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = 0;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof(local)) == 0;
    ::close(fd);
    return bound;
}

int CheckV3(const SnmpTarget& t) {
    if (t.securityModel != 3) {
        return status::MpUnsupportedSecurityModel;
    }
    if (t.securityLevel < 1 || t.securityLevel > 3) {
        return status::UsmUnsupportedSecurityLevel;
    }
    if (t.authProtocol < 1 || t.authProtocol > 3 || (t.securityLevel >= 2 && t.authProtocol == 1)) {
        return status::UsmUnsupportedAuthProtocol;
    }
    if (t.privProtocol < 1 || t.privProtocol > 2 || (t.securityLevel == 3 && t.privProtocol == 1)) {
        return status::UsmUnsupportedPrivProtocol;
    }
    // The library cannot derive keys from pass phrases under 8 characters.
    if (t.securityLevel >= 2 && t.authPassPhrase.size() < 8) {
        return status::UsmPassphraseTooShort;
    }
    if (t.securityLevel == 3 && t.privPassPhrase.size() < 8) {
        return status::UsmPassphraseTooShort;
    }
    return status::Success;
}

} // namespace

int StartSnmpLibrary() {
    if (!CanOpenUdpSocket()) {
        return status::TransportFailed;
    }
    if (g_started) {
        return status::Success;
    }
    // No MIB modules: OIDs are numeric throughout.
    ::setenv("MIBS", "", 1);
    ::setenv("MIBDIRS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_QUICK_PRINT, 1);
    init_snmp("krs5400em");
    g_started = true;
    return status::Success;
}

void SetLocalEngineId(const std::string& engineId) {
    set_exact_engineID(reinterpret_cast<const u_char*>(engineId.data()), engineId.size());
}

bool IsUsableHost(const std::string& host) {
    if (host.empty()) {
        return false;
    }
    unsigned char buf[sizeof(in6_addr)];
    if (inet_pton(AF_INET, host.c_str(), buf) == 1 || inet_pton(AF_INET6, host.c_str(), buf) == 1) {
        return true;
    }
    addrinfo hints{};
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0) {
        return false;
    }
    freeaddrinfo(found);
    return true;
}

int CheckTarget(const SnmpTarget& t, PduKind kind) {
    if (t.version == 3) {
        return CheckV3(t);
    }
    if (t.version != 0 && t.version != 1) {
        return status::InvalidTarget;
    }
    // The library cannot send an empty community, and would put the read community in place
    // of an empty write community: refuse both rather than send something else.
    const std::string& community = kind == PduKind::Set ? t.writeCommunity : t.readCommunity;
    return community.empty() ? status::InvalidTarget : status::Success;
}

namespace detail {

int StatusFromLibraryError(int e) {
    switch (e) {
    case SNMPERR_SUCCESS:
        return status::Success;
    case SNMPERR_TIMEOUT:
        return status::Timeout;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME:
        return status::UsmUnknownSecurityName;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE:
        return status::UsmAuthenticationFailure;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
    case SNMPERR_BAD_SEC_LEVEL:
        return status::UsmUnsupportedSecurityLevel;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW:
        return status::UsmNotInTimeWindow;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
        return status::UsmUnknownEngineId;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR:
        return status::UsmDecryptionError;
    case SNMPERR_UNKNOWN_REPORT:
        return status::MpError;
    case SNMPERR_USM_GENERICERROR:
        return status::UsmError;
    case SNMPERR_USM_ENCRYPTIONERROR:
        return status::UsmEncryptionError;
    case SNMPERR_USM_PARSEERROR:
        return status::UsmParseError;
    case SNMPERR_UNKNOWN_SEC_MODEL:
        return status::MpUnsupportedSecurityModel;
    case SNMPERR_INVALID_MSG:
        return status::MpInvalidMessage;
    case SNMPERR_BAD_ENG_ID:
        return status::MpInvalidEngineId;
    case SNMPERR_BAD_SEC_NAME:
        return status::MpInvalidSecurityName;
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_NO_SOCKET:
        return status::TransportFailed;
    case SNMPERR_BAD_ADDRESS:
        return status::InvalidAddress;
    case SNMPERR_V2_IN_V1:
        return status::InvalidOperation;
    case SNMPERR_BAD_COMMUNITY:
        return status::InvalidTarget;
    case SNMPERR_MALLOC:
        return status::ResourceUnavailable;
    default:
        return status::ClassError;
    }
}

} // namespace detail
} // namespace qs
