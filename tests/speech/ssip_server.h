// A stand-in for the speech daemon: listens on a Unix socket, answers the
// client protocol with success codes and logs every command it receives.
#pragma once

#include <mutex>
#include <string>
#include <thread>
#include <vector>

class FakeSsipServer {
 public:
  FakeSsipServer();  // listens on a socket path unique to this process
  ~FakeSsipServer();
  const std::string& address() const { return address_; }  // for SPEECHD_ADDRESS
  // Each command line as received; a SPEAK is logged as "SPEAK " + its text.
  std::vector<std::string> log() const;

 private:
  void serve();
  void serve_client(int fd);
  std::string path_, address_;
  int listen_fd_ = -1;
  std::thread thread_;
  mutable std::mutex mutex_;
  std::vector<std::string> log_;
};
