#include <gtest/gtest.h>

#include "IrcMessage.h"

namespace zr2chat::irc {
namespace {

struct ParseCase {
  const char* line;
  const char* prefix;
  const char* command;
  std::vector<std::string> params;
};

TEST(IrcMessage, ParsesPrefixCommandAndParameters) {
  const ParseCase cases[] = {
      {":alice!~al@127.0.0.1 PRIVMSG #dice :2d6+3 >= 10\r\n",
       "alice!~al@127.0.0.1",
       "PRIVMSG",
       {"#dice", "2d6+3 >= 10"}},
      {"PING :irc.test", "", "PING", {"irc.test"}},
      {":srv 433 * zr2bot :Nickname already in use", "srv", "433", {"*", "zr2bot", "Nickname already in use"}},
      {":srv 005 bot NICKLEN=9  CHANTYPES=#& :are supported",
       "srv",
       "005",
       {"bot", "NICKLEN=9", "CHANTYPES=#&", "are supported"}},
      {"@time=2024-01-01T00:00:00Z :a!b@c privmsg #x ::-)", "a!b@c", "PRIVMSG", {"#x", ":-)"}},
      {":a!b@c PRIVMSG #x :", "a!b@c", "PRIVMSG", {"#x", ""}},
  };
  for (const ParseCase& c : cases) {
    const auto message = ParseLine(c.line);
    ASSERT_TRUE(message) << c.line;
    EXPECT_EQ(message->prefix, c.prefix) << c.line;
    EXPECT_EQ(message->command, c.command) << c.line;
    EXPECT_EQ(message->params, c.params) << c.line;
  }
  EXPECT_FALSE(ParseLine(""));
  EXPECT_FALSE(ParseLine(":prefix-only"));
}

TEST(IrcMessage, SplitsPrefixAndComparesNamesLikeServers) {
  EXPECT_EQ(NickOf("alice!~al@host.example"), "alice");
  EXPECT_EQ(UserHostOf("alice!~al@host.example"), "~al@host.example");
  EXPECT_EQ(NickOf("irc.example.net"), "irc.example.net");
  EXPECT_EQ(UserHostOf("irc.example.net"), "");
  EXPECT_TRUE(SameName("#Dice[1]", "#dice{1}"));
  EXPECT_TRUE(SameName("Zr2Bot^", "zr2bot~"));
  EXPECT_FALSE(SameName("#dice", "#dice2"));
  EXPECT_TRUE(IsChannelName("#dice"));
  EXPECT_TRUE(IsChannelName("&local"));
  EXPECT_FALSE(IsChannelName("alice"));
}

}  // namespace
}  // namespace zr2chat::irc
