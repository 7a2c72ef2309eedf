// The default KRS-5400MX-28 data set against Net-SNMP's tools: the objects that the catalogue's
// pages read answer with their types and index shapes, their writable objects keep to their
// value rules, and a row of a table with Add and Delete can be created and destroyed.
#include "SimProcess.h"
#include "SnmpTools.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using krssim::test::snmp;
using testing::HasSubstr;
using testing::Not;

namespace {

const std::string kDevice = ".1.3.6.1.4.1.58613.11.113.1.6";
const std::string kFeature = ".1.3.6.1.4.1.58613.12";
// Length-prefixed name indices: "admin", "noc", "gw-check", "dns-probe", "uplink-path", "dns-path".
const std::string kAdmin = ".5.97.100.109.105.110";
const std::string kNoc = ".3.110.111.99";
const std::string kGwCheck = ".8.103.119.45.99.104.101.99.107";
const std::string kDnsProbe = ".9.100.110.115.45.112.114.111.98.101";
const std::string kUplinkPath = ".11.117.112.108.105.110.107.45.112.97.116.104";
const std::string kDnsPath = ".8.100.110.115.45.112.97.116.104";
const std::string kCfm = ".1.3.111.2.802.1.1.8.1";
const std::string kOam = ".1.3.6.1.2.1.158.1";

struct ReadCase {
    std::string object;   // scalar (read with GET of ".0") or table column (read with GET-NEXT)
    std::string instance; // ".0" for a scalar; the first row's index suffix for a column
    std::string type;     // as snmpget prints it: "INTEGER", "STRING", "Hex-STRING", ...
};

const ReadCase kReadCases[] = {
    // Basic Configuration: device, equipment and agent
    {kDevice + ".2.1.3.3", ".0", "INTEGER"},
    {kFeature + ".11.1.6.1.3", ".1.1", "INTEGER"},
    {kFeature + ".11.1.10.1.2", ".1", "STRING"},
    {kFeature + ".1.1.12", ".0", "STRING"},
    {kFeature + ".1.1.2.1.2", ".1", "STRING"},
    {kFeature + ".1.2.3", ".0", "INTEGER"},
    {kFeature + ".1.3.5", ".0", "INTEGER"},
    {kFeature + ".1.1.6.3", ".0", "INTEGER"},
    {kFeature + ".1.1.9.1.3", ".1", "INTEGER"},
    {kFeature + ".1.1.10.1.4", ".1", "INTEGER"},
    {kFeature + ".1.1.8.1.4", ".1", "INTEGER"},
    {kFeature + ".1.2.7.1.2", ".1", "STRING"},
    {kFeature + ".1.5.4", ".0", "INTEGER"},
    {kFeature + ".1.2.12.1", ".0", "INTEGER"},
    {kFeature + ".1.2.12.2.3", ".0", "INTEGER"},
    {kFeature + ".1.2.12.2.4.1.2", ".4.109.103.109.116", "INTEGER"}, // "mgmt" sorts before "System"
    {kFeature + ".1.2.11.1", ".0", "INTEGER"},
    {kFeature + ".1.2.10.1.1.4", ".1", "IpAddress"},
    {kFeature + ".1.2.10.2", ".0", "INTEGER"},
    // time, system log, SMTP, cable diagnostics
    {kFeature + ".10.3", ".0", "INTEGER"},
    {kFeature + ".10.10.1", ".0", "STRING"},
    {kFeature + ".12.3.2", ".0", "INTEGER"},
    {kFeature + ".29.2.1", ".0", "INTEGER"},
    {kFeature + ".29.3.1.1.2", ".1", "STRING"},
    {kFeature + ".58.1.1.1.8", ".1", "INTEGER"},
    // EtherLike collisions (ifIndex, count), ping and trace route (owner, test name, ...)
    {".1.3.6.1.2.1.10.7.5.1.3", ".3.1", "Counter32"},
    {".1.3.6.1.2.1.80.1.1", ".0", "Gauge32"},
    {".1.3.6.1.2.1.80.1.2.1.6", kNoc + kDnsProbe, "Gauge32"},
    {".1.3.6.1.2.1.80.1.3.1.3", kNoc + kDnsProbe, "Hex-STRING"},
    {".1.3.6.1.2.1.80.1.4.1.5", kAdmin + kGwCheck + ".1", "Hex-STRING"},
    {".1.3.6.1.2.1.81.1.1", ".0", "Gauge32"},
    {".1.3.6.1.2.1.81.1.2.1.9", kNoc + kDnsPath, "Gauge32"},
    {".1.3.6.1.2.1.81.1.3.1.8", kNoc + kDnsPath, "Hex-STRING"},
    {".1.3.6.1.2.1.81.1.4.1.5", kAdmin + kUplinkPath + ".1.1.1", "Hex-STRING"},
    {".1.3.6.1.2.1.81.1.5.1.7", kAdmin + kUplinkPath + ".1", "Gauge32"},
    // RMON: engine state and probe configuration
    {kDevice + ".2.1.2.16", ".0", "INTEGER"},
    {".1.3.6.1.2.1.16.19.1", ".0", "Hex-STRING"},
    {".1.3.6.1.2.1.16.19.5", ".0", "INTEGER"},
    {".1.3.6.1.2.1.16.19.11.1.2", ".1", "IpAddress"},
    {".1.3.6.1.2.1.16.19.12", ".0", "IpAddress"},
    // Bridge: 802.1D and spanning tree
    {".1.3.6.1.2.1.17.1.1", ".0", "Hex-STRING"},
    {".1.3.6.1.2.1.17.4.1", ".0", "Counter32"},
    {".1.3.6.1.2.1.17.4.2", ".0", "INTEGER"},
    {".1.3.6.1.2.1.17.1.4.1.3", ".1", "OID"},
    {kFeature + ".15.2.1", ".0", "STRING"},
    {kFeature + ".15.2.4.1.9", ".1", "INTEGER"},
    {kFeature + ".15.2.5.1.3", ".1.0", "Hex-STRING"},
    // Layer 2 protocols: loop detection, multicast filter, MLD, BPDU, ERPS, PPPoE
    {kDevice + ".2.21.1.3", ".0", "INTEGER"},
    {kDevice + ".2.21.2.1.1.4", ".1", "INTEGER"},
    {kDevice + ".2.22.2.1.4", ".1", "STRING"},
    {kDevice + ".2.22.3.1.4", ".1", "INTEGER"},
    {kFeature + ".34.3.2.1.13", ".1", "INTEGER"},
    {kFeature + ".73.2.2.3.1.20", ".1", "Counter32"},
    {kFeature + ".60.2.1", ".0", "Hex-STRING"},
    {kFeature + ".60.3.1.1.2", ".1", "INTEGER"},
    {kFeature + ".76.1.2", ".0", "INTEGER"},
    {kFeature + ".78.1.3", ".0", "INTEGER"},
    {kFeature + ".79.1.2.1.1.4", ".1", "STRING"},
    // CFM: the device's state; stack (ifIndex.vlan.level.direction), MA (md.ma), component
    // (component.md.ma), MEP (md.ma.mep), linktrace reply (md.ma.mep.seq.order), remote MEP
    {kDevice + ".2.1.2.29.1", ".0", "INTEGER"},
    {kCfm + ".1.1.1.5", ".1.100.5.1", "Gauge32"},
    {kCfm + ".5.1", ".0", "Gauge32"},
    {kCfm + ".6.1.1.4", ".1.1", "INTEGER"},
    {kCfm + ".6.2.1.5", ".1.1.1", "Gauge32"},
    {kCfm + ".7.1.1.37", ".1.1.1", "Hex-STRING"},
    {kCfm + ".7.2.1.6", ".1.1.1.1.1", "Hex-STRING"},
    {kCfm + ".7.3.1.3", ".1.1.1.2", "Timeticks"},
    // Ethernet OAM (ifIndex; the event log ifIndex.logIndex)
    {kOam + ".1.1.2", ".1", "INTEGER"},
    {kOam + ".2.1.2", ".1", "Hex-STRING"},
    {kOam + ".4.1.17", ".1", "Counter32"},
    {kOam + ".5.1.13", ".1", "INTEGER"},
    {kOam + ".6.1.4", ".1.1", "Gauge32"},
};

// A value the object accepts, and one it refuses with the reason given.
struct WriteCase {
    std::string object;
    std::string good, bad, reason;
};

const WriteCase kWriteCases[] = {
    {kFeature + ".1.2.3.0", "i 3", "i 5", "wrongValue"}, // the Reboot command's warm start
    {kDevice + ".2.1.2.16.0", "i 2", "i 1", "wrongValue"},
    {kFeature + ".10.10.4.0", "i -779", "i 840", "wrongValue"},
    {kFeature + ".1.3.5.0", "i 65535", "i 0", "wrongValue"},
    {kFeature + ".15.2.4.1.9.7", "i 0", "i 3", "wrongValue"},
    {".1.3.6.1.2.1.17.4.2.0", "i 1000000", "i 9", "wrongValue"},
    {kFeature + ".15.2.1.0", "s " + std::string(32, 'm'), "s " + std::string(33, 'm'), "wrongLength"},
    {".1.3.6.1.2.1.16.19.12.0", "a 10.90.90.1", "i 1", "wrongType"},
    {".1.3.6.1.2.1.80.1.2.1.7" + kAdmin + kGwCheck, "u 15", "u 16", "wrongValue"},
    {kDevice + ".2.21.1.2.0", "i 32767", "i 0", "wrongValue"},
    {kFeature + ".34.1.1.0", "i 2", "i 1", "wrongValue"},
    {kCfm + ".6.1.1.4.1.1", "i 7", "i 0", "wrongValue"}, // no CCM interval "intervalInvalid"
    {kCfm + ".7.1.1.27.1.1.1", "x 001E58C00009", "x 001E58", "wrongLength"},
    {kOam + ".5.1.4.1", "u 4294967295", "i 1", "wrongType"},
    {kOam + ".5.1.13.1", "i 900", "i 901", "wrongValue"},
};

class PageObjectsTest : public krssim::test::SharedSimTest<> {
protected:
    static void SetUpTestSuite() { startSim(); }
};

TEST_F(PageObjectsTest, EveryAreaAnswersWithItsTypeAndIndex) {
    for (const auto& c : kReadCases) {
        bool scalar = c.instance == ".0";
        std::string out =
            snmp(scalar ? "snmpget" : "snmpgetnext", v2("lumpet") + " " + c.object + (scalar ? ".0" : ""));
        EXPECT_THAT(out, HasSubstr(c.object + c.instance + " = " + c.type + ": ")) << c.object;
    }
}

TEST_F(PageObjectsTest, WritableObjectsKeepTheirValueRules) {
    for (const auto& c : kWriteCases) {
        EXPECT_THAT(snmp("snmpset", v2("grindel") + " " + c.object + " " + c.bad), HasSubstr(c.reason))
            << c.object;
        EXPECT_THAT(snmp("snmpset", v2("grindel") + " " + c.object + " " + c.good), Not(HasSubstr("Error")))
            << c.object;
    }
}

TEST_F(PageObjectsTest, CreatesAPingTestWithDefaultsAndDestroysIt) {
    const std::string control = ".1.3.6.1.2.1.80.1.2.1";
    const std::string row = ".4.116.101.115.116.2.116.49"; // owner "test", test name "t1"
    EXPECT_THAT(snmp("snmpset", v2("grindel") + " " + control + ".4" + row + " s ns1.example.net " + control +
                                    ".23" + row + " i 4"),
                Not(HasSubstr("Error")));
    std::string walk = snmp("snmpwalk", v2("lumpet") + " " + control);
    EXPECT_THAT(walk, HasSubstr(control + ".4" + row + " = STRING: \"ns1.example.net\""));
    EXPECT_THAT(walk, HasSubstr(control + ".6" + row + " = Gauge32: 3"));
    EXPECT_THAT(walk, HasSubstr(control + ".7" + row + " = Gauge32: 1"));
    EXPECT_THAT(walk, HasSubstr(control + ".8" + row + " = INTEGER: 2"));
    EXPECT_THAT(walk, HasSubstr(control + ".23" + row + " = INTEGER: 1"));
    EXPECT_THAT(snmp("snmpset", v2("grindel") + " " + control + ".23" + row + " i 6"),
                Not(HasSubstr("Error")));
    walk = snmp("snmpwalk", v2("lumpet") + " " + control);
    EXPECT_THAT(walk, Not(HasSubstr(row + " =")));
    EXPECT_THAT(walk, HasSubstr(control + ".23" + kAdmin + kGwCheck + " = INTEGER: 1"));
}

} // namespace
