// The bot on a real IRC server: ngircd on 127.0.0.1, zr2chat --irc against it, and plain clients
// that talk to it. Skipped when ngircd is not installed.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <regex>

#include "IrcTestNetwork.h"

namespace irctest {
namespace {

const std::string kJisChannel = "#\x1b$B%@%$%9\x1b(B";  // #ダイス in ISO-2022-JP, written out by hand
// The dice, a note on doubles, the total and the label.
const std::string kRollReply = R"(アリス -> 2d6\+3 = \[([1-6]),([1-6])\][^ +]*\+3 = (\d+) >= 10\((成功|失敗)\))";

std::string LongName() {  // 300 characters: every reply to bob is longer than an IRC line, even in ISO-2022-JP
  std::string name;
  for (int i = 0; i < 60; ++i) name += "竜騎士ボブ";
  return name;
}

bool ExportsRollDice(const std::filesystem::path& library) {
  void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
  const bool found = handle != nullptr && dlsym(handle, "RollDice") != nullptr;
  if (handle != nullptr) dlclose(handle);
  return found;
}

// The library of the build, copied into the test folder so that its settings files are the test's own.
std::string PrepareLibrary(const TempFolder& folder, std::filesystem::path& library) {
  std::filesystem::create_directories(folder.Path() / "lib");
  library = folder.Path() / "lib" / "ZR2_DLL.so";
  std::error_code error;
  std::filesystem::copy_file(ZR2_LIBRARY, library, error);
  return error ? "cannot copy " + std::string(ZR2_LIBRARY) + ": " + error.message() : "";
}

// What the console prints for the same chat line: the lines the bot must send, byte for byte.
std::vector<std::string> ConsoleLines(const TempFolder& folder, const std::filesystem::path& library,
                                      const std::string& nick, const std::string& channel, const std::string& line) {
  static int run = 0;
  const std::filesystem::path out = folder.Path() / ("console" + std::to_string(++run) + ".txt");
  Process({ZR2_CHAT, "--lib", library.string(), "--nick", nick, "--channel", channel, "--raw", "-e", line}, out)
      .Wait(10s);
  std::vector<std::string> lines;
  std::ifstream in(out);
  for (std::string text; std::getline(in, text);) lines.push_back(text);
  return lines;
}

std::function<bool(const std::string&)> JoinOf(const std::string& nick, const std::string& channel) {
  return [=](const std::string& line) {
    return line.compare(0, nick.size() + 2, ":" + nick + "!") == 0 &&
           (line.ends_with(" JOIN :" + channel) || line.ends_with(" JOIN " + channel));
  };
}

std::function<bool(const std::string&)> NoticeFrom(const std::string& nick, const std::string& target) {
  return [=](const std::string& line) { return NoticeText(line, nick, target).has_value(); };
}

std::vector<std::string> Texts(const Client& client, const std::vector<size_t>& found, const std::string& nick,
                               const std::string& target) {
  std::vector<std::string> texts;
  for (size_t index : found) texts.push_back(*NoticeText(client.At(index).raw, nick, target));
  return texts;
}

// One server with two bots: zr2bot (UTF-8; its nick is taken, so it becomes zr2bot_) and zr2jis (ISO-2022-JP).
struct Network {
  TempFolder folder;
  std::filesystem::path library;
  std::optional<Server> server;
  Process utf8Bot, jisBot;
  Client squatter, alice, bob;
  std::string botNick = "zr2bot_";
  std::string error;
};

class IrcBotTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!Executable(ZR2_NGIRCD)) return;
    net_ = std::make_unique<Network>();
    net_->error = Start(*net_);
  }

  static void TearDownTestSuite() {
    if (!net_) return;
    // Either signal makes a bot leave cleanly.
    EXPECT_EQ(net_->utf8Bot.Stop(SIGINT, 8s), 0);
    EXPECT_EQ(net_->jisBot.Stop(SIGTERM, 8s), 0);
    net_->server->process.Stop(SIGTERM, 5s);
    net_.reset();
  }

  void SetUp() override {
    if (!net_) GTEST_SKIP() << "ngircd is not installed (" << ZR2_NGIRCD << ")";
    ASSERT_EQ(net_->error, "") << "logs in " << net_->folder.Path();
  }

  void TearDown() override {
    if (net_ && HasFailure()) net_->folder.Keep();
  }

  static std::string Start(Network& net) {
    if (std::string error = PrepareLibrary(net.folder, net.library); !error.empty()) return error;
    if (!ExportsRollDice(net.library)) return "the library does not export RollDice";
    // Character names as the host stores them; the console writes them the same way.
    ConsoleLines(net.folder, net.library, "alice", "#dice", "/name アリス");
    ConsoleLines(net.folder, net.library, "bob", "#dice", "/name " + LongName());
    net.server = StartServer(net.folder.Path());
    if (!net.server) return "ngircd did not start";
    const int port = net.server->port;
    if (!net.squatter.Connect(port, "zr2bot")) return "the squatter could not connect";
    if (!net.alice.Connect(port, "alice") || !net.bob.Connect(port, "bob")) return "the clients could not connect";
    for (const char* channel : {"#dice", "#quiet", "#other", "#ダイス"})
      if (!net.alice.Join(channel)) return std::string("alice could not join ") + channel;
    if (!net.alice.Join(kJisChannel) || !net.bob.Join("#dice") || !net.bob.Join(kJisChannel))
      return "the clients could not join";
    std::ofstream(net.folder.Path() / "password") << "zr2-secret\n";

    const size_t mark = net.alice.Mark();
    const std::string lib = net.library.string(), server = "127.0.0.1:" + std::to_string(port);
    net.utf8Bot = Process({ZR2_CHAT, "--lib", lib, "--irc", server, "--irc-nick", "zr2bot", "--irc-password-file",
                           (net.folder.Path() / "password").string(), "--irc-channel", "dice,quiet", "--irc-channel",
                           "other", "--irc-channel", "#ダイス", "--irc-rate", "10", "--irc-verbose"},
                          net.folder.Path() / "bot-utf8.log");
    net.jisBot =
        Process({ZR2_CHAT, "--lib", lib, "--irc", server, "--irc-nick", "zr2jis", "--irc-password", "zr2-secret",
                 "--irc-encoding", "ISO-2022-JP", "--irc-channel", "#ダイス", "--irc-rate", "10", "--irc-verbose"},
                net.folder.Path() / "bot-jis.log");
    for (const char* channel : {"#dice", "#quiet", "#other", "#ダイス"})
      if (!net.alice.Find(JoinOf(net.botNick, channel), mark, 15s))
        return "zr2bot_ did not join " + std::string(channel);
    if (!net.alice.Find(JoinOf("zr2jis", kJisChannel), mark, 15s)) return "zr2jis did not join";
    return "";
  }

  // Says `line` as alice and collects the bot's notices to `target` until they stop coming.
  static std::vector<std::string> Ask(const std::string& target, const std::string& line,
                                      const std::string& bot = net_->botNick) {
    const size_t mark = net_->alice.Mark();
    net_->alice.Send("PRIVMSG " + target + " :" + line);
    return Texts(net_->alice, net_->alice.FindUntilQuiet(NoticeFrom(bot, target), mark, 1500ms, 15s), bot, target);
  }

  static inline std::unique_ptr<Network> net_;
};

