// zr2chat: a console host for the dice-bot library. Each line typed is a chat line in the current
// channel; the library's answers are printed as the channel would show them.
#include <unistd.h>

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "Console.h"

namespace {

constexpr const char* kUsage =
    "usage: zr2chat [--lib PATH] [--nick NICK] [--channel CHANNEL] [--raw] [-e LINE]...\n"
    "  --lib PATH         the library to load (default: ZR2_DLL.so beside zr2chat)\n"
    "  --nick NICK        the speaker's nick (default: taro)\n"
    "  --channel CHANNEL  the channel (default: #table)\n"
    "  --raw              print the exact NOTICE lines\n"
    "  -e LINE            say LINE and exit (repeatable); without -e, lines are read from standard input\n";

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

}  // namespace

int main(int argc, char** argv) {
  Session session;
  std::filesystem::path libraryFile = DefaultLibrary();
  std::vector<std::string> lines;
  bool oneShot = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--lib" && hasValue) {
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
