#include "host/CIniLoader.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "host/EntryFrame.h"
#include "platform/Platform.h"
#include "text/StringConvertUnit.h"
#include "text/StringSearchUnit.h"
#include "text/StringUnit.h"

namespace zr2 {
namespace {

constexpr size_t kValueCapacity = 511;

std::filesystem::path PathOf(SettingsFile file) {
  return LibraryFolder() / (file == SettingsFile::Library ? "RA2ZOV.ini" : "Vellum.ini");
}

// Which characters of a stored name or value must be escaped. Position matters for blanks,
// the leading "[" of a key and quotes around a value.
enum class Part { Section, Key, Value };

bool NeedsEscape(Part part, std::u16string_view text, size_t i) {
  const char16_t c = text[i];
  const bool atEnd = i == 0 || i + 1 == text.size();
  if (c == u'%' || c < u' ' || c == 0x7F) return true;
  if (c == u' ' && atEnd) return true;
  switch (part) {
    case Part::Section: return c == u']' || c == u'[';
    case Part::Key: return c == u'=' || (c == u'[' && i == 0);
    case Part::Value:
      return c == u'"' && i == 0 && text.size() >= 2 && text.back() == u'"';
  }
  return false;
}

std::u16string Escape(Part part, std::u16string_view text) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  std::u16string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (NeedsEscape(part, text, i)) {
      out += u'%';
      out += kHex[(text[i] >> 4) & 0xF];
      out += kHex[text[i] & 0xF];
    } else {
      out += text[i];
    }
  }
  return out;
}

int HexDigit(char16_t c) {
  if (IsDigit(c)) return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// Only the escapes that Escape produces are undone, so other "%" texts read as they stand.
std::u16string Unescape(std::u16string_view text) {
  std::u16string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'%' && i + 2 < text.size()) {
      const int high = HexDigit(text[i + 1]), low = HexDigit(text[i + 2]);
      const char16_t c = static_cast<char16_t>(high * 16 + low);
      if (high >= 0 && low >= 0 && (c < u' ' || c == 0x7F || c == u' ' || c == u'%' || c == u'=' ||
                                    c == u'[' || c == u']' || c == u'"')) {
        out += c;
        i += 2;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

std::u16string TrimWindowsBlanks(std::u16string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && (text[begin] == u' ' || text[begin] == u'\t')) ++begin;
  while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t')) --end;
  return std::u16string(text.substr(begin, end - begin));
}

// One line of the file: its bytes without the line break. What a line is can be told from its
// bytes: "[" can only begin a line as itself, and "=" is never the second byte of a character.
struct Line {
  std::string bytes;
  std::string ending;  // "\r\n", "\n" or "" for a last line without a break

  bool LooksLikeSection() const {
    const size_t first = bytes.find_first_not_of(" \t");
    return first != std::string::npos && bytes[first] == '[';
  }
  size_t EqualsSign() const { return LooksLikeSection() ? std::string::npos : bytes.find('='); }
};

// Settings files are small and read whole at every use; only the lines a lookup passes through
// are converted to text.
class IniDocument {
 public:
  explicit IniDocument(SettingsFile file) : path_(PathOf(file)) {
    const std::optional<std::string> content = platform::ReadWholeFile(path_);
    if (!content) return;
    for (size_t start = 0; start < content->size();) {
      const size_t newline = content->find('\n', start);
      const size_t end = newline == std::string::npos ? content->size() : newline;
      const bool crlf = newline != std::string::npos && end > start && (*content)[end - 1] == '\r';
      const char* ending = newline == std::string::npos ? "" : crlf ? "\r\n" : "\n";
      lines_.push_back({content->substr(start, end - start - (crlf ? 1 : 0)), ending});
      start = newline == std::string::npos ? end : newline + 1;
    }
  }

  // A name that the code page cannot hold would be stored as another name: such names are never stored.
  std::optional<std::u16string> StoredName(Part part, std::u16string_view name) {
    if (name.empty() || !codec_.Represents(name)) return std::nullopt;
    return Escape(part, name);
  }

  // Index of the section header, or npos.
  size_t FindSection(std::u16string_view storedName) {
    for (size_t i = 0; i < lines_.size(); ++i) {
      const std::optional<std::u16string> name = SectionName(i);
      if (name && platform::LocaleEqualsNoCase(*name, storedName)) return i;
    }
    return npos;
  }

  // End of the section that starts at header (index of the next header, or the line count).
  size_t SectionEnd(size_t header) {
    size_t i = header + 1;
    while (i < lines_.size() && !SectionName(i)) ++i;
    return i;
  }

  size_t FindEntry(size_t header, std::u16string_view storedKey) {
    const size_t end = SectionEnd(header);
    for (size_t i = header + 1; i < end; ++i) {
      const size_t equals = lines_[i].EqualsSign();
      if (equals != std::string::npos &&
          platform::LocaleEqualsNoCase(TrimWindowsBlanks(codec_.Decode(std::string_view(lines_[i].bytes).substr(0, equals))),
                                       storedKey))
        return i;
    }
    return npos;
  }

  bool IsEntry(size_t i) const { return lines_[i].EqualsSign() != std::string::npos; }

  // The stored value of an entry line, blanks around it removed.
  std::u16string Value(size_t i) {
    return TrimWindowsBlanks(codec_.Decode(std::string_view(lines_[i].bytes).substr(lines_[i].EqualsSign() + 1)));
  }

  // Replaces an entry's value, keeping the key as it was spelt, without blanks around it.
  void SetValue(size_t i, std::u16string_view storedValue) {
    Line& line = lines_[i];
    const std::string key = line.bytes.substr(0, line.EqualsSign());
    const size_t first = key.find_first_not_of(" \t"), last = key.find_last_not_of(" \t");
    line.bytes = key.substr(first, last + 1 - first) + "=" + codec_.Encode(storedValue);
    if (line.ending.empty()) line.ending = "\r\n";
  }

  void Insert(size_t at, std::u16string_view text) {
    if (at > 0 && lines_[at - 1].ending.empty()) lines_[at - 1].ending = "\r\n";
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{codec_.Encode(text), "\r\n"});
  }

  void Erase(size_t from, size_t to) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(from), lines_.begin() + static_cast<std::ptrdiff_t>(to));
  }

  size_t Size() const { return lines_.size(); }

  void Save() const {
    std::string content;
    for (const Line& line : lines_) content += line.bytes + line.ending;
    platform::ReplaceFile(path_, content);
  }

  static constexpr size_t npos = static_cast<size_t>(-1);

 private:
  // The name between "[" and the last "]" of a section header line, blanks removed.
  std::optional<std::u16string> SectionName(size_t i) {
    if (!lines_[i].LooksLikeSection()) return std::nullopt;
    const std::u16string text = TrimWindowsBlanks(codec_.Decode(lines_[i].bytes));
    const size_t close = text.rfind(u']');
    if (close == std::u16string::npos) return std::nullopt;
    return TrimWindowsBlanks(std::u16string_view(text).substr(1, close - 1));
  }

  std::filesystem::path path_;
  std::vector<Line> lines_;
  platform::AnsiCodec codec_;
};

