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
    // Failures reach the program as statuses; the library's own log would only go to stderr.
    snmp_disable_log();
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_NONE, LOG_EMERG);
    g_started = true;
    std::atexit(detail::CloseSessionsAtExit);
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

// The library's error numbers and the status numbers the framework's mapping expects.
struct ErrorMapping {
    int libraryError;
    int status;
};

constexpr ErrorMapping kErrorMap[] = {
    {SNMPERR_SUCCESS, status::Success},
    {SNMPERR_TIMEOUT, status::Timeout},
    {SNMPERR_UNKNOWN_USER_NAME, status::UsmUnknownSecurityName},
    {SNMPERR_USM_UNKNOWNSECURITYNAME, status::UsmUnknownSecurityName},
    {SNMPERR_AUTHENTICATION_FAILURE, status::UsmAuthenticationFailure},
    {SNMPERR_USM_AUTHENTICATIONFAILURE, status::UsmAuthenticationFailure},
    {SNMPERR_UNSUPPORTED_SEC_LEVEL, status::UsmUnsupportedSecurityLevel},
    {SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL, status::UsmUnsupportedSecurityLevel},
    {SNMPERR_BAD_SEC_LEVEL, status::UsmUnsupportedSecurityLevel},
    {SNMPERR_NOT_IN_TIME_WINDOW, status::UsmNotInTimeWindow},
    {SNMPERR_USM_NOTINTIMEWINDOW, status::UsmNotInTimeWindow},
    {SNMPERR_UNKNOWN_ENG_ID, status::UsmUnknownEngineId},
    {SNMPERR_USM_UNKNOWNENGINEID, status::UsmUnknownEngineId},
    {SNMPERR_DECRYPTION_ERR, status::UsmDecryptionError},
    {SNMPERR_USM_DECRYPTIONERROR, status::UsmDecryptionError},
    {SNMPERR_UNKNOWN_REPORT, status::MpError},
    {SNMPERR_USM_GENERICERROR, status::UsmError},
    {SNMPERR_USM_ENCRYPTIONERROR, status::UsmEncryptionError},
    {SNMPERR_USM_PARSEERROR, status::UsmParseError},
    {SNMPERR_UNKNOWN_SEC_MODEL, status::MpUnsupportedSecurityModel},
    {SNMPERR_INVALID_MSG, status::MpInvalidMessage},
    {SNMPERR_BAD_ENG_ID, status::MpInvalidEngineId},
    {SNMPERR_BAD_SEC_NAME, status::MpInvalidSecurityName},
    {SNMPERR_BAD_SENDTO, status::TransportFailed},
    {SNMPERR_NO_SOCKET, status::TransportFailed},
    {SNMPERR_BAD_ADDRESS, status::InvalidAddress},
    {SNMPERR_V2_IN_V1, status::InvalidOperation},
    {SNMPERR_BAD_COMMUNITY, status::InvalidTarget},
    {SNMPERR_MALLOC, status::ResourceUnavailable},
};

int StatusFromLibraryError(int e) {
    for (const ErrorMapping& m : kErrorMap) {
        if (m.libraryError == e) {
            return m.status;
        }
    }
    return status::ClassError;
}

} // namespace detail
} // namespace qs
