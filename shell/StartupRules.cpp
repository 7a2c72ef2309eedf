#include "StartupRules.h"

#include "FilePath.h"
#include "MessageTable.h"
#include "QsIni.h"
#include "QsSNMPTarget.h"
#include "Registry.h"
#include "StrToInt.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

namespace qs {
namespace {

const char* const kModuleKey = "\\SOFTWARE\\Torvik\\Modules\\HelpPath";
const char* const kModuleValue = "1.3.6.1.4.1.58613.10.113.1.6";
const char* const kExePathKey = "\\SOFTWARE\\Torvik\\Panorix5.1\\ExePath";
const char* const kMibFileKey = "\\SOFTWARE\\Torvik\\Panorix5.1\\MibFile";
const char* const kSection = "Program Information";

// Switches in the order they are tested; the ones after "/v" count only for SNMPv3.
const char kSwitches[] = {'R', 'W', 'v', 't', 'c', 'd', 'm', 'l', 'n', 'A', 'P', 'a', 'p'};
constexpr std::size_t kCommunitySwitches = 3;

std::string Unsigned(int n) {
    return std::to_string(static_cast<std::uint32_t>(n));
}

bool IsV3(const TToolArgs& args) {
    return args.Version == "3" || DefaultSecurity.version == 3;
}

} // namespace

std::size_t SecretValueStart(const std::string& parameter) {
    if (parameter.find("/I") != std::string::npos) {
        return std::string::npos;
    }
    for (const char which : kSwitches) {
        if (const auto at = parameter.find(std::string("/") + which); at != std::string::npos) {
            const bool secret = which == 'R' || which == 'W' || which == 'A' || which == 'P';
            return secret ? at + 2 : std::string::npos;
        }
    }
    return std::string::npos;
}

void HideSecretArguments(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string parameter = argv[i];
        if (const std::size_t at = SecretValueStart(parameter); at != std::string::npos) {
            std::fill(argv[i] + at, argv[i] + parameter.size(), '*');
        }
    }
}

std::string ReadModuleDirectory() {
    try {
        auto key = RegistryKey::Open(kModuleKey, true);
        if (!key) {
            return {};
        }
        const std::string value = key->ReadString(kModuleValue);
        return value.size() <= 12 ? std::string() : value.substr(0, value.size() - 12);
    } catch (...) {
        return {};
    }
}

void LoadMessageFiles(const std::string& dir) {
    LoadMessageTable(CommonErrTable(), dir + "errmsg\\common.err");
    LoadMessageTable(SnmpErrTable(), dir + "errmsg\\snmp.err");
    LoadMessageTable(SnmpV3ErrTable(), dir + "errmsg\\snmpv3.err");
    LoadMessageTable(SnmpUsmErrTable(), dir + "errmsg\\snmpusm.err");
    LoadMessageTable(SnmpClassErrTable(), dir + "errmsg\\snmpclass.err");
    LoadMessageTable(QsSnmpErrTable(), dir + "errmsg\\qssnmp.err");
    LoadMessageTable(SnmpMsgTable(), dir + "errmsg\\snmp.msg");
}

std::string ReadConfigDirectory() {
    std::string dir;
    if (auto exe = RegistryKey::Open(kExePathKey, false)) {
        dir = exe->ReadString("Path") + "..\\Conf\\MBF\\";
    }
    if (auto mib = RegistryKey::Open(kMibFileKey, false)) {
        dir = mib->ReadString("Path");
    }
    return dir;
}

std::string CommandLineRules::SettingsFileName() const {
    return configDirectory_ + deviceAddress_ + ".cfg";
}

void CommandLineRules::Apply(const std::string& parameter) {
    if (const auto at = parameter.find("/I"); at != std::string::npos) {
        deviceAddress_ = parameter.substr(at + 2);
        DefaultDevice.host = deviceAddress_;
        return;
    }
    ReadSettingsFile();
    ApplySwitch(parameter);
}

void CommandLineRules::ReadSettingsFile() {
    // With no configuration directory the name is relative to the working directory.
    const std::string file = SettingsFileName();
    std::error_code ec;
    if (std::filesystem::is_regular_file(NativePath(file), ec)) {
        ApplySettingsKeys(file);
    }
}