TEST_F(IrcBotTest, AnswersLikeTheConsoleUnderAFallbackNick) {
  // zr2bot was taken when the bot came: it joined as zr2bot_ (checked while starting).
  const std::vector<std::string> expected = ConsoleLines(net_->folder, net_->library, "alice", "#dice", "#ver");
  ASSERT_FALSE(expected.empty());
  const size_t mark = net_->alice.Mark();
  net_->alice.Send("PRIVMSG #dice :#ver");
  const auto found = net_->alice.FindUntilQuiet(NoticeFrom(net_->botNick, "#dice"), mark, 1500ms, 15s);
  std::vector<std::string> lines;
  for (size_t index : found) lines.push_back(WithoutPrefix(net_->alice.At(index).raw));
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(expected[0], "NOTICE #dice :RA2ZOV ver.3 モード一覧(現在：#dice = ゼファーレルム2.0)");
}

TEST_F(IrcBotTest, QueriesAreAnsweredToTheSpeaker) {
  // In a query the speaker's nick stands for the channel, and the answer goes back to the speaker.
  const size_t mark = net_->alice.Mark();
  net_->alice.Send("PRIVMSG " + net_->botNick + " :#ver");
  const auto answer = net_->alice.Find(NoticeFrom(net_->botNick, "alice"), mark, 10s);
  ASSERT_TRUE(answer);
  EXPECT_EQ(*NoticeText(net_->alice.At(*answer).raw, net_->botNick, "alice"),
            "RA2ZOV ver.3 モード一覧(現在：alice = ゼファーレルム2.0)");
}