std::int64_t ClampToInt32(std::int64_t value) {
  return std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max());
}

}  // namespace

std::optional<std::u16string> ReadSettingValue(SettingsFile file, std::u16string_view section, std::u16string_view key) {
  IniDocument document(file);
  const auto storedSection = document.StoredName(Part::Section, section);
  const auto storedKey = document.StoredName(Part::Key, key);
  if (!storedSection || !storedKey) return std::nullopt;
  const size_t header = document.FindSection(*storedSection);
  if (header == IniDocument::npos) return std::nullopt;
  const size_t entry = document.FindEntry(header, *storedKey);
  if (entry == IniDocument::npos) return std::nullopt;
  std::u16string value = document.Value(entry);
  if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"') value = value.substr(1, value.size() - 2);
  value = Unescape(value);
  if (const size_t nul = value.find(u'\0'); nul != std::u16string::npos) value.resize(nul);
  if (value.size() > kValueCapacity) value.resize(kValueCapacity);
  return value;
}

std::u16string ReadSetting(SettingsFile file, std::u16string_view section, std::u16string_view key,
                           std::u16string_view fallback) {
  std::optional<std::u16string> value = ReadSettingValue(file, section, key);
  return value ? std::move(*value) : std::u16string(fallback);
}

std::int32_t ReadLeadingInteger(std::u16string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  std::int64_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i)
    value = std::min<std::int64_t>(value * 10 + (text[i] - u'0'), std::int64_t{1} << 32);
  return static_cast<std::int32_t>(ClampToInt32(negative ? -value : value));
}

std::optional<std::int32_t> ReadPlainInteger(std::u16string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return std::nullopt;
    value = value * 10 + (text[i] - u'0');
    if (value > (std::int64_t{1} << 31)) return std::nullopt;
  }
  if (negative) value = -value;
  if (value != ClampToInt32(value)) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::int32_t ReadIntSetting(SettingsFile file, std::u16string_view section, std::u16string_view key,
                            std::int32_t fallback) {
  const std::optional<std::u16string> value = ReadSettingValue(file, section, key);
  if (!value || value->empty()) return fallback;
  return ReadLeadingInteger(*value);
}

