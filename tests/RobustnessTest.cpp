// Every built entry survives any bytes: the answer is a proper reply or nothing, never a crash,
// never more than 1023 bytes in the buffer.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "Entries.h"
#include "TestFolder.h"
#include "host/CIniLoader.h"

namespace {

std::vector<std::string> HostileRequests() {
  std::vector<std::string> requests = {"", " ", "taro", "taro #t", "taro #t ", "\x81", "taro #t \x81",
                                       "taro #t \xff\xfe\xfd", std::string(100000, 'a'),
                                       "taro #t " + std::string(100000, '('), "taro #t " + std::string(100000, '9'),
                                       "taro #t #" + std::string(100000, '$'), "taro #t 9999999d9999999",
                                       "taro #t 1d6**99999999", "taro #t \"", "taro #t (((", "\"taro #t"};
  std::mt19937 random(12345);
  for (int i = 0; i < 200; ++i) {
    std::string garbage = i % 2 ? "taro #t " : "";
    const int length = static_cast<int>(random() % 64);
    for (int k = 0; k < length; ++k) {
      static const char kBytes[] = "#$@+-*/^%()[]{}<>=!?:,.0123456789dDrRkKsScCbB \x81\x82\xe0\x40";
      garbage += kBytes[random() % (sizeof kBytes - 1)];
    }
    requests.push_back(garbage);
  }
  return requests;
}

void CheckBuffer(const char* buffer, const std::string& entry, const std::string& request) {
  constexpr size_t kCapacity = 1024;
  if (static_cast<unsigned char>(buffer[0]) == 0x7f) return;  // untouched
  ASSERT_NE(std::memchr(buffer, '\0', kCapacity), nullptr) << entry << " on " << request.substr(0, 80);
  for (size_t i = kCapacity; i < kCapacity + 64; ++i) ASSERT_EQ(buffer[i], '\x7f') << entry;
}

TEST(Robustness, EveryEntrySurvivesAnyRequest) {
  zr2::test::TestFolder folder;
  const auto requests = HostileRequests();
  for (const auto& [name, entry] : RequestEntries()) {
    if (entry == nullptr) continue;
    for (const std::string& request : requests) {
      char buffer[1024 + 64];
      std::memset(buffer, 0x7f, sizeof buffer);
      entry(request.c_str(), buffer);
      CheckBuffer(buffer, name, request);
    }
    char buffer[1024 + 64];
    std::memset(buffer, 0x7f, sizeof buffer);
    entry(nullptr, buffer);
    CheckBuffer(buffer, name, "(null)");
  }
  if (Calc != nullptr) {
    for (const std::string& request : requests) {
      char buffer[1024 + 64];
      std::memset(buffer, 0x7f, sizeof buffer);
      Calc("taro", "#t", "a@b", "PRIVMSG", "#t", request.c_str(), buffer);
      CheckBuffer(buffer, "Calc", request);
      Calc(request.c_str(), request.c_str(), request.c_str(), request.c_str(), request.c_str(), request.c_str(), buffer);
      CheckBuffer(buffer, "Calc", request);
    }
    char buffer[1024 + 64];
    std::memset(buffer, 0x7f, sizeof buffer);
    Calc(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, buffer);
    CheckBuffer(buffer, "Calc", "(null)");
  }
}

}  // namespace