TEST_F(IrcBotTest, RollsAreAnswered) {
  const std::vector<std::string> roll = Ask("#dice", "2d6+3>=10");
  ASSERT_EQ(roll.size(), 1u);
  std::smatch parts;
  ASSERT_TRUE(std::regex_match(roll[0], parts, std::regex(kRollReply))) << roll[0];
  const int total = std::stoi(parts[3]);
  EXPECT_EQ(total, std::stoi(parts[1]) + std::stoi(parts[2]) + 3);
  EXPECT_EQ(parts[4], total >= 10 ? "成功" : "失敗");
}

TEST_F(IrcBotTest, ChannelSwitchedOffStaysSilent) {
  EXPECT_EQ(Ask("#quiet", "bot !dice_off"), std::vector<std::string>{"#quietでのダイスボットをOFFにしました。"});
  const size_t mark = net_->alice.Mark();
  net_->alice.Send("PRIVMSG #quiet :2d6+3>=10");
  net_->alice.Send("PRIVMSG #quiet :#ver");
  net_->alice.Send("PRIVMSG #quiet :bot !dice_on");
  // Replies to one channel leave in order: the first thing the bot says there must be the switch back on.
  const auto first = net_->alice.Find(NoticeFrom(net_->botNick, "#quiet"), mark, 10s);
  ASSERT_TRUE(first);
  EXPECT_EQ(*NoticeText(net_->alice.At(*first).raw, net_->botNick, "#quiet"), "#quietでのダイスボットをONにしました。");
}

TEST_F(IrcBotTest, JapaneseTravelsInUtf8AndIso2022Jp) {
  const std::string expected = "RA2ZOV ver.3 モード一覧(現在：#ダイス = ゼファーレルム2.0)";
  const std::vector<std::string> utf8 = Ask("#ダイス", "#ver");
  ASSERT_FALSE(utf8.empty());
  EXPECT_EQ(utf8[0], expected);

  ASSERT_EQ(ToJis("#ダイス"), kJisChannel);
  const std::vector<std::string> jis = Ask(kJisChannel, "#ver", "zr2jis");
  ASSERT_EQ(jis.size(), utf8.size());
  for (size_t i = 0; i < jis.size(); ++i) {
    EXPECT_TRUE(std::all_of(jis[i].begin(), jis[i].end(), [](char c) { return (c & 0x80) == 0; })) << i;
    EXPECT_EQ(FromJis(jis[i]), utf8[i]) << i;
  }

  // Full-width digits, a full-width blank and a Japanese comment: the library reads them as 2d6+3.
  const std::regex roll(R"(アリス -> 2d6\+3 = \[[1-6],[1-6]\][^ +]*\+3 = \d+)");
  const std::vector<std::string> utf8Roll = Ask("#ダイス", "２ｄ６＋３　命中");
  ASSERT_EQ(utf8Roll.size(), 1u);
  EXPECT_TRUE(std::regex_match(utf8Roll[0], roll)) << utf8Roll[0];
  const std::vector<std::string> jisRoll = Ask(kJisChannel, ToJis("２ｄ６＋３　命中"), "zr2jis");
  ASSERT_EQ(jisRoll.size(), 1u);
  EXPECT_TRUE(std::regex_match(FromJis(jisRoll[0]), roll)) << FromJis(jisRoll[0]);
}

