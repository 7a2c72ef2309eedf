#include "DateTimeOctets.h"

#include "QsDateTime.h"

namespace qs {

std::string DateTimeOctetsToText(const QsOctets& octets) {
    if (octets.size() < QsDateTime::kOctets) {
        return {};
    }
    QsDateTime dt(std::string_view{});
    dt.CopyFromOctets(std::span<const std::uint8_t>(octets.data(), QsDateTime::kOctets));
    dt.SwapYear();
    return dt.ToText();
}

QsOctets DateTimeTextToOctets(const std::string& text) {
    QsDateTime dt(text);
    dt.SwapYear();
    return QsOctets(dt.Bytes().begin(), dt.Bytes().end());
}

} // namespace qs
