#include "IrcSession.h"

#include <algorithm>

#include "IrcMessage.h"

namespace zr2chat::irc {
namespace {

constexpr size_t kShortNick = 9;
constexpr int kMaxNickAttempts = 50;
// Room for "user@host" when we have not seen ours yet: the usual user and host name limits.
constexpr size_t kUnknownUserHost = 10 + 1 + 63;

std::string UserName(const std::string& nick) {
  std::string user;
  for (char c : nick)
    if (user.size() < kShortNick && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
      user += c;
  return user.empty() ? "zr2bot" : user;
}

bool IsNickRefusal(const std::string& command) {
  return command == "432" || command == "433" || command == "436" || command == "437";
}

// A reply line that is not "NOTICE target :text" or "PRIVMSG target :text" is not a command we send.
bool SplitReply(const std::string& line, std::string& command, std::string& target, std::string& text) {
  const size_t firstBlank = line.find(' ');
  if (firstBlank == std::string::npos) return false;
  const size_t colon = line.find(" :", firstBlank + 1);
  if (colon == std::string::npos) return false;
  command = line.substr(0, firstBlank);
  target = line.substr(firstBlank + 1, colon - firstBlank - 1);
  text = line.substr(colon + 2);
  std::transform(command.begin(), command.end(), command.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
  return (command == "NOTICE" || command == "PRIVMSG") && !target.empty() && target.find(' ') == std::string::npos;
}

}  // namespace

std::string NickCandidate(const std::string& nick, int attempt) {
  if (attempt <= 0) return nick;
  if (attempt == 1) return nick + "_";
  const std::string number = std::to_string(attempt);
  const size_t room = kShortNick > number.size() ? kShortNick - number.size() : 1;
  return (nick.size() + number.size() <= kShortNick ? nick : nick.substr(0, room)) + number;
}

Session::Session(const Options& options, const WireEncoding& encoding, Responder responder, FloodQueue& queue, Log log)
    : options_(options), encoding_(encoding), responder_(std::move(responder)), queue_(queue), log_(std::move(log)) {}

void Session::Start() {
  registered_ = false;
  nickAttempt_ = 0;
  nick_ = options_.nick;
  userHost_.clear();
  channels_.clear();
  const std::string& password = options_.password;
  const bool oneWord = password.find(' ') == std::string::npos && !password.starts_with(':');
  if (!password.empty()) Control("PASS " + (oneWord ? password : ":" + password));
  Control("NICK " + nick_);
  Control("USER " + UserName(options_.nick) + " 0 * :zr2chat dice bot");
}

void Session::Control(const std::string& utf8Line) { queue_.PushControl(encoding_.Encode(utf8Line)); }

std::string Session::QuitLine(const std::string& reason) const { return encoding_.Encode("QUIT :" + reason); }

const Session::Channel* Session::FindChannel(std::string_view name) const {
  for (const Channel& channel : channels_)
    if (SameName(channel.name, name)) return &channel;
  return nullptr;
}

bool Session::InChannel(std::string_view channel) const { return FindChannel(channel) != nullptr; }

void Session::Receive(std::string_view wireLine) {
  const std::optional<Message> parsed = ParseLine(wireLine);
  if (!parsed) return;
  const Message& m = *parsed;
  auto param = [&](size_t i) { return i < m.params.size() ? encoding_.Decode(m.params[i]) : std::string(); };
  const std::string fromNick = encoding_.Decode(NickOf(m.prefix));
  const bool fromUs = !nick_.empty() && SameName(fromNick, nick_);

  if (m.command == "PING") {
    queue_.PushControl("PONG :" + (m.params.empty() ? std::string() : m.params.back()));
  } else if (m.command == "001") {
    registered_ = true;
    if (!m.params.empty()) nick_ = param(0);
    log_("registered as " + nick_);
    for (const std::string& channel : options_.channels) Control("JOIN " + channel);
  } else if (IsNickRefusal(m.command) && !registered_) {
    if (++nickAttempt_ > kMaxNickAttempts) return;  // the registration timeout starts over
    log_("nick " + nick_ + " refused (" + m.command + ")");
    nick_ = NickCandidate(options_.nick, nickAttempt_);
    Control("NICK " + nick_);
  } else if (m.command == "NICK" && fromUs && !m.params.empty()) {
    nick_ = param(0);
  } else if (m.command == "JOIN" && fromUs && !m.params.empty()) {
    userHost_ = encoding_.Decode(UserHostOf(m.prefix));
    const std::string name = param(0);
    if (!InChannel(name)) channels_.push_back({name, m.params[0]});
    log_("joined " + name);
  } else if ((m.command == "PART" && fromUs && !m.params.empty()) ||
             (m.command == "KICK" && m.params.size() > 1 && SameName(param(1), nick_))) {
    const std::string name = param(0);
    std::erase_if(channels_, [&](const Channel& channel) { return SameName(channel.name, name); });
    log_("left " + name);
  } else if (m.command == "PRIVMSG" && m.params.size() > 1) {
    OnPrivmsg(m.prefix, m.params[0], m.params[1]);
  } else if (m.command == "ERROR" || m.command == "464" || m.command == "465" ||
             (m.command.size() == 3 && m.command >= "471" && m.command <= "477")) {
    log_("server: " + m.command + " " + param(m.params.size() - 1));
  }
}

void Session::OnPrivmsg(const std::string& prefix, const std::string& target, const std::string& text) {
  if (!answering_ || !registered_ || text.empty() || text.front() == '\x01') return;  // CTCP is not chat
  ChatLine line{encoding_.Decode(NickOf(prefix)), encoding_.Decode(UserHostOf(prefix)), {}, encoding_.Decode(text)};
  const std::string decodedTarget = encoding_.Decode(target);
  if (const Channel* channel = FindChannel(decodedTarget)) {
    line.channel = channel->name;
  } else if (SameName(decodedTarget, nick_) && !line.nick.empty()) {
    line.channel = line.nick;  // a query: the answer goes back to the speaker
  } else {
    return;
  }
  for (std::string& reply : responder_(line)) QueueReply(std::move(reply), line, NickOf(prefix));
}

size_t Session::LineLimit() const {
  // The server relays our line with ":nick!user@host " in front, and the whole must stay within 512.
  const size_t relayPrefix = 1 + encoding_.Encode(nick_).size() + 1 +
                             (userHost_.empty() ? kUnknownUserHost : encoding_.Encode(userHost_).size()) + 1;
  const size_t room = kMaxLineBytes - 2;
  return room > relayPrefix + 64 ? room - relayPrefix : 64;
}

void Session::QueueReply(std::string line, const ChatLine& origin, std::string_view originWireNick) {
  // A stray CR, LF or NUL would end the line early on the wire and let the rest pass for a command.
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
  std::string command, target, text;
  if (!SplitReply(line, command, target, text)) {
    command = "NOTICE";
    target = origin.channel;
    text = line;
  }
  std::string wireTarget;
  if (const Channel* channel = FindChannel(target)) {
    wireTarget = channel->wire;
  } else if (SameName(target, origin.nick)) {
    wireTarget = originWireNick;
  } else {
    wireTarget = encoding_.Encode(target);
  }
  for (std::string& wire : EncodeSplit(encoding_, command + " " + wireTarget + " :", text, LineLimit()))
    queue_.PushReply(target, std::move(wire));
}

}  // namespace zr2chat::irc
