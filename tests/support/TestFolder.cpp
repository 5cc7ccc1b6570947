#include "TestFolder.h"

#include <unicode/ustring.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "platform/Platform.h"

namespace zr2::test {
namespace {

std::filesystem::path MakeFolder() {
  static std::atomic<int> counter{0};
  std::filesystem::path path = std::filesystem::temp_directory_path() /
                               ("zr2-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path);
  std::filesystem::create_directories(path);
  return path;
}

}  // namespace

TestFolder::TestFolder() : path_(MakeFolder()), scope_(path_) {}

TestFolder::~TestFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

void TestFolder::InstallHostLibrary() const {
  std::filesystem::copy_file(ZR2_FIXTURE_HOST, path_ / platform::kHostLibraryName,
                             std::filesystem::copy_options::overwrite_existing);
}

std::string TestFolder::Read(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

void TestFolder::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::u16string U16(const std::string& utf8) {
  std::u16string out(utf8.size() + 1, u'\0');
  int32_t length = 0;
  UErrorCode error = U_ZERO_ERROR;
  u_strFromUTF8(out.data(), static_cast<int32_t>(out.size()), &length, utf8.data(), static_cast<int32_t>(utf8.size()), &error);
  out.resize(U_SUCCESS(error) ? length : 0);
  return out;
}

std::string U8(const std::u16string& text) {
  std::string out(text.size() * 3 + 1, '\0');
  int32_t length = 0;
  UErrorCode error = U_ZERO_ERROR;
  u_strToUTF8(out.data(), static_cast<int32_t>(out.size()), &length, text.data(), static_cast<int32_t>(text.size()), &error);
  out.resize(U_SUCCESS(error) ? length : 0);
  return out;
}

std::string Shown(const std::u16string& text) {
  std::string out = U8(text);
  for (size_t p = out.find('\x02'); p != std::string::npos; p = out.find('\x02', p)) out.replace(p, 1, "^B");
  return out;
}

}  // namespace zr2::test
