// zr2chat: a console host for the dice-bot library. Each line typed is a chat line in the current
// channel; the library's answers are printed as the channel would show them.
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "Console.h"
#include "IrcBot.h"

namespace {

constexpr const char* kUsage =
    "usage: zr2chat [--lib PATH] [--nick NICK] [--channel CHANNEL] [--raw] [-e LINE]...\n"
    "       zr2chat [--lib PATH] --irc HOST[:PORT] [--irc-nick NICK] [--irc-channel CHANNEL]... [IRC options]\n"
    "  --lib PATH         the library to load (default: ZR2_DLL.so beside zr2chat)\n"
    "  --nick NICK        the speaker's nick (default: taro)\n"
    "  --channel CHANNEL  the channel (default: #table)\n"
    "  --raw              print the exact NOTICE lines\n"
    "  -e LINE            say LINE and exit (repeatable); without -e, lines are read from standard input\n"
    "IRC bot (runs until SIGINT or SIGTERM, reconnecting when the server drops):\n"
    "  --irc HOST[:PORT]          the server (port 6667, or 6697 with --irc-tls; IPv6 as [ADDRESS]:PORT)\n"
    "  --irc-nick NICK            the bot's nick (default: zr2bot; taken nicks get _ or a number)\n"
    "  --irc-channel CHANNEL      a channel to join, # optional (repeatable or comma-separated; default: #table)\n"
    "  --irc-password PASSWORD    the server password (PASS)\n"
    "  --irc-password-file FILE   the server password, read from the first line of FILE\n"
    "  --irc-encoding NAME        UTF-8 (default), ISO-2022-JP or CP932\n"
    "  --irc-rate N               at most N lines per second to the server (default: 2)\n"
    "  --irc-tls                  connect with TLS\n"
    "  --irc-tls-ca FILE          trust the certificates in FILE instead of the system's\n"
    "  --irc-tls-no-verify        accept any server certificate\n"
    "  --irc-verbose              log every line sent and received\n";

constexpr const char* kHelp =
    "/nick NICK      speak as NICK\n"
    "/join CHANNEL   speak in CHANNEL\n"
    "/name NAME      name your character (stored in Vellum.ini as the host does)\n"
    "/routes         show which words go to which entry\n"
    "/help           this text\n"
    "/quit           leave\n"
    "Anything else is a chat line for the dice bot.\n";

struct Session {
  std::string nick = "taro";
  std::string channel = "#table";
  bool raw = false;
  bool terminal = false;
};

std::filesystem::path DefaultLibrary() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return (error ? std::filesystem::path(".") : self.parent_path()) / "ZR2_DLL.so";
}

void Say(const zr2chat::Library& library, const Session& session, const std::string& line) {
  const std::string mask = session.nick + "!" + session.nick + "@zr2chat";
  const auto reply = zr2chat::Dispatch(library, session.nick, mask, session.channel, line);
  if (!reply) return;
  for (const std::string& notice : reply->lines)
    std::cout << (session.raw ? notice : zr2chat::Readable(notice, session.terminal)) << "\n";
  std::cout.flush();
}

// True when the line was a console command (and false for /quit through quit).
bool ConsoleCommand(const zr2chat::Library& library, Session& session, const std::string& line, bool& quit) {
  if (line.empty() || line[0] != '/') return false;
  const size_t blank = line.find(' ');
  const std::string word = line.substr(0, blank);
  const size_t start = blank == std::string::npos ? std::string::npos : line.find_first_not_of(' ', blank);
  const std::string argument = start == std::string::npos ? "" : line.substr(start);
  if (word == "/quit" || word == "/exit") {
    quit = true;
  } else if (word == "/nick" && !argument.empty()) {
    session.nick = argument;
  } else if (word == "/join" && !argument.empty()) {
    session.channel = argument;
  } else if (word == "/name") {
    zr2chat::StoreCharacterName(library.Folder(), session.nick, argument);
  } else if (word == "/routes") {
    for (const auto& route : zr2chat::Routes())
      std::cout << route.entry << (library.Exports(route.entry) ? "" : " (not built)") << ": " << route.words << "\n";
  } else if (word == "/help") {
    std::cout << kHelp;
  } else {
    return false;
  }
  return true;
}

// "host", "host:port", "[v6address]:port" or a bare IPv6 address; the port stays empty when not given.
bool ReadServer(const std::string& text, std::string& host, std::string& port) {
  std::string rest;
  if (!text.empty() && text[0] == '[') {
    const size_t close = text.find(']');
    if (close == std::string::npos) return false;
    host = text.substr(1, close - 1);
    rest = text.substr(close + 1);
    if (!rest.empty() && rest[0] != ':') return false;
  } else if (const size_t colon = text.find(':');
             colon != std::string::npos && text.find(':', colon + 1) == std::string::npos) {
    host = text.substr(0, colon);
    rest = text.substr(colon);
  } else {
    host = text;
  }
  if (!rest.empty()) {
    port = rest.substr(1);
    if (port.empty() || port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(port) < 1 || std::stoi(port) > 65535)
      return false;
  }
  return !host.empty();
}

