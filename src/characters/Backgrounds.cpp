#include "characters/Backgrounds.h"

#include <algorithm>
#include <string_view>

#include "characters/CstZR2BirthTable.h"
#include "dice/Arithmetic.h"
#include "dice/RandomUnit.h"
#include "host/CDiceMode.h"
#include "host/CIniLoader.h"
#include "host/EntryFrame.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

constexpr int kMostRowsDrawn = static_cast<int>(kReplyCapacity);

int DrawD66Position() {
  const int tens = Random(6);
  return 6 * tens + Random(6);
}

std::u16string DrawBackgrounds(std::u16string_view label, int count, int firstSet, int sets) {
  Reseed();
  std::u16string text = u"【ＺＲ２　生まれ表(" + std::u16string(label) + FormatInteger(count) + u"個)】";
  for (int i = 0; i < std::min(count, kMostRowsDrawn); ++i) {
    const int set = firstSet + Random(sets);
    text += u"\r\n" + BackgroundPhrase(set, DrawD66Position());
  }
  return text;
}

void MakeBirth(const char* requestText, char* reply) {
  const Request request = ReadRequest(requestText);
  if (!IsZRFamily(GameMode(request.channel)) || !BotEnabled(request.channel)) return;
  struct Word {
    std::u16string_view word;
    std::u16string (*draw)(int);
  };
  static constexpr Word kWords[] = {{u"#経歴表", BackgroundRows},
                                    {u"#蛮族経歴表", BackgroundRowsAll},
                                    {u"#蛮族用経歴", BackgroundRowsAll},
                                    {u"#全経歴表", BackgroundRowsBarbarian}};
  for (const Word& word : kWords) {
    if (!StartsText(word.word, request.message)) continue;
    std::u16string message = request.message;
    std::u16string count = NextToken(message);
    count.erase(0, std::min(count.size(), word.word.size()));
    DropSuffix(count, u"回") || DropSuffix(count, u"個");
    if (count.empty()) {
      SendReply(word.draw(3), request.channel, request.speaker, reply);
      return;
    }
    if (const WholeNumber n = ReadWholeNumber(count)) {
      SendReply(word.draw(n.value), request.channel, request.speaker, reply);
      return;
    }
  }
}

}  // namespace

std::u16string BackgroundRows(int count) { return DrawBackgrounds(u"経歴", count, 1, 4); }

std::u16string BackgroundRowsAll(int count) { return DrawBackgrounds(u"蛮族対応 経歴", count, 1, 6); }

std::u16string BackgroundRowsBarbarian(int count) { return DrawBackgrounds(u"蛮族のみ 経歴", count, 5, 2); }

std::u16string GeneralSkills(int count) {
  if (count < 1) return {};
  std::u16string text = u"【ＺＲ２　一般技能表" + (count == 1 ? u"】" : u"(" + FormatInteger(count) + u"個)】");
  for (int i = 0; i < std::min(count, kMostRowsDrawn); ++i) {
    const int set = 1 + Random(2);
    text += u"\r\n" + GeneralSkill(set, DrawD66Position());
  }
  return text;
}

}  // namespace zr2

ZR2_ENTRY void ZR2_CALL ZR2_MakeBirth(const char* request, char* reply) {
  zr2::GuardEntry([&] { zr2::MakeBirth(request, reply); });
}
