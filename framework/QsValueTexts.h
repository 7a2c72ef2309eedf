// Value texts by syntax: the four conversions a request performs between the SNMP values on
// the wire and the texts its variables hold. Each raises the framework error -511 for a syntax
// code it does not handle; FillVb and EncodeIndexPart raise input errors for texts that cannot
// be sent (a MAC or IPv4 address that is none, an OID text that is none).
#pragma once

#include "QsSNMPVarList.h"
#include "SnmpValue.h"

#include <string>

// The value text of a received value, by the variable's syntax (not by the value's own type):
// a value whose type disagrees with the syntax reads as missing, "(NULL)" or, for display
// strings and octet syntaxes, the empty text. Then the variable's option list applies.
std::string StoreVbText(const QsSNMPVar& var, const qs::SnmpValue& value);
// Stores StoreVbText in the variable's value text.
void StoreVb(QsSNMPVar& var, const qs::SnmpValue& value);

// The value to send for the variable's value text (after its option list). The value's type is
// the BER tag it travels with; "(NULL)" gives the null value for every syntax.
qs::SnmpValue FillVb(const QsSNMPVar& var);

// Reads key k's value text out of a row's instance suffix (dotted text), stores it in variable
// k and returns the sub-identifiers left for the next key (empty when none). A suffix too short
// for the key, or a length that points past its end, gives an empty value and an empty rest.
std::string DecodeIndexPart(QsSNMPVarList& list, int k, const std::string& suffix);
// The sub-identifiers of key k's value text as dotted text (empty when it gives none).
std::string EncodeIndexPart(const QsSNMPVarList& list, int k);

namespace qs {
// Input errors of texts that cannot be sent: the common message table's entries as negative
// codes, and the SNMP library's text for an OID that is none.
inline constexpr int kBadIPv4Text = -19; // " Please enter a valid IP address!"
inline constexpr int kBadMacText = -23;  // " Please enter a valid MAC address!"
inline constexpr int kBadOidText = -417; // "(SNMPClass) Invalid Object Identifier!"

// True for the syntax codes the four conversions handle (1-6, 64-78 and 81).
bool IsValueSyntax(std::uint32_t syntax);
// Raises -511 unless IsValueSyntax.
void CheckValueSyntax(std::uint32_t syntax);
} // namespace qs
