#include "IrcTransport.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#ifdef ZR2CHAT_TLS
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#endif

namespace zr2chat::irc {
namespace {

using Clock = std::chrono::steady_clock;

enum class Wait { Ready, TimedOut, Interrupted };

Wait WaitFor(int fd, short events, Clock::time_point deadline, int interruptFd) {
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) return Wait::TimedOut;
    pollfd fds[2] = {{fd, events, 0}, {interruptFd, POLLIN, 0}};
    const int ready = poll(fds, interruptFd >= 0 ? 2 : 1, static_cast<int>(left));
    if (ready < 0 && errno != EINTR) return Wait::TimedOut;
    if (ready > 0 && interruptFd >= 0 && (fds[1].revents & POLLIN)) return Wait::Interrupted;
    if (ready > 0 && fds[0].revents != 0) return Wait::Ready;
  }
}

class PlainTransport : public Transport {
 public:
  explicit PlainTransport(int fd) : fd_(fd) {}
  ~PlainTransport() override { close(fd_); }
  int Fd() const override { return fd_; }

  Io Read(char* buffer, size_t size, size_t& got) override {
    const ssize_t n = recv(fd_, buffer, size, 0);
    if (n > 0) {
      got = static_cast<size_t>(n);
      return Io::Done;
    }
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return Io::WouldBlock;
    return Io::Closed;
  }

  Io Write(const char* data, size_t size, size_t& wrote) override {
    const ssize_t n = send(fd_, data, size, MSG_NOSIGNAL);
    if (n >= 0) {
      wrote = static_cast<size_t>(n);
      return Io::Done;
    }
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return Io::WouldBlock;
    return Io::Closed;
  }

 private:
  int fd_;
};

int ConnectTcp(const Options& options, Clock::time_point deadline, int interruptFd, std::string& error) {
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (const int status = getaddrinfo(options.host.c_str(), options.port.c_str(), &hints, &found); status != 0) {
    error = gai_strerror(status);
    return -1;
  }
  int connected = -1;
  error = "no address";
  for (addrinfo* address = found; address != nullptr && connected < 0; address = address->ai_next) {
    const int fd =
        socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address->ai_protocol);
    if (fd < 0) continue;
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
    if (connect(fd, address->ai_addr, address->ai_addrlen) == 0) {
      connected = fd;
      break;
    }
    int problem = errno;
    if (problem == EINPROGRESS) {
      const Wait wait = WaitFor(fd, POLLOUT, deadline, interruptFd);
      socklen_t length = sizeof problem;
      if (wait == Wait::Ready && getsockopt(fd, SOL_SOCKET, SO_ERROR, &problem, &length) == 0 && problem == 0) {
        connected = fd;
        break;
      }
      if (wait == Wait::Interrupted) {
        close(fd);
        error = "interrupted";
        break;
      }
      if (wait == Wait::TimedOut) problem = ETIMEDOUT;
    }
    error = std::strerror(problem);
    close(fd);
  }
  freeaddrinfo(found);
  return connected;
}

#ifdef ZR2CHAT_TLS

std::string TlsError() {
  const unsigned long code = ERR_get_error();
  if (code == 0) return "TLS failure";
  char text[256];
  ERR_error_string_n(code, text, sizeof text);
  return text;
}

class TlsTransport : public Transport {
 public:
  TlsTransport(int fd, SSL_CTX* context, SSL* ssl) : fd_(fd), context_(context), ssl_(ssl) {}
  ~TlsTransport() override {
    SSL_shutdown(ssl_);
    SSL_free(ssl_);
    SSL_CTX_free(context_);
    close(fd_);
  }
  int Fd() const override { return fd_; }
  bool WantsWrite() const override { return wantsWrite_; }

  Io Read(char* buffer, size_t size, size_t& got) override {
    wantsWrite_ = false;
    const int n = SSL_read(ssl_, buffer, static_cast<int>(size));
    if (n > 0) {
      got = static_cast<size_t>(n);
      return Io::Done;
    }
    return Stalled(n);
  }

