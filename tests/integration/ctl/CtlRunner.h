// Runs vekora-ctl as a separate process with its own settings and data folders, and reads
// what it printed and its exit status.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace vekora::testing {

struct CtlResult {
    int status = -1;
    std::string out;
    std::string err;
};

class CtlRunner {
public:
    // A fresh home: settings (English texts) and data folders of its own.
    CtlRunner() {
        home_ = std::filesystem::temp_directory_path() /
                ("vekora-ctl-it-" + std::to_string(getpid()) + "-" + std::to_string(++counter_));
        std::filesystem::remove_all(home_);
        std::filesystem::create_directories(home_ / "config" / "Vekora Control Hub");
        std::filesystem::create_directories(home_ / "data");
        std::filesystem::create_directories(home_ / "runtime");
        env_["XDG_CONFIG_HOME"] = (home_ / "config").string();
        env_["XDG_DATA_HOME"] = (home_ / "data").string();
        env_["XDG_RUNTIME_DIR"] = (home_ / "runtime").string();
        env_["LANG"] = "C";
        Run({"language", "1033"});
    }
    ~CtlRunner() { std::filesystem::remove_all(home_); }

    const std::filesystem::path& Home() const { return home_; }
    // Sets (or, with an empty value, removes) a variable of the tool's environment.
    void SetEnv(const std::string& name, const std::string& value) { env_[name] = value; }

    // Run the tool as the unprivileged user "nobody" (only possible when the tests run as
    // root), for checks of what an ordinary user may open.
    void RunAsNobody(bool on) { nobody_ = on; }

    // Starts the tool; Wait() collects it. Lets a test run two at once.
    pid_t Start(const std::vector<std::string>& args) {
        int out[2], err[2];
        if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) {
            return -1;
        }
        const pid_t pid = fork();
        if (pid == 0) {
            dup2(out[1], 1);
            dup2(err[1], 2);
            for (const auto& [name, value] : env_) {
                if (value.empty()) {
                    unsetenv(name.c_str());
                } else {
                    setenv(name.c_str(), value.c_str(), 1);
                }
            }
            if (nobody_ && (setgid(65534) != 0 || setuid(65534) != 0)) {
                _exit(126);
            }
            std::vector<std::string> all = {VEKORA_CTL_PROGRAM};
            all.insert(all.end(), args.begin(), args.end());
            std::vector<char*> argv;
            for (auto& a : all) {
                argv.push_back(a.data());
            }
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(out[1]);
        close(err[1]);
        running_[pid] = {out[0], err[0]};
        return pid;
    }

    CtlResult Wait(pid_t pid) {
        CtlResult result;
        auto [outFd, errFd] = running_[pid];
        running_.erase(pid);
        pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
        int open = 2;
        while (open > 0 && poll(fds, 2, 60000) > 0) {
            for (int i = 0; i < 2; ++i) {
                if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) {
                    continue;
                }
                char buf[4096];
                const ssize_t n = read(fds[i].fd, buf, sizeof buf);
                if (n <= 0) {
                    close(fds[i].fd);
                    fds[i].fd = -1;
                    --open;
                } else {
                    (i == 0 ? result.out : result.err).append(buf, static_cast<size_t>(n));
                }
            }
        }
        int status = 0;
        waitpid(pid, &status, 0);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return result;
    }

    CtlResult Run(const std::vector<std::string>& args) { return Wait(Start(args)); }

private:
    static inline int counter_ = 0;
    std::filesystem::path home_;
    std::map<std::string, std::string> env_;
    std::map<pid_t, std::pair<int, int>> running_;
    bool nobody_ = false;
};

inline bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace vekora::testing
