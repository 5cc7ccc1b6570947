#include <gtest/gtest.h>

#include "IrcMessage.h"
#include "IrcSession.h"

namespace zr2chat::irc {
namespace {

// A session whose library answers every chat line with the lines in `answer`, and remembers the calls.
class SessionTest : public ::testing::Test {
 protected:
  explicit SessionTest(std::string encodingName = "UTF-8") : encoding_(*WireEncoding::Open(encodingName)) {
    options_.nick = "zr2bot";
    options_.password = "secret";
    options_.channels = {"#dice", "#other"};
  }

  Session& Start() {
    session_ = std::make_unique<Session>(
        options_, encoding_,
        [this](const ChatLine& line) {
          calls_.push_back(line);
          return answer_;
        },
        queue_, [](const std::string&) {});
    session_->Start();
    return *session_;
  }

  // Registration done and both channels joined, the queue emptied.
  Session& Joined() {
    Session& session = Start();
    session.Receive(":srv 001 zr2bot :Welcome");
    session.Receive(":zr2bot!~zr2bot@127.0.0.1 JOIN :#dice");
    session.Receive(":zr2bot!~zr2bot@127.0.0.1 JOIN #other");
    Sent();
    return session;
  }

  std::vector<std::string> Sent() {
    std::vector<std::string> lines;
    now_ += std::chrono::seconds(10);
    while (auto line = queue_.Pop(now_, session_->Registered())) lines.push_back(*line);
    return lines;
  }

  Options options_;
  WireEncoding encoding_;
  FloodQueue queue_{1000};
  FloodQueue::Clock::time_point now_{};
  std::unique_ptr<Session> session_;
  std::vector<ChatLine> calls_;
  std::vector<std::string> answer_;
};

TEST_F(SessionTest, RegistersFallsBackOnTakenNicksAndJoins) {
  Session& session = Start();
  EXPECT_EQ(Sent(), (std::vector<std::string>{"PASS secret", "NICK zr2bot", "USER zr2bot 0 * :zr2chat dice bot"}));
  session.Receive(":srv 433 * zr2bot :Nickname already in use");
  session.Receive(":srv 432 * zr2bot_ :Erroneous nickname");
  session.Receive("PING :srv");
  EXPECT_EQ(Sent(), (std::vector<std::string>{"NICK zr2bot_", "NICK zr2bot2", "PONG :srv"}));
  session.Receive(":srv 001 zr2bot2 :Welcome");
  EXPECT_TRUE(session.Registered());
  EXPECT_EQ(session.Nick(), "zr2bot2");
  EXPECT_EQ(Sent(), (std::vector<std::string>{"JOIN #dice", "JOIN #other"}));
  session.Receive(":srv 433 zr2bot2 zr2bot :Nickname already in use");  // after registration: no more guessing
  EXPECT_TRUE(Sent().empty());
}

TEST(IrcNick, CandidatesStayWithinNineCharactersWhenNumbered) {
  EXPECT_EQ(NickCandidate("zr2bot", 0), "zr2bot");
  EXPECT_EQ(NickCandidate("zr2bot", 1), "zr2bot_");
  EXPECT_EQ(NickCandidate("zr2bot", 12), "zr2bot12");
  EXPECT_EQ(NickCandidate("dicebot99", 2), "dicebot92");
  EXPECT_EQ(NickCandidate("dicebot99", 10), "dicebot10");
}

TEST_F(SessionTest, RoutesChannelLinesAndQueriesWithTheSpeakersMask) {
  Session& session = Joined();
  answer_ = {"NOTICE #dice :アリス -> 2d6 = [3,4] = 7"};
  session.Receive(":alice!~al@host.example PRIVMSG #DICE :2d6");
  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].nick, "alice");
  EXPECT_EQ(calls_[0].userHost, "~al@host.example");
  EXPECT_EQ(calls_[0].channel, "#dice");  // as the server named it when the bot joined
  EXPECT_EQ(calls_[0].message, "2d6");
  EXPECT_EQ(Sent(), std::vector<std::string>{"NOTICE #dice :アリス -> 2d6 = [3,4] = 7"});

