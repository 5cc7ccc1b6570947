// The behaviour vectors of tests/vectors/*.vec, read into plain data so that every runner (the
// in-process one and the Windows host that loads the DLL) reads one format the same way.
//
// A file holds blocks; each block starts with "== name" and runs in a fresh library folder:
//   ini: FILE [SECTION] KEY=VALUE   stores a setting before the steps (FILE is RA2ZOV.ini or Vellum.ini)
//   raw: FILE LINE                  appends a raw line (CR LF) to a settings file
//   host: yes                       puts the stand-in host library into the folder
//   entry: NAME                     the entry for the following requests (default RollDice)
//   dice: SIDES:FACE ...            the dice the next request draws, faces counted from 1
//   request: TEXT                   calls the entry; Calc takes its six text fields separated by " | "
//   reply: LINE                     expected reply, one NOTICE line per "reply:" (joined by CR LF);
//                                   "(none)": the buffer is left untouched; "(empty)": an empty text
//   setting: FILE [SECTION] KEY=VALUE   expected stored value after the request ("KEY=(absent)")
// "^B" in a text stands for the bold control character. Lines starting with "#" are comments.
// All texts are UTF-8 as written in the file.
#pragma once
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace zr2::vectors {

inline std::string Visible(std::string text) {
  for (size_t p = text.find("^B"); p != std::string::npos; p = text.find("^B", p + 1)) text.replace(p, 2, "\x02");
  return text;
}

// A reply made readable in a failure message.
inline std::string Shown(std::string text) {
  for (size_t p = text.find('\x02'); p != std::string::npos; p = text.find('\x02', p)) text.replace(p, 1, "^B");
  for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", p)) text.replace(p, 2, "⏎\n");
  return text;
}

struct SettingText {
  std::string file;  // RA2ZOV.ini or Vellum.ini
  std::string section, key, value;
  bool host() const { return file == "Vellum.ini"; }
};

struct Step {
  int line = 0;
  std::string entry;
  std::string request;
  std::vector<std::pair<int, int>> dice;
  std::vector<std::string> reply;
  std::vector<SettingText> settings;
};

struct Vector {
  std::string name;
  std::string file;
  int line = 0;
  std::vector<SettingText> ini;
  std::vector<std::pair<std::string, std::string>> raw;
  bool host = false;
  std::vector<Step> steps;
};

inline std::ostream& operator<<(std::ostream& out, const Vector& v) {
  return out << v.file << ":" << v.line << " " << v.name;
}

inline SettingText ParseSetting(const std::string& text) {
  // FILE [SECTION] KEY=VALUE
  const size_t open = text.find(" [");
  const size_t close = text.find("] ", open);
  const size_t equals = text.find('=', close);
  if (open == std::string::npos || close == std::string::npos || equals == std::string::npos)
    throw std::runtime_error("bad setting: " + text);
  SettingText setting;
  setting.file = text.substr(0, open);
  setting.section = text.substr(open + 2, close - open - 2);
  setting.key = text.substr(close + 2, equals - close - 2);
  setting.value = Visible(text.substr(equals + 1));
  return setting;
}

inline std::vector<Vector> LoadVectors(const std::filesystem::path& folder) {
  std::vector<Vector> vectors;
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().extension() == ".vec") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  for (const auto& path : files) {
    std::ifstream in(path);
    std::string line;
    int number = 0;
    std::string entry = "RollDice";
    std::vector<std::pair<int, int>> dice;
    while (std::getline(in, line)) {
      ++number;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty() || line[0] == '#') continue;
      if (line.starts_with("== ")) {
        Vector v;
        v.name = line.substr(3);
        v.file = path.filename().string();
        v.line = number;
        vectors.push_back(std::move(v));
        entry = "RollDice";
        continue;
      }
      if (vectors.empty()) throw std::runtime_error(path.string() + ": text before the first vector");
      Vector& v = vectors.back();
      const size_t colon = line.find(": ");
      const std::string key = line.substr(0, colon);
      const std::string value = colon == std::string::npos ? "" : line.substr(colon + 2);
      if (key == "ini") {
        v.ini.push_back(ParseSetting(value));
      } else if (key == "raw") {
        const size_t blank = value.find(' ');
        v.raw.emplace_back(value.substr(0, blank), blank == std::string::npos ? "" : value.substr(blank + 1));
      } else if (key == "host") {
        v.host = value == "yes";
      } else if (key == "entry") {
        entry = value;
      } else if (key == "dice") {
        std::istringstream words(value);
        std::string word;
        while (words >> word) {
          const size_t sep = word.find(':');
          dice.emplace_back(std::stoi(word.substr(0, sep)), std::stoi(word.substr(sep + 1)));
        }
      } else if (key == "request") {
        Step step;
        step.line = number;
        step.entry = entry;
        step.request = Visible(value);
        step.dice = std::move(dice);
        v.steps.push_back(std::move(step));
        dice.clear();
      } else if (key == "reply" && !v.steps.empty()) {
        v.steps.back().reply.push_back(Visible(value));
      } else if (key == "setting" && !v.steps.empty()) {
        v.steps.back().settings.push_back(ParseSetting(value));
      } else if (line == "reply:" && !v.steps.empty()) {
        v.steps.back().reply.push_back("");
      } else {
        throw std::runtime_error(path.string() + ":" + std::to_string(number) + ": cannot read: " + line);
      }
    }
  }
  return vectors;
}

// The fields of a Calc request, separated by " | ".
inline std::vector<std::string> SplitFields(const std::string& text) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t bar = text.find(" | ", start);
    fields.push_back(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
    if (bar == std::string::npos) break;
    start = bar + 3;
  }
  return fields;
}

// The expected reply of a step: its lines joined by CR LF, "(none)" when it expects none.
inline std::string ExpectedReply(const Step& step) {
  std::string expected;
  for (size_t i = 0; i < step.reply.size(); ++i) expected += (i ? "\r\n" : "") + step.reply[i];
  if (step.reply.empty()) expected = "(none)";
  return expected;
}

}  // namespace zr2::vectors
