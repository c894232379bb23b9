// Timings of the player on the real graph against the bare platform calls, in
// one run: how long a completion takes to become the next track running, and
// what advance costs across a long run of paths that do not load.
#include <windows.h>

#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "BareGraph.h"
#include "PlayerOnWindow.h"
#include "Stopwatch.h"
#include "TestFolder.h"
#include "ToneFile.h"

namespace {

using stopwatch::median;
using stopwatch::milliseconds;
using stopwatch::now;

// Each round: the player's track ends and its handler loads and runs the next
// one (the same file again), timed; then a bare graph renders and runs the
// same file, timed, with the release of the bare graph before it counted too.
void completionToNextTrack(const std::string& file, int rounds) {
  PlayerOnWindow<> p;
  std::vector<double> player;
  p.timeTrackChanges(player);
  p.player.playDropped(std::vector<std::string>(static_cast<std::size_t>(rounds) + 1, file));
  BareGraph bare;
  std::vector<double> bareRun;
  std::vector<double> bareReleaseAndRun;
  for (int round = 0; round < rounds; ++round) {
    const std::size_t heard = player.size();
    p.window.pumpUntil([&] { return player.size() > heard || !p.player.state().playing; }, 10000);
    p.window.pumpFor(30);
    p.player.onPlay();  // stopped while the bare graph is timed
    const LARGE_INTEGER released = now();
    bare.release();
    const LARGE_INTEGER start = now();
    bare.play(file);
    const LARGE_INTEGER end = now();
    bareRun.push_back(milliseconds(start, end));
    bareReleaseAndRun.push_back(milliseconds(released, end));
    p.window.pumpFor(30);
    p.player.onPlay();
  }
  // Both graphs end before the next measurement starts.
  bare.release();
  p.player.stopPlayback();
  p.window.pumpFor(200);
  const double playerMedian = median(player);
  std::printf("completion -> next track running: player %.2f ms (median of %zu), bare RenderFile+Run %.2f ms, "
              "bare release+RenderFile+Run %.2f ms; ratio %.2f (%.2f with release)\n",
              playerMedian, player.size(), median(bareRun), median(bareReleaseAndRun),
              playerMedian / median(bareRun), playerMedian / median(bareReleaseAndRun));
}

// advance over count paths that do not exist, against the same number of bare
// graphs made and asked to render them.
void advanceOverUnloadable(const std::string& folder, int count) {
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) paths.push_back(folder + "\\gone " + std::to_string(i) + ".wav");
  PlayerOnWindow<> p;
  const LARGE_INTEGER start = now();
  p.player.playDropped(paths);
  const LARGE_INTEGER middle = now();
  BareGraph bare;
  for (const std::string& path : paths) bare.play(path);
  bare.release();
  const LARGE_INTEGER end = now();
  std::printf("advance across %d unloadable entries: player %.0f ms (%.3f ms each), bare graphs %.0f ms "
              "(%.3f ms each)\n",
              count, milliseconds(start, middle), milliseconds(start, middle) / count, milliseconds(middle, end),
              milliseconds(middle, end) / count);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 30;
  // Wine's media back end keeps a few handles of every graph made, and runs out
  // of file descriptors after some ten thousand graphs in one process; the
  // default keeps both measurements of the run well below that.
  const int unloadable = argc > 2 ? std::atoi(argv[2]) : 1000;
  TestFolder folder;
  const std::string file = folder.join("tone.wav");
  if (!tone_file::writeWav(file, 440, 60)) return 1;
  completionToNextTrack(file, rounds);
  if (unloadable > 0) advanceOverUnloadable(folder.path(), unloadable);
  // Wine's media back end winds its streaming threads down after the last
  // graph is gone; a process that ends at once faults in one of them more
  // often (after many graphs it still may, once the figures are out).
  Sleep(2000);
  return 0;
}
