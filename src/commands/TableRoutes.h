// The dispatcher's routes to the content tables: Table, Birth and Make with their mode words, the
// Japanese table words, the divination check, and the other games' tables. Each route is a test
// on the command word and an action; CCalc.cpp places them at their numbers in its route list.
#pragma once
#include <string_view>

#include "commands/CCalc.h"

namespace zr2::table_routes {

bool IsTable(std::u16string_view word);
bool IsBirth(std::u16string_view word);
bool IsMake(std::u16string_view word);
bool IsVanish(std::u16string_view word);
bool IsGeneralSkill(std::u16string_view word);
bool IsBind(std::u16string_view word);
bool IsBoost(std::u16string_view word);
bool IsMutation(std::u16string_view word);
bool IsCurse(std::u16string_view word);
bool IsTreasure(std::u16string_view word);
bool IsMedal(std::u16string_view word);
bool IsTarget(std::u16string_view word);
bool IsUrge(std::u16string_view word);
bool IsDivination(std::u16string_view word);
bool IsFlowerLanguage(std::u16string_view word);
bool IsOjousama(std::u16string_view word);
bool IsBrandHP(std::u16string_view word);
bool IsBrandMP(std::u16string_view word);
bool IsBadEndHP(std::u16string_view word);
bool IsBadEndMP(std::u16string_view word);
bool IsCharacterShorthand(std::u16string_view word);

bool ParasiteBloodOnly(GameModeId mode);
bool DetatokoOnly(GameModeId mode);

RouteOutcome Table(const CalcCommand& command);
RouteOutcome Birth(const CalcCommand& command);
RouteOutcome Make(const CalcCommand& command);
RouteOutcome Vanish(const CalcCommand& command);
RouteOutcome GeneralSkill(const CalcCommand& command);
RouteOutcome Bind(const CalcCommand& command);
RouteOutcome Boost(const CalcCommand& command);
RouteOutcome Mutation(const CalcCommand& command);
RouteOutcome Curse(const CalcCommand& command);
RouteOutcome Treasure(const CalcCommand& command);
RouteOutcome Medal(const CalcCommand& command);
RouteOutcome Target(const CalcCommand& command);
RouteOutcome Urge(const CalcCommand& command);
RouteOutcome Divination(const CalcCommand& command);
RouteOutcome FlowerLanguage(const CalcCommand& command);
RouteOutcome Ojousama(const CalcCommand& command);
RouteOutcome BrandHP(const CalcCommand& command);
RouteOutcome BrandMP(const CalcCommand& command);
RouteOutcome BadEndHP(const CalcCommand& command);
RouteOutcome BadEndMP(const CalcCommand& command);
RouteOutcome CharacterShorthand(const CalcCommand& command);

}  // namespace zr2::table_routes
