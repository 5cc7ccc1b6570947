#include "IrcFloodQueue.h"

#include <algorithm>

#include "IrcMessage.h"

namespace zr2chat::irc {
namespace {

constexpr std::chrono::seconds kWindow{1};

}  // namespace

FloodQueue::FloodQueue(int linesPerSecond) : rate_(static_cast<size_t>(std::max(1, linesPerSecond))) {}

void FloodQueue::PushControl(std::string line) { control_.push_back(std::move(line)); }

void FloodQueue::PushReply(const std::string& target, std::string line) {
  auto queue =
      std::find_if(targets_.begin(), targets_.end(), [&](const TargetQueue& q) { return SameName(q.target, target); });
  if (queue == targets_.end()) {
    targets_.push_back({target, {}});
    queue = targets_.end() - 1;
  }
  queue->lines.push_back(std::move(line));
}

std::optional<FloodQueue::Clock::time_point> FloodQueue::NextRelease(Clock::time_point now, bool repliesAllowed) const {
  if (control_.empty() && (targets_.empty() || !repliesAllowed)) return std::nullopt;
  if (sent_.size() < rate_) return now;
  return std::max(now, sent_.front() + kWindow);
}

std::optional<std::string> FloodQueue::Pop(Clock::time_point now, bool repliesAllowed) {
  const auto release = NextRelease(now, repliesAllowed);
  if (!release || *release > now) return std::nullopt;
  std::string line;
  if (!control_.empty()) {
    line = std::move(control_.front());
    control_.pop_front();
  } else {
    TargetQueue turn = std::move(targets_.front());
    targets_.pop_front();
    line = std::move(turn.lines.front());
    turn.lines.pop_front();
    if (!turn.lines.empty()) targets_.push_back(std::move(turn));
  }
  sent_.push_back(now);
  if (sent_.size() > rate_) sent_.pop_front();
  return line;
}

size_t FloodQueue::Waiting() const {
  size_t count = control_.size();
  for (const TargetQueue& queue : targets_) count += queue.lines.size();
  return count;
}

}  // namespace zr2chat::irc
