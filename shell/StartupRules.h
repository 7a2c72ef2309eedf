// What start-up reads before the main window shows: the module and configuration directories
// from the registry, the replaceable message files, and the command line with the per-device
// settings file, which together fill the framework's default target.
#pragma once

#include "ToolArgs.h"

#include <cstddef>
#include <string>

namespace qs {

// The module directory: the registry value named by the model's sysObjectID, less its last 12
// characters. Creates the module key when it is missing; never raises.
std::string ReadModuleDirectory();

// Loads the seven message files from the module directory (the names are appended directly).
void LoadMessageFiles(const std::string& moduleDirectory);

// The configuration directory: ExePath's "Path" + "..\Conf\MBF\", replaced by MibFile's "Path"
// when that key exists; empty when neither does.
std::string ReadConfigDirectory();

// Where the secret in a command-line parameter starts: the value of a community ("/R", "/W") or a
// pass phrase ("/A", "/P") switch, by the same rules that apply it (the address parameter and
// the first switch found count); npos when the parameter holds none.
std::size_t SecretValueStart(const std::string& parameter);

// Overwrites the secrets of the program's own argument vector, so the process list shows none.
void HideSecretArguments(int argc, char** argv);

// Applies the command line, parameter by parameter, to the default target, the device address
// and the tools' texts. Raises EConvertError on a number that does not convert.
class CommandLineRules {
public:
    CommandLineRules(std::string configDirectory, std::string& deviceAddress, TToolArgs& toolArgs)
        : configDirectory_(std::move(configDirectory)), deviceAddress_(deviceAddress), toolArgs_(toolArgs) {}

    void Apply(const std::string& parameter);

    // The device settings file of the current device address.
    std::string SettingsFileName() const;

private:
    void ReadSettingsFile();
    void ApplySettingsKeys(const std::string& file);
    bool ApplySwitch(const std::string& parameter);
    void SetSwitchValue(char which, const std::string& value);
    void SetV3SwitchValue(char which, const std::string& value);

    std::string configDirectory_;
    std::string& deviceAddress_;
    TToolArgs& toolArgs_;
};

} // namespace qs