TEST_F(IrcBotTest, LongRepliesAreSplitBetweenCharacters) {
  struct Case {
    std::string channel, bot;
    bool jis;
  };
  for (const Case& c : {Case{"#dice", net_->botNick, false}, Case{kJisChannel, "zr2jis", true}}) {
    const size_t mark = net_->bob.Mark();
    net_->bob.Send("PRIVMSG " + c.channel + " :2d6");
    const auto found = net_->bob.FindUntilQuiet(NoticeFrom(c.bot, c.channel), mark, 1500ms, 15s);
    ASSERT_GE(found.size(), 2u) << c.bot;
    std::string text;
    for (size_t index : found) {
      const std::string& raw = net_->bob.At(index).raw;
      EXPECT_LE(raw.size() + 2, 512u) << c.bot;
      const std::string piece = *NoticeText(raw, c.bot, c.channel);
      // Each line stands on its own: no character is cut, no ISO-2022-JP line ends outside ASCII.
      if (c.jis) {
        EXPECT_EQ(ToJis(FromJis(piece)), piece) << c.bot;
        text += FromJis(piece);
      } else {
        EXPECT_TRUE(IsUtf8(piece)) << c.bot;
        text += piece;
      }
    }
    EXPECT_TRUE(std::regex_match(text, std::regex(LongName() + R"( -> 2d6 = .*\d)"))) << c.bot << ": " << text;
  }
}

TEST_F(IrcBotTest, BurstOfFiftyRollsArrivesInOrderAtTheRate) {
  const size_t mark = net_->alice.Mark();
  std::string burst;
  for (int i = 1; i <= 50; ++i) burst += "PRIVMSG #dice :2d6+" + std::to_string(i) + "\r\n";
  burst += "PRIVMSG #other :#ver";
  net_->alice.Send(burst);

  const auto roll = [](const std::string& line) {
    const auto text = NoticeText(line, net_->botNick, "#dice");
    return text && text->starts_with("アリス -> 2d6+");
  };
  std::vector<size_t> rolls;
  for (size_t from = mark; rolls.size() < 50;) {
    const auto next = net_->alice.Find(roll, from, 10s);
    ASSERT_TRUE(next) << "only " << rolls.size() << " of 50 rolls answered";
    rolls.push_back(*next);
    from = *next + 1;
  }
  for (size_t i = 0; i < rolls.size(); ++i) {
    const std::string text = *NoticeText(net_->alice.At(rolls[i]).raw, net_->botNick, "#dice");
    const std::string modifier = "+" + std::to_string(i + 1);
    EXPECT_TRUE(std::regex_match(
        text, std::regex("アリス -> 2d6\\" + modifier + " = \\[[1-6],[1-6]\\][^ +]*\\" + modifier + " = \\d+")))
        << text;
  }
  // --irc-rate 10: any eleven lines from the bot span at least a second (less a little for the network).
  for (size_t i = 0; i + 10 < rolls.size(); ++i)
    EXPECT_GE(net_->alice.At(rolls[i + 10]).at - net_->alice.At(rolls[i]).at, 900ms) << i;
  // The other channel takes turns with the burst instead of waiting for all of it.
  const auto other = net_->alice.Find(NoticeFrom(net_->botNick, "#other"), mark, 10s);
  ASSERT_TRUE(other);
  EXPECT_LT(*other, rolls[20]);
}