  answer_ = {"NOTICE alice :RA2ZOV ver.3"};
  session.Receive(":alice!~al@host.example PRIVMSG ZR2BOT :#ver");
  ASSERT_EQ(calls_.size(), 2u);
  EXPECT_EQ(calls_[1].channel, "alice");
  EXPECT_EQ(Sent(), std::vector<std::string>{"NOTICE alice :RA2ZOV ver.3"});

  // Not for the bot: channels it is not in, notices, CTCP requests, empty lines.
  session.Receive(":alice!~al@host.example PRIVMSG #elsewhere :2d6");
  session.Receive(":alice!~al@host.example NOTICE #dice :2d6");
  session.Receive(":alice!~al@host.example PRIVMSG zr2bot :\x01VERSION\x01");
  session.Receive(":alice!~al@host.example PRIVMSG #dice :");
  session.Receive(":zr2bot!~zr2bot@127.0.0.1 PART #other");
  session.Receive(":alice!~al@host.example PRIVMSG #other :2d6");
  EXPECT_EQ(calls_.size(), 2u);
  session.StopAnswering();
  session.Receive(":alice!~al@host.example PRIVMSG #dice :2d6");
  EXPECT_EQ(calls_.size(), 2u);
}

TEST_F(SessionTest, RepliesCannotSmuggleCommandsOntoTheWire) {
  Session& session = Joined();
  answer_ = {"NOTICE #dice :a\nQUIT :b\rc", "QUIT :gone", "PRIVMSG #dice :fine"};
  session.Receive(":alice!~al@h PRIVMSG #dice :2d6");
  EXPECT_EQ(Sent(),
            (std::vector<std::string>{"NOTICE #dice :a QUIT :b c", "NOTICE #dice :QUIT :gone", "PRIVMSG #dice :fine"}));
}

TEST_F(SessionTest, LongRepliesLeaveRoomForTheRelayPrefix) {
  Session& session = Joined();
  std::string text(700, 'x');
  answer_ = {"NOTICE #dice :" + text};
  session.Receive(":alice!~al@h PRIVMSG #dice :2d6");
  const std::vector<std::string> lines = Sent();
  ASSERT_EQ(lines.size(), 2u);
  std::string joined;
  for (const std::string& line : lines) {
    // What other users receive: ":zr2bot!~zr2bot@127.0.0.1 " + line + CR LF.
    EXPECT_LE(std::string(":zr2bot!~zr2bot@127.0.0.1 ").size() + line.size() + 2, kMaxLineBytes);
    joined += line.substr(std::string("NOTICE #dice :").size());
  }
  EXPECT_EQ(joined, text);
}

class JisSessionTest : public SessionTest {
 protected:
  JisSessionTest() : SessionTest("ISO-2022-JP") { options_.channels = {"#ダイス"}; }
};

TEST_F(JisSessionTest, ConvertsAndAnswersInTheChannelsOwnBytes) {
  Session& session = Start();
  session.Receive(":srv 001 zr2bot :Welcome");
  EXPECT_EQ(Sent().back(), "JOIN #\x1b$B%@%$%9\x1b(B");
  // The server names the channel with a different, equally valid escape for ASCII: keep its bytes.
  const std::string serverName = "#\x1b$B%@%$%9\x1b(J";
  session.Receive(":zr2bot!~z@h JOIN :" + serverName);
  answer_ = {"NOTICE #ダイス :アリス -> 2d6 = 7"};
  session.Receive(":alice!~al@h PRIVMSG " + serverName + " :\x1b$B%\"\x1b(B 2d6");
  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].channel, "#ダイス");
  EXPECT_EQ(calls_[0].message, "ア 2d6");
  const auto sent = Sent();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].substr(0, 7 + serverName.size()), "NOTICE " + serverName);
  EXPECT_EQ(encoding_.Decode(sent[0].substr(7 + serverName.size() + 2)), "アリス -> 2d6 = 7");
}

}  // namespace
}  // namespace zr2chat::irc
