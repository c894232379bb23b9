#include "library/PlaylistReader.h"

#include <gtest/gtest.h>

#include <random>

#include "TestFolder.h"

namespace {

using Lines = std::vector<std::string>;

const TrackOrder fileOrder;
const Lines previous = {"C:\\kept\\a.mp3", "C:\\kept\\b.mp3"};

TrackOrder orderOf(std::int32_t randomMode, std::int32_t sortMethod, bool sortReverse) {
  return TrackOrder{randomMode, sortMethod, sortReverse};
}

// Stands in for the player's shuffle: it reverses and counts its calls.
struct RecordingShuffle {
  int calls = 0;
  std::function<void(Lines&)> hook() {
    return [this](Lines& lines) {
      ++calls;
      std::reverse(lines.begin(), lines.end());
      lines.push_back("shuffled");
    };
  }
};

TEST(PlaylistReader, LinesEndAtCrLfLoneLfOrLoneCr) {
  const std::pair<std::string, Lines> cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"#EXTM3U\r\n\r\nC:\\a.mp3\r\n", {"#EXTM3U", "", "C:\\a.mp3"}},
      {"a\nb\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"\r\n", {""}},
      {"\n\n", {"", ""}},
      {" a \t\r\n#x", {" a \t", "#x"}},
      {"\x83\x5C\r\n\x95\x5C\n\x83\r\n", {"\x83\x5C", "\x95\x5C", "\x83"}},
      {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
  };
  for (const auto& c : cases) EXPECT_EQ(splitPlaylistLines(c.first), c.second) << c.first;
}

// Text in UTF-8 in this source; the code page 932 forms are spelled in bytes.
TEST(PlaylistReader, DecodesByMarkExtensionOrWellFormedUtf8) {
  using ansi::Encoding;
  const std::string mark = "\xEF\xBB\xBF";
  struct Case {
    std::string bytes;
    bool isM3u8;
    Encoding process;
    Lines lines;
  };
  const Case cases[] = {
      // Code page 932 bytes are not UTF-8: read in the legacy code page.
      {"C:\\\x83\x5C.wav\r\n\x95\x5C.wav", false, Encoding::legacy, {"C:\\\x83\x5C.wav", "\x95\x5C.wav"}},
      {"C:\\\x83\x5C.wav\r\n\x95\x5C.wav", false, Encoding::utf8, {"C:\\ソ.wav", "表.wav"}},
      // Well-formed UTF-8 with a non-ASCII byte, even without a mark.
      {"ソ.wav\r\nBjörk.wav\r\n", false, Encoding::utf8, {"ソ.wav", "Björk.wav"}},
      {"ソ.wav\r\nBjörk.wav\r\n", false, Encoding::legacy, {"\x83\x5C.wav"}},
      // Bytes valid in both are taken as UTF-8.
      {"\xE3\x82\xBD.wav", false, Encoding::utf8, {"ソ.wav"}},
      {"\xE3\x82\xBD", false, Encoding::utf8, {"ソ"}},  // not one ASCII byte
      // The mark is no part of the first line.
      {mark + "#EXTM3U\r\n한국.wav\r\n", false, Encoding::utf8, {"#EXTM3U", "한국.wav"}},
      {mark + "a.wav\r\n", false, Encoding::legacy, {"a.wav"}},
      {mark, false, Encoding::utf8, {}},
      // An m3u8 is UTF-8 whatever its bytes; lines that are not are left out.
      {"a.wav\r\n\x83\x5C.wav\r\nnaïve café.wav", true, Encoding::utf8, {"a.wav", "naïve café.wav"}},
      // Overlong forms, the surrogates D800 and DFFF, values above U+10FFFF and a
      // cut sequence are not UTF-8; the values next to each of them are.
      {"\xC0\xAF\n\xE0\x80\xAF\n\xF0\x80\x80\xAF\n\xED\xA0\x80\n\xED\xBF\xBF\n\xF4\x90\x80\x80\n\xF5\x80\x80\x80\n"
       "\xE3\x82\n\xC1\xBF\n\xC2\x80\n\xE0\xA0\x80\n\xF0\x90\x80\x80\n\xED\x9F\xBF\n\xEE\x80\x80\n\xF4\x8F\xBF\xBF\n"
       "\xDF\xBF\n\xEF\xBF\xBF",
       true,
       Encoding::utf8,
       {"\xC2\x80", "\xE0\xA0\x80", "\xF0\x90\x80\x80", "\xED\x9F\xBF", "\xEE\x80\x80", "\xF4\x8F\xBF\xBF", "\xDF\xBF",
        "\xEF\xBF\xBF"}},
      {"a.wav\r\n", true, Encoding::legacy, {"a.wav"}},
      {"", true, Encoding::utf8, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(decodePlaylist(c.bytes, c.isM3u8, c.process), c.lines) << c.bytes;
  }
  for (const std::string name : {"a.m3u", "a.m3u8", "ソ.m3u8"}) EXPECT_TRUE(isPlaylistName(name)) << name;
  for (const std::string name : {"a.M3U8", "a.m3u8.wav", "m3u8", "a.m3u9", "a.wav"}) {
    EXPECT_FALSE(isPlaylistName(name)) << name;
  }
}

TEST(PlaylistReader, RandomBytesSplitIntoLinesThatRebuildTheText) {
  std::mt19937 random(77);
  const char alphabet[] = {'\r', '\n', 'a', '\x83', '\x5C', '\0', '#', '\xFF'};
  for (int round = 0; round < 500; ++round) {
    std::string text(random() % 200, ' ');
    for (char& byte : text) byte = round % 2 ? alphabet[random() % sizeof alphabet] : static_cast<char>(random());
    const Lines lines = splitPlaylistLines(text);
    std::size_t pos = 0;
    for (const std::string& line : lines) {
      ASSERT_EQ(line.find_first_of("\r\n"), std::string::npos);
      ASSERT_EQ(text.compare(pos, line.size(), line), 0);
      pos += line.size();
      if (pos < text.size()) pos += text.compare(pos, 2, "\r\n") == 0 ? 2 : 1;
    }
    EXPECT_EQ(pos, text.size()) << "round " << round;
  }
}

TEST(PlaylistReader, ReplacesTheTrackListWithTheLinesInTheOrderAsked) {
  TestFolder folder;
  const std::string path = folder.file("mix.m3u", "#EXTM3U\r\n\r\nC:\\a.mp3\r\nrel\\b.mp3\r\n");
  const Lines lines = {"#EXTM3U", "", "C:\\a.mp3", "rel\\b.mp3"};
  const Lines reversed(lines.rbegin(), lines.rend());
  struct Case {
    TrackOrder order;
    Lines expected;
    int shuffles;
  };
  const Case cases[] = {
      {orderOf(0, 0, false), lines, 0},
      {orderOf(0, 1, false), lines, 0},     // playlists keep their file order
      {orderOf(0, 2, true), reversed, 0},
      {orderOf(1, 0, false), {"rel\\b.mp3", "C:\\a.mp3", "", "#EXTM3U", "shuffled"}, 1},
      {orderOf(1, 1, true), {"rel\\b.mp3", "C:\\a.mp3", "", "#EXTM3U", "shuffled"}, 1},
  };
  for (const Case& c : cases) {
    RecordingShuffle shuffle;
    Lines trackList = previous;
    EXPECT_TRUE(loadPlaylist(path, c.order, shuffle.hook(), trackList));
    EXPECT_EQ(trackList, c.expected);
    EXPECT_EQ(shuffle.calls, c.shuffles);
  }
  Lines trackList = previous;
  EXPECT_TRUE(loadPlaylist(path, orderOf(1, 0, false), nullptr, trackList));
  EXPECT_EQ(trackList, lines);
}

TEST(PlaylistReader, UnreadableOrEmptyPlaylistsLeaveTheTrackListAlone) {
  TestFolder folder;
  const std::string locked = folder.file("locked.m3u", "C:\\a.mp3\r\n");
  test_files::Holder holder(locked);
  ASSERT_TRUE(holder.held());
  folder.folder("old.m3u");
  for (const std::string& path : {folder.file("empty.m3u"), folder.join("missing.m3u"), locked,
                                  folder.join("old.m3u"), std::string()}) {
    RecordingShuffle shuffle;
    Lines trackList = previous;
    EXPECT_FALSE(loadPlaylist(path, orderOf(1, 0, true), shuffle.hook(), trackList)) << path;
    EXPECT_EQ(trackList, previous);
    EXPECT_EQ(shuffle.calls, 0);
  }
}

TEST(PlaylistReader, LargeAndBinaryPlaylistsAreReadWhole) {
  TestFolder folder;
  std::string million;
  million.reserve(16 * 1000000);
  for (int i = 0; i < 1000000; ++i) million += "C:\\m\\" + std::to_string(i) + (i % 3 ? "\r\n" : "\n");
  Lines trackList;
  ASSERT_TRUE(loadPlaylist(folder.file("million.m3u", million), fileOrder, nullptr, trackList));
  ASSERT_EQ(trackList.size(), 1000000u);
  EXPECT_EQ(trackList.front(), "C:\\m\\0");
  EXPECT_EQ(trackList[123456], "C:\\m\\123456");
  EXPECT_EQ(trackList.back(), "C:\\m\\999999");

  const std::string line(10 * 1024 * 1024, 'x');
  ASSERT_TRUE(loadPlaylist(folder.file("line.m3u", line), fileOrder, nullptr, trackList));
  ASSERT_EQ(trackList.size(), 1u);
  EXPECT_EQ(trackList[0], line);

  std::mt19937 random(5);
  std::string binary(1 << 16, '\0');
  for (char& byte : binary) byte = static_cast<char>(random());
  ASSERT_TRUE(loadPlaylist(folder.file("binary.m3u", binary), fileOrder, nullptr, trackList));
  // In the legacy code page every line is kept as it stands; a UTF-8 process
  // keeps those that convert.
  EXPECT_EQ(trackList, decodePlaylist(binary, false, ansi::processEncoding()));
  if (ansi::processEncoding() == ansi::Encoding::legacy) {
    EXPECT_EQ(trackList, splitPlaylistLines(binary));
  }
}

}  // namespace
