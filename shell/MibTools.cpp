#include "MibTools.h"

#include "ProgramLaunch.h"

namespace qs {

std::string BuildMibToolCommandLine(const std::string& topic, const std::string& address,
                                    const TToolArgs& args) {
    std::string program;
    if (const auto underscore = topic.find('_'); underscore != std::string::npos && underscore >= 2) {
        program = topic.substr(2, underscore - 2);
    }
    std::string command = program + " /I" + address;
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

void RunMibToolCommand(const std::string& topic, const std::string& extra, const std::string& address,
                       const TToolArgs& args) {
    try {
        LaunchProgram(BuildMibToolCommandLine(topic, address, args) + " " + extra);
    } catch (...) {
        // The platform's tools are outside the program: a failed launch changes nothing here.
    }
}

} // namespace qs
