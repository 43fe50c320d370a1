// The built Windows DLL, inspected as a file: the facts a game author's engine relies on, and
// the checker's own ability to name a fact that does not hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

#include "tests/pe_check.h"

namespace vesk::testing {
namespace {

std::vector<uint8_t> readDll() {
  std::ifstream in(VESK_DLL_PATH, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::string joined(const std::vector<std::string>& problems) {
  std::string all;
  for (const auto& p : problems) all += p + "\n";
  return all;
}

// Overwrites the first occurrence of `from` with `to` (same length) in the file.
bool patch(std::vector<uint8_t>& file, const std::string& from, const std::string& to) {
  auto at = std::search(file.begin(), file.end(), from.begin(), from.end());
  if (at == file.end()) return false;
  std::copy(to.begin(), to.end(), at);
  return true;
}

TEST(Dll, IsA32BitPluginWithExactlyTheThreeExportsAndNoRuntimeToShip) {
  std::vector<uint8_t> dll = readDll();
  ASSERT_FALSE(dll.empty()) << VESK_DLL_PATH << " is missing: the cross build did not produce it";
  auto problems = checkPluginDll(dll);
  EXPECT_TRUE(problems.empty()) << joined(problems);
}

TEST(Dll, TheCheckerNamesEachBrokenFact) {
  const std::vector<uint8_t> dll = readDll();
  ASSERT_FALSE(dll.empty());
  const struct {
    std::string from, to, named;
  } breaks[] = {
      {"onComment", "_nComment", "exports are [_nComment, linkVersion, onEventCommand]"},
      {"USER32.dll", "STDCXX.dll", "imports STDCXX.dll, which is not a Windows system DLL"},
  };
  for (const auto& b : breaks) {
    std::vector<uint8_t> broken = dll;
    ASSERT_TRUE(patch(broken, b.from, b.to)) << b.from;
    EXPECT_NE(joined(checkPluginDll(broken)).find(b.named), std::string::npos) << joined(checkPluginDll(broken));
  }

  std::vector<uint8_t> notI386 = dll;
  uint32_t peAt;
  std::memcpy(&peAt, &notI386[0x3c], 4);
  notI386[peAt + 4] = 0x64;  // machine 0x8664
  notI386[peAt + 5] = 0x86;
  EXPECT_NE(joined(checkPluginDll(notI386)).find("machine is not i386"), std::string::npos);

  EXPECT_EQ(joined(checkPluginDll({'M', 'Z'})), "not a PE file: no MZ header\n");
  std::vector<uint8_t> truncated(dll.begin(), dll.begin() + 400);
  EXPECT_FALSE(checkPluginDll(truncated).empty());
}

}  // namespace
}  // namespace vesk::testing
