#include "IrcBot.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <iostream>

#include "IrcTransport.h"

namespace zr2chat::irc {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto kConnectTimeout = 20s;
constexpr auto kRegistrationTimeout = 60s;
constexpr auto kQuietBeforePing = 150s;  // then we ask the server whether it is still there
constexpr auto kPongWait = 60s;
constexpr auto kFirstRetry = 1s;
constexpr auto kLongestRetry = 60s;
constexpr auto kQuitDrain = 3s;   // time queued replies get to leave after a signal
constexpr auto kQuitLinger = 2s;  // time the server gets to close after our QUIT
constexpr size_t kLongestIncoming = 8192;

// A signal handler can reach the loop only through a global: it writes one byte into this pipe.
int signalPipe[2] = {-1, -1};

extern "C" void OnSignal(int) {
  const char byte = 1;
  if (write(signalPipe[1], &byte, 1) < 0) return;
}

bool InstallSignals() {
  if (pipe2(signalPipe, O_NONBLOCK | O_CLOEXEC) != 0) return false;
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  signal(SIGPIPE, SIG_IGN);
  return true;
}

void Log(const std::string& text) {
  const std::time_t now = std::time(nullptr);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%H:%M:%S", std::localtime(&now));
  std::cerr << stamp << " zr2chat: " << text << std::endl;
}

int Milliseconds(Clock::duration span) {
  const auto ms = std::chrono::ceil<std::chrono::milliseconds>(span).count();
  return static_cast<int>(std::clamp<long long>(ms, 0, 60'000));
}

std::string Seconds(Clock::duration span) {
  return std::to_string(std::chrono::duration_cast<std::chrono::seconds>(span).count()) + " s";
}

class Bot {
 public:
  Bot(const Options& options, const Library& library, const WireEncoding& encoding)
      : options_(options),
        encoding_(encoding),
        queue_(options.linesPerSecond),
        session_(options, encoding, Answer(library), queue_, Log) {}

  int Run();

 private:
  enum class End { Dropped, Left };

  static Responder Answer(const Library& library) {
    return [&library](const ChatLine& line) {
      const auto reply = Dispatch(library, line.nick, line.userHost, line.channel, line.message);
      return reply ? reply->lines : std::vector<std::string>{};
    };
  }

  End Serve(Transport& transport);
  bool Pause(Clock::duration span);  // false when a signal came first
  bool TakeSignals();
  void Trace(const char* direction, const std::string& wireLine) const;

  const Options& options_;
  const WireEncoding& encoding_;
  FloodQueue queue_;
  Session session_;
  int signals_ = 0;
  std::string dropReason_;
};

bool Bot::TakeSignals() {
  char bytes[16];
  bool any = false;
  for (ssize_t n; (n = read(signalPipe[0], bytes, sizeof bytes)) > 0;) {
    signals_ += static_cast<int>(n);
    any = true;
  }
  return any;
}

bool Bot::Pause(Clock::duration span) {
  pollfd fd{signalPipe[0], POLLIN, 0};
  const Clock::time_point until = Clock::now() + span;
  while (Clock::now() < until) {
    if (poll(&fd, 1, Milliseconds(until - Clock::now())) > 0 && TakeSignals()) return false;
  }
  return true;
}

void Bot::Trace(const char* direction, const std::string& wireLine) const {
  if (!options_.verbose) return;
  const bool secret = wireLine.size() >= 5 && wireLine.compare(0, 5, "PASS ") == 0;
  Log(direction + (secret ? std::string("PASS ***") : encoding_.Decode(wireLine)));
}

int Bot::Run() {
  if (!InstallSignals()) {
    Log("cannot set up signal handling");
    return 1;
  }
  Clock::duration retry = kFirstRetry;
  for (;;) {
    Log("connecting to " + options_.host + ":" + options_.port + (options_.tls ? " (TLS)" : ""));
    std::string error;
    std::unique_ptr<Transport> transport = Connect(options_, kConnectTimeout, signalPipe[0], error);
    if (TakeSignals() || signals_ > 0) return 0;
    if (transport) {
      queue_.DropControl();
      session_.Start();
      const End end = Serve(*transport);
      transport.reset();
      if (end == End::Left) return 0;
      if (session_.Registered()) retry = kFirstRetry;
      Log("connection lost (" + dropReason_ + "); trying again in " + Seconds(retry));
    } else {
      Log("cannot connect (" + error + "); trying again in " + Seconds(retry));
    }
    if (!Pause(retry)) return 0;
    retry = std::min<Clock::duration>(retry * 2, kLongestRetry);
  }
}

Bot::End Bot::Serve(Transport& transport) {
  const Clock::time_point connected = Clock::now();
  Clock::time_point lastHeard = connected;
  bool pinged = false;
  std::string incoming, outgoing;
  bool skippingLongLine = false;
  std::optional<Clock::time_point> quitBy, closeBy;
  char buffer[16384];

  auto drop = [&](std::string reason) {
    dropReason_ = std::move(reason);
    return End::Dropped;
  };

  for (;;) {
    Clock::time_point now = Clock::now();
    if (outgoing.empty() && !closeBy) {
      if (std::optional<std::string> line = queue_.Pop(now, session_.Registered())) {
        Trace(">> ", *line);
        outgoing = *line + "\r\n";
      }
    }
    if (quitBy && !closeBy &&
        (now >= *quitBy || !session_.Registered() || (outgoing.empty() && queue_.Waiting() == 0))) {
      const std::string quit = session_.QuitLine("dice bot leaving");
      Trace(">> ", quit);
      outgoing += quit + "\r\n";
      closeBy = now + kQuitLinger;
    }
    if (closeBy && now >= *closeBy) return End::Left;
    if (!session_.Registered() && now - connected > kRegistrationTimeout) return drop("registration timed out");
    if (!pinged && now - lastHeard > kQuietBeforePing) {
      queue_.PushControl("PING :zr2chat");
      pinged = true;
      continue;
    }
    if (now - lastHeard > kQuietBeforePing + kPongWait) return drop("the server stopped answering");

    Clock::time_point wake = lastHeard + (pinged ? kQuietBeforePing + kPongWait : kQuietBeforePing);
    if (!session_.Registered()) wake = std::min(wake, connected + kRegistrationTimeout);
    if (outgoing.empty() && !closeBy)
      if (const auto release = queue_.NextRelease(now, session_.Registered())) wake = std::min(wake, *release);
    if (quitBy && !closeBy) wake = std::min(wake, *quitBy);
    if (closeBy) wake = std::min(wake, *closeBy);

    const bool wantWrite = !outgoing.empty() || transport.WantsWrite();
    pollfd fds[2] = {{transport.Fd(), static_cast<short>(POLLIN | (wantWrite ? POLLOUT : 0)), 0},
                     {signalPipe[0], POLLIN, 0}};
    poll(fds, 2, Milliseconds(wake - now));
    now = Clock::now();

    if (TakeSignals()) {
      if (signals_ > 1 || !session_.Registered()) return End::Left;
      if (!quitBy) {
        Log("signal received, leaving");
        quitBy = now + kQuitDrain;
        session_.StopAnswering();
      }
    }

    for (;;) {
      size_t got = 0;
      const Transport::Io io = transport.Read(buffer, sizeof buffer, got);
      if (io == Transport::Io::WouldBlock) break;
      if (io == Transport::Io::Closed) return closeBy ? End::Left : drop("closed by the server");
      lastHeard = now;
      pinged = false;
      incoming.append(buffer, got);
      for (size_t end; (end = incoming.find('\n')) != std::string::npos; incoming.erase(0, end + 1)) {
        if (skippingLongLine) {
          skippingLongLine = false;
          continue;
        }
        std::string line = incoming.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Trace("<< ", line);
        session_.Receive(line);
      }
      if (incoming.size() > kLongestIncoming) {  // no server sends such a line; do not let it grow
        incoming.clear();
        skippingLongLine = true;
      }
    }

    while (!outgoing.empty()) {
      size_t wrote = 0;
      const Transport::Io io = transport.Write(outgoing.data(), outgoing.size(), wrote);
      if (io == Transport::Io::WouldBlock) break;
      if (io == Transport::Io::Closed) return closeBy ? End::Left : drop("the connection broke");
      outgoing.erase(0, wrote);
    }
  }
}

}  // namespace

int RunBot(const Options& options, const Library& library) {
  const std::optional<WireEncoding> encoding = WireEncoding::Open(options.encoding);
  if (!encoding) {
    std::cerr << "zr2chat: unknown encoding " << options.encoding << "\n";
    return 2;
  }
  if (options.tls && !TlsAvailable()) {
    std::cerr << "zr2chat: this build has no TLS\n";
    return 2;
  }
  Bot bot(options, library, *encoding);
  return bot.Run();
}

}  // namespace zr2chat::irc
