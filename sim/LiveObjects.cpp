#include "LiveObjects.h"

#include "NetSnmp.h"

namespace krssim {
namespace {

struct LiveCounter {
    const char* oid;
    int statistic;
};

// Counter32 objects and the library statistic each one shows.
constexpr LiveCounter kCounters[] = {
    {".1.3.6.1.2.1.11.1.0", STAT_SNMPINPKTS},
    {".1.3.6.1.2.1.11.2.0", STAT_SNMPOUTPKTS},
    {".1.3.6.1.2.1.11.3.0", STAT_SNMPINBADVERSIONS},
    {".1.3.6.1.2.1.11.4.0", STAT_SNMPINBADCOMMUNITYNAMES},
    {".1.3.6.1.2.1.11.5.0", STAT_SNMPINBADCOMMUNITYUSES},
    {".1.3.6.1.2.1.11.6.0", STAT_SNMPINASNPARSEERRS},
    {".1.3.6.1.6.3.11.2.1.1.0", STAT_SNMPUNKNOWNSECURITYMODELS},
    {".1.3.6.1.6.3.11.2.1.2.0", STAT_SNMPINVALIDMSGS},
    {".1.3.6.1.6.3.11.2.1.3.0", STAT_SNMPUNKNOWNPDUHANDLERS},
    {".1.3.6.1.6.3.15.1.1.1.0", STAT_USMSTATSUNSUPPORTEDSECLEVELS},
    {".1.3.6.1.6.3.15.1.1.2.0", STAT_USMSTATSNOTINTIMEWINDOWS},
    {".1.3.6.1.6.3.15.1.1.3.0", STAT_USMSTATSUNKNOWNUSERNAMES},
    {".1.3.6.1.6.3.15.1.1.4.0", STAT_USMSTATSUNKNOWNENGINEIDS},
    {".1.3.6.1.6.3.15.1.1.5.0", STAT_USMSTATSWRONGDIGESTS},
    {".1.3.6.1.6.3.15.1.1.6.0", STAT_USMSTATSDECRYPTIONERRORS},
};

void refreshEngine(MibStore& store) {
    const Oid engine{1, 3, 6, 1, 6, 3, 10, 2, 1};
    auto leaf = [&](std::uint32_t n) {
        Oid oid = engine;
        oid.insert(oid.end(), {n, 0});
        return oid;
    };
    u_char id[64];
    auto idLength = snmpv3_get_engineID(id, sizeof id);
    store.set(leaf(1), Value::ofBytes(std::string(reinterpret_cast<const char*>(id), idLength)));
    store.set(leaf(2), Value::ofInteger(snmpv3_local_snmpEngineBoots()));
    store.set(leaf(3), Value::ofInteger(snmpv3_local_snmpEngineTime()));
    store.set(leaf(4), Value::ofInteger(SNMP_MAX_RCV_MSG_SIZE - 29));
}

} // namespace

void refreshLiveObjects(MibStore& store, std::chrono::steady_clock::duration uptime) {
    auto ticks = std::chrono::duration_cast<std::chrono::milliseconds>(uptime).count() / 10;
    store.set({1, 3, 6, 1, 2, 1, 1, 3, 0},
              Value::ofUnsigned(Type::TimeTicks, static_cast<std::uint64_t>(ticks) & 0xffffffffu));
    static const auto oids = [] {
        std::vector<Oid> parsed;
        for (const auto& counter : kCounters) {
            parsed.push_back(*parseOid(counter.oid));
        }
        return parsed;
    }();
    for (std::size_t i = 0; i < oids.size(); ++i) {
        store.set(oids[i], Value::ofUnsigned(Type::Counter32, snmp_get_statistic(kCounters[i].statistic)));
    }
    refreshEngine(store);
}

} // namespace krssim
