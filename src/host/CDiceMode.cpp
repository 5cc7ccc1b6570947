#include "host/CDiceMode.h"

#include <array>

#include "host/CIniLoader.h"
#include "text/StringSearchUnit.h"

namespace zr2 {
namespace {

struct ModeInfo {
  std::u16string_view name;
  std::u16string_view key;
  std::array<std::u16string_view, 5> aliases;
  size_t aliasCount;
};

// Indexed by mode; entry 0 is the unknown mode.
const std::array<ModeInfo, 28> kModes = {{
    {u"不明", u"", {}, 0},
    {u"ゼファーレルム2.0", u"ZR2", {u"ZR2", u"", u"zephyrrealm2"}, 3},
    {u"ゼファーレルム", u"ZR", {u"ZR", u"zephyrrealm"}, 2},
    {u"アリアンロッド", u"ARA", {u"ARA", u"ARIANRHOD"}, 2},
    {u"迷宮キングダム", u"MK", {u"MK", u"MAYOKIN"}, 2},
    {u"GジェネTRPG", u"GGEN", {u"GG", u"GGEN", u"G", u"GANDAM", u"ガンダム"}, 5},
    {u"ダブルクロス", u"DX", {u"DX", u"DX2", u"DX3"}, 3},
    {u"パラサイトブラッド", u"PB", {u"PB", u"PARABLA"}, 2},
    {u"アルシャード", u"ALS", {u"ALS", u"ALG"}, 2},
    {u"Ｄ＆Ｄ", u"DND", {u"DnD", u"D&D", u"DD"}, 3},
    {u"ワースブレイド", u"WB", {u"WB", u"Wares", u"WaresBlade"}, 3},
    {u"エムブリオマシン", u"EM", {u"EM", u"Emb"}, 2},
    {u"ゲイシャガールwithカタナ", u"GGWK", {u"GGwk", u"Tt", u"Tintiro", u"Chinchiro"}, 4},
    {u"ナイトウィザード！", u"NW", {u"NW", u"NW2", u"NightWizard", u"nw1"}, 4},
    {u"ダークブレイズ", u"DBZ", {u"DB", u"DBZ"}, 2},
    {u"天下繚乱", u"TENKA", {u"tenka", u"ten", u"trr"}, 3},
    {u"異能使い", u"INO", {u"INO2", u"ino", u"INOU"}, 3},
    {u"ハンターズ・ムーン", u"HM", {u"hmoon", u"HM"}, 2},
    {u"シノビガミ", u"SNB", {u"SINOBI", u"SHINOBI", u"snb"}, 3},
    {u"ビーストバインド", u"BBNT", {u"bb", u"bbnt"}, 2},
    {u"ガンドッグ", u"GD", {u"GD0", u"GD", u"gdz"}, 3},
    {u"ドラゴンハーフRPG", u"DH", {u"dh"}, 1},
    {u"セブン・フォートレス", u"SF", {u"SFM", u"sf", u"s=f"}, 3},
    {u"永い後日談のネクロニカ", u"", {u"nc", u"nechro"}, 2},
    {u"アサルトエンジン", u"", {u"ae", u"aeng"}, 2},
    {u"クトゥルフ", u"", {u"CoC"}, 1},
    {u"でたとこサーガ", u"", {u"dt", u"detatoko", u"ds"}, 3},
    {u"ゼファーレルム2.5", u"ZR25", {u"ZR25", u"zephyrrealm25", u"zephyrrealm2.5"}, 3},
}};

// Aliases are matched mode by mode in this order, so that the first listed mode wins a tie.
constexpr std::array<GameModeId, 27> kParseOrder = {3,  4,  5,  6,  7,  2,  1,  27, 8,  9,  10, 11, 12, 13,
                                                    14, 15, 17, 16, 18, 19, 20, 21, 22, 23, 24, 25, 26};

bool Known(GameModeId mode) { return mode >= 1 && mode <= 27; }

}  // namespace

GameModeId ParseModeAlias(std::u16string_view text) {
  for (GameModeId mode : kParseOrder) {
    const ModeInfo& info = kModes[mode];
    if (IndexOfText(text, std::span(info.aliases.data(), info.aliasCount)) >= 0) return mode;
  }
  return 0;
}

GameModeId GameMode(std::u16string_view channel) { return ParseModeAlias(ReadModeText(channel)); }

std::u16string_view ModeName(GameModeId mode) { return kModes[Known(mode) ? mode : 0].name; }

std::u16string_view ModeKey(GameModeId mode) { return kModes[Known(mode) ? mode : 0].key; }

int DefaultSides(GameModeId mode) {
  switch (mode) {
    case 5: case 6: case 10: case 11: case 23: return 10;
    case 9: return 20;
    case 25: return 100;
    default: return 6;
  }
}

std::optional<int> DefaultCount(GameModeId mode) {
  switch (mode) {
    case 1: case 2: case 26: case 27: return 2;
    case 9: case 10: case 23: return 1;
    case 12: return 3;
    default: return std::nullopt;
  }
}

void WriteHostGameMode(std::u16string_view channel, GameModeId mode) {
  WriteSetting(SettingsFile::Host, u"GameMode", channel, ModeKey(mode));
}

}  // namespace zr2
