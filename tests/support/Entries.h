// The library's exported entries, looked up by name. Declared weak so that a test program links
// whichever entries are built; a missing one is null.
#pragma once
#include <map>
#include <string>

using RequestEntry = void (*)(const char*, char*);
using CalcEntry = void (*)(const char*, const char*, const char*, const char*, const char*, const char*, char*);

#define ZR2_DECLARE_ENTRY(name) extern "C" __attribute__((weak)) void name(const char*, char*);
ZR2_DECLARE_ENTRY(AsciiCalc)
ZR2_DECLARE_ENTRY(RollDice)
ZR2_DECLARE_ENTRY(GetMistEE)
ZR2_DECLARE_ENTRY(RegMistEE)
ZR2_DECLARE_ENTRY(Choice)
ZR2_DECLARE_ENTRY(Limitation)
ZR2_DECLARE_ENTRY(VerInfo)
ZR2_DECLARE_ENTRY(MoveLinkShell)
ZR2_DECLARE_ENTRY(GetLinkShell)
ZR2_DECLARE_ENTRY(ClearLinkShell)
ZR2_DECLARE_ENTRY(StartLinkShell)
ZR2_DECLARE_ENTRY(PutCounterDef)
ZR2_DECLARE_ENTRY(SetCounterDef)
ZR2_DECLARE_ENTRY(ZR2_Kegare)
ZR2_DECLARE_ENTRY(ZR2_Fairy)
ZR2_DECLARE_ENTRY(ZR2_UpStatus)
ZR2_DECLARE_ENTRY(ZR2_MakeBirth)
#undef ZR2_DECLARE_ENTRY
extern "C" __attribute__((weak)) void Calc(const char*, const char*, const char*, const char*, const char*,
                                           const char*, char*);

inline const std::map<std::string, RequestEntry>& RequestEntries() {
  static const std::map<std::string, RequestEntry> entries = {
      {"AsciiCalc", &AsciiCalc},           {"RollDice", &RollDice},             {"GetMistEE", &GetMistEE},
      {"RegMistEE", &RegMistEE},           {"Choice", &Choice},                 {"Limitation", &Limitation},
      {"VerInfo", &VerInfo},               {"MoveLinkShell", &MoveLinkShell},   {"GetLinkShell", &GetLinkShell},
      {"ClearLinkShell", &ClearLinkShell}, {"StartLinkShell", &StartLinkShell}, {"PutCounterDef", &PutCounterDef},
      {"SetCounterDef", &SetCounterDef},   {"ZR2_Kegare", &ZR2_Kegare},         {"ZR2_Fairy", &ZR2_Fairy},
      {"ZR2_UpStatus", &ZR2_UpStatus},     {"ZR2_MakeBirth", &ZR2_MakeBirth}};
  return entries;
}
