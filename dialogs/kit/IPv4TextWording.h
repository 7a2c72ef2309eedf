// The dotted IPv4 text check of the dialogs that word a misplaced dot apart from every other
// refusal: "Please input a valid IP" when the text begins with a dot or a dot is not followed by
// a digit, "Please input a valid ip" for anything else. The rule itself is IPv4TextAccepted.
#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

class TEdit;

namespace qs {

enum class IPv4Refusal : std::uint8_t { None, MisplacedDot, Other };

// Which test refuses the text first, reading it from the first character as the rule does.
IPv4Refusal IPv4TextRefusal(std::string_view text);

// True when accepted, nothing shown; otherwise shows the message of the refusal once and
// returns false.
bool IsValidIPv4TextWorded(const QString& text);
// The same on an editor's text; a refused editor gets the focus when it is enabled.
bool IPv4EditAccepted(TEdit* edit);

} // namespace qs
