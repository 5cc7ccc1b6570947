// A fresh library folder for one test: settings files and the host library live there.
#pragma once
#include <filesystem>
#include <string>

#include "host/EntryFrame.h"

namespace zr2::test {

class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  const std::filesystem::path& path() const { return path_; }
  // Puts the stand-in host library in the folder as the host's own library.
  void InstallHostLibrary() const;
  // Reads a file of the folder (empty when missing).
  std::string Read(const std::string& name) const;
  void Write(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
  ScopedLibraryFolder scope_;
};

// UTF-8 <-> UTF-16 for readable test texts.
std::u16string U16(const std::string& utf8);
std::string U8(const std::u16string& text);
// UTF-8 with the bold control character written as "^B", for readable expectations.
std::string Shown(const std::u16string& text);

}  // namespace zr2::test
