#include "core/PlayerSettings.h"

#include <gtest/gtest.h>

#include <memory>

#include "TestFolder.h"
#ifdef _WIN32
#include "platform/File_win32.h"
#endif

namespace {

const char* const defaultFile =
    "CurDir=\n"
    "SubDir=\n"
    "RandomMode=0\n"
    "RepeartMode=0\n"
    "SortReverse=0\n"
    "SortMethod=0\n"
    "Transparent=0\n"
    "OnePlay=0\n"
    "TopMode=1\n"
    "ExtList=exe,def,txt,m3u,dll\n"
    "LastFile=\n";

// Reads the file as start-up does and writes it back as the exit does.
std::string roundTrip(const TestFolder& folder, const std::string* contents) {
  std::string path = folder.join("tovik.def");
  if (contents) folder.file("tovik.def", *contents);
  PlayerState state;
  SavedSession session;
  {
    SettingsFile file;
    file.open(path, false);
    session = readSettings(file, state);
  }
  setExcludedExtensions(state, session.extList.empty() ? "exe,def,txt,m3u,dll" : session.extList);
  SettingsFile out;
  EXPECT_TRUE(out.open(path, true));
  writeSettings(state, out);
  out.close();
  return test_files::read(path);
}

TEST(PlayerSettings, NoFileGivesTheDefaultsAndTheElevenDefaultLines) {
  TestFolder folder;
  PlayerState state;
  state.topMost = false;
  state.randomMode = 1;
  SettingsFile missing;
  missing.open(folder.join("tovik.def"), false);
  SavedSession session = readSettings(missing, state);
  EXPECT_EQ(state.randomMode, 0);
  EXPECT_EQ(state.repeatMode, 0);
  EXPECT_TRUE(state.topMost);
  EXPECT_FALSE(state.sortReverse);
  EXPECT_EQ(state.sortMethod, 0);
  EXPECT_FALSE(state.transparent);
  EXPECT_FALSE(state.onePlay);
  EXPECT_EQ(session.extList, "");
  EXPECT_EQ(session.resumeTarget, "");
  EXPECT_EQ(session.savedGroup, "");

  EXPECT_EQ(roundTrip(folder, nullptr), defaultFile);
  EXPECT_FALSE(test_files::exists(folder.join("tovik.def.tmp")));
}

TEST(PlayerSettings, ReadAndWriteNormaliseEveryValue) {
  struct Case {
    std::string line;
    std::string writtenLine;
  };
  const Case cases[] = {
      {"RandomMode=true", "RandomMode=0"},   {"RandomMode=01", "RandomMode=0"},
      {"RandomMode=1 ", "RandomMode=0"},     {"RandomMode=1", "RandomMode=1"},
      {"RepeartMode=1", "RepeartMode=1"},    {"SortReverse=1", "SortReverse=1"},
      {"Transparent=1", "Transparent=1"},    {"OnePlay=1", "OnePlay=1"},
      {"TopMode=no", "TopMode=1"},           {"TopMode=", "TopMode=1"},
      {"TopMode=0", "TopMode=0"},            {"SortMethod=7", "SortMethod=0"},
      {"SortMethod=x", "SortMethod=0"},      {"SortMethod=2", "SortMethod=2"},
      {"SortMethod=1", "SortMethod=1"},      {"ExtList=", "ExtList=exe,def,txt,m3u,dll"},
      {"ExtList=,,mp3", "ExtList=mp3"},      {"ExtList=mp3,", "ExtList=mp3,"},
      {"ExtList=,", "ExtList="},             {"curdir=C:\\Music", "CurDir="},
      {"CurDir=C:\\A=B", "CurDir=C:\\A=B"},  {"LastFile=C:\\\x83\x5C.mp3", "LastFile=C:\\\x83\x5C.mp3"},
  };
  for (const Case& c : cases) {
    TestFolder folder;
    std::string contents = c.line + "\n";
    std::string written = "\n" + roundTrip(folder, &contents);
    EXPECT_NE(written.find("\n" + c.writtenLine + "\n"), std::string::npos)
        << c.line << " wrote:\n" << written;
  }
}

TEST(PlayerSettings, AWindowsEditedFileKeepsItsFlagsAndPathsAndDuplicatesCollapse) {
  TestFolder folder;
  std::string edited =
      "CurDir=C:\\Music\r\n"
      "SubDir=Jazz\r\n"
      "RandomMode=1\r\n"
      "TopMode=0\r\n"
      "SortMethod=2\r\n"
      "CurDir=D:\\Other\r\n"
      "Unknown=kept until now\r\n"
      "LastFile=C:\\Music\\Jazz\\take5.mp3\r\n";
  std::string written = roundTrip(folder, &edited);
  EXPECT_EQ(written,
            "CurDir=C:\\Music\n"
            "SubDir=Jazz\n"
            "RandomMode=1\n"
            "RepeartMode=0\n"
            "SortReverse=0\n"
            "SortMethod=2\n"
            "Transparent=0\n"
            "OnePlay=0\n"
            "TopMode=0\n"
            "ExtList=exe,def,txt,m3u,dll\n"
            "LastFile=C:\\Music\\Jazz\\take5.mp3\n");
}

// The mark says UTF-8; values the legacy code page holds are saved in it again.
TEST(PlayerSettings, AByteOrderMarkIsNoPartOfTheFirstKey) {
  TestFolder folder;
  std::string withMark = "\xEF\xBB\xBF" "CurDir=C:\\Music\nSubDir=Jazz\n";
  std::string written = roundTrip(folder, &withMark);
  EXPECT_EQ(written.substr(0, 27), "CurDir=C:\\Music\nSubDir=Jazz");
}

TEST(PlayerSettings, ALockedFileReadsAsDefaultsAndIsNotOverwritten) {
  TestFolder folder;
  std::string path = folder.file("tovik.def", "RandomMode=1\nTopMode=0\n");
  {
    auto holder = std::make_unique<test_files::Holder>(path);
    ASSERT_TRUE(holder->held());
    PlayerState state;
    SettingsFile in;
    EXPECT_FALSE(in.open(path, false));
    readSettings(in, state);
    EXPECT_EQ(state.randomMode, 0);
    EXPECT_TRUE(state.topMost);
    in.close();
    // Let go before the exit: the defaults still must not replace the file.
    holder.reset();
    SettingsFile out;
    if (out.open(path, true)) writeSettings(state, out);
  }
  EXPECT_EQ(test_files::read(path), "RandomMode=1\nTopMode=0\n");
}

#ifdef _WIN32
// A file that opens and then fails to read, as a cloud placeholder whose sync
// client is offline does.
BOOL WINAPI failingRead(HANDLE, LPVOID, DWORD, LPDWORD, LPOVERLAPPED) {
  SetLastError(ERROR_IO_DEVICE);
  return FALSE;
}

TEST(PlayerSettings, AFileThatOpensButCannotBeReadReadsAsDefaultsAndIsNotOverwritten) {
  TestFolder folder;
  const std::string path = folder.file("tovik.def", "RandomMode=1\n");
  PlayerState state;
  const file::ReadFunction real = file::replaceRead(&failingRead);
  SettingsFile in;
  EXPECT_FALSE(in.open(path, false));
  file::replaceRead(real);
  readSettings(in, state);
  EXPECT_EQ(state.randomMode, 0);
  SettingsFile out;
  if (out.open(path, true)) writeSettings(state, out);
  out.close();
  EXPECT_EQ(test_files::read(path), "RandomMode=1\n");
}
#endif

}  // namespace

