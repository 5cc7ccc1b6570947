#include <gtest/gtest.h>

#include <limits>

#include "TestFolder.h"
#include "counters/CounterLinks.h"
#include "host/CIniLoader.h"

namespace zr2 {
namespace {

using test::TestFolder;

TEST(LinkList, MembershipComparesWholeEntries) {
  struct Case {
    std::u16string_view links, key;
    bool member;
  };
  const Case cases[] = {
      {u"TARO@HANAKO@", u"TARO", true},      {u"TARO@HANAKO@", u"HANAKO", true},
      {u"MOMOTARO@", u"TARO", false},        {u"TARO@", u"TAR", false},
      {u"TARO@HANA", u"HANA", false},        // a trailing text without "@" is no entry
      {u"X@TARO@", u"X@TARO", false},        // a key holding "@" can never be one entry
      {u"@@TARO@", u"", false},              // nor can the empty key
      {u"", u"TARO", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsLinkMember(c.links, c.key), c.member) << test::U8(std::u16string(c.links)) << " / "
                                                      << test::U8(std::u16string(c.key));
}

TEST(LinkList, JoinAppendsWholeEntriesOnly) {
  std::u16string links = u"TARO@HANA";  // cut short by the store
  EXPECT_TRUE(JoinLinks(links, u"JIRO"));
  EXPECT_EQ(links, u"TARO@JIRO@");
  EXPECT_TRUE(JoinLinks(links, u"TARO"));
  EXPECT_EQ(links, u"TARO@JIRO@");
  EXPECT_FALSE(JoinLinks(links, u"A@B"));
  EXPECT_FALSE(JoinLinks(links, u""));
  EXPECT_EQ(links, u"TARO@JIRO@");
  RemoveLink(links, u"TARO");
  EXPECT_EQ(links, u"JIRO@");
}

TEST(LinkList, NeverGrowsBeyondWhatTheStoreReadsBack) {
  TestFolder folder;
  std::u16string links(505, u'A');
  links += u"@";  // 506 characters
  EXPECT_TRUE(JoinLinks(links, u"BCDE"));  // 511: still read back whole
  EXPECT_FALSE(JoinLinks(links, u"F"));
  WriteLinks(u"#t", links);
  EXPECT_EQ(ReadLinks(u"#t"), links);
  EXPECT_TRUE(IsLinkMember(ReadLinks(u"#t"), u"BCDE"));
}

TEST(Counters, SaturateAtThe32BitLimits) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  struct Case {
    std::int32_t start;
    std::int64_t delta;
    std::int32_t after;
  };
  const Case cases[] = {
      {5, 3, 8}, {kMax - 1, 1, kMax}, {kMax, 1, kMax}, {kMax, kMax, kMax}, {kMin + 1, -5, kMin}, {kMin, -1, kMin},
      {kMax, kMin, -1}, {0, std::int64_t{1} << 40, kMax},
  };
  TestFolder folder;
  for (const Case& c : cases) {
    WriteCounter(u"#t", u"taro", c.start);
    const CounterChange change = AddToCounterSaturated(u"#t", u"taro", c.delta);
    EXPECT_EQ(change.before, c.start);
    EXPECT_EQ(change.after, c.after) << c.start << " + " << c.delta;
    EXPECT_EQ(ReadCounter(u"#t", u"taro"), c.after);
  }
}

TEST(Counters, OnlyUsableChannelsAndKeysHoldCounters) {
  EXPECT_TRUE(CanHoldCounter(u"#t", u"taro"));
  EXPECT_TRUE(CanHoldCounter(u"123", u"a=b"));
  EXPECT_FALSE(CanHoldCounter(u"#t", u"12_3"));
  EXPECT_FALSE(CanHoldCounter(u"", u"taro"));
  for (std::u16string_view own : {u"CharactersName", u"gamemode", u"DEFAULTCOUNTERS"})
    EXPECT_FALSE(IsUsableChannel(own)) << test::U8(std::u16string(own));
  EXPECT_FALSE(IsUsableChannel(u"#t😀"));  // the store could not keep its name
}

}  // namespace
}  // namespace zr2
