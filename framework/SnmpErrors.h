// Framework error codes, their texts and the mapping from the SNMP adapter's status numbers.
//
// Code ranges and the table entry that holds their text:
//   0              success                         QsSnmpErrTable entry 0
//   -1 .. -25      common errors                   CommonErrTable entry -code
//   -101 .. -118   agent error-status 1 to 18      SnmpErrTable entry -code - 101
//   -201 .. -217   SNMPv3 message processing       SnmpV3ErrTable entry -code - 201
//   -301 .. -314   user-based security             SnmpUsmErrTable entry -code - 301
//   -401 .. -423   SNMP library failures           SnmpClassErrTable entry -code - 401
//   -501 .. -530   the framework's own errors      QsSnmpErrTable entry -code - 500
#pragma once

#include <string>

namespace qs {

namespace err {
inline constexpr int Ok = 0;
inline constexpr int BadLogicOperand = -1;    // expression evaluator
inline constexpr int BadFormatSpecifier = -2; // edit-format parser
inline constexpr int IndexOutOfRange = -12;   // index outside an array or list
inline constexpr int Timeout = -405;          // no answer after the retries
inline constexpr int SessionCreate = -506;    // the SNMP session could not be created
inline constexpr int BootCounterLoad = -507;  // engine-boots counter not readable
inline constexpr int BootCounterSave = -508;  // engine-boots counter not saved
inline constexpr int BadAddress = -509;       // agent address not usable
inline constexpr int GetNextOnScalars = -510; // GET-NEXT continuation of a scalar list
inline constexpr int BadSyntax = -511;        // syntax code not handled by a conversion
inline constexpr int NullInExpression = -512; // "(NULL)" value referenced in an expression
inline constexpr int ExpressionSyntax = -513; // syntax not usable in an expression or formula
inline constexpr int BadKeyCount = -514;      // instance suffix shorter than the key columns
inline constexpr int BadItemType = -515;      // item type outside 0 to 3
inline constexpr int BindSyntax = -517;       // binding: bad syntax of the bound data
inline constexpr int BindValue = -518;        // binding: bad value of the bound data
inline constexpr int BindIndex = -519;        // binding: bit or byte index out of range
inline constexpr int BindNoOptions = -520;    // binding: no option list for an optional control
inline constexpr int BindControlType = -521;  // binding: control of a type that cannot be bound
inline constexpr int BindControlCount = -522; // binding: not enough controls
inline constexpr int UnknownStatus = -528;    // library status outside every range
inline constexpr int ReplyMismatch = -529;    // a reply whose bindings do not answer the request
inline constexpr int ShortPassPhrase = -530;  // an SNMPv3 pass phrase too short to make a key of
} // namespace err

struct MappedStatus {
    int code = 0;
    std::string text;
};

// The text of a framework code, from the table that holds it now; "Unknown error code!" (or
// its replacement) for a code outside every range.
std::string FrameworkErrorText(int code);

// Raises QsException with the code's text and the code as help context.
[[noreturn]] void RaiseFrameworkError(int code);

} // namespace qs

// The framework code and text of a status number of the SNMP adapter: 0, 1400 and -1401 are
// success; 1407 (a pass phrase too short) -530; other 1401..1414 user-based security; -1418..-1402 SNMPv3
// message processing; 1..18 agent error-status; -23..-1 library failures; anything else -528.
qs::MappedStatus MapSnmpStatus(int status);
