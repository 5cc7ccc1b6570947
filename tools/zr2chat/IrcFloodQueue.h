// Lines waiting for the server: never more than N in any one second, never dropped.
#pragma once
#include <chrono>
#include <deque>
#include <optional>
#include <string>

namespace zr2chat::irc {

class FloodQueue {
 public:
  using Clock = std::chrono::steady_clock;

  explicit FloodQueue(int linesPerSecond);

  // Protocol lines (PONG, JOIN, ...) go ahead of every reply.
  void PushControl(std::string line);
  // Replies wait per target; targets take turns, so a burst in one channel does not hold up the others.
  void PushReply(const std::string& target, std::string line);

  // The next line that may be sent at `now`; replies only when `repliesAllowed` (after registration).
  std::optional<std::string> Pop(Clock::time_point now, bool repliesAllowed);
  // When Pop may next give a line; nothing when no line waits that could go.
  std::optional<Clock::time_point> NextRelease(Clock::time_point now, bool repliesAllowed) const;

  // Protocol lines belong to one connection; replies survive a reconnection.
  void DropControl() { control_.clear(); }
  size_t Waiting() const;

 private:
  struct TargetQueue {
    std::string target;
    std::deque<std::string> lines;
  };

  size_t rate_;
  std::deque<Clock::time_point> sent_;  // send times of the last `rate_` lines
  std::deque<std::string> control_;
  std::deque<TargetQueue> targets_;  // in turn order
};

}  // namespace zr2chat::irc
