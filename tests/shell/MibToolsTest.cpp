#include "MibTools.h"

#include "RecordingTool.h"

#include <gtest/gtest.h>

namespace {

TToolArgs CommunityArgs() {
    TToolArgs a;
    a.ReadCommunity = "pub";
    a.WriteCommunity = "priv";
    a.Version = "1";
    return a;
}

TToolArgs V3Args() {
    TToolArgs a = CommunityArgs();
    a.Version = "3";
    a.AgentPort = "1161";
    a.ContextEngineID = "eng";
    a.SecurityModel = "3";
    a.SecurityName = "admin";
    a.SecurityLevel = "3";
    a.AuthProtocol = "2";
    a.PrivProtocol = "2";
    a.AuthPassword = "authpass1";
    a.PrivPassword = "privpass1";
    a.ContextName = "ctx";
    return a;
}

TEST(MibToolCommand, BuildsTheCommandLineOfEachForm) {
    struct Case {
        const char* topic;
        TToolArgs args;
        const char* line;
    };
    TToolArgs emptyV3;
    emptyV3.Version = "3";
    TToolArgs v3BySwitchOnly = CommunityArgs();
    v3BySwitchOnly.Version = "";
    const Case cases[] = {
        {"/TMIB_IFTable", CommunityArgs(), "MIB /I10.0.0.5 /Rpub /Wpriv /TMIB_IFTable"},
        {"/TRmon_History", V3Args(),
         "Rmon /I10.0.0.5 /t1161 /v3 /deng /m3 /nadmin /l3 /a2 /p2 /Aauthpass1 /Pprivpass1 /cctx "
         "/TRmon_History"},
        {"/TBridge_Forwarding", emptyV3,
         "Bridge /I10.0.0.5 /t /v3 /d /m /n /l /a /p /A /P /c /TBridge_Forwarding"},
        {"/TIFMib_LastChangeTable", v3BySwitchOnly, "IFMib /I10.0.0.5 /Rpub /Wpriv /TIFMib_LastChangeTable"},
        {"/TNoUnderscore", CommunityArgs(), " /I10.0.0.5 /Rpub /Wpriv /TNoUnderscore"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(qs::BuildMibToolCommandLine(c.topic, "10.0.0.5", c.args), c.line) << c.topic;
    }
}

TEST(MibToolCommand, StartsTheToolWithItsArgumentsSplitAtBlanks) {
    qs::test::RecordingTool tool("EntityMIB");
    TToolArgs args = CommunityArgs();
    args.ReadCommunity = "two words";
    qs::RunMibToolCommand("/TEntityMIB_Physical", "", "10.0.0.5", args);
    EXPECT_EQ(tool.waitForArguments(),
              (std::vector<std::string>{"/I10.0.0.5", "/Rtwo", "words", "/Wpriv", "/TEntityMIB_Physical"}));
}

TEST(MibToolCommand, MissingToolIsReportedNotRaised) {
    EXPECT_FALSE(qs::RunMibToolCommand("/TNoSuchTool_X", "", "10.0.0.5", CommunityArgs()));
    EXPECT_EQ(qs::MibToolFailureText("/TNoSuchTool_X"), "The program \"NoSuchTool\" could not be started.");
}

} // namespace
