// A small PE32 reader: headers, sections, the export table and the import table.
#include "tests/pe_check.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <set>

namespace vesk::testing {

namespace {

class PeFile {
 public:
  explicit PeFile(const std::vector<uint8_t>& file) : file_(file) {}

  std::optional<uint32_t> u16(uint64_t at) const {
    if (at + 2 > file_.size()) return std::nullopt;
    return static_cast<uint32_t>(file_[at] | file_[at + 1] << 8);
  }
  std::optional<uint32_t> u32(uint64_t at) const {
    if (at + 4 > file_.size()) return std::nullopt;
    return static_cast<uint32_t>(file_[at]) | static_cast<uint32_t>(file_[at + 1]) << 8 |
           static_cast<uint32_t>(file_[at + 2]) << 16 | static_cast<uint32_t>(file_[at + 3]) << 24;
  }
  std::optional<std::string> cString(uint64_t at) const {
    std::string text;
    for (; at < file_.size() && text.size() < 512; ++at) {
      if (file_[at] == 0) return text;
      text.push_back(static_cast<char>(file_[at]));
    }
    return std::nullopt;
  }

  struct Section {
    uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
  };
  std::vector<Section> sections;

  std::optional<uint64_t> fileOffset(uint32_t rva) const {
    for (const Section& s : sections) {
      uint32_t span = std::max(s.virtualSize, s.rawSize);
      if (rva >= s.virtualAddress && rva - s.virtualAddress < span && rva - s.virtualAddress < s.rawSize) {
        return static_cast<uint64_t>(s.rawOffset) + (rva - s.virtualAddress);
      }
    }
    return std::nullopt;
  }

  std::optional<uint32_t> u16AtRva(uint32_t rva) const {
    auto at = fileOffset(rva);
    return at ? u16(*at) : std::nullopt;
  }
  std::optional<uint32_t> u32AtRva(uint32_t rva) const {
    auto at = fileOffset(rva);
    return at ? u32(*at) : std::nullopt;
  }
  std::optional<std::string> stringAtRva(uint32_t rva) const {
    auto at = fileOffset(rva);
    return at ? cString(*at) : std::nullopt;
  }

 private:
  const std::vector<uint8_t>& file_;
};

bool isSystemDll(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  static const std::set<std::string> kSystem = {"kernel32.dll", "user32.dll", "msvcrt.dll", "ntdll.dll",
                                                "advapi32.dll", "gdi32.dll",  "ucrtbase.dll", "shell32.dll"};
  return kSystem.count(name) > 0 || name.rfind("api-ms-win-", 0) == 0;
}

}  // namespace

std::vector<std::string> checkPluginDll(const std::vector<uint8_t>& file) {
  std::vector<std::string> problems;
  PeFile pe(file);
  auto fail = [&](std::string why) {
    problems.push_back(std::move(why));
    return problems;
  };

  if (file.size() < 64 || file[0] != 'M' || file[1] != 'Z') return fail("not a PE file: no MZ header");
  const uint32_t peAt = *pe.u32(0x3c);
  auto signature = pe.u32(peAt);
  if (!signature || *signature != 0x00004550) return fail("not a PE file: no PE signature");
  const uint64_t coff = uint64_t{peAt} + 4;
  auto machine = pe.u16(coff), sectionCount = pe.u16(coff + 2), optionalSize = pe.u16(coff + 16),
       characteristics = pe.u16(coff + 18);
  if (!machine || !sectionCount || !optionalSize || !characteristics) return fail("truncated COFF header");
  if (*machine != 0x14c) problems.push_back("machine is not i386 (0x14c)");
  if ((*characteristics & 0x2000) == 0) problems.push_back("the file is not a DLL");
  const uint64_t optional = coff + 20;
  auto magic = pe.u16(optional);
  if (!magic || *magic != 0x10b) return fail("not PE32: the optional header's magic is not 0x10b");

  const uint64_t sectionTable = optional + *optionalSize;
  for (uint32_t i = 0; i < *sectionCount; ++i) {
    const uint64_t at = sectionTable + uint64_t{i} * 40;
    auto vsize = pe.u32(at + 8), va = pe.u32(at + 12), rawSize = pe.u32(at + 16), raw = pe.u32(at + 20);
    if (!vsize || !va || !rawSize || !raw) return fail("truncated section table");
    pe.sections.push_back({*va, *vsize, *raw, *rawSize});
  }
  auto directory = [&](int index) -> std::pair<uint32_t, uint32_t> {
    auto count = pe.u32(optional + 92);
    if (!count || static_cast<uint32_t>(index) >= *count) return {0, 0};
    return {pe.u32(optional + 96 + 8u * static_cast<unsigned>(index)).value_or(0),
            pe.u32(optional + 100 + 8u * static_cast<unsigned>(index)).value_or(0)};
  };

  // Exports: exactly the three names, undecorated, and linkVersion's four bytes.
  auto exportDir = pe.fileOffset(directory(0).first);
  if (!exportDir) return fail("no export table");
  auto nameCount = pe.u32(*exportDir + 24), functions = pe.u32(*exportDir + 28), names = pe.u32(*exportDir + 32),
       ordinals = pe.u32(*exportDir + 36);
  if (!nameCount || !functions || !names || !ordinals || *nameCount > 10000) return fail("malformed export table");
  std::vector<std::string> exported;
  std::optional<uint32_t> linkVersionRva;
  for (uint32_t i = 0; i < *nameCount; ++i) {
    auto nameRva = pe.u32AtRva(*names + 4 * i);
    auto name = nameRva ? pe.stringAtRva(*nameRva) : std::nullopt;
    if (!name) return fail("malformed export name table");
    exported.push_back(*name);
    if (*name == "linkVersion") {
      auto ordinal = pe.u16AtRva(*ordinals + 2 * i);
      if (ordinal) linkVersionRva = pe.u32AtRva(*functions + 4 * *ordinal);
    }
  }
  std::sort(exported.begin(), exported.end());
  const std::vector<std::string> wanted = {"linkVersion", "onComment", "onEventCommand"};
  if (exported != wanted) {
    std::string list;
    for (const auto& name : exported) list += (list.empty() ? "" : ", ") + name;
    problems.push_back("exports are [" + list + "], not exactly [linkVersion, onComment, onEventCommand]");
  }
  if (!linkVersionRva) {
    problems.push_back("linkVersion's address cannot be found");
  } else {
    auto value = pe.u32AtRva(*linkVersionRva);
    if (!value || *value != 2) problems.push_back("linkVersion's four bytes are not 02 00 00 00");
  }

  // Imports: Windows system DLLs only, so that the one file is all a game needs.
  auto importDir = pe.fileOffset(directory(1).first);
  if (importDir) {
    for (uint64_t at = *importDir;; at += 20) {
      auto nameRva = pe.u32(at + 12);
      if (!nameRva) return fail("malformed import table");
      if (*nameRva == 0) break;
      auto name = pe.stringAtRva(*nameRva);
      if (!name) return fail("malformed import name");
      if (!isSystemDll(*name)) problems.push_back("imports " + *name + ", which is not a Windows system DLL");
    }
  }
  return problems;
}

}  // namespace vesk::testing
