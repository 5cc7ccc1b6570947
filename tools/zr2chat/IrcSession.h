// The bot's side of one IRC conversation, without sockets: lines in, lines queued out.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "IrcEncoding.h"
#include "IrcFloodQueue.h"

namespace zr2chat::irc {

struct Options {
  std::string host;
  std::string port;
  bool tls = false;
  bool tlsVerify = true;
  std::string tlsCaFile;  // trust this certificate file instead of the system's
  std::string nick = "zr2bot";
  std::string password;               // sent with PASS when not empty
  std::vector<std::string> channels;  // UTF-8
  std::string encoding = "UTF-8";
  int linesPerSecond = 2;
  bool verbose = false;
};

// A chat line for the library, all texts UTF-8.
struct ChatLine {
  std::string nick;
  std::string userHost;  // the speaker's user@host
  std::string channel;   // the channel, or the speaker's nick in a query
  std::string message;
};

// The library's reply lines ("NOTICE target :text"), UTF-8; empty when nothing answered.
using Responder = std::function<std::vector<std::string>(const ChatLine&)>;
using Log = std::function<void(const std::string&)>;

// The nick to try after `attempt` refusals: nick, nick_, then a number, kept within 9 characters
// when the number would make it longer (the length every server accepts).
std::string NickCandidate(const std::string& nick, int attempt);

class Session {
 public:
  Session(const Options& options, const WireEncoding& encoding, Responder responder, FloodQueue& queue, Log log);

  // A new connection: forget the old one and queue the registration.
  void Start();
  // One line from the server, in the wire encoding, without CR LF.
  void Receive(std::string_view wireLine);
  // Lines that arrive after this are no longer answered (the bot is leaving).
  void StopAnswering() { answering_ = false; }

  bool Registered() const { return registered_; }
  const std::string& Nick() const { return nick_; }
  bool InChannel(std::string_view channel) const;
  std::string QuitLine(const std::string& reason) const;

 private:
  struct Channel {
    std::string name;  // UTF-8, as the server named it when we joined
    std::string wire;  // the same name in the wire encoding, byte for byte as the server sent it
  };

  void OnPrivmsg(const std::string& prefix, const std::string& target, const std::string& text);
  void QueueReply(std::string line, const ChatLine& origin, std::string_view originWireNick);
  const Channel* FindChannel(std::string_view name) const;
  size_t LineLimit() const;
  void Control(const std::string& utf8Line);

  const Options& options_;
  const WireEncoding& encoding_;
  Responder responder_;
  FloodQueue& queue_;
  Log log_;
  bool registered_ = false;
  bool answering_ = true;
  int nickAttempt_ = 0;
  std::string nick_;
  std::string userHost_;  // ours, as others see it; learnt from our own JOIN
  std::vector<Channel> channels_;
};

}  // namespace zr2chat::irc