void CommandLineRules::ApplySettingsKeys(const std::string& file) {
    const QsIni ini(file);
    auto read = [&](const char* key) { return ini.ReadString(kSection, key, ""); };

    DefaultDevice.port = static_cast<std::uint16_t>(StrToInt(read("AgentPort")));
    toolArgs_.AgentPort = std::to_string(DefaultDevice.port);
    const std::string version = read("Version");
    DefaultSecurity.version = static_cast<std::uint8_t>(StrToInt(version));
    toolArgs_.Version = version;
    if (const std::string name = read("ContextName"); !name.empty()) {
        DefaultScope.contextName = name;
        toolArgs_.ContextName = name;
    }
    DefaultScope.contextEngineId = toolArgs_.ContextEngineID = read("ContextEngineID");
    DefaultSecurity.securityModel = StrToInt(read("SecurityModel"));
    toolArgs_.SecurityModel = std::to_string(DefaultSecurity.securityModel);
    if (const std::string level = read("SecurityLevel"); level != "0") {
        DefaultSecurity.securityLevel = StrToInt(level) + 1;
        toolArgs_.SecurityLevel = std::to_string(DefaultSecurity.securityLevel);
    }
    DefaultSecurity.securityName = toolArgs_.SecurityName = read("SecurityName");
    if (const std::string auth = read("AuthProtocol"); auth != "0") {
        DefaultSecurity.authProtocol = StrToInt(auth) + 1;
        toolArgs_.AuthProtocol = Unsigned(DefaultSecurity.authProtocol);
    }
    if (const std::string priv = read("PrivProtocol"); priv != "0") {
        DefaultSecurity.privProtocol = StrToInt(priv) + 1;
        toolArgs_.PrivProtocol = Unsigned(DefaultSecurity.privProtocol);
    }
    if (const std::string pass = read("AuthPassword"); !pass.empty()) {
        DefaultSecurity.authPassPhrase = toolArgs_.AuthPassword = pass;
    }
    if (const std::string pass = read("PrivPassword"); !pass.empty()) {
        DefaultSecurity.privPassPhrase = toolArgs_.PrivPassword = pass;
    }
}

bool CommandLineRules::ApplySwitch(const std::string& parameter) {
    const std::size_t tested = IsV3(toolArgs_) ? std::size(kSwitches) : kCommunitySwitches;
    for (std::size_t i = 0; i < tested; ++i) {
        const std::string name = std::string("/") + kSwitches[i];
        if (const auto at = parameter.find(name); at != std::string::npos) {
            const std::string value = parameter.substr(at + 2);
            if (i < kCommunitySwitches) {
                SetSwitchValue(kSwitches[i], value);
            } else {
                SetV3SwitchValue(kSwitches[i], value);
            }
            return true;
        }
    }
    return false;
}

void CommandLineRules::SetSwitchValue(char which, const std::string& value) {
    switch (which) {
    case 'R':
        DefaultSecurity.readCommunity = toolArgs_.ReadCommunity = value;
        break;
    case 'W':
        DefaultSecurity.writeCommunity = toolArgs_.WriteCommunity = value;
        break;
    default: // 'v': the tools' Version text holds only what the settings file said
        DefaultSecurity.version = static_cast<std::uint8_t>(StrToInt(value));
        break;
    }
}

void CommandLineRules::SetV3SwitchValue(char which, const std::string& value) {
    switch (which) {
    case 't':
        DefaultDevice.port = static_cast<std::uint16_t>(StrToInt(value));
        toolArgs_.AgentPort = std::to_string(DefaultDevice.port);
        break;
    case 'c':
        DefaultScope.contextName = value;
        if (!value.empty()) {
            toolArgs_.ContextName = value;
        }
        break;
    case 'd':
        DefaultScope.contextEngineId = toolArgs_.ContextEngineID = value;
        break;
    case 'm':
        DefaultSecurity.securityModel = StrToInt(value);
        toolArgs_.SecurityModel = std::to_string(DefaultSecurity.securityModel);
        break;
    case 'l':
        DefaultSecurity.securityLevel = StrToInt(value);
        if (DefaultSecurity.securityLevel != 0) {
            toolArgs_.SecurityLevel = std::to_string(DefaultSecurity.securityLevel);
        }
        break;
    case 'n':
        DefaultSecurity.securityName = toolArgs_.SecurityName = value;
        break;
    case 'A':
        DefaultSecurity.authPassPhrase = value;
        if (!value.empty()) {
            toolArgs_.AuthPassword = value;
        }
        break;
    case 'P':
        DefaultSecurity.privPassPhrase = value;
        if (!value.empty()) {
            toolArgs_.PrivPassword = value;
        }
        break;
    case 'a':
        DefaultSecurity.authProtocol = StrToInt(value);
        if (toolArgs_.AuthProtocol != "0") {
            toolArgs_.AuthProtocol = Unsigned(DefaultSecurity.authProtocol);
        }
        break;
    default: // 'p'
        DefaultSecurity.privProtocol = StrToInt(value);
        if (toolArgs_.PrivProtocol != "0") {
            toolArgs_.PrivProtocol = Unsigned(DefaultSecurity.privProtocol);
        }
        break;
    }
}

} // namespace qs
