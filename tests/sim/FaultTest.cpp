// The fault options, each against Net-SNMP's tools, and what the journal says about them.
#include "SnmpTools.h"

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using krssim::test::snmp;
using qs::test::SimProcess;
using testing::HasSubstr;
using testing::Not;

namespace {

const std::string kSysName = ".1.3.6.1.2.1.1.5.0";

std::string get(const SimProcess& sim, const std::string& timeout = "0.3") {
    return snmp("snmpget", "-t " + timeout + " -v2c -c lumpet " + sim.address() + " " + kSysName);
}

TEST(FaultTest, NoAnswerJournalsButNeverAnswers) {
    SimProcess sim({{}, {"--no-answer"}});
    ASSERT_TRUE(sim.start()) << sim.lastError();
    EXPECT_THAT(get(sim), HasSubstr("Timeout"));
    auto journal = sim.journal();
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].answer, "none");
    EXPECT_EQ(journal[0].why, "no-answer");
}

TEST(FaultTest, DelayAnswersLate) {
    SimProcess sim({{}, {"--delay", "600"}});
    ASSERT_TRUE(sim.start()) << sim.lastError();
    EXPECT_THAT(get(sim, "0.2"), HasSubstr("Timeout"));
    auto start = std::chrono::steady_clock::now();
    EXPECT_THAT(get(sim, "3"), HasSubstr("STRING: \"core-sw-1\""));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(550));
    EXPECT_EQ(sim.journal().back().answer, "delayed");
}

TEST(FaultTest, DropEveryNthRequest) {
    SimProcess sim({{}, {"--drop-every", "3"}});
    ASSERT_TRUE(sim.start()) << sim.lastError();
    // A request with a wrong community is not one that counts.
    snmp("snmpget", "-t 0.1 -v2c -c nobody " + sim.address() + " " + kSysName);
    std::vector<bool> answered;
    for (int i = 0; i < 6; ++i) {
        answered.push_back(get(sim).find("core-sw-1") != std::string::npos);
    }
    EXPECT_EQ(answered, (std::vector<bool>{true, true, false, true, true, false}));
    auto journal = sim.journal();
    ASSERT_EQ(journal.size(), 7u);
    EXPECT_EQ(journal[0].why, "bad-community");
    EXPECT_EQ(journal[3].why, "dropped");
    EXPECT_EQ(journal[6].why, "dropped");
}

TEST(FaultTest, SetErrorRefusesThatObjectOnly) {
    SimProcess sim(
        {{}, {"--set-error", ".1.3.6.1.2.1.1.5=commitFailed", "--set-error", ".1.3.6.1.2.1.1.6.0=18"}});
    ASSERT_TRUE(sim.start()) << sim.lastError();
    std::string target = "-v2c -c grindel " + sim.address();
    EXPECT_THAT(snmp("snmpset", target + " " + kSysName + " s x"), HasSubstr("commitFailed"));
    EXPECT_THAT(snmp("snmpset", target + " .1.3.6.1.2.1.1.6.0 s x"), HasSubstr("inconsistentName"));
    EXPECT_THAT(snmp("snmpset", target + " .1.3.6.1.2.1.1.4.0 s x"), Not(HasSubstr("Error")));
    EXPECT_THAT(get(sim), HasSubstr("core-sw-1"));
    EXPECT_EQ(sim.journal()[0].errorStatus, "commitFailed");
}

TEST(FaultTest, BrokenGetNextCannotMakeAWalkLoop) {
    SimProcess sim({{}, {"--bad-next", ".1.3.6.1.2.1.2.2.1.2"}});
    ASSERT_TRUE(sim.start()) << sim.lastError();
    std::string walk = snmp("snmpwalk", "-v2c -c lumpet " + sim.address() + " .1.3.6.1.2.1.2.2.1.2");
    EXPECT_THAT(walk, HasSubstr("OID not increasing"));
    auto journal = sim.journal();
    ASSERT_GE(journal.size(), 1u);
    EXPECT_LE(journal.size(), 2u);
}

TEST(FaultTest, DropUnderLeavesThatSubtreeUnanswered) {
    SimProcess sim({{}, {"--drop-under", ".1.3.6.1.2.1.1.5"}});
    ASSERT_TRUE(sim.start()) << sim.lastError();
    EXPECT_THAT(get(sim), HasSubstr("Timeout"));
    const std::string target = "-t 0.3 -v2c -c lumpet " + sim.address();
    EXPECT_THAT(snmp("snmpget", target + " .1.3.6.1.2.1.1.6.0"), HasSubstr("Rack 4"));
    EXPECT_THAT(snmp("snmpgetnext", target + " .1.3.6.1.2.1.1.5"), HasSubstr("Timeout"));
    auto journal = sim.journal();
    ASSERT_EQ(journal.size(), 3u);
    EXPECT_EQ(journal[0].why, "dropped");
    EXPECT_EQ(journal[1].answer, "sent");
    EXPECT_EQ(journal[2].why, "dropped");
}

// An agent without the front-panel status object: it answers for it as for any object it lacks,
// and everything else as before; a walk passes over it.
TEST(FaultTest, WithoutLeavesTheSubtreeOutOfTheData) {
    const std::string panel = ".1.3.6.1.4.1.58613.11.113.1.6.3.1.1.1.2";
    SimProcess sim({{}, {"--without", panel, "--without", ".1.3.6.1.2.1.1.6"}});
    ASSERT_TRUE(sim.start()) << sim.lastError();
    const std::string target = "-t 0.3 -On -v2c -c lumpet " + sim.address();
    EXPECT_THAT(snmp("snmpget", target + " " + panel + ".1"), HasSubstr("No Such Object"));
    EXPECT_THAT(snmp("snmpget", target + " .1.3.6.1.2.1.1.6.0"), HasSubstr("No Such Object"));
    EXPECT_THAT(get(sim), HasSubstr("core-sw-1"));
    EXPECT_THAT(snmp("snmpgetnext", target + " " + panel), Not(HasSubstr(panel)));
    EXPECT_EQ(qs::test::runSimToExit({"--without", "x.y"}).exitCode, 2);
}

TEST(FaultTest, BadFaultOptionsStopStartUp) {
    for (const auto& args : std::vector<std::vector<std::string>>{{"--set-error", ".1.3.6=noSuchStatus"},
                                                                  {"--drop-every", "0"},
                                                                  {"--delay", "soon"},
                                                                  {"--bad-next", "x.y"}}) {
        auto result = qs::test::runSimToExit(args);
        EXPECT_EQ(result.exitCode, 2) << args[0];
        EXPECT_THAT(result.errorOutput, HasSubstr("krs-sim: ")) << args[0];
    }
}

} // namespace
