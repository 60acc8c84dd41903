#include "tests/kit/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

extern char** environ;

namespace kit {
namespace {

pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments,
            const std::string& portsFolder, int& outFd, int& errFd) {
  int out[2];
  int err[2];
  if (::pipe(out) != 0 || ::pipe(err) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err[1], 2);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, err[0]);
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    if (std::string(*e).rfind("VELT1_PORTS=", 0) != 0) env.emplace_back(*e);
  }
  env.push_back("VELT1_PORTS=" + portsFolder);
  std::vector<char*> envp;
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::vector<std::string> args{program};
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  ::close(err[1]);
  outFd = out[0];
  errFd = err[0];
  return pid;
}

// Reads both pipes until both are closed or the deadline passes.
void Drain(int outFd, int errFd, std::string& out, std::string& err, int timeoutMs) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
  std::string* sinks[2] = {&out, &err};
  int open = 2;
  while (open > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now()).count();
    if (left <= 0 || ::poll(fds, 2, static_cast<int>(left)) <= 0) return;
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
      char buffer[4096];
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n <= 0) {
        fds[i].fd = -1;
        --open;
      } else {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
      }
    }
  }
}

int ExitCode(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

}  // namespace

ToolRun RunTool(const std::string& program, const std::vector<std::string>& arguments,
                const std::string& portsFolder) {
  ToolRun run;
  int outFd = -1;
  int errFd = -1;
  const pid_t pid = Spawn(program, arguments, portsFolder, outFd, errFd);
  if (pid < 0) return run;
  Drain(outFd, errFd, run.out, run.err, 30000);
  ::close(outFd);
  ::close(errFd);
  int status = 0;
  ::waitpid(pid, &status, 0);
  run.exitCode = ExitCode(status);
  return run;
}

int RunToolIntoLimitedFile(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& outFile, long limitBytes) {
  const pid_t pid = ::fork();
  if (pid < 0) return -1000;
  if (pid == 0) {
    const int fd = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int devNull = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    const rlimit limit{static_cast<rlim_t>(limitBytes), static_cast<rlim_t>(limitBytes)};
    if (fd < 0 || devNull < 0 || ::dup2(fd, 1) < 0 || ::dup2(devNull, 2) < 0 ||
        ::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
      ::_exit(127);
    }
    std::vector<std::string> args{program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFSIGNALED(status) ? -WTERMSIG(status) : ExitCode(status);
}

SimProcess::SimProcess(const std::vector<std::string>& arguments, const std::string& portsFolder) {
  pid_ = Spawn(VELT1_SIM_PATH, arguments, portsFolder, outFd_, errFd_);
  if (pid_ < 0) return;
  // The simulator announces itself with one line once it serves.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (firstLine_.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
    pollfd fd{outFd_, POLLIN, 0};
    if (::poll(&fd, 1, 100) <= 0) continue;
    char buffer[256];
    const ssize_t n = ::read(outFd_, buffer, sizeof buffer);
    if (n <= 0) break;
    firstLine_.append(buffer, static_cast<std::size_t>(n));
  }
  if (const auto end = firstLine_.find('\n'); end != std::string::npos) firstLine_.resize(end);
}

int SimProcess::terminate(std::string* err, int signal) {
  if (pid_ < 0) return -1;
  ::kill(pid_, signal);
  std::string out;
  std::string errText;
  Drain(outFd_, errFd_, out, errText, 5000);
  const int status = AwaitOrKill(pid_, 2.0);
  ::close(outFd_);
  ::close(errFd_);
  pid_ = -1;
  if (err) *err = errText;
  return status == -1 || WIFSIGNALED(status) ? -1 : ExitCode(status);
}

SimProcess::~SimProcess() {
  if (pid_ >= 0) terminate();
}

int AwaitOrKill(pid_t pid, double seconds) {
  int status = 0;
  pid_t done = 0;
  for (int i = 0; i < seconds * 100 && (done = ::waitpid(pid, &status, WNOHANG)) == 0; ++i) ::usleep(10000);
  if (done != 0) return status;
  ::kill(pid, SIGKILL);
  ::waitpid(pid, &status, 0);
  return -1;
}

int InChildProcess(const std::function<int()>& probe) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return kNoChildResult;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    const int result = probe();
    const bool sent = ::write(pipeFds[1], &result, sizeof result) == sizeof result;
    ::_exit(sent ? 0 : 1);
  }
  ::close(pipeFds[1]);
  int result = kNoChildResult;
  if (child < 0 || ::read(pipeFds[0], &result, sizeof result) != sizeof result) result = kNoChildResult;
  ::close(pipeFds[0]);
  if (child > 0) ::waitpid(child, nullptr, 0);
  return result;
}

}  // namespace kit
