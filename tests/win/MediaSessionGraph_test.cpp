// What is the Media Foundation engine's own: its threads, its rebuild at a
// rewind, and the events that end its stream.
#include "audio/MediaSessionGraph_win32.h"

#include <windows.h>
#include <mfapi.h>
#include <mferror.h>

#include <string>

#include <gtest/gtest.h>

#include "GraphOnWindow.h"
#include "ProcessUsage.h"
#include "TestFolder.h"
#include "ToneFile.h"

namespace {

using SessionOnWindow = GraphOnWindow<MediaSessionGraph>;

// Under Wine the audio renderer of a session left at its end starts some two
// threads a second, never ended, until it is shut down.
TEST(MediaSessionGraph, ATrackLeftAtItsEndStartsNoThreads) {
  TestFolder folder;
  const std::string path = folder.join("short.wav");
  ASSERT_TRUE(tone_file::writeWav(path, 440, 200));
  SessionOnWindow g;
  EXPECT_EQ(g.graph.currentPosition(), 0) << "no session";
  g.graph.create(g.window.target());
  ASSERT_TRUE(g.graph.renderFile(path));
  g.graph.run();
  ASSERT_TRUE(g.waitForCompletions(1));
  EXPECT_EQ(g.graph.currentPosition(), 0) << "a track at its end has no place to keep";
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
