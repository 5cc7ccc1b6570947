// A private IRC network for the tests: ngircd on 127.0.0.1, the bot as a child process, and a plain
// IRC client that records every line it receives with the time it arrived.
#pragma once
#include <signal.h>
#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace irctest {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A temporary folder, removed at the end unless a test asked to keep it for its logs.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  const std::filesystem::path& Path() const { return path_; }
  void Keep() { keep_ = true; }

 private:
  std::filesystem::path path_;
  bool keep_ = false;
};

// A child process that dies with the test program, its output in a log file.
class Process {
 public:
  Process() = default;
  Process(const std::vector<std::string>& argv, const std::filesystem::path& log);
  ~Process() { Stop(SIGKILL, 1s); }
  Process(Process&& other) noexcept : pid_(other.pid_) { other.pid_ = -1; }
  Process& operator=(Process&& other) noexcept;

  bool Running();
  // Sends `signal` and waits up to `patience`, then kills; the exit status (-1 when killed or not running).
  int Stop(int signal, Clock::duration patience);
  // Runs to the end (killed after `patience`); the exit status.
  int Wait(Clock::duration patience);

 private:
  pid_t pid_ = -1;
};

int FreePort();
bool Executable(const char* path);
std::string ReadFile(const std::filesystem::path& file);

struct Server {
  int port = 0;
  int tlsPort = 0;  // 0: no TLS port
  Process process;
};

// Starts ngircd with a generated configuration in `folder`; the same ports again when given.
// Clients must send the password "zr2-secret". Penalties are off so that timing shows the bot's own pace.
std::optional<Server> StartServer(const std::filesystem::path& folder, int port = 0, int tlsPort = 0,
                                  const std::filesystem::path& certificate = {}, const std::filesystem::path& key = {});

struct Received {
  std::string raw;  // without CR LF
  Clock::time_point at;
};

class Client {
 public:
  ~Client();
  bool Connect(int port, const std::string& nick, Clock::duration patience = 10s);
  void Close();
  void Send(const std::string& line);  // CR LF added
  bool Join(const std::string& channel);

  // Where lines that arrive from now on will start (what the socket already holds is read first).
  size_t Mark();
  const Received& At(size_t index) const { return lines_[index]; }
  // The first line from `from` on that matches, reading more while `patience` lasts.
  std::optional<size_t> Find(const std::function<bool(const std::string&)>& match, size_t from,
                             Clock::duration patience);
  // Every matching line from `from` on until `quiet` passes without one (at most `patience` in all).
  std::vector<size_t> FindUntilQuiet(const std::function<bool(const std::string&)>& match, size_t from,
                                     Clock::duration quiet, Clock::duration patience);

 private:
  bool ReadMore(Clock::time_point deadline);

  int fd_ = -1;
  std::string pending_;
  std::vector<Received> lines_;
};

// The text of a NOTICE from `nick` to `target`, when the line is one.
std::optional<std::string> NoticeText(const std::string& raw, const std::string& nick, const std::string& target);
// The same line as the library wrote it: "NOTICE target :text".
std::string WithoutPrefix(const std::string& raw);

std::string ToJis(const std::string& utf8);
std::string FromJis(const std::string& jis);
bool IsUtf8(const std::string& text);

}  // namespace irctest
