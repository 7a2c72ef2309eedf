// Randomized instance suffixes through the index decoders, as an agent could send them. Run it
// in the sanitizer build too; KRS_FUZZ_SEED and KRS_FUZZ_ROUNDS change the seed and the length.
#include "OctetTexts.h"
#include "QsException.h"
#include "QsValueTexts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace {

const std::uint32_t kSyntaxes[] = {
    SYN_BOOLEAN,    SYN_INTEGER,     SYN_BITSTR,  SYN_OCTETSTR,   SYN_NULL,     SYN_OBJECTID,
    SYN_IPADDRESS,  SYN_COUNTER,     SYN_GUAGE,   SYN_TIMETICKS,  SYN_OPAQUE,   SYN_NSAPADDR,
    SYN_COUNTER64,  SYN_UINTEGER,    SYN_DOUBLE,  SYN_MACADDRESS, SYN_DATETIME, SYN_BCDATETIME,
    SYN_DISPLAYSTR, SYN_IPV6ADDRESS, SYN_BITLIST, SYN_INETADDRESS};

unsigned long EnvNumber(const char* name, unsigned long fallback) {
    const char* v = std::getenv(name);
    return v != nullptr ? std::strtoul(v, nullptr, 10) : fallback;
}

class Fuzz {
public:
    explicit Fuzz(unsigned long seed) : rng_(seed) {}

    std::uint32_t Pick(std::uint32_t n) {
        return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(rng_);
    }

    // Small numbers make plausible lengths; large ones lengths far past the end.
    std::uint32_t SubId() {
        switch (Pick(4)) {
        case 0:
            return Pick(24);
        case 1:
            return Pick(256);
        case 2:
            return 0xFFFFFFFFu - Pick(4);
        default:
            return static_cast<std::uint32_t>(rng_());
        }
    }

    qs::OidVector Suffix() {
        qs::OidVector s(Pick(42));
        for (auto& id : s) {
            id = SubId();
        }
        return s;
    }

    QsSNMPVarList List() {
        QsSNMPVarList list;
        const int keys = 1 + static_cast<int>(Pick(3));
        for (int i = 0; i < keys; ++i) {
            const std::uint32_t access = ACC_NOTACCESS | (Pick(4) == 0 ? ACC_IMPLIED : 0u);
            list.AddVar("1.3.6.1.4.1.58613.9", "key", kSyntaxes[Pick(std::size(kSyntaxes))], access);
        }
        list.ItemType = MVT_FMV;
        list.PKeyCount = keys;
        return list;
    }

private:
    std::mt19937_64 rng_;
};

// The rest a decoder returns is always the tail of what it was given.
bool IsTailOf(const std::string& rest, const std::string& suffix) {
    return rest.empty() || (rest.size() <= suffix.size() && suffix.ends_with(rest) &&
                            (rest.size() == suffix.size() || suffix[suffix.size() - rest.size() - 1] == '.'));
}

TEST(IndexFuzz, DecodersNeverReadPastTheSuffix) {
    const unsigned long seed = EnvNumber("KRS_FUZZ_SEED", 20261210);
    const unsigned long rounds = EnvNumber("KRS_FUZZ_ROUNDS", 20000);
    SCOPED_TRACE("KRS_FUZZ_SEED=" + std::to_string(seed));
    Fuzz fuzz(seed);
    for (unsigned long round = 0; round < rounds; ++round) {
        QsSNMPVarList list = fuzz.List();
        std::string rest = qs::OidToText(fuzz.Suffix());
        // As a table walk splits a row suffix: key after key, each on what the last one left.
        for (int k = 0; k < list.PKeyCount && !rest.empty(); ++k) {
            const std::string before = rest;
            rest = DecodeIndexPart(list, k, before);
            ASSERT_TRUE(IsTailOf(rest, before))
                << "syntax " << list.GetVar(k)->Syntax << " suffix " << before;
            try {
                EncodeIndexPart(list, k); // what was read can be addressed again, or is refused cleanly
            } catch (const QsException&) {
            }
        }
    }
}

// A valid value text for the syntax.
std::string RandomValue(Fuzz& fuzz, std::uint32_t syntax) {
    const std::uint32_t sizes[][2] = {{SYN_MACADDRESS, 6}, {SYN_IPV6ADDRESS, 16}, {SYN_IPADDRESS, 4}};
    QsOctets bytes(fuzz.Pick(20));
    for (const auto& size : sizes) {
        if (size[0] == syntax) {
            bytes.resize(size[1]);
        }
    }
    for (auto& b : bytes) {
        b = static_cast<std::uint8_t>(syntax == SYN_DISPLAYSTR ? 32 + fuzz.Pick(95) : fuzz.Pick(256));
    }
    qs::OidVector oid(1 + fuzz.Pick(8));
    for (auto& id : oid) {
        id = fuzz.SubId();
    }
    switch (syntax) {
    case SYN_INTEGER:
        return std::to_string(static_cast<std::int32_t>(fuzz.SubId()));
    case SYN_TIMETICKS:
        return FormatTicksText(fuzz.SubId());
    case SYN_COUNTER64:
        return std::to_string((static_cast<std::uint64_t>(fuzz.SubId()) << 32) | fuzz.SubId());
    case SYN_OBJECTID:
        return qs::OidToText(oid);
    case SYN_IPADDRESS:
        return qs::FormatIPv4(bytes.data());
    case SYN_DISPLAYSTR:
        return FormatPlainText(bytes);
    case SYN_GUAGE:
        return std::to_string(fuzz.SubId());
    default:
        return FormatHexText(bytes);
    }
}

// Keys encode and decode back to the same value; a key that is not last leaves what follows.
TEST(IndexFuzz, EncodedKeysDecodeToTheSameValue) {
    Fuzz fuzz(EnvNumber("KRS_FUZZ_SEED", 20261210));
    const std::uint32_t syntaxes[] = {SYN_INTEGER,     SYN_GUAGE,     SYN_OCTETSTR,   SYN_BITLIST,
                                      SYN_OBJECTID,    SYN_IPADDRESS, SYN_MACADDRESS, SYN_COUNTER64,
                                      SYN_IPV6ADDRESS, SYN_TIMETICKS, SYN_DISPLAYSTR};
    for (int round = 0; round < 2000; ++round) {
        const std::uint32_t syntax = syntaxes[fuzz.Pick(std::size(syntaxes))];
        const bool last = fuzz.Pick(2) != 0;
        const bool implied = last && fuzz.Pick(2) != 0; // only the last key may be implied
        QsSNMPVarList list;
        list.AddVar("1.3.6.1.4.1.58613.9", "key", syntax, ACC_NOTACCESS | (implied ? ACC_IMPLIED : 0u));
        list.AddVar("1.3.6.1.4.1.58613.9", "next", SYN_INTEGER, ACC_NOTACCESS);
        list.ItemType = MVT_FMV;
        list.PKeyCount = last ? 1 : 2;
        const std::string value = RandomValue(fuzz, syntax);
        list.GetVar(0)->Value = value;
        const std::string encoded = EncodeIndexPart(list, 0);
        const std::string suffix = last ? encoded : encoded + ".77";
        list.GetVar(0)->Value = "changed";
        EXPECT_EQ(DecodeIndexPart(list, 0, suffix), last ? "" : "77") << suffix;
        EXPECT_EQ(list.GetVar(0)->Value, value) << "syntax " << syntax << " suffix " << suffix;
    }
}

} // namespace