namespace {

// Whatever the file holds, a read and a save give the eleven lines in order.
TEST(PlayerSettings, GarbageAndHugeFilesStillSaveElevenCanonicalLines) {
  std::string garbage;
  unsigned state = 12345;
  for (int i = 0; i < 200000; ++i) {
    state = state * 1103515245u + 12345u;
    garbage += static_cast<char>(state >> 24);
  }
  std::string huge = "RandomMode=1\nCurDir=" + std::string(50 * 1024 * 1024, 'x') + "\nTopMode=0\n";
  std::string nulInside = std::string("TopMode=0\nRandomMode=1\0\nOnePlay=1\n", 35);
  for (const std::string* contents : {&garbage, &huge, &nulInside}) {
    TestFolder folder;
    std::string written = roundTrip(folder, contents);
    std::size_t lines = 0;
    for (char c : written) lines += c == '\n';
    EXPECT_EQ(lines, 11u);
    EXPECT_EQ(written.compare(0, 7, "CurDir="), 0);
    EXPECT_NE(written.find("\nLastFile="), std::string::npos);
  }
  TestFolder folder;
  EXPECT_NE(roundTrip(folder, &huge).find("\nRandomMode=1\n"), std::string::npos);
  EXPECT_NE(roundTrip(folder, &nulInside).find("\nTopMode=0\n"), std::string::npos);
  EXPECT_NE(roundTrip(folder, &nulInside).find("\nOnePlay=0\n"), std::string::npos);
}

}  // namespace

TEST(PlayerSettings, VolumeAndLastPositionFollowTheElevenKeysOnlyWhenNotDefault) {
  const struct { std::string lines; std::int32_t volume; std::int64_t position; std::string tail; } rows[] = {
      {"", 100, 0, ""}, {"Volume=0\nLastPosition=0\n", 0, 0, "Volume=0\n"},
      {"Volume=80\nLastPosition=2500\n", 80, 2500, "Volume=80\nLastPosition=2500\n"},
      {"Volume=101\nLastPosition=-1\n", 100, 0, ""},  {"Volume= 80\nLastPosition=99999999999999999999\n", 100, 0, ""},
      {"Volume=8O\nLastPosition=2.5\n", 100, 0, ""},
  };
  for (const auto& row : rows) {
    TestFolder folder;
    PlayerState state;
    SettingsFile in;
    in.open(folder.file("tovik.def", row.lines), false);
    const SavedSession session = readSettings(in, state);
    EXPECT_EQ(state.volume, row.volume) << row.lines;
    EXPECT_EQ(session.resumePosition, row.position) << row.lines;
    setExcludedExtensions(state, "exe,def,txt,m3u,dll");
    SettingsFile out;
    out.open(folder.join("saved.def"), true);
    writeSettings(state, out, session.resumePosition);
    out.close();
    EXPECT_EQ(test_files::read(folder.join("saved.def")), defaultFile + row.tail) << row.lines;
  }
}
