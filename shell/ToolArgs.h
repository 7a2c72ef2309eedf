// The connection settings in the text form the external MIB tools receive them in. Start-up
// fills them from the command line and the device settings file; they are read only when a
// tool is launched.
#pragma once

#include <string>

struct TToolArgs {
    std::string ReadCommunity;
    std::string WriteCommunity;
    std::string AgentPort;
    std::string Version;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    std::string AuthProtocol;
    std::string PrivProtocol;
    std::string ContextEngineID;
    std::string SecurityLevel;
    std::string ContextName;
    std::string SecurityModel;
};