void WriteSetting(SettingsFile file, std::u16string_view section, std::u16string_view key, std::u16string_view value) {
  IniDocument document(file);
  const auto storedSection = document.StoredName(Part::Section, section);
  const auto storedKey = document.StoredName(Part::Key, key);
  if (!storedSection || !storedKey) return;
  const std::u16string storedValue = Escape(Part::Value, value);
  const size_t header = document.FindSection(*storedSection);
  if (header == IniDocument::npos) {
    document.Insert(document.Size(), u"[" + *storedSection + u"]");
    document.Insert(document.Size(), *storedKey + u"=" + storedValue);
  } else if (const size_t entry = document.FindEntry(header, *storedKey); entry != IniDocument::npos) {
    document.SetValue(entry, storedValue);
  } else {
    // After the section's last entry, so blank lines between sections stay where they are.
    size_t at = header + 1;
    for (size_t i = header + 1, end = document.SectionEnd(header); i < end; ++i)
      if (document.IsEntry(i)) at = i + 1;
    document.Insert(at, *storedKey + u"=" + storedValue);
  }
  document.Save();
}

void WriteIntSetting(SettingsFile file, std::u16string_view section, std::u16string_view key, std::int64_t value) {
  const std::string digits = std::to_string(ClampToInt32(value));
  WriteSetting(file, section, key, std::u16string(digits.begin(), digits.end()));
}

void DeleteSetting(SettingsFile file, std::u16string_view section, std::u16string_view key) {
  IniDocument document(file);
  const auto storedSection = document.StoredName(Part::Section, section);
  const auto storedKey = document.StoredName(Part::Key, key);
  if (!storedSection || !storedKey) return;
  const size_t header = document.FindSection(*storedSection);
  if (header == IniDocument::npos) return;
  const size_t entry = document.FindEntry(header, *storedKey);
  if (entry == IniDocument::npos) return;
  document.Erase(entry, entry + 1);
  document.Save();
}

void DeleteSection(SettingsFile file, std::u16string_view section) {
  IniDocument document(file);
  const auto storedSection = document.StoredName(Part::Section, section);
  if (!storedSection) return;
  const size_t header = document.FindSection(*storedSection);
  if (header == IniDocument::npos) return;
  document.Erase(header, document.SectionEnd(header));
  document.Save();
}

bool IsChannelSection(std::u16string_view channel) {
  static constexpr std::u16string_view kOwnSections[] = {u"CharactersName", u"GameMode", u"DefaultCounters"};
  return !channel.empty() && std::none_of(std::begin(kOwnSections), std::end(kOwnSections), [&](std::u16string_view own) {
    return platform::LocaleEqualsNoCase(channel, own);
  });
}

std::u16string ReadModeText(std::u16string_view channel) {
  if (!IsChannelSection(channel)) return {};
  return ReadSetting(SettingsFile::Library, channel, u"Mode", u"");
}

void WriteModeText(std::u16string_view channel, std::u16string_view text) {
  if (!IsChannelSection(channel)) return;
  WriteSetting(SettingsFile::Library, channel, u"Mode", AsciiUpperCase(text));
}

bool BotEnabled(std::u16string_view channel) {
  return !IsChannelSection(channel) || ReadIntSetting(SettingsFile::Library, channel, u"UnExecutable", 0) == 0;
}

void SetBotEnabled(std::u16string_view channel, bool on) {
  if (!IsChannelSection(channel)) return;
  if (on)
    DeleteSetting(SettingsFile::Library, channel, u"UnExecutable");
  else
    WriteIntSetting(SettingsFile::Library, channel, u"UnExecutable", 1);
}

std::u16string CharacterKey(std::u16string_view text) {
  std::u16string key = platform::LocaleUpperCase(text);
  std::erase_if(key, [](char16_t c) { return IsDigit(c) || c == u'_'; });
  return key;
}

std::u16string CharacterName(std::u16string_view nick) {
  return ReadSetting(SettingsFile::Host, u"CharactersName", CharacterKey(nick), nick);
}

std::optional<std::int32_t> ReadCounter(std::u16string_view channel, std::u16string_view name) {
  if (!IsChannelSection(channel)) return std::nullopt;
  const std::optional<std::u16string> text = ReadSettingValue(SettingsFile::Host, channel, CharacterKey(name));
  if (!text) return std::nullopt;
  return ReadPlainInteger(*text);
}

std::int32_t CounterOrZero(std::u16string_view channel, std::u16string_view name) {
  if (!IsChannelSection(channel)) return 0;
  return ReadIntSetting(SettingsFile::Host, channel, CharacterKey(name), 0);
}

void WriteCounter(std::u16string_view channel, std::u16string_view name, std::int64_t value) {
  if (!IsChannelSection(channel)) return;
  WriteIntSetting(SettingsFile::Host, channel, CharacterKey(name), value);
}

std::int32_t AddToCounter(std::u16string_view channel, std::u16string_view name, std::int64_t delta) {
  const std::int32_t old = CounterOrZero(channel, name);
  WriteCounter(channel, name, old + delta);
  return old;
}

void ClearCounters(std::u16string_view channel) {
  if (IsChannelSection(channel)) DeleteSection(SettingsFile::Host, channel);
}

}  // namespace zr2
