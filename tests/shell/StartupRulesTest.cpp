#include "StartupRules.h"

#include "MessageTable.h"
#include "MibTools.h"
#include "QsSNMPTarget.h"
#include "RecordingTool.h"
#include "StrToInt.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

using Params = std::vector<std::string>;

class StartupRules : public testing::Test {
protected:
    void SetUp() override {
        DefaultDevice = QsSNMPDevice{"127.0.0.1", 161};
        DefaultScope = QsSNMPScope{};
        DefaultSecurity = QsSNMPSecurity{};
        DefaultSecurity.readCommunity = "lumpet";
        DefaultSecurity.writeCommunity = "grindel";
        DefaultSecurity.securityModel = DefaultSecurity.securityLevel = 1;
        DefaultSecurity.authProtocol = DefaultSecurity.privProtocol = 1;
        setenv("KRS_REGISTRY_FILE", dir.Path("registry.ini").c_str(), 1);
    }
    void TearDown() override { unsetenv("KRS_REGISTRY_FILE"); }

    // Writes a settings file for the deviceAddress, with the keys every file must hold.
    void Settings(const std::string& addr, const std::string& extra, const std::string& version = "0") {
        dir.Write("conf/" + addr + ".cfg", "[Program Information]\nAgentPort=161\nVersion=" + version +
                                               "\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\n"
                                               "PrivProtocol=0\n" +
                                               extra);
    }
    void Run(const Params& params) {
        qs::CommandLineRules rules(dir.Dir() + "/conf/", deviceAddress, args);
        for (const std::string& p : params) {
            rules.Apply(p);
        }
    }

    qs::test::TempDir dir;
    std::string deviceAddress;
    TToolArgs args;
};

TEST_F(StartupRules, AddressIsTakenFromAnywhereInTheParameter) {
    Run({"x/I10.0.0.5"});
    EXPECT_EQ(deviceAddress, "10.0.0.5");
    EXPECT_EQ(DefaultDevice.host, "10.0.0.5");
    Run({"/Rab/Icd"});
    EXPECT_EQ(deviceAddress, "cd");
    EXPECT_EQ(DefaultSecurity.readCommunity, "lumpet");
}

TEST_F(StartupRules, CommunitiesAndVersionFromSwitches) {
    Run({"/I10.0.0.5", "/Rpub", "/Wpriv", "/v1"});
    EXPECT_EQ(DefaultSecurity.readCommunity, "pub");
    EXPECT_EQ(DefaultSecurity.writeCommunity, "priv");
    EXPECT_EQ(DefaultSecurity.version, 1);
    EXPECT_EQ(args.ReadCommunity, "pub");
    EXPECT_EQ(args.Version, ""); // the tools' text holds only the file's version
}

TEST_F(StartupRules, SettingsFileIsReadAgainBeforeEveryParameter) {
    Settings("10.0.0.5", "", "1");
    Run({"/I10.0.0.5", "/v3", "/Rx"});
    EXPECT_EQ(DefaultSecurity.version, 1);
    Run({"/I10.0.0.5", "/Rx", "/v3"});
    EXPECT_EQ(DefaultSecurity.version, 3);
}

TEST_F(StartupRules, ParametersBeforeTheAddressReadTheNamelessFile) {
    Settings("", "", "1");
    Run({"/Rx", "/I10.0.0.5"});
    EXPECT_EQ(DefaultSecurity.version, 1);
    EXPECT_EQ(args.Version, "1");
}

TEST_F(StartupRules, PortKeepsItsLowSixteenBits) {
    dir.Write("conf/10.0.0.5.cfg", "[program information]\nagentport=70000\nVersion=3\nSecurityModel=3\n"
                                   "SecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n");
    Run({"/I10.0.0.5", "/Rx"});
    EXPECT_EQ(DefaultDevice.port, 4464);
    EXPECT_EQ(args.AgentPort, "4464");
}

