// The settings store: the library's RA2ZOV.ini and the host's Vellum.ini in the library folder.
//
// Windows private-profile semantics on our own reader and writer: case-insensitive sections and
// keys, values replaced in place, blanks and one pair of quotes stripped on read, at most 511
// characters read. Files are in the ANSI code page. Beyond the platform's behaviour, every write
// replaces the file atomically, and no section, key or value can forge structure: the characters
// that would ("%", CR, LF and other controls, "=" in keys, a leading "[" in keys, "]" in sections,
// blanks at either end, a value wrapped in quotes) are stored as %XX and read back as they were.
// Ordinary texts are stored exactly as the Windows functions store them.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zr2 {

enum class SettingsFile { Library, Host };  // RA2ZOV.ini, Vellum.ini

std::optional<std::u16string> ReadSettingValue(SettingsFile file, std::u16string_view section, std::u16string_view key);
std::u16string ReadSetting(SettingsFile file, std::u16string_view section, std::u16string_view key,
                           std::u16string_view fallback);
std::int32_t ReadIntSetting(SettingsFile file, std::u16string_view section, std::u16string_view key,
                            std::int32_t fallback);
void WriteSetting(SettingsFile file, std::u16string_view section, std::u16string_view key, std::u16string_view value);
void WriteIntSetting(SettingsFile file, std::u16string_view section, std::u16string_view key, std::int64_t value);
void DeleteSetting(SettingsFile file, std::u16string_view section, std::u16string_view key);
void DeleteSection(SettingsFile file, std::u16string_view section);

// How the Windows reader turns a stored text into an integer: an optionally signed leading
// decimal number, 0 when there is none (clamped to 32 bits rather than wrapped).
std::int32_t ReadLeadingInteger(std::u16string_view text);
// The whole text as a signed 32-bit decimal integer.
std::optional<std::int32_t> ReadPlainInteger(std::u16string_view text);

// Whether a channel has a section of its own: not empty and not named like a section the files
// keep for themselves (CharactersName, GameMode, DefaultCounters). A query window's "channel" is the
// other user's nick, so such names can reach an entry; the channel accessors below leave them alone.
bool IsChannelSection(std::u16string_view channel);

// Channel settings of RA2ZOV.ini.
std::u16string ReadModeText(std::u16string_view channel);
void WriteModeText(std::u16string_view channel, std::u16string_view text);
bool BotEnabled(std::u16string_view channel);
void SetBotEnabled(std::u16string_view channel, bool on);

// Players in Vellum.ini. The character key is the nick upper-cased by the locale with ASCII digits
// and underscores removed, so taro, Taro_ and taro2 are one player.
std::u16string CharacterKey(std::u16string_view text);
std::u16string CharacterName(std::u16string_view nick);
std::optional<std::int32_t> ReadCounter(std::u16string_view channel, std::u16string_view name);
std::int32_t CounterOrZero(std::u16string_view channel, std::u16string_view name);
void WriteCounter(std::u16string_view channel, std::u16string_view name, std::int64_t value);
// Adds delta to the counter and returns the old value.
std::int32_t AddToCounter(std::u16string_view channel, std::u16string_view name, std::int64_t delta);
void ClearCounters(std::u16string_view channel);

}  // namespace zr2
