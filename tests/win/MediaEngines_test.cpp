// What the player asks of every media engine, on real files, posting to a
// real window: the DirectShow graph and the Media Foundation session alike.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "GraphOnWindow.h"
#include "ProcessText.h"
#include "TestFolder.h"
#include "TestMedia.h"
#include "ToneFile.h"
#include "ToneSequence.h"
#include "audio/MediaSessionGraph_win32.h"
#include "audio/PlaybackGraph_win32.h"

namespace {

template <typename Engine>
class MediaEngine : public testing::Test {
 protected:
  // The formats the engine is there for.
  static std::vector<std::string> formats();

  std::string soundFile(const std::string& kind) {
    if (kind != "wav") return test_media::preparedFile("tone." + kind);
    const std::string path = folder.join("tone.wav");
    return tone_file::writeWav(path, 440, 400) ? path : "";
  }

  TestFolder folder;
};

template <>
std::vector<std::string> MediaEngine<PlaybackGraph>::formats() {
  return {"wav", "mp3"};
}
template <>
std::vector<std::string> MediaEngine<MediaSessionGraph>::formats() {
  return {"flac", "m4a", "ogg", "opus", "mp3"};
}

// The sink's recording reaches the capture file some hundreds of milliseconds
// after a graph reports its end (more on a busy machine): what was heard is
// read once the recording has stopped growing.
tone_sequence::Loudness loudnessHeard(NotifyWindow& window) {
  tone_sequence::Loudness heard = tone_sequence::loudness(test_media::readCapture(), 48000);
  for (int read = 0; read < 10; ++read) {
    window.pumpFor(500);
    const tone_sequence::Loudness later = tone_sequence::loudness(test_media::readCapture(), 48000);
    if (later.milliseconds == heard.milliseconds) break;
    heard = later;
  }
  return heard;
}

using Engines = testing::Types<PlaybackGraph, MediaSessionGraph>;
TYPED_TEST_SUITE(MediaEngine, Engines);

TYPED_TEST(MediaEngine, PlaysToItsEndOncePlaysAgainAfterRewind) {
  for (const std::string& kind : this->formats()) {
    SCOPED_TRACE(kind);
    const std::string path = this->soundFile(kind);
    ASSERT_FALSE(path.empty()) << "no test media: run through tools/run-tests.sh";
    GraphOnWindow<TypeParam> g;
    EXPECT_FALSE(g.graph.renderFile(path));  // not created
    g.graph.create(g.window.target());
    ASSERT_TRUE(g.graph.renderFile(path));
    EXPECT_FALSE(g.graph.renderFile(path));  // one file a graph
    EXPECT_FALSE(g.graph.atEnd());
    g.graph.run();
    ASSERT_TRUE(g.waitForCompletions(1));
    EXPECT_GE(g.window.notifications(), 1);
    EXPECT_TRUE(g.graph.atEnd());
    EXPECT_FALSE(g.graph.takeCompletion());

    // Still running at its end: back to the start, it plays and ends again.
    g.graph.rewind();
    EXPECT_FALSE(g.graph.atEnd());
    ASSERT_TRUE(g.waitForCompletions(2));
    g.window.pumpFor(300);
    EXPECT_EQ(g.completions, 2);
    g.graph.release();
    g.graph.rewind();
    g.window.pumpFor(300);
    EXPECT_EQ(g.completions, 2);
    EXPECT_FALSE(g.graph.atEnd());
  }
}

TYPED_TEST(MediaEngine, StopHoldsTheTrackRunGoesOnAndACueWhileStoppedWaitsForRun) {
  const std::string path = this->folder.join("long.wav");
  // Long enough that a busy machine cannot let it end before the stop.
  ASSERT_TRUE(tone_file::writeWav(path, 440, 3000));
  GraphOnWindow<TypeParam> g;
  g.graph.create(g.window.target());
  ASSERT_TRUE(g.graph.renderFile(path));
  g.graph.run();
  g.window.pumpFor(200);
  g.graph.stop();
  EXPECT_FALSE(g.graph.atEnd());
  g.window.pumpFor(1200);
  EXPECT_EQ(g.completions, 0);
  g.graph.run();
  ASSERT_TRUE(g.waitForCompletions(1));

  // Played to its end and stopped, as the player finds it when play is pressed.
  g.graph.stop();
  EXPECT_TRUE(g.graph.atEnd());
  g.graph.rewind();
  EXPECT_FALSE(g.graph.atEnd());
  g.window.pumpFor(1200);
  EXPECT_EQ(g.completions, 1);
  g.graph.run();
  EXPECT_TRUE(g.waitForCompletions(2));
}

// The level is the engine's own: at 80 a track is heard 10 dB below its full
// level, whichever engine played the one before. A seek before the run starts
// it there, and only the rest of the track is heard.
TYPED_TEST(MediaEngine, PlaysAtItsLevelFromWhereItWasSoughtAndSaysWhere) {
  const std::string path = this->folder.join("long.wav");
  ASSERT_TRUE(tone_file::writeWav(path, 440, 3000));
  ASSERT_FALSE(test_media::captureFolder().empty()) << "VEXMOOR_CAPTURE_DIR is not set";
  test_media::clearCapture();
  GraphOnWindow<TypeParam> g;
  g.graph.create(g.window.target());
  g.graph.setVolume(80);
  ASSERT_TRUE(g.graph.renderFile(path));
  EXPECT_NEAR(static_cast<double>(g.graph.length()), 3000, 50);
  g.graph.seek(2400);
  EXPECT_NEAR(static_cast<double>(g.graph.currentPosition()), 2400, 50);
  g.graph.run();
  ASSERT_TRUE(g.waitForCompletions(1));
  const tone_sequence::Loudness heard = loudnessHeard(g.window);
  // The tone is written at half of full scale, -9.03 dB RMS.
  EXPECT_NEAR(heard.decibels, -19.03, 1.0);
  EXPECT_NEAR(heard.milliseconds, 600, 200);
}

TYPED_TEST(MediaEngine, WhatIsNoSoundFailsToRender) {
  TestFolder& folder = this->folder;
  std::string noise(4096, '\0');
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919u + 13u) >> 3);
  const std::string paths[] = {
      folder.file("noise.mp3", noise), folder.file("notes.txt", "not a sound\r\n"), folder.file("empty.wav"),
      folder.file("empty.m4a"),        folder.folder("sub.flac"),                   folder.join("missing.ogg"),
      std::string(),
  };
  for (const std::string& path : paths) {
    GraphOnWindow<TypeParam> g;
    g.graph.create(g.window.target());
    EXPECT_FALSE(g.graph.renderFile(path)) << path;
    g.graph.run();
    g.window.pumpFor(50);
    EXPECT_FALSE(g.graph.atEnd());
    EXPECT_FALSE(g.graph.takeCompletion());
    EXPECT_EQ(g.window.notifications(), 0) << path;
  }
}

