#include "TypedTextProperty.h"

#include "PortListTexts.h"
#include "QsByteForms.h"
#include "QsException.h"
#include "QsOptionList.h"
#include "QsSNMPVar.h"
#include "QsValueTexts.h"

#include <array>
#include <vector>

namespace qs::test {
namespace {

const QsOption kEnabled[] = {{1, "enabled"}, {2, "disabled"}, {}};
const QsOptionList kEnabledList(kEnabled, OVT_INT);

// The formats the program's edits carry, and none.
const std::vector<EditFormat>& Formats() {
    static const std::vector<EditFormat> formats = [] {
        std::vector<EditFormat> out;
        for (const char* f : {"%s", "%s{l32}", "%h{l4f}", "%h{l32f}", "%i{n1x65535l5}", "%s{M}", "%s{I}",
                              "%h{I6}", "%h{l22}"}) {
            out.push_back(ParseEditFormat(f));
        }
        return out;
    }();
    return formats;
}

std::string Show(const SnmpValue& v) {
    std::string out = std::to_string(static_cast<int>(v.type)) + ":" + std::to_string(v.integer) + "/" +
                      std::to_string(v.unsigned32) + "/" + std::to_string(v.counter64) + "/";
    for (const std::uint8_t b : v.bytes) {
        out += std::to_string(b) + " ";
    }
    return out + "/" + OidToText(v.oid);
}

// The text a read gives for the value, as the field's variable holds it.
std::string Formatted(const SnmpValue& value, const QsSNMPVar& var) {
    if (var.Syntax >= SYN_BOOL8) { // a part inside an octet string: its byte form
        const std::string number = var.Syntax == SYN_BOOL8 || var.Syntax == SYN_BOOL16
                                       ? (value.integer != 0 ? "true" : "false")
                                       : std::to_string(value.integer);
        return OctetsToText(TextToOctets(number, var.Syntax), var.Syntax);
    }
    return StoreVbText(var, value);
}

// Sent, formatted and the byte form the driver merges parts in; empty when all agree. A key is
// sent in the row's instance, not as a value.
std::string SentBreach(const TypedValue& v, const QsSNMPVar& var, bool key) {
    if (IsValueSyntax(var.Syntax) && !key) {
        const SnmpValue sent = FillVb(var);
        if (!(sent == v.value)) {
            return "sent " + Show(sent) + ", the parse's value is " + Show(v.value);
        }
    }
    if (const std::string formatted = Formatted(v.value, var); formatted != v.text) {
        return "the value reads as '" + formatted + "'";
    }
    const std::string raw = var.OptionList ? var.OptionList->TextToValue(v.text) : v.text;
    const QsOctets bytes = TextToOctets(raw, var.Syntax);
    if (!bytes.empty() && OctetsToText(bytes, var.Syntax) != raw) {
        return "the byte form reads as '" + OctetsToText(bytes, var.Syntax) + "'";
    }
    return {};
}

} // namespace

TypedField PropertyField(std::uint32_t syntax, std::uint8_t choice) {
    TypedField field;
    field.syntax = syntax;
    field.key = (choice & 1) != 0;
    field.keyRoom = field.key ? 12 : 0;
    if ((choice & 2) != 0 && syntax == SYN_INTEGER) {
        field.options = &kEnabledList;
    }
    const std::size_t format = (choice >> 2) % (Formats().size() + 1);
    field.format = format == 0 ? nullptr : &Formats()[format - 1];
    if (syntax == SYN_BITLIST && (choice & 0x80) != 0) {
        field.portTemplate = "00000000"; // 32 ports
    }
    return field;
}

std::string TypedPropertyBreach(const std::string& text, const TypedField& field) {
    const TypedValue v = ParseTypedText(text, field);
    if (!v.Taken() || v.marker) {
        return {};
    }
    QsSNMPVar var;
    var.Syntax = field.syntax;
    var.OptionList = field.options;
    var.Value = v.text;
    try {
        if (std::string breach = SentBreach(v, var, field.key); !breach.empty()) {
            return breach;
        }
    } catch (const QsException& e) {
        return std::string("the canonical text cannot be sent: ") + e.what();
    }
    // The program shows a port list as ports, never as its map.
    const std::string shown = field.syntax == SYN_BITLIST ? BitListToPortText(v.text, false) : v.text;
    const TypedValue again = ParseTypedText(shown, field);
    if (!again.Taken() || again.text != v.text || !(again.value == v.value)) {
        return "'" + shown + "' parses again as '" + again.text + "' " + again.refusal;
    }
    return {};
}

} // namespace qs::test
