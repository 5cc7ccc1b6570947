#include "IrcTestNetwork.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unicode/ucnv.h>
#include <unicode/ustring.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

namespace irctest {

TempFolder::TempFolder() {
  char pattern[] = "/tmp/zr2irc.XXXXXX";
  const char* made = mkdtemp(pattern);
  path_ = made != nullptr ? made : "/tmp";
}

TempFolder::~TempFolder() {
  if (keep_) {
    std::cerr << "logs kept in " << path_ << "\n";
  } else if (path_ != "/tmp") {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
    if (error) std::cerr << "cannot remove " << path_ << ": " << error.message() << "\n";
  }
}

Process::Process(const std::vector<std::string>& argv, const std::filesystem::path& log) {
  pid_ = fork();
  if (pid_ != 0) return;
  prctl(PR_SET_PDEATHSIG, SIGKILL);  // nothing outlives a crashed or killed test
  const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  if (out >= 0) {
    dup2(out, STDOUT_FILENO);
    dup2(out, STDERR_FILENO);
  }
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  execv(args[0], args.data());
  _exit(127);
}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    Stop(SIGKILL, 1s);
    pid_ = other.pid_;
    other.pid_ = -1;
  }
  return *this;
}

bool Process::Running() {
  if (pid_ <= 0) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == pid_) {
    pid_ = -1;
    return false;
  }
  return true;
}

int Process::Wait(Clock::duration patience) {
  if (pid_ <= 0) return -1;
  const Clock::time_point deadline = Clock::now() + patience;
  for (;;) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    if (Clock::now() >= deadline) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
      pid_ = -1;
      return -1;
    }
    std::this_thread::sleep_for(20ms);
  }
}

int Process::Stop(int signal, Clock::duration patience) {
  if (pid_ <= 0) return -1;
  kill(pid_, signal);
  return Wait(patience);
}

int FreePort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int port = 0;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
    port = ntohs(address.sin_port);
  close(fd);
  return port;
}

bool Executable(const char* path) { return path != nullptr && *path == '/' && access(path, X_OK) == 0; }

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

namespace {

bool Accepts(int port) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return ok;
}

}  // namespace

std::optional<Server> StartServer(const std::filesystem::path& folder, int port, int tlsPort,
                                  const std::filesystem::path& certificate, const std::filesystem::path& key) {
  const bool fixedPorts = port != 0;
  for (int attempt = 0; attempt < (fixedPorts ? 20 : 3); ++attempt) {
    Server server;
    server.port = fixedPorts ? port : FreePort();
    server.tlsPort = certificate.empty() ? 0 : (fixedPorts ? tlsPort : FreePort());
    std::filesystem::create_directories(folder / "conf.d");
    std::ofstream config(folder / "ngircd.conf");
    config << "[Global]\nName = irc.zr2.test\nInfo = zr2chat test network\nListen = 127.0.0.1\n"
           << "Ports = " << server.port << "\nPassword = zr2-secret\nMotdPhrase = test network\n"
           << "PidFile = " << (folder / "ngircd.pid").string() << "\n"
           << "[Limits]\nMaxConnectionsIP = 0\nMaxPenaltyTime = 0\nMaxJoins = 0\n"
           << "[Options]\nPAM = no\nIdent = no\nDNS = no\nIncludeDir = " << (folder / "conf.d").string() << "\n";
    if (server.tlsPort != 0)
      config << "[SSL]\nCertFile = " << certificate.string() << "\nKeyFile = " << key.string()
             << "\nPorts = " << server.tlsPort << "\n";
    config.close();
    server.process = Process({ZR2_NGIRCD, "-n", "-f", (folder / "ngircd.conf").string()}, folder / "ngircd.log");
    for (const Clock::time_point deadline = Clock::now() + 5s; Clock::now() < deadline;) {
      if (!server.process.Running()) break;
      if (Accepts(server.port)) return server;
      std::this_thread::sleep_for(50ms);
    }
    server.process.Stop(SIGKILL, 1s);
    if (fixedPorts) std::this_thread::sleep_for(250ms);  // the old server's port may still be closing
  }
  return std::nullopt;
}

Client::~Client() { Close(); }

void Client::Close() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  pending_.clear();
}

bool Client::Connect(int port, const std::string& nick, Clock::duration patience) {
  Close();
  fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return false;
  const size_t mark = lines_.size();
  Send("PASS zr2-secret");
  Send("NICK " + nick);
  Send("USER " + nick + " 0 * :test client");
  const std::string welcome = " 001 " + nick + " ";
  return Find([&](const std::string& line) { return line.find(welcome) != std::string::npos; }, mark, patience)
      .has_value();
}

