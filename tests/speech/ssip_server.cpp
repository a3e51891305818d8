#include "tests/speech/ssip_server.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace {
std::atomic<int> counter{0};

bool send_all(int fd, const std::string& s) {
  return ::send(fd, s.data(), s.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(s.size());
}
}  // namespace

FakeSsipServer::FakeSsipServer() {
  path_ = "/tmp/vantorel-ssip-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
          ".sock";
  address_ = "unix_socket:" + path_;
  ::unlink(path_.c_str());
  listen_fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::strncpy(addr.sun_path, path_.c_str(), sizeof addr.sun_path - 1);
  if (::bind(listen_fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      ::listen(listen_fd_, 4) != 0) {
    ::close(listen_fd_);
    listen_fd_ = -1;
    return;
  }
  thread_ = std::thread([this] { serve(); });
}

FakeSsipServer::~FakeSsipServer() {
  if (listen_fd_ >= 0) ::shutdown(listen_fd_, SHUT_RDWR);
  if (thread_.joinable()) thread_.join();
  if (listen_fd_ >= 0) ::close(listen_fd_);
  ::unlink(path_.c_str());
}

std::vector<std::string> FakeSsipServer::log() const {
  std::lock_guard lock(mutex_);
  return log_;
}

void FakeSsipServer::serve() {
  for (;;) {
    pollfd p{listen_fd_, POLLIN, 0};
    if (::poll(&p, 1, 100) < 0) return;
    if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) return;
    if (!(p.revents & POLLIN)) continue;
    int fd = ::accept(listen_fd_, nullptr, nullptr);
    if (fd < 0) return;
    serve_client(fd);
    ::close(fd);
  }
}

void FakeSsipServer::serve_client(int fd) {
  std::string buffer, data;
  bool in_data = false;
  char chunk[4096];
  for (;;) {
    std::size_t eol;
    while ((eol = buffer.find("\r\n")) != std::string::npos) {
      std::string line = buffer.substr(0, eol);
      buffer.erase(0, eol + 2);
      std::string reply;
      if (in_data) {
        if (line == ".") {
          in_data = false;
          std::lock_guard lock(mutex_);
          log_.push_back("SPEAK " + data);
          reply = "225-1\r\n225 OK MESSAGE QUEUED\r\n";
        } else {
          if (line.rfind("..", 0) == 0) line.erase(0, 1);
          data += (data.empty() ? "" : "\n") + line;
          continue;
        }
      } else if (line == "SPEAK" || line == "speak") {
        in_data = true;
        data.clear();
        reply = "230 OK RECEIVING DATA\r\n";
      } else {
        {
          std::lock_guard lock(mutex_);
          log_.push_back(line);
        }
        if (line == "QUIT") {
          send_all(fd, "231 HAPPY HACKING\r\n");
          return;
        }
        reply = line.rfind("HISTORY GET CLIENT_ID", 0) == 0 ? "240-1\r\n240 OK CLIENT ID SENT\r\n"
                                                            : "200 OK\r\n";
      }
      if (!send_all(fd, reply)) return;
    }
    ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
    if (n <= 0) return;
    buffer.append(chunk, static_cast<std::size_t>(n));
  }
}
