// One SNMP DateAndTime value: the 11 octets year (2), month, day, hour, minutes, seconds,
// deci-seconds, direction from UTC ("+" or "-"), hours and minutes from UTC. The year is held in
// the machine's byte order; SwapYear turns it into the octets' network order and back.
//
// Octets to text: CopyFromOctets, SwapYear, ToText.
// Text to octets: QsDateTime(text), SwapYear, Octets.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

static_assert(std::endian::native == std::endian::little, "SwapYear assumes a little-endian machine");

class QsDateTime {
public:
    static constexpr std::size_t kOctets = 11;
    using Octets = std::array<std::uint8_t, kOctets>;

    // The current local date and time, deci-seconds 0, offset "+0:0".
    QsDateTime();
    // Parsed from "2011-1-5,13:30:15.0", "2011-1-5,13:30:15.0,+8:0" or "...,-5:30" (also without
    // the deci-seconds: "2011-1-5,13:30:15,+8:0" keeps its offset); numbers the text does not
    // supply are 0, each number is cut to its field's width.
    explicit QsDateTime(std::string_view text);

    // The octets in table order become the fields (the year still in network order). At most 11
    // are taken; fields a shorter value does not reach are 0.
    void CopyFromOctets(std::span<const std::uint8_t> octets);
    void SwapYear();
    std::string ToText() const;
    const Octets& Bytes() const { return bytes_; }

    std::uint16_t Year() const;
    std::uint8_t Month() const { return bytes_[2]; }
    std::uint8_t Day() const { return bytes_[3]; }
    std::uint8_t Hour() const { return bytes_[4]; }
    std::uint8_t Minutes() const { return bytes_[5]; }
    std::uint8_t Seconds() const { return bytes_[6]; }
    std::uint8_t DeciSeconds() const { return bytes_[7]; }
    char Direction() const { return static_cast<char>(bytes_[8]); }
    std::uint8_t UtcHours() const { return bytes_[9]; }
    std::uint8_t UtcMinutes() const { return bytes_[10]; }

private:
    void SetYear(std::uint16_t year);

    Octets bytes_{};
};