TEST_F(StartupRules, FileCountsLevelAndProtocolsFromZero) {
    Settings("a", "SecurityName=admin\nAuthPassword=authpass1\nContextName=ctx\n", "3");
    std::string file = dir.Read("conf/a.cfg");
    file.replace(file.find("SecurityLevel=0"), 15, "SecurityLevel=2");
    file.replace(file.find("AuthProtocol=0"), 14, "AuthProtocol=1");
    dir.Write("conf/a.cfg", file);
    Run({"/Ia", "/Rx"});
    EXPECT_EQ(DefaultSecurity.securityLevel, 3);
    EXPECT_EQ(DefaultSecurity.authProtocol, 2);
    EXPECT_EQ(DefaultSecurity.privProtocol, 1); // "0" keeps the framework's default
    EXPECT_EQ(args.SecurityLevel, "3");
    EXPECT_EQ(args.AuthProtocol, "2");
    EXPECT_EQ(args.PrivProtocol, "");
    EXPECT_EQ(DefaultSecurity.securityName, "admin");
    EXPECT_EQ(DefaultScope.contextName, "ctx");
}

TEST_F(StartupRules, V3SwitchesCountOnlyForSnmpV3) {
    Run({"/I1.2.3.4", "/nadmin", "/l2"});
    EXPECT_EQ(DefaultSecurity.securityName, "");
    EXPECT_EQ(DefaultSecurity.securityLevel, 1);
    Run({"/v3", "/nadmin", "/l2", "/t1161", "/l0"});
    EXPECT_EQ(DefaultSecurity.securityName, "admin");
    EXPECT_EQ(DefaultSecurity.securityLevel, 0);
    EXPECT_EQ(args.SecurityLevel, "2"); // "/l0" leaves the text
    EXPECT_EQ(DefaultDevice.port, 1161);
}

TEST_F(StartupRules, FirstSwitchOfTheTableWins) {
    Run({"/I1.2.3.4", "/v3"});
    // "/v" comes before "/A" in the table, so this is a version that does not convert.
    try {
        Run({"/Aab/vc"});
        ADD_FAILURE() << "no conversion error";
    } catch (const qs::EConvertError& e) {
        EXPECT_STREQ(e.what(), "'c' is not a valid integer value");
    }
    EXPECT_EQ(DefaultSecurity.authPassPhrase, "");
}