  Io Write(const char* data, size_t size, size_t& wrote) override {
    wantsWrite_ = false;
    const int n = SSL_write(ssl_, data, static_cast<int>(size));
    if (n > 0) {
      wrote = static_cast<size_t>(n);
      return Io::Done;
    }
    return Stalled(n);
  }

 private:
  Io Stalled(int result) {
    switch (SSL_get_error(ssl_, result)) {
      case SSL_ERROR_WANT_WRITE:
        wantsWrite_ = true;
        return Io::WouldBlock;
      case SSL_ERROR_WANT_READ:
        return Io::WouldBlock;
      default:
        ERR_clear_error();
        return Io::Closed;
    }
  }

  int fd_;
  SSL_CTX* context_;
  SSL* ssl_;
  bool wantsWrite_ = false;
};

std::unique_ptr<Transport> StartTls(int fd, const Options& options, Clock::time_point deadline, int interruptFd,
                                    std::string& error) {
  SSL_CTX* context = SSL_CTX_new(TLS_client_method());
  SSL* ssl = context == nullptr ? nullptr : SSL_new(context);
  auto fail = [&](std::string reason) -> std::unique_ptr<Transport> {
    error = std::move(reason);
    if (ssl != nullptr) SSL_free(ssl);
    if (context != nullptr) SSL_CTX_free(context);
    close(fd);
    return nullptr;
  };
  if (ssl == nullptr) return fail(TlsError());
  SSL_CTX_set_min_proto_version(context, TLS1_2_VERSION);
  SSL_set_mode(ssl, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
  in6_addr address;
  const bool numeric = inet_pton(AF_INET, options.host.c_str(), &address) == 1 ||
                       inet_pton(AF_INET6, options.host.c_str(), &address) == 1;
  if (!numeric) SSL_set_tlsext_host_name(ssl, options.host.c_str());
  if (options.tlsVerify) {
    const bool trusted = options.tlsCaFile.empty()
                             ? SSL_CTX_set_default_verify_paths(context) == 1
                             : SSL_CTX_load_verify_locations(context, options.tlsCaFile.c_str(), nullptr) == 1;
    if (!trusted) return fail("cannot load trusted certificates: " + TlsError());
    X509_VERIFY_PARAM* check = SSL_get0_param(ssl);
    const int named = numeric ? X509_VERIFY_PARAM_set1_ip_asc(check, options.host.c_str())
                              : X509_VERIFY_PARAM_set1_host(check, options.host.c_str(), 0);
    if (named != 1) return fail("cannot check the server name: " + TlsError());
    SSL_set_verify(ssl, SSL_VERIFY_PEER, nullptr);
  }
  SSL_set_fd(ssl, fd);
  for (;;) {
    const int result = SSL_connect(ssl);
    if (result == 1) return std::make_unique<TlsTransport>(fd, context, ssl);
    const int reason = SSL_get_error(ssl, result);
    if (reason != SSL_ERROR_WANT_READ && reason != SSL_ERROR_WANT_WRITE) {
      const long verified = SSL_get_verify_result(ssl);
      return fail(verified != X509_V_OK ? std::string("certificate: ") + X509_verify_cert_error_string(verified)
                                        : TlsError());
    }
    const Wait wait = WaitFor(fd, reason == SSL_ERROR_WANT_READ ? POLLIN : POLLOUT, deadline, interruptFd);
    if (wait != Wait::Ready) return fail(wait == Wait::Interrupted ? "interrupted" : "TLS handshake timed out");
  }
}

#endif

}  // namespace

bool TlsAvailable() {
#ifdef ZR2CHAT_TLS
  return true;
#else
  return false;
#endif
}

std::unique_ptr<Transport> Connect(const Options& options, std::chrono::milliseconds timeout, int interruptFd,
                                   std::string& error) {
  const Clock::time_point deadline = Clock::now() + timeout;
  const int fd = ConnectTcp(options, deadline, interruptFd, error);
  if (fd < 0) return nullptr;
  if (!options.tls) return std::make_unique<PlainTransport>(fd);
#ifdef ZR2CHAT_TLS
  return StartTls(fd, options, deadline, interruptFd, error);
#else
  close(fd);
  error = "this build has no TLS";
  return nullptr;
#endif
}

}  // namespace zr2chat::irc