TYPED_TEST(MediaEngine, RendersAJapanesePathThroughTheAnsiCodePage) {
  // In code page 932 both characters of "表ソ" end in the byte of "\\".
  const std::string sub = this->folder.folder(processText("表ソ"));
  const std::string path = sub + "\\" + processText("ソ.wav");
  ASSERT_TRUE(tone_file::writeWav(path, 440, 100));
  GraphOnWindow<TypeParam> g;
  g.graph.create(g.window.target());
  EXPECT_TRUE(g.graph.renderFile(path));
}

// A track at a full path of 300 UTF-16 units, made through a path relative to a
// deep current folder as the plain calls reach no further.
TYPED_TEST(MediaEngine, PlaysATrackPastThePlainFormsLimit) {
  const std::string deep = this->folder.folder(std::string(200 - this->folder.path().size(), 'd'));
  test_files::CurrentFolder current(deep);
  const std::string leaf(90, 'e');
  ASSERT_TRUE(current.changed() && test_files::makeFolder(leaf));
  ASSERT_TRUE(tone_file::writeWav(leaf + "\\tone.wav", 440, 200));
  GraphOnWindow<TypeParam> g;
  g.graph.create(g.window.target());
  EXPECT_TRUE(g.graph.renderFile(deep + "\\" + leaf + "\\tone.wav"));
  g.graph.run();
  EXPECT_TRUE(g.waitForCompletions(1));
  g.graph.release();
  EXPECT_TRUE(DeleteFileA((leaf + "\\tone.wav").c_str()) && test_files::removeFolder(leaf));
}

TYPED_TEST(MediaEngine, EveryCallOfAGraphNotCreatedOrReleasedDoesNothing) {
  const std::string path = this->folder.join("tone.wav");
  ASSERT_TRUE(tone_file::writeWav(path, 440, 100));
  GraphOnWindow<TypeParam> g;
  EXPECT_FALSE(g.graph.renderFile(path));
  g.graph.run();
  g.graph.stop();
  g.graph.rewind();
  EXPECT_FALSE(g.graph.atEnd());
  EXPECT_FALSE(g.graph.takeCompletion());
  g.graph.release();

  g.graph.create(g.window.target());
  ASSERT_TRUE(g.graph.renderFile(path));
  g.graph.run();
  g.graph.release();
  g.graph.release();
  EXPECT_FALSE(g.graph.renderFile(path));
  EXPECT_FALSE(g.graph.atEnd());
  EXPECT_FALSE(g.graph.takeCompletion());
  g.graph.run();
  g.window.pumpFor(300);
  EXPECT_EQ(g.completions, 0);
}

}  // namespace