// Channels as typed: comma-separated, "#" added when missing (an unquoted # starts a shell comment).
void AddChannels(std::vector<std::string>& channels, const std::string& text) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    const std::string name = text.substr(start, end - start);
    if (!name.empty()) channels.push_back(std::string("#&+!").find(name[0]) == std::string::npos ? "#" + name : name);
    start = end + 1;
  }
}

// Nothing typed on the command line may end an IRC line early; nicks and channels are single words.
bool FitsIrcLine(const std::string& text, bool oneWord) {
  const std::string_view forbidden = oneWord ? std::string_view("\r\n\0 ,", 5) : std::string_view("\r\n\0", 3);
  return !text.empty() && text.find_first_of(forbidden) == std::string::npos;
}

bool ReadPasswordFile(const std::string& file, std::string& password) {
  std::ifstream in(file);
  if (!in || !std::getline(in, password)) return false;
  if (!password.empty() && password.back() == '\r') password.pop_back();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Session session;
  std::filesystem::path libraryFile = DefaultLibrary();
  std::vector<std::string> lines;
  bool oneShot = false;
  std::string ircServer;
  zr2chat::irc::Options irc;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--irc" && hasValue) {
      ircServer = argv[++i];
      if (!ReadServer(ircServer, irc.host, irc.port)) {
        std::cerr << "zr2chat: --irc wants HOST[:PORT], not " << ircServer << "\n";
        return 2;
      }
    } else if (arg == "--irc-nick" && hasValue) {
      irc.nick = argv[++i];
    } else if (arg == "--irc-channel" && hasValue) {
      AddChannels(irc.channels, argv[++i]);
    } else if (arg == "--irc-password" && hasValue) {
      irc.password = argv[++i];
    } else if (arg == "--irc-password-file" && hasValue) {
      if (!ReadPasswordFile(argv[++i], irc.password)) {
        std::cerr << "zr2chat: cannot read a password from " << argv[i] << "\n";
        return 2;
      }
    } else if (arg == "--irc-encoding" && hasValue) {
      irc.encoding = argv[++i];
    } else if (arg == "--irc-rate" && hasValue) {
      const std::string rate = argv[++i];
      if (rate.empty() || rate.size() > 4 || rate.find_first_not_of("0123456789") != std::string::npos ||
          std::stoi(rate) < 1) {
        std::cerr << "zr2chat: --irc-rate wants a whole number of lines per second, not " << rate << "\n";
        return 2;
      }
      irc.linesPerSecond = std::stoi(rate);
    } else if (arg == "--irc-tls") {
      irc.tls = true;
    } else if (arg == "--irc-tls-ca" && hasValue) {
      irc.tlsCaFile = argv[++i];
    } else if (arg == "--irc-tls-no-verify") {
      irc.tlsVerify = false;
    } else if (arg == "--irc-verbose") {
      irc.verbose = true;
    } else if (arg == "--lib" && hasValue) {
      libraryFile = argv[++i];
    } else if (arg == "--nick" && hasValue) {
      session.nick = argv[++i];
    } else if (arg == "--channel" && hasValue) {
      session.channel = argv[++i];
    } else if (arg == "--raw") {
      session.raw = true;
    } else if (arg == "-e" && hasValue) {
      lines.push_back(argv[++i]);
      oneShot = true;
    } else {
      std::cerr << kUsage;
      return arg == "--help" || arg == "-h" ? 0 : 2;
    }
  }
  const zr2chat::Library library(libraryFile);
  if (!library.Loaded()) {
    std::cerr << "zr2chat: cannot load " << libraryFile << ": " << library.Error() << "\n";
    return 1;
  }
  if (!ircServer.empty()) {
    if (irc.port.empty()) irc.port = irc.tls ? "6697" : "6667";
    if (irc.channels.empty()) irc.channels.push_back("#table");
    bool usable = FitsIrcLine(irc.nick, true) && (irc.password.empty() || FitsIrcLine(irc.password, false));
    for (const std::string& channel : irc.channels) usable = usable && FitsIrcLine(channel, true);
    if (!usable) {
      std::cerr << "zr2chat: nick, channels and password must be single words without line breaks\n";
      return 2;
    }
    return zr2chat::irc::RunBot(irc, library);
  }
  session.terminal = isatty(STDOUT_FILENO) != 0;
  bool quit = false;
  if (oneShot) {
    for (const std::string& line : lines)
      if (!ConsoleCommand(library, session, line, quit)) Say(library, session, line);
    return 0;
  }
  const bool interactive = isatty(STDIN_FILENO) != 0;
  if (interactive) std::cout << "zr2chat: " << session.nick << " in " << session.channel << " (/help for commands)\n";
  std::string line;
  while (!quit) {
    if (interactive) std::cout << session.nick << "@" << session.channel << "> " << std::flush;
    if (!std::getline(std::cin, line)) break;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!ConsoleCommand(library, session, line, quit)) Say(library, session, line);
  }
  return 0;
}