void Client::Send(const std::string& line) {
  const std::string wire = line + "\r\n";
  for (size_t sent = 0; sent < wire.size() && fd_ >= 0;) {
    const ssize_t n = send(fd_, wire.data() + sent, wire.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<size_t>(n);
  }
}

bool Client::Join(const std::string& channel) {
  const size_t mark = Mark();
  Send("JOIN " + channel);
  const std::string end = " 366 ";
  return Find(
             [&](const std::string& line) {
               return line.find(end) != std::string::npos && line.find(channel) != std::string::npos;
             },
             mark, 5s)
      .has_value();
}

size_t Client::Mark() {
  while (ReadMore(Clock::now() + 50ms)) {
  }
  return lines_.size();
}

bool Client::ReadMore(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  if (fd_ < 0 || left <= 0) return false;
  pollfd fd{fd_, POLLIN, 0};
  if (poll(&fd, 1, static_cast<int>(left)) <= 0) return false;
  char buffer[8192];
  const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
  if (n <= 0) {
    Close();
    return false;
  }
  const Clock::time_point now = Clock::now();
  pending_.append(buffer, static_cast<size_t>(n));
  for (size_t end; (end = pending_.find("\r\n")) != std::string::npos; pending_.erase(0, end + 2)) {
    std::string line = pending_.substr(0, end);
    if (line.compare(0, 5, "PING ") == 0) Send("PONG " + line.substr(5));
    lines_.push_back({std::move(line), now});
  }
  return true;
}

std::optional<size_t> Client::Find(const std::function<bool(const std::string&)>& match, size_t from,
                                   Clock::duration patience) {
  const Clock::time_point deadline = Clock::now() + patience;
  for (size_t index = from;;) {
    for (; index < lines_.size(); ++index)
      if (match(lines_[index].raw)) return index;
    if (!ReadMore(deadline) && (fd_ < 0 || Clock::now() >= deadline)) return std::nullopt;
  }
}

std::vector<size_t> Client::FindUntilQuiet(const std::function<bool(const std::string&)>& match, size_t from,
                                           Clock::duration quiet, Clock::duration patience) {
  std::vector<size_t> found;
  const Clock::time_point deadline = Clock::now() + patience;
  for (size_t index = from;;) {
    const Clock::duration wait = std::min<Clock::duration>(quiet, deadline - Clock::now());
    if (wait <= Clock::duration::zero()) return found;
    const std::optional<size_t> next = Find(match, index, wait);
    if (!next) return found;
    found.push_back(*next);
    index = *next + 1;
  }
}

std::optional<std::string> NoticeText(const std::string& raw, const std::string& nick, const std::string& target) {
  const std::string head = ":" + nick + "!";
  if (raw.compare(0, head.size(), head) != 0) return std::nullopt;
  const std::string notice = " NOTICE " + target + " :";
  const size_t at = raw.find(notice);
  if (at == std::string::npos || raw.find(' ') != at) return std::nullopt;
  return raw.substr(at + notice.size());
}

std::string WithoutPrefix(const std::string& raw) {
  const size_t blank = raw.find(' ');
  return raw[0] == ':' && blank != std::string::npos ? raw.substr(blank + 1) : raw;
}

namespace {

std::string Convert(const char* to, const char* from, const std::string& text) {
  std::string out(text.size() * 4 + 16, '\0');
  UErrorCode error = U_ZERO_ERROR;
  const int32_t length = ucnv_convert(to, from, out.data(), static_cast<int32_t>(out.size()), text.data(),
                                      static_cast<int32_t>(text.size()), &error);
  if (U_FAILURE(error)) return "<conversion failed>";
  out.resize(static_cast<size_t>(length));
  return out;
}

}  // namespace

std::string ToJis(const std::string& utf8) { return Convert("ISO-2022-JP", "UTF-8", utf8); }
std::string FromJis(const std::string& jis) { return Convert("UTF-8", "ISO-2022-JP", jis); }

bool IsUtf8(const std::string& text) {
  UErrorCode error = U_ZERO_ERROR;
  int32_t length = 0;
  u_strFromUTF8(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()), &error);
  return error != U_INVALID_CHAR_FOUND && error != U_ILLEGAL_CHAR_FOUND;
}

}  // namespace irctest
