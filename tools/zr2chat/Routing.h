// Which entry of the library a chat line goes to, as a host would decide it.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zr2chat {

enum class EntryKind { Request, Calc };  // (request, reply) or Calc's seven arguments

struct Candidate {
  std::string entry;
  EntryKind kind;
};

struct Route {
  const char* entry;
  EntryKind kind;
  const char* words;  // for the help text and the README
  bool (*matches)(std::string_view message);
};

// The routing table, in the order candidates are tried.
const std::vector<Route>& Routes();

// The entries to try for a UTF-8 chat line, in order; the first that answers wins.
std::vector<Candidate> CandidatesFor(std::string_view message);

}  // namespace zr2chat