// A server of its own, restarted under the bot.
TEST(IrcBotRestart, ReconnectsRejoinsAndQuitsCleanly) {
  if (!Executable(ZR2_NGIRCD)) GTEST_SKIP() << "ngircd is not installed (" << ZR2_NGIRCD << ")";
  TempFolder folder;
  std::filesystem::path library;
  ASSERT_EQ(PrepareLibrary(folder, library), "");
  std::optional<Server> server = StartServer(folder.Path());
  ASSERT_TRUE(server);
  Client alice;
  ASSERT_TRUE(alice.Connect(server->port, "alice"));
  ASSERT_TRUE(alice.Join("#dice"));
  Process bot({ZR2_CHAT, "--lib", library.string(), "--irc", "127.0.0.1:" + std::to_string(server->port),
               "--irc-password", "zr2-secret", "--irc-channel", "dice"},
              folder.Path() / "bot.log");
  ASSERT_TRUE(alice.Find(JoinOf("zr2bot", "#dice"), 0, 15s));

  const int port = server->port;
  EXPECT_EQ(server->process.Stop(SIGTERM, 5s), 0);
  server = StartServer(folder.Path(), port);
  ASSERT_TRUE(server);
  ASSERT_TRUE(alice.Connect(port, "alice"));
  ASSERT_TRUE(alice.Join("#dice"));
  size_t mark = alice.Mark();
  ASSERT_TRUE(alice.Find(JoinOf("zr2bot", "#dice"), mark, 20s)) << ReadFile(folder.Path() / "bot.log");
  alice.Send("PRIVMSG #dice :#ver");
  EXPECT_TRUE(alice.Find(NoticeFrom("zr2bot", "#dice"), mark, 10s));

  mark = alice.Mark();
  EXPECT_EQ(bot.Stop(SIGTERM, 10s), 0);
  EXPECT_TRUE(alice.Find(
      [](const std::string& line) { return line.starts_with(":zr2bot!") && line.find(" QUIT :") != std::string::npos; },
      mark, 5s));
  if (HasFailure()) folder.Keep();
}

// TLS with a certificate made for the test: trusted through --irc-tls-ca, refused without it.
TEST(IrcBotTls, ConnectsOnlyToAVerifiedServer) {
  if (!Executable(ZR2_NGIRCD) || !Executable(ZR2_OPENSSL)) GTEST_SKIP() << "ngircd or openssl is not installed";
  TempFolder folder;
  const std::filesystem::path certificate = folder.Path() / "cert.pem", key = folder.Path() / "key.pem";
  ASSERT_EQ(Process({ZR2_OPENSSL, "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                     "-keyout", key.string(), "-out", certificate.string(), "-days", "2", "-subj", "/CN=127.0.0.1",
                     "-addext", "subjectAltName=IP:127.0.0.1"},
                    folder.Path() / "openssl.log")
                .Wait(20s),
            0);
  std::filesystem::path library;
  ASSERT_EQ(PrepareLibrary(folder, library), "");
  std::optional<Server> server = StartServer(folder.Path(), 0, 0, certificate, key);
  ASSERT_TRUE(server);
  Client alice;
  ASSERT_TRUE(alice.Connect(server->port, "alice"));
  ASSERT_TRUE(alice.Join("#dice"));
  const std::string address = "127.0.0.1:" + std::to_string(server->tlsPort);
  Process trusting({ZR2_CHAT, "--lib", library.string(), "--irc", address, "--irc-tls", "--irc-tls-ca",
                    certificate.string(), "--irc-password", "zr2-secret", "--irc-channel", "dice"},
                   folder.Path() / "bot.log");
  Process doubting({ZR2_CHAT, "--lib", library.string(), "--irc", address, "--irc-tls", "--irc-nick", "doubter",
                    "--irc-password", "zr2-secret", "--irc-channel", "dice"},
                   folder.Path() / "doubter.log");
  ASSERT_TRUE(alice.Find(JoinOf("zr2bot", "#dice"), 0, 15s)) << ReadFile(folder.Path() / "bot.log");
  const size_t mark = alice.Mark();
  alice.Send("PRIVMSG #dice :#ver");
  EXPECT_TRUE(alice.Find(NoticeFrom("zr2bot", "#dice"), mark, 10s));
  EXPECT_FALSE(alice.Find(JoinOf("doubter", "#dice"), 0, 1s));
  EXPECT_NE(ReadFile(folder.Path() / "doubter.log").find("certificate"), std::string::npos);
  if (HasFailure()) folder.Keep();
}

}  // namespace
}  // namespace irctest
