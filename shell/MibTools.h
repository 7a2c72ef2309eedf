// Command lines of the management platform's external MIB tools. A topic such as
// "/TRmon_History" names the program ("Rmon", between "/T" and the first "_") and is passed to
// it as the last switch.
#pragma once

#include "ToolArgs.h"

#include <string>

namespace qs {

// The tool's command line without the trailing extra part: program, " /I" address, then the
// SNMPv3 switches when the settings file said version "3", else the communities, then " " topic.
// Values are inserted as they are: no quoting, an empty value leaves its switch bare.
std::string BuildMibToolCommandLine(const std::string& topic, const std::string& address,
                                    const TToolArgs& args);

// The program a topic names: "Rmon" for "/TRmon_History"; empty without "_".
std::string MibToolProgram(const std::string& topic);

// The message shown when the tool could not be started.
std::string MibToolFailureText(const std::string& topic);

// Builds the command line, appends " " and extra, and starts the tool without waiting for it.
// False when the tool is missing or could not be started; nothing is raised.
bool RunMibToolCommand(const std::string& topic, const std::string& extra, const std::string& address,
                       const TToolArgs& args);

} // namespace qs
