// The connection to the server: a non-blocking TCP socket, optionally wrapped in TLS.
#pragma once
#include <chrono>
#include <memory>
#include <string>

#include "IrcSession.h"

namespace zr2chat::irc {

class Transport {
 public:
  enum class Io { Done, WouldBlock, Closed };

  virtual ~Transport() = default;
  virtual int Fd() const = 0;
  // Both move at most `size` bytes and never wait.
  virtual Io Read(char* buffer, size_t size, size_t& got) = 0;
  virtual Io Write(const char* data, size_t size, size_t& wrote) = 0;
  // TLS may need the socket writable before it can go on reading.
  virtual bool WantsWrite() const { return false; }
};

// Connects to options.host:options.port within `timeout`; a signal on `interruptFd` gives up at once.
// Nothing on failure, with the reason in `error`.
std::unique_ptr<Transport> Connect(const Options& options, std::chrono::milliseconds timeout, int interruptFd,
                                   std::string& error);

bool TlsAvailable();

}  // namespace zr2chat::irc
