#pragma once
// The SNMPv3 user the SNMP v3 menu's tests speak as: krs-sim's --user text and the default
// target's authPriv settings for it (HMAC-SHA-96, CBC-DES).

#include "QsSNMPTarget.h"

inline constexpr const char* kV3UserOption = "noc:SHA:nocpass123:DES:nocpriv123";

inline void UseV3UserAuthPriv() {
    DefaultSecurity.version = 3;
    DefaultSecurity.securityModel = 3;
    DefaultSecurity.securityName = "noc";
    DefaultSecurity.securityLevel = 3;
    DefaultSecurity.authProtocol = 3;
    DefaultSecurity.privProtocol = 2;
    DefaultSecurity.authPassPhrase = "nocpass123";
    DefaultSecurity.privPassPhrase = "nocpriv123";
}
