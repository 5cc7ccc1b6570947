#include "encounters/PartyRegistration.h"

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "host/CIniLoader.h"

namespace zr2 {
namespace {

TEST(PartyRegistration, ReadsStoredValuesWithDefaults) {
  test::TestFolder folder;
  PartyRegistration none = ReadPartyRegistration(u"#fresh");
  EXPECT_EQ(none.rule, u"");
  EXPECT_EQ(none.members, 0);
  EXPECT_EQ(none.level, 0);
  EXPECT_FALSE(none.present());
  EXPECT_EQ(ReadPartyFellows(u"#fresh"), 0);

  WriteSetting(SettingsFile::Library, u"#vc", u"SupRule", u"V");
  WriteIntSetting(SettingsFile::Library, u"#vc", u"SupNin", 6);
  WriteIntSetting(SettingsFile::Library, u"#vc", u"SupLv", 35);
  WriteIntSetting(SettingsFile::Library, u"#vc", u"SupFellow", 1);
  const PartyRegistration party = ReadPartyRegistration(u"#vc");
  EXPECT_EQ(party.rule, u"V");
  EXPECT_EQ(party.members, 6);
  EXPECT_EQ(party.level, 35);
  EXPECT_TRUE(party.present());
  EXPECT_EQ(ReadPartyFellows(u"#vc"), 1);
}

TEST(PartyRegistration, PresentOnlyWithBothNumbersAboveZero) {
  test::TestFolder folder;
  WriteIntSetting(SettingsFile::Library, u"#c", u"SupNin", 4);
  WriteIntSetting(SettingsFile::Library, u"#c", u"SupLv", 0);
  EXPECT_FALSE(ReadPartyRegistration(u"#c").present());
  WriteIntSetting(SettingsFile::Library, u"#c", u"SupLv", -2);
  EXPECT_FALSE(ReadPartyRegistration(u"#c").present());
  WriteIntSetting(SettingsFile::Library, u"#c", u"SupLv", 2);
  EXPECT_TRUE(ReadPartyRegistration(u"#c").present());
}

}  // namespace
}  // namespace zr2
