#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "TestFolder.h"
#include "platform/File.h"

namespace {

struct Parsed {
  std::vector<std::string> keys;
  std::vector<std::string> values;
};

Parsed parse(const std::string& text, ansi::Encoding process = ansi::Encoding::legacy) {
  Parsed parsed;
  SettingsFile::parse(text, process, parsed.keys, parsed.values);
  return parsed;
}

std::string joined(const std::vector<std::string>& writes) {
  std::string bytes;
  for (const std::string& write : writes) bytes += write;
  return bytes;
}

const std::string mark = "\xEF\xBB\xBF";

TEST(SettingsFile, ParsesLinesByTheirFirstEqualsSign) {
  struct Case {
    std::string text;
    std::vector<std::string> keys;
    std::vector<std::string> values;
  };
  const Case cases[] = {
      {"", {}, {}},
      {"CurDir=C:\\Music\n", {"CurDir"}, {"C:\\Music"}},
      {"CurDir=C:\\A=B\n", {"CurDir"}, {"C:\\A=B"}},
      {"CurDir =C:\\Music\n", {"CurDir "}, {"C:\\Music"}},
      {"=value\n", {""}, {"value"}},
      {"TopMode=\n", {"TopMode"}, {""}},
      {"no equals sign\n\nA=1\n", {"A"}, {"1"}},
      {"A=1\nB=2", {"A"}, {"1"}},                       // a torn last line is ignored
      {"A=1\r\nB=x\r\n\r\n", {"A", "B"}, {"1", "x"}},   // CR LF from a Windows editor
      {"A=1\r\r\n", {"A"}, {"1\r"}},                    // only the CR before the LF goes
      {"A=1 \n", {"A"}, {"1 "}},
      {"\xEF\xBB\xBF" "CurDir=x\n", {"CurDir"}, {"x"}},  // the mark says UTF-8 and is no key's
      {"CurDir=C:\\\x83\x5C\n", {"CurDir"}, {"C:\\\x83\x5C"}},
      {"A=\x83\nB=2\n", {"A", "B"}, {"\x83", "2"}},
      {"CurDir=a\nCurDir=b\n", {"CurDir", "CurDir"}, {"a", "b"}},
  };
  for (const Case& c : cases) {
    Parsed parsed = parse(c.text);
    EXPECT_EQ(parsed.keys, c.keys) << "text: " << c.text;
    EXPECT_EQ(parsed.values, c.values) << "text: " << c.text;
  }
  // A NUL ends parsing: the lines from the one holding it on are ignored.
  Parsed withNul = parse(std::string("A=1\nB=2\0\nC=3\n", 13));
  EXPECT_EQ(withNul.keys, std::vector<std::string>{"A"});
}

// Text in UTF-8 in this source; the code page 932 forms are spelled in bytes.
TEST(SettingsFile, ReadsEitherEncodingIntoTheProcessText) {
  using ansi::Encoding;
  struct Case {
    std::string text;
    Encoding process;
    std::vector<std::string> values;
  };
  const Case cases[] = {
      {"CurDir=C:\\\x83\x5C\nSubDir=\x95\x5C\n", Encoding::utf8, {"C:\\ソ", "表"}},
      {"CurDir=C:\\\x83\x5C\nSubDir=\x95\x5C\n", Encoding::legacy, {"C:\\\x83\x5C", "\x95\x5C"}},
      {mark + "CurDir=C:\\ソ\nLastFile=C:\\한국.wav\n", Encoding::utf8, {"C:\\ソ", "C:\\한국.wav"}},
      // Without the UTF-8 code page a name it cannot hold is left out.
      {mark + "CurDir=C:\\ソ\nLastFile=C:\\한국.wav\n", Encoding::legacy, {"C:\\\x83\x5C"}},
      // Bytes that are no character of their encoding are left out too.
      {"A=\x83\nB=2\n", Encoding::utf8, {"2"}},
      {mark + "A=\xFF\nB=2\n", Encoding::legacy, {"2"}},
      {mark + "A=\xFF\nB=2\n", Encoding::utf8, {"2"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parse(c.text, c.process).values, c.values) << "text: " << c.text;
  }
}

TEST(SettingsFile, WritesTheLegacyCodePageUnlessAValueHasNoPlaceInIt) {
  using ansi::Encoding;
  const std::vector<std::string> representable = {"CurDir=C:\\ソ\n", "SubDir=表\n", "TopMode=1\n"};
  EXPECT_EQ(joined(SettingsFile::encodeLines(representable, Encoding::utf8)),
            "CurDir=C:\\\x83\x5C\nSubDir=\x95\x5C\nTopMode=1\n");
  const std::vector<std::string> legacy = {"CurDir=C:\\\x83\x5C\n", "LastFile=\x95\x5C.mp3\n"};
  EXPECT_EQ(SettingsFile::encodeLines(legacy, Encoding::legacy), legacy);

  // Hangul has no place in code page 932; "£" has only the look-alike "￡".
  for (const std::string name : {"한국.wav", "£.wav"}) {
    const std::vector<std::string> lines = {"CurDir=C:\\ソ\n", "LastFile=C:\\ソ\\" + name + "\n"};
    const std::vector<std::string> written = SettingsFile::encodeLines(lines, Encoding::utf8);
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(joined(written), mark + "CurDir=C:\\ソ\nLastFile=C:\\ソ\\" + name + "\n");
    // Read back, the marked file gives the values as they were.
    const Parsed back = parse(joined(written), Encoding::utf8);
    EXPECT_EQ(back.keys, (std::vector<std::string>{"CurDir", "LastFile"}));
    EXPECT_EQ(back.values, (std::vector<std::string>{"C:\\ソ", "C:\\ソ\\" + name}));
  }
}

TEST(SettingsFile, ReadsAFileAndLooksUpTheFirstOfDuplicateKeys) {
  TestFolder folder;
  std::string path = folder.file("tovik.def", "CurDir=a\nSubDir=Jazz\nCurDir=b\n");
  SettingsFile file;
  ASSERT_TRUE(file.open(path, false));
  EXPECT_EQ(file.mode(), SettingsMode::Loaded);
  EXPECT_EQ(file.lookup("CurDir"), "a");
  EXPECT_EQ(file.lookup("SubDir"), "Jazz");
  EXPECT_EQ(file.lookup("curdir"), "");
  EXPECT_FALSE(file.write("CurDir", "x"));

  SettingsFile empty;
  EXPECT_TRUE(empty.open(folder.file("empty.def"), false));
  EXPECT_EQ(empty.mode(), SettingsMode::Loaded);

  SettingsFile missing;
  EXPECT_FALSE(missing.open(folder.join("missing.def"), false));
  EXPECT_EQ(missing.mode(), SettingsMode::Closed);
  EXPECT_EQ(missing.lookup("CurDir"), "");

  SettingsFile folderAsFile;
  EXPECT_FALSE(folderAsFile.open(folder.path(), false));
}

TEST(SettingsFile, TheReadHoldsTheFileUntilClosedAndAHeldFileReadsAsMissing) {
  TestFolder folder;
  std::string path = folder.file("tovik.def", "CurDir=a\n");
  {
    SettingsFile reader;
    ASSERT_TRUE(reader.open(path, false));
    test_files::Holder other(path);
    EXPECT_FALSE(other.held());
    reader.close();
    test_files::Holder after(path);
    EXPECT_TRUE(after.held());
  }
  {
    file::ExclusiveWriter dropped;  // let go unfinished, as after a failed write
    ASSERT_EQ(dropped.create(path + ".tmp"), file::Attempt::done);
  }
  EXPECT_TRUE(test_files::Holder(path + ".tmp").held()) << "a writer let go unfinished kept its file";
  test_files::Holder holder(path);
  ASSERT_TRUE(holder.held());
  SettingsFile file;
  EXPECT_FALSE(file.open(path, false));
  EXPECT_EQ(file.lookup("CurDir"), "");
}

TEST(SettingsFile, ASaveReplacesTheFileWholeOnlyWhenEveryLineWasWritten) {
  TestFolder folder;
  std::string path = folder.file("tovik.def", "CurDir=old\n");
  {
    SettingsFile file;
    ASSERT_TRUE(file.open(path, true));
    EXPECT_EQ(file.mode(), SettingsMode::Writing);
    EXPECT_TRUE(file.write("CurDir", "new"));
    EXPECT_TRUE(file.write("SubDir", ""));
    // Until the save is closed the old file is untouched.
    EXPECT_EQ(test_files::read(path), "CurDir=old\n");
  }
  EXPECT_EQ(test_files::read(path), "CurDir=new\nSubDir=\n");
  EXPECT_FALSE(test_files::exists(path + ".tmp"));

  // One object saved twice: the second save holds its own lines only.
  SettingsFile twice;
  for (const char* value : {"first", "second"}) {
    ASSERT_TRUE(twice.open(path, true));
    EXPECT_TRUE(twice.write("CurDir", value));
    twice.close();
  }
  EXPECT_EQ(test_files::read(path), "CurDir=second\n");

  // Writing is refused in every other mode.
  SettingsFile closed;
  EXPECT_FALSE(closed.write("CurDir", "x"));
}

TEST(SettingsFile, ASaveThatCannotReplaceALockedFileLeavesItAsItWas) {
  TestFolder folder;
  std::string path = folder.file("tovik.def", "CurDir=old\n");
  {
    test_files::Holder holder(path);
    ASSERT_TRUE(holder.held());
    SettingsFile file;
    if (file.open(path, true)) file.write("CurDir", "new");
    file.close();
  }
  EXPECT_EQ(test_files::read(path), "CurDir=old\n");
  EXPECT_FALSE(test_files::exists(path + ".tmp"));
}

// An earlier save's replacement that a scanner still holds, or that is being
// deleted, is waited for as a held settings file is.
TEST(SettingsFile, AReplacementHeldForAMomentIsWaitedFor) {
  TestFolder folder;
  const std::string path = folder.file("tovik.def", "CurDir=old\n");
  auto holder = std::make_unique<test_files::Holder>(folder.file("tovik.def.tmp", "CurDir=earl"));
  ASSERT_TRUE(holder->held());
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    holder.reset();
  });
  {
    SettingsFile file;
    EXPECT_TRUE(file.open(path, true));
    file.write("CurDir", "new");
  }
  release.join();
  EXPECT_EQ(test_files::read(path), "CurDir=new\n");
}

TEST(SettingsFile, ASaveIntoAFolderThatCannotBeWrittenChangesNothing) {
  TestFolder folder;
  SettingsFile noFolder;
  EXPECT_FALSE(noFolder.open(folder.join("missing\\tovik.def"), true));
  EXPECT_EQ(noFolder.mode(), SettingsMode::Closed);
  EXPECT_FALSE(noFolder.write("CurDir", "x"));

  std::string readOnly = test_files::readOnlyFolder();
  ASSERT_FALSE(readOnly.empty()) << "the test runner provides VEXMOOR_READONLY_FOLDER";
  std::string path = readOnly + "\\tovik.def";
  std::string before = test_files::read(path);
  ASSERT_EQ(before, "CurDir=kept\n");
  SettingsFile file;
  EXPECT_FALSE(file.open(path, true));
  EXPECT_FALSE(file.write("CurDir", "x"));
  file.close();
  EXPECT_EQ(test_files::read(path), before);
  EXPECT_FALSE(test_files::exists(path + ".tmp"));
}

}  // namespace
