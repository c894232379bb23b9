// The Media Foundation engine on its own, on real files of every format it is
// there for, posting to a real window.
#include "audio/MediaSessionGraph_win32.h"

#include <windows.h>
#include <mfapi.h>
#include <mferror.h>

#include <string>

#include <gtest/gtest.h>

#include "GraphOnWindow.h"
#include "ProcessUsage.h"
#include "TestFolder.h"
#include "TestMedia.h"
#include "ToneFile.h"

namespace {

using SessionOnWindow = GraphOnWindow<MediaSessionGraph>;

class MediaSessionGraphOnFile : public testing::TestWithParam<const char*> {};

TEST_P(MediaSessionGraphOnFile, PlaysToItsEndOncePlaysAgainAfterRewind) {
  const std::string path = test_media::preparedFile(std::string("tone.") + GetParam());
  ASSERT_FALSE(path.empty()) << "no test media: run through tools/run-tests.sh";
  SessionOnWindow g;
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

INSTANTIATE_TEST_SUITE_P(Formats, MediaSessionGraphOnFile, testing::Values("flac", "m4a", "ogg", "opus", "mp3"));

TEST(MediaSessionGraph, StopHoldsTheTrackRunGoesOnAndACueWhileStoppedWaitsForRun) {
  TestFolder folder;
  const std::string path = folder.join("long.wav");
  // Long enough that a busy machine cannot let it end before the stop.
  ASSERT_TRUE(tone_file::writeWav(path, 440, 3000));
  SessionOnWindow g;
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

// Under Wine the audio renderer of a session left at its end starts some two
// threads a second, never ended, until it is shut down.
TEST(MediaSessionGraph, ATrackLeftAtItsEndStartsNoThreads) {
  TestFolder folder;
  const std::string path = folder.join("short.wav");
  ASSERT_TRUE(tone_file::writeWav(path, 440, 200));
  SessionOnWindow g;
  g.graph.create(g.window.target());
  ASSERT_TRUE(g.graph.renderFile(path));
  g.graph.run();
  ASSERT_TRUE(g.waitForCompletions(1));
  g.window.pumpFor(500);
  const unsigned long threadsAtEnd = ProcessUsage::now().threads;
  g.window.pumpFor(3000);
  EXPECT_LE(ProcessUsage::now().threads, threadsAtEnd + 1);
}

// The file deleted after the track ended: the rewind cannot build it again, and
// the track ends at once as an error ends it, and again when it is run.
TEST(MediaSessionGraph, ARewindWhoseFileIsGoneEndsTheTrack) {
  TestFolder folder;
  const std::string path = folder.join("gone.wav");
  ASSERT_TRUE(tone_file::writeWav(path, 440, 100));
  SessionOnWindow g;
  g.graph.create(g.window.target());
  ASSERT_TRUE(g.graph.renderFile(path));
  g.graph.run();
  ASSERT_TRUE(g.waitForCompletions(1));
  ASSERT_TRUE(DeleteFileA(path.c_str()));
  g.graph.rewind();
  ASSERT_TRUE(g.waitForCompletions(2));
  EXPECT_TRUE(g.graph.atEnd());
  g.graph.stop();
  g.graph.rewind();
  g.graph.run();
  EXPECT_TRUE(g.waitForCompletions(3));
}

TEST(MediaSessionGraph, WhatIsNoSoundFailsToRender) {
  TestFolder folder;
  std::string noise(4096, '\0');
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919u + 13u) >> 3);
  const std::string paths[] = {
      folder.file("noise.mp3", noise), folder.file("notes.txt", "not a sound\r\n"), folder.file("empty.m4a"),
      folder.folder("sub.flac"),       folder.join("missing.ogg"),                 std::string(),
  };
  for (const std::string& path : paths) {
    SessionOnWindow g;
    g.graph.create(g.window.target());
    EXPECT_FALSE(g.graph.renderFile(path)) << path;
    g.graph.run();
    g.window.pumpFor(50);
    EXPECT_FALSE(g.graph.atEnd());
    EXPECT_FALSE(g.graph.takeCompletion());
    EXPECT_EQ(g.window.notifications(), 0) << path;
  }
}

TEST(MediaSessionGraph, StreamsEndOnTheEndOfThePresentationAndOnErrorsOnly) {
  const struct {
    unsigned long type;
    long status;
    bool ends;
  } cases[] = {
      {MESessionEnded, S_OK, true},
      {MEError, MF_E_INVALIDREQUEST, true},
      {MESessionTopologySet, MF_E_TOPO_CODEC_NOT_FOUND, true},
      {MESessionStarted, MF_E_INVALIDREQUEST, true},
      {MEAudioSessionDeviceRemoved, S_OK, true},
      {MEAudioSessionFormatChanged, S_OK, true},
      {MEAudioSessionServerShutdown, S_OK, true},
      {MEAudioSessionExclusiveModeOverride, S_OK, true},
      {MEAudioSessionVolumeChanged, S_OK, false},
      {MESessionTopologySet, S_OK, false},
      {MESessionStarted, S_OK, false},
      {MESessionPaused, MF_E_INVALIDREQUEST, false},
      {MESessionClosed, S_OK, false},
      {MEEndOfPresentation, S_OK, false},
  };
  for (const auto& c : cases) EXPECT_EQ(MediaSessionGraph::endsStream(c.type, c.status), c.ends) << c.type;
}

}  // namespace
