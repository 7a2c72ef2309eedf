#include "SimProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace qs::test {
namespace {

constexpr int kStartTimeoutMs = 10000;

std::string withFolder(std::string arg, const std::string& folder) {
    for (auto at = arg.find("{folder}"); at != std::string::npos;
         at = arg.find("{folder}", at + folder.size())) {
        arg.replace(at, 8, folder);
    }
    return arg;
}

// Reads until a newline, the end of the stream or the deadline.
std::string readLine(int fd, int timeoutMs) {
    std::string line;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (line.find('\n') == std::string::npos) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline -
                                                                          std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        char buf[256];
        auto n = read(fd, buf, sizeof buf);
        if (n <= 0) {
            break;
        }
        line.append(buf, static_cast<std::size_t>(n));
    }
    return line;
}

// Starts the agent with its standard output on `stdoutFd` and its standard error in a file.
// The agent gets SIGTERM when the test process dies, so a crashed test leaves no agent behind.
pid_t spawn(const std::vector<std::string>& args, int stdoutFd, const std::string& stderrPath) {
    std::vector<char*> argv;
    for (const auto& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    pid_t parent = getpid();
    pid_t pid = fork();
    if (pid != 0) {
        return pid;
    }
    // Child: only async-signal-safe calls from here on.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    int in = open("/dev/null", O_RDONLY);
    int err = open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (getppid() != parent || in < 0 || err < 0 || dup2(in, STDIN_FILENO) < 0 ||
        dup2(stdoutFd, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0) {
        _exit(127);
    }
    execv(argv[0], argv.data());
    _exit(127);
}

int waitExit(pid_t pid, int timeoutMs) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

std::string simExecutable() {
    return KRS_SIM_EXECUTABLE;
}
std::string defaultSimData() {
    return KRS_SIM_DEFAULT_DATA;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "krs-sim-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data())) {
        path_ = buffer.data();
    }
}

TempFolder::~TempFolder() {
    if (!path_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
}

SimProcess::SimProcess(SimOptions options) : options_(std::move(options)) {}

SimProcess::~SimProcess() {
    stop();
}

bool SimProcess::start() {
    std::vector<std::string> args{simExecutable(), "--port", "0", "--data",
                                  options_.dataFile.empty() ? defaultSimData() : options_.dataFile};
    if (options_.journal) {
        args.insert(args.end(), {"--journal", journalPath()});
    }
    for (const auto& arg : options_.args) {
        args.push_back(withFolder(arg, folder()));
    }
    int fds[2];
    if (folder().empty() || pipe2(fds, O_CLOEXEC) != 0) {
        lastError_ = "cannot prepare the agent's folder or pipe";
        return false;
    }
    pid_ = spawn(args, fds[1], folder() + "/stderr.txt");
    close(fds[1]);
    std::string line = pid_ > 0 ? readLine(fds[0], kStartTimeoutMs) : "";
    close(fds[0]);
    int port = std::atoi(line.c_str());
    if (port <= 0 || port > 65535) {
        stop();
        lastError_ = "krs-sim did not start: " + errorOutput();
        return false;
    }
    port_ = static_cast<std::uint16_t>(port);
    return true;
}

int SimProcess::stop() {
    if (pid_ <= 0) {
        return -1;
    }
    kill(pid_, SIGTERM);
    kill(pid_, SIGCONT); // a paused agent ends at once instead of after the SIGKILL wait
    int code = waitExit(pid_, 5000);
    pid_ = -1;
    return code;
}

bool SimProcess::pause() {
    return pid_ > 0 && kill(pid_, SIGSTOP) == 0;
}

bool SimProcess::resume() {
    return pid_ > 0 && kill(pid_, SIGCONT) == 0;
}

std::string SimProcess::address() const {
    return "127.0.0.1:" + std::to_string(port_);
}

std::string SimProcess::journalPath() const {
    return folder() + "/journal.jsonl";
}

std::vector<std::string> SimProcess::journalLines() const {
    std::vector<std::string> lines;
    std::ifstream in(journalPath());
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<JournalRecord> SimProcess::journal() const {
    std::vector<JournalRecord> records;
    for (const auto& line : journalLines()) {
        JournalRecord record;
        if (parseJournalLine(line, record)) {
            records.push_back(std::move(record));
        }
    }
    return records;
}

std::string SimProcess::errorOutput() const {
    return readFile(folder() + "/stderr.txt");
}

SimRunResult runSimToExit(const std::vector<std::string>& args, int timeoutMs) {
    SimRunResult result;
    TempFolder folder;
    std::vector<std::string> argv{simExecutable()};
    argv.insert(argv.end(), args.begin(), args.end());
    int fds[2];
    if (folder.path().empty() || pipe2(fds, O_CLOEXEC) != 0) {
        return result;
    }
    pid_t pid = spawn(argv, fds[1], folder.path() + "/stderr.txt");
    close(fds[1]);
    if (pid > 0) {
        result.output = readLine(fds[0], timeoutMs);
        result.exitCode = waitExit(pid, timeoutMs);
    }
    close(fds[0]);
    result.errorOutput = readFile(folder.path() + "/stderr.txt");
    return result;
}

std::vector<std::string> SetSummaries(const std::vector<JournalRecord>& records, std::size_t from,
                                      const std::string& oidPrefix) {
    std::vector<std::string> out;
    for (std::size_t i = from; i < records.size(); ++i) {
        if (records[i].pdu != "set") {
            continue;
        }
        std::string text;
        for (const JournalVarBind& vb : records[i].varbinds) {
            const bool prefixed = vb.oid.rfind(oidPrefix, 0) == 0;
            text += (text.empty() ? "" : " ") + (prefixed ? vb.oid.substr(oidPrefix.size()) : vb.oid) + "=" +
                    vb.type + ":" + vb.value;
        }
        out.push_back(text);
    }
    return out;
}

} // namespace qs::test
