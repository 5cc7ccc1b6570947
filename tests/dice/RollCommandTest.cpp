// The roll entries survive hostile requests: no crash, no overrun, bounded time, at most one reply.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>

#include "TestFolder.h"
#include "dice/CDiceExecute.h"
#include "platform/Platform.h"

extern "C" void RollDice(const char* request, char* reply);
extern "C" void AsciiCalc(const char* request, char* reply);
extern "C" void Choice(const char* request, char* reply);

namespace zr2 {
namespace {

std::u16string Repeated(std::u16string_view piece, size_t times) {
  std::u16string text;
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

std::u16string Garbage(size_t length, std::u16string_view alphabet) {
  std::u16string text;
  for (size_t i = 0; i < length; ++i) text += alphabet[i * 7919 % alphabet.size()];
  return text;
}

TEST(RollCommand, HostileRequestsAreBoundedAndSafe) {
  test::TestFolder folder;
  folder.InstallHostLibrary();
  const std::u16string messages[] = {
      Garbage(100000, u"d0123456789+-*/()@^%x,#$=:.<>rsckRB ＋あ"),
      Garbage(100000, u"d0123456789+-*/@^%"),
      Repeated(u"(", 100000) + u"2d6" + Repeated(u")", 100000),
      u"(" + Repeated(u"(", 50000) + u"1r10" + Repeated(u")", 50000) + u"+1r10",
      u"99999999999999999999999999d6",
      u"1d99999999999999999999999999",
      u"d" + Repeated(u"9", 100000),
      u"2d6**2147483647",
      u"2d6**99999999999999999999",
      u"1000d6+1000d6+1000d6+1000d6+1000d6+1000d6+1000d6+1000d6+1000d6+1000d6**50",
      u"1000r10@2**50",
      u"3c10000**50",
      u"2147483647s12**50",
      u"1" + Repeated(u"+1B6", kMaxExpressionTerms - 1) + u"**" + test::U16(std::to_string(kMaxRepeats)),
      u"1" + Repeated(u"+1r10", kMaxExpressionTerms + 1),
      u"r100@3B1**50",
      u"# # # 1 2d6**x " + Repeated(u"x ", 50000),
      u"1 " + Repeated(u"2d6**x ", 20000),
      u"# 。" + Repeated(u"かのはと", 25000),
      u"choice[" + Repeated(u"a、", 50000) + u"]",
      u"choice「" + Repeated(u"「", 50000),
  };
  for (const std::u16string& message : messages) {
    const std::string request = platform::TextToAnsi(u"taro #table " + message);
    for (auto entry : {RollDice, AsciiCalc, Choice}) {
      char buffer[kReplyCapacity + 64];
      std::memset(buffer, 0x7f, sizeof buffer);
      const auto start = std::chrono::steady_clock::now();
      entry(request.c_str(), buffer);
      const auto elapsed = std::chrono::steady_clock::now() - start;
      EXPECT_LT(elapsed, std::chrono::seconds(10)) << test::U8(message.substr(0, 40));
      for (size_t i = kReplyCapacity; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], 0x7f);
      if (buffer[0] != 0x7f) {
        EXPECT_NE(std::memchr(buffer, '\0', kReplyCapacity), nullptr);
      }
    }
  }
}

TEST(RollCommand, NullAndEmptyRequests) {
  test::TestFolder folder;
  char buffer[kReplyCapacity];
  std::memset(buffer, 0x7f, sizeof buffer);
  for (auto entry : {RollDice, AsciiCalc, Choice}) {
    entry(nullptr, buffer);
    entry("", buffer);
    entry("taro", buffer);
    entry("taro #table", buffer);
  }
  EXPECT_EQ(buffer[0], 0x7f);
}

}  // namespace
}  // namespace zr2
