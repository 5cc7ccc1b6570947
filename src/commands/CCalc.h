// The Calc command dispatcher: a chat line that the host took for a command is tried against one
// ordered list of routes; the first route whose test holds decides what happens to the line.
#pragma once
#include <span>
#include <string>
#include <string_view>

#include "host/CDiceMode.h"

namespace zr2 {

// The line as the routes see it: normalised, the command sign removed, cut into word and rest.
struct CalcCommand {
  std::u16string speaker;
  std::u16string channel;
  std::u16string word;
  std::u16string rest;
};

// What a route decides once its test holds.
struct RouteOutcome {
  enum class Kind { Silent, Reply, Forward };
  Kind kind = Kind::Silent;
  std::u16string text;
  bool withSpeaker = true;  // the speaker's character name in front of each line

  static RouteOutcome Silent() { return {}; }
  static RouteOutcome Reply(std::u16string text) { return {Kind::Reply, std::move(text), true}; }
  static RouteOutcome ReplyWithoutSpeaker(std::u16string text) { return {Kind::Reply, std::move(text), false}; }
  // Hands the line, as it came, to the host's own library.
  static RouteOutcome Forward() { return {Kind::Forward, {}, true}; }
};

// One route: its place in the list (1..24), the test on the command word, the game modes it
// answers in (nullptr: every mode; in any other mode the route ends the line without a reply) and
// the action. Routes are tried in ascending number. The dispatcher's own routes are 1, 5 and 24;
// the content tables add theirs as rows of the same list (kRoutes in CCalc.cpp, at the marked
// places 2-4 and 6-23), with their actions kept beside the tables they reach.
struct CalcRoute {
  int number;
  bool (*test)(std::u16string_view word);
  bool (*modes)(GameModeId mode);
  RouteOutcome (*action)(const CalcCommand& command);
};

// The dispatcher's route list, in test order.
std::span<const CalcRoute> CalcRoutes();

// The first route whose test holds decides; none holding leaves the line silent.
RouteOutcome Dispatch(std::span<const CalcRoute> routes, const CalcCommand& command);

// Normalises the message, drops its first character and cuts the command word off.
CalcCommand PrepareCommand(std::u16string speaker, std::u16string channel, std::u16string_view message);

// Calc's work on the six texts as the host passed them (speaker, three host texts, channel, message).
void RunCalc(const std::u16string (&texts)[6], char* reply);

}  // namespace zr2