TEST_F(StartupRules, ConversionErrorsNameTheText) {
    struct Case {
        Params params;
        std::string settings;
        const char* message;
    };
    const Case cases[] = {
        {{"/Ia", "/vthree"}, "", "'three' is not a valid integer value"},
        {{"/Ia", "/Rx"}, "[Program Information]\nAgentPort=abc\n", "'abc' is not a valid integer value"},
        {{"/Ia", "/Rx"}, "[Program Information]\nAgentPort=161\n", "'' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        if (!c.settings.empty()) {
            dir.Write("conf/a.cfg", c.settings);
        }
        try {
            Run(c.params);
            ADD_FAILURE() << c.message;
        } catch (const qs::EConvertError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST_F(StartupRules, DirectoriesComeFromTheRegistry) {
    EXPECT_EQ(qs::ReadConfigDirectory(), "");
    EXPECT_EQ(qs::ReadModuleDirectory(), "");
    dir.Write("registry.ini",
              "[HKEY_LOCAL_MACHINE]\n"
              "SOFTWARE\\Torvik\\Modules\\HelpPath\\1.3.6.1.4.1.58613.10.113.1.6=/opt/krs/mod/"
              "ModuleXY.dll\n"
              "SOFTWARE\\Torvik\\Panorix5.1\\ExePath\\Path=/opt/panorix/bin/\n");
    EXPECT_EQ(qs::ReadModuleDirectory(), "/opt/krs/mod/"); // less "ModuleXY.dll"
    EXPECT_EQ(qs::ReadConfigDirectory(), "/opt/panorix/bin/..\\Conf\\MBF\\");
    dir.Write("registry.ini",
              dir.Read("registry.ini") + "SOFTWARE\\Torvik\\Panorix5.1\\MibFile\\Path=/etc/mbf/\n");
    EXPECT_EQ(qs::ReadConfigDirectory(), "/etc/mbf/");
}

TEST_F(StartupRules, MessageFilesReplaceTheBuiltInTables) {
    const std::string builtIn = SnmpMsgTable().Text(0);
    dir.Write("mod/errmsg/snmp.msg", "Read: [ERROR]\r\n\r\nWrite: [ERROR]\r\n");
    qs::LoadMessageFiles(dir.Dir() + "/mod"); // no separator: nothing is found
    EXPECT_EQ(SnmpMsgTable().Text(0), builtIn);
    qs::LoadMessageFiles(dir.Dir() + "/mod/");
    EXPECT_EQ(SnmpMsgTable().Text(0), "Read: [ERROR]");
    EXPECT_EQ(SnmpMsgTable().Text(1), "Write: [ERROR]");
    SnmpMsgTable().RestoreBuiltIn();
}

// The external tools get the connection as the settings file describes it.
TEST_F(StartupRules, ToolsGetTheSettingsOfTheDevice) {
    struct Case {
        const char* settings;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {"AgentPort=161\nVersion=0\nSecurityModel=1\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n",
         {"/I10.0.0.5", "/Rpub", "/Wpriv", "/TRmon_History"}},
        {"AgentPort=1161\nVersion=3\nSecurityModel=3\nSecurityLevel=2\nAuthProtocol=1\nPrivProtocol=1\n"
         "SecurityName=admin\nAuthPassword=authpass1\nPrivPassword=privpass1\nContextName=ctx\n"
         "ContextEngineID=eng\n",
         {"/I10.0.0.5", "/t1161", "/v3", "/deng", "/m3", "/nadmin", "/l3", "/a2", "/p2", "/Aauthpass1",
          "/Pprivpass1", "/cctx", "/TRmon_History"}},
    };
    for (const Case& c : cases) {
        args = TToolArgs{};
        dir.Write("conf/10.0.0.5.cfg", std::string("[Program Information]\n") + c.settings);
        Run({"/I10.0.0.5", "/Rpub", "/Wpriv"});
        qs::test::RecordingTool tool("Rmon");
        qs::RunMibToolCommand("/TRmon_History", "", deviceAddress, args);
        EXPECT_EQ(tool.waitForArguments(), c.arguments);
    }
}

TEST(StrToInt, ConvertsDecimalAndHexadecimal) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {{"161", true, 161},
                          {" 7", true, 7},
                          {"-12", true, -12},
                          {"$1F", true, 31},
                          {"0x10", true, 16},
                          {"0xFFFFFFFF", true, -1},
                          {"2147483647", true, 2147483647},
                          {"2147483648", false, 0},
                          {"", false, 0},
                          {"12 ", false, 0},
                          {"1a", false, 0},
                          {"$", false, 0}};
    for (const Case& c : cases) {
        if (c.ok) {
            EXPECT_EQ(qs::StrToInt(c.text), c.value) << c.text;
        } else {
            EXPECT_THROW(qs::StrToInt(c.text), qs::EConvertError) << c.text;
        }
    }
}

// The secrets leave the argument vector by the rules that apply the parameters: the address
// parameter and the first switch found decide.
TEST(SecretArguments, CommunitiesAndPassPhrasesAreOverwrittenNothingElse) {
    struct Case {
        const char* parameter;
        const char* shown;
    };
    const Case cases[] = {
        {"/Rpublic", "/R******"},
        {"/Wprivate", "/W*******"},
        {"/Aauthpass1", "/A*********"},
        {"x/Ppriv", "x/P****"},
        {"/v3", "/v3"},
        {"/I10.0.0.5", "/I10.0.0.5"},
        {"/Rab/Icd", "/Rab/Icd"},
        {"/nadmin/Ax", "/nadmin/Ax"},
        {"/A/Rsecret", "/A/R******"},
        {"/R", "/R"},
        {"plain", "plain"},
    };
    std::vector<std::string> texts{"krs-manager"};
    for (const Case& c : cases) {
        texts.emplace_back(c.parameter);
    }
    std::vector<char*> argv;
    for (std::string& t : texts) {
        argv.push_back(t.data());
    }
    qs::HideSecretArguments(static_cast<int>(argv.size()), argv.data());
    EXPECT_STREQ(argv[0], "krs-manager");
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_STREQ(argv[i + 1], cases[i].shown) << cases[i].parameter;
    }
}

} // namespace
