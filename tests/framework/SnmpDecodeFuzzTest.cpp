// Feeds malformed and truncated responses through the decode path (the library's parser, the
// adapter's binding conversion and the request's value texts). Each damaged reply is followed
// by the intact one, so every round trip ends quickly whether the damage was noticed or not.
// Meant to run under the sanitizer build as well.
#include "RequestTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace qs::test {
namespace {

const QsSNMPVarDesc kEveryType[] = {
    {"1.3.6.1.4.1.99999.20.1", "Integer", SYN_INTEGER, ACC_READONLY},
    {"1.3.6.1.4.1.99999.20.2", "Octets", SYN_OCTETSTR, ACC_READONLY},
    {"1.3.6.1.4.1.99999.20.3", "Text", SYN_DISPLAYSTR, ACC_READONLY},
    {"1.3.6.1.4.1.99999.20.4", "Oid", SYN_OBJECTID, ACC_READONLY},
    {"1.3.6.1.4.1.99999.20.5", "Ip", SYN_IPADDRESS, ACC_READONLY},
    {"1.3.6.1.4.1.99999.20.6", "Ticks", SYN_TIMETICKS, ACC_READONLY},
    {"1.3.6.1.4.1.99999.20.7", "Big", SYN_COUNTER64, ACC_READONLY},
    {"1.3.6.1.4.1.99999.20.8", "Double", SYN_DOUBLE, ACC_READONLY},
    {"1.3.6.1.4.1.99999.20.9", "When", SYN_DATETIME, ACC_READONLY},
    {"1.3.6.1.4.1.99999.20.10", "Inet", SYN_INETADDRESS, ACC_READONLY},
    {nullptr},
};

std::vector<SnmpValue> Values() {
    return {SnmpValue::fromInt(-7),
            SnmpValue::fromBytes(SnmpType::OctetString, {0x00, 0x1A, 0xFF}),
            SnmpValue::fromBytes(SnmpType::OctetString, {'s', 'w', '1'}),
            SnmpValue::fromOid({1, 3, 6, 1, 4, 1, 58613}),
            SnmpValue::fromBytes(SnmpType::IpAddress, {10, 0, 0, 1}),
            SnmpValue::fromUnsigned(SnmpType::TimeTicks, 8640001),
            SnmpValue::fromCounter64(0x123456789ABCDEFULL),
            SnmpValue::fromBytes(SnmpType::OctetString, {0, 0, 0, 0, 0, 0, 0xF0, 0x3F}),
            SnmpValue::fromBytes(SnmpType::OctetString, {0x07, 0xDB, 5, 26, 13, 30, 15, 0, '+', 2, 0}),
            SnmpValue::fromBytes(SnmpType::OctetString, {192, 168, 0, 1})};
}

// Damages a message: cut it short, overwrite bytes, or break a length.
Bytes Damage(const Bytes& in, std::mt19937& rng) {
    Bytes out = in;
    std::uniform_int_distribution<std::size_t> at(0, out.size() - 1);
    switch (rng() % 4) {
    case 0:
        out.resize(at(rng));
        break;
    case 1:
        for (unsigned n = 1 + rng() % 4; n > 0; --n) {
            out[at(rng)] = static_cast<std::uint8_t>(rng());
        }
        break;
    case 2:
        out[at(rng)] = static_cast<std::uint8_t>(0x80 | (rng() % 8)); // a long-form length
        break;
    default:
        out.insert(out.begin() + static_cast<long>(at(rng)), static_cast<std::uint8_t>(rng()));
        break;
    }
    return out;
}

TEST(SnmpDecodeFuzz, DamagedRepliesNeverCrashOrHang) {
    StartSessionOnce();
    std::mt19937 rng(20261210);
    FakeAgent agent([&rng](const FakeRequest& r) {
        FakeResponse response;
        const auto values = Values();
        for (std::size_t i = 0; i < r.vbs.size(); ++i) {
            response.vbs.push_back({r.vbs[i].oid, values[i % values.size()]});
        }
        const Bytes intact = EncodeResponse(r, response);
        response.raw = Damage(intact, rng);
        response.after.push_back(intact);
        return response;
    });
    QsSNMPRequest request;
    TargetLoopback(request, agent.port(), 1, 20);
    request.Retries = 0;
    request.List = QsSNMPVarList(kEveryType, SVT_SV, 0);
    int answered = 0;
    for (int round = 0; round < 400; ++round) {
        bool ok = false;
        request.GetSync(ok, true);
        answered += ok ? 1 : 0;
    }
    // Most rounds end with the intact reply or an accepted damaged one; none may hang.
    EXPECT_GT(answered, 300);
    EXPECT_EQ(agent.requests(), 400);
}

} // namespace
} // namespace qs::test
