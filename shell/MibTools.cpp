#include "MibTools.h"

#include "ProgramLaunch.h"

namespace qs {

std::string MibToolProgram(const std::string& topic) {
    if (const auto underscore = topic.find('_'); underscore != std::string::npos && underscore >= 2) {
        return topic.substr(2, underscore - 2);
    }
    return {};
}

std::string MibToolFailureText(const std::string& topic) {
    return "The program \"" + MibToolProgram(topic) + "\" could not be started.";
}

std::string BuildMibToolCommandLine(const std::string& topic, const std::string& address,
                                    const TToolArgs& args) {
    std::string command = MibToolProgram(topic) + " /I" + address;
    if (args.Version == "3") {
        command += " /t" + args.AgentPort + " /v" + args.Version + " /d" + args.ContextEngineID + " /m" +
                   args.SecurityModel + " /n" + args.SecurityName + " /l" + args.SecurityLevel + " /a" +
                   args.AuthProtocol + " /p" + args.PrivProtocol + " /A" + args.AuthPassword + " /P" +
                   args.PrivPassword + " /c" + args.ContextName;
    } else {
        command += " /R" + args.ReadCommunity + " /W" + args.WriteCommunity;
    }
    return command + " " + topic;
}

bool RunMibToolCommand(const std::string& topic, const std::string& extra, const std::string& address,
                       const TToolArgs& args) {
    try {
        return LaunchProgram(BuildMibToolCommandLine(topic, address, args) + " " + extra);
    } catch (...) {
        return false; // the platform's tools are outside the program: nothing here changes
    }
}

} // namespace qs
