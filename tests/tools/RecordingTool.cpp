#include "RecordingTool.h"

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include <cstdlib>

namespace qs::test {

RecordingTool::RecordingTool(const std::string& program) {
    dir_.Write(program, "#!/bin/sh\n"
                        "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname \"$0\")/record.tmp\"\n"
                        "mv \"$(dirname \"$0\")/record.tmp\" \"$(dirname \"$0\")/record\"\n");
    std::filesystem::permissions(dir_.Path(program), std::filesystem::perms::owner_all);
    const char* path = std::getenv("PATH");
    oldPath_ = path != nullptr ? path : "";
    setenv("PATH", (dir_.Dir() + ":" + oldPath_).c_str(), 1);
}

RecordingTool::~RecordingTool() {
    setenv("PATH", oldPath_.c_str(), 1);
}

std::vector<std::string> RecordingTool::waitForArguments(int timeoutMs) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!std::filesystem::exists(dir_.Path("record"))) {
        if (std::chrono::steady_clock::now() > deadline) {
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::vector<std::string> args;
    std::istringstream lines(dir_.Read("record"));
    for (std::string line; std::getline(lines, line);) {
        args.push_back(line);
    }
    return args;
}

} // namespace qs::test
