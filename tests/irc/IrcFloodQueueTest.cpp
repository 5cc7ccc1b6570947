#include <gtest/gtest.h>

#include <vector>

#include "IrcFloodQueue.h"

namespace zr2chat::irc {
namespace {

using namespace std::chrono_literals;
using Clock = FloodQueue::Clock;

struct Sent {
  std::string line;
  Clock::time_point at;
};

// Drains the queue on a simulated clock that jumps to each release time.
std::vector<Sent> Drain(FloodQueue& queue, Clock::time_point start, bool repliesAllowed = true) {
  std::vector<Sent> sent;
  Clock::time_point now = start;
  for (int guard = 0; guard < 10000; ++guard) {
    const auto release = queue.NextRelease(now, repliesAllowed);
    if (!release) break;
    EXPECT_GE(*release, now);
    now = *release;
    const auto line = queue.Pop(now, repliesAllowed);
    if (!line) {
      ADD_FAILURE() << "a line due at its release time was not given";
      break;
    }
    sent.push_back({*line, now});
  }
  return sent;
}

TEST(IrcFloodQueue, SendsEverythingInOrderAndNeverMoreThanTheRateInOneSecond) {
  FloodQueue queue(5);
  for (int i = 0; i < 23; ++i) queue.PushReply("#dice", "line " + std::to_string(i));
  const Clock::time_point start{};
  const std::vector<Sent> sent = Drain(queue, start);
  ASSERT_EQ(sent.size(), 23u);
  for (size_t i = 0; i < sent.size(); ++i) EXPECT_EQ(sent[i].line, "line " + std::to_string(i));
  for (size_t i = 0; i + 5 < sent.size(); ++i) EXPECT_GE(sent[i + 5].at - sent[i].at, 1s) << i;
  EXPECT_EQ(sent[4].at, start);           // the first second's lines go at once
  EXPECT_LT(sent.back().at - start, 5s);  // and the rest as fast as the rate allows
  EXPECT_EQ(queue.Waiting(), 0u);
}

TEST(IrcFloodQueue, ProtocolLinesGoFirstAndChannelsTakeTurns) {
  FloodQueue queue(100);
  for (int i = 0; i < 4; ++i) queue.PushReply("#busy", "busy " + std::to_string(i));
  queue.PushReply("#Quiet", "quiet 0");
  queue.PushReply("#quiet", "quiet 1");  // the same channel, whatever the case
  queue.PushControl("PONG :x");
  std::vector<std::string> order;
  for (const Sent& s : Drain(queue, Clock::time_point{})) order.push_back(s.line);
  EXPECT_EQ(order, (std::vector<std::string>{"PONG :x", "busy 0", "quiet 0", "busy 1", "quiet 1", "busy 2", "busy 3"}));
}

TEST(IrcFloodQueue, RepliesWaitForRegistrationAndSurviveAReconnection) {
  FloodQueue queue(10);
  queue.PushReply("#dice", "reply");
  queue.PushControl("NICK old");
  queue.DropControl();  // the connection broke before NICK went out
  queue.PushControl("NICK new");
  std::vector<Sent> sent = Drain(queue, Clock::time_point{}, false);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].line, "NICK new");
  sent = Drain(queue, Clock::time_point{} + 1s, true);
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].line, "reply");
}

}  // namespace
}  // namespace zr2chat::irc
