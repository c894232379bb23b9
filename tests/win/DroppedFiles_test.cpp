#include "ui/DroppedFiles.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

#include "ProcessText.h"
#include "platform/AnsiText.h"

namespace {

// A drop as the shell hands it over: a DROPFILES header and the names, each
// NUL-terminated, ended by one more NUL (two NULs for an empty list).
HDROP wideDrop(const std::vector<std::wstring>& names) {
  std::wstring list;
  for (const std::wstring& name : names) list += name + L'\0';
  if (names.empty()) list += L'\0';
  list += L'\0';
  const std::size_t size = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, size);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

HDROP ansiDrop(const std::vector<std::string>& names) {
  std::string list;
  for (const std::string& name : names) list += name + '\0';
  list += '\0';
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size());
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// "表ソ": in code page 932 the second byte of each is the byte of "\".
const std::string hyouSo = processText("表ソ");
const bool utf8 = ansi::processEncoding() == ansi::Encoding::utf8;

}  // namespace

TEST(DroppedFilesTest, TakesEveryRepresentablePathWholeInDropOrder) {
  const std::wstring longName = L"Z:\\music\\" + std::wstring(1500, L'a') + L".wav";
  const std::string longAnsi = "Z:\\music\\" + std::string(1500, 'a') + ".wav";
  struct Case {
    const char* what;
    std::vector<std::wstring> dropped;
    std::vector<std::string> taken;
  };
  const Case cases[] = {
      {"order kept", {L"Z:\\m\\c.wav", L"Z:\\m\\a.wav", L"Z:\\m\\b"}, {"Z:\\m\\c.wav", "Z:\\m\\a.wav", "Z:\\m\\b"}},
      {"path past 1000 bytes is not cut", {longName}, {longAnsi}},
      {"double-byte names", {L"Z:\\\u8868\u30bd\\\u8868\u30bd.mp3"}, {"Z:\\" + hyouSo + "\\" + hyouSo + ".mp3"}},
      {"name outside code page 932 taken whole under UTF-8, else left out, never turned into another",
       {L"Z:\\m\\caf\u00e9.wav", L"Z:\\m\\cafe.wav"},
       utf8 ? std::vector<std::string>{"Z:\\m\\caf\xC3\xA9.wav", "Z:\\m\\cafe.wav"}
            : std::vector<std::string>{"Z:\\m\\cafe.wav"}},
      {"a lone surrogate, which no code page holds, is left out", {L"Z:\\m\\a\xD800.wav", L"Z:\\m\\b.wav"},
       {"Z:\\m\\b.wav"}},
      {"nothing dropped", {}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DroppedFiles::take(wideDrop(c.dropped)), c.taken) << c.what;
  }
}

TEST(DroppedFilesTest, TakesAnAnsiDropAsItStands) {
  const std::vector<std::string> names = {"Z:\\" + hyouSo + "\\x&y.wav", "Z:\\m\\t%1.mp3"};
  EXPECT_EQ(DroppedFiles::take(ansiDrop(names)), names);
}

TEST(DroppedFilesTest, ReleasesTheDropAlsoWhenItIsEmpty) {
  for (HDROP drop : {wideDrop({}), wideDrop({L"Z:\\m\\a.wav"})}) {
    DroppedFiles::take(drop);
    EXPECT_EQ(GlobalFlags(drop), static_cast<UINT>(GMEM_INVALID_HANDLE));
  }
}
