#include "platform/posix/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/posix/clipboard.h"

extern char** environ;

namespace platform {

namespace {

std::vector<pid_t> g_detached;

std::vector<char*> c_argv(const std::vector<std::string>& argv) {
  std::vector<char*> out;
  for (const auto& a : argv) out.push_back(const_cast<char*>(a.c_str()));
  out.push_back(nullptr);
  return out;
}

std::int64_t now_ms() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return std::int64_t{t.tv_sec} * 1000 + t.tv_nsec / 1000000;
}

class ProcessRunner : public CommandRunner {
 public:
  explicit ProcessRunner(int timeout_ms) : timeout_ms_(timeout_ms) {
    // A tool that exits before reading its input must not kill us.
    signal(SIGPIPE, SIG_IGN);
  }

  bool available(const std::string& program) override { return find_in_path(program); }

  CommandResult run(const std::vector<std::string>& argv, std::string_view input,
                    bool capture) override {
    CommandResult result;
    int in[2], out[2] = {-1, -1};
    if (pipe2(in, O_CLOEXEC) != 0) return result;
    if (capture && pipe2(out, O_CLOEXEC) != 0) {
      ::close(in[0]);
      ::close(in[1]);
      return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    if (capture)
      posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    else
      posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    auto args = c_argv(argv);
    int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    if (capture) ::close(out[1]);
    if (rc != 0) {
      ::close(in[1]);
      if (capture) ::close(out[0]);
      return result;
    }
    std::int64_t deadline = now_ms() + timeout_ms_;
    bool timed_out = !exchange(in[1], capture ? out[0] : -1, input, result.output, deadline);
    int status = 0;
    if (!timed_out) timed_out = !wait_until(pid, status, deadline);
    if (timed_out) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      result.output.clear();
      return result;
    }
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
  }

 private:
  // Feeds the input and collects the output until both ends are done.
  // False when the deadline passed first. Closes both descriptors.
  static bool exchange(int to, int from, std::string_view input, std::string& output,
                       std::int64_t deadline) {
    fcntl(to, F_SETFL, O_NONBLOCK);
    std::size_t sent = 0;
    if (input.empty()) {
      ::close(to);
      to = -1;
    }
    bool ok = true;
    while (to >= 0 || from >= 0) {
      std::int64_t left = deadline - now_ms();
      if (left <= 0) {
        ok = false;
        break;
      }
      pollfd fds[2] = {{to, POLLOUT, 0}, {from, POLLIN, 0}};
      int r = poll(fds, 2, static_cast<int>(left));
      if (r < 0 && errno != EINTR) {
        ok = false;
        break;
      }
      if (to >= 0 && fds[0].revents) {
        ssize_t n = ::write(to, input.data() + sent, input.size() - sent);
        if (n > 0) sent += static_cast<std::size_t>(n);
        if ((n < 0 && errno != EAGAIN) || sent == input.size()) {
          ::close(to);
          to = -1;
        }
      }
      if (from >= 0 && fds[1].revents) {
        char buf[4096];
        ssize_t n = ::read(from, buf, sizeof buf);
        if (n > 0) {
          output.append(buf, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EAGAIN) {
          ::close(from);
          from = -1;
        }
      }
    }
    if (to >= 0) ::close(to);
    if (from >= 0) ::close(from);
    return ok;
  }

  // Waits for the process to end; false at the deadline.
  static bool wait_until(pid_t pid, int& status, std::int64_t deadline) {
    for (;;) {
      pid_t r = waitpid(pid, &status, WNOHANG);
      if (r == pid) return true;
      if (r < 0 && errno != EINTR) return false;
      if (now_ms() >= deadline) return false;
      timespec t{0, 2'000'000};
      nanosleep(&t, nullptr);
    }
  }

  int timeout_ms_;
};

}  // namespace

bool find_in_path(const std::string& program) {
  if (program.find('/') != std::string::npos) return access(program.c_str(), X_OK) == 0;
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  for (;;) {
    std::size_t end = dirs.find(':', start);
    std::string dir(dirs, start, end == std::string::npos ? std::string::npos : end - start);
    if (dir.empty()) dir.push_back('.');
    dir.push_back('/');
    dir.append(program);
    if (access(dir.c_str(), X_OK) == 0) return true;
    if (end == std::string::npos) return false;
    start = end + 1;
  }
}

bool spawn_detached(const std::vector<std::string>& argv) {
  reap_detached();
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  // Its own session: no signal from our terminal reaches it, nor its output.
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
  pid_t pid;
  auto args = c_argv(argv);
  int rc = posix_spawnp(&pid, args[0], &actions, &attr, args.data(), environ);
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return false;
  g_detached.push_back(pid);
  return true;
}

void reap_detached() {
  for (std::size_t i = 0; i < g_detached.size();) {
    int status;
    if (waitpid(g_detached[i], &status, WNOHANG) != 0) {
      g_detached[i] = g_detached.back();
      g_detached.pop_back();
    } else {
      ++i;
    }
  }
}

std::unique_ptr<CommandRunner> make_process_runner(int timeout_ms) {
  return std::make_unique<ProcessRunner>(timeout_ms);
}

}  // namespace platform
