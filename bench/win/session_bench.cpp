// Timings of Media Foundation in the player against the bare platform calls, in
// one run: how long a completion takes to become the next track running through
// the Media Foundation engine, against a bare Media Session; and what advance
// costs across unplayable files now that each may try two engines, against
// DirectShow alone.
//   vexmoor_session_bench [ROUNDS] [UNPLAYABLE] [SOUND FILE]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BareSession.h"
#include "PlayerOnWindow.h"
#include "Stopwatch.h"
#include "TestFolder.h"
#include "ToneFile.h"

namespace {

using stopwatch::median;
using stopwatch::milliseconds;
using stopwatch::now;

// Each round: the player's track ends and its handler loads and runs the next
// one (the same file again), timed; then a bare session is released, built
// and started on the same file, timed.
void completionToNextTrack(const std::string& file, int rounds) {
  PlayerOnWindow<MediaSessionGraph> p;
  std::vector<double> player;
  p.timeTrackChanges(player);
  p.player.playDropped(std::vector<std::string>(static_cast<std::size_t>(rounds) + 1, file));
  BareSession bare;
  std::vector<double> bareReleaseAndStart;
  for (int round = 0; round < rounds; ++round) {
    const std::size_t heard = player.size();
    p.window.pumpUntil([&] { return player.size() > heard || !p.player.state().playing; }, 10000);
    p.window.pumpFor(30);
    p.player.onPlay();  // stopped while the bare session is timed
    const LARGE_INTEGER start = now();
    bare.play(file);
    const LARGE_INTEGER end = now();
    bareReleaseAndStart.push_back(milliseconds(start, end));
    p.window.pumpFor(30);
    p.player.onPlay();
  }
  bare.release();
  p.player.stopPlayback();
  p.window.pumpFor(200);
  std::printf("completion -> next track running through Media Foundation: player %.2f ms (median of %zu), "
              "bare session release+resolve+start %.2f ms; ratio %.2f\n",
              median(player), player.size(), median(bareReleaseAndStart),
              median(player) / median(bareReleaseAndStart));
}

// advance over count files of noise that no engine plays, with DirectShow
// alone and with both engines, on the same files.
template <typename Engine>
double advanceOver(const std::vector<std::string>& paths) {
  PlayerOnWindow<Engine> p;
  const LARGE_INTEGER start = now();
  p.player.playDropped(paths);
  return milliseconds(start, now());
}

void advanceOverUnplayable(const TestFolder& folder, int count) {
  std::string noise(4096, '\0');
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 7919u + 13u) >> 3);
  const char* kinds[] = {".mp3", ".m4a", ".flac", ".ogg"};
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) paths.push_back(folder.file("noise " + std::to_string(i) + kinds[i % 4], noise));
  const double directShow = advanceOver<PlaybackGraph>(paths);
  const double both = advanceOver<AudioEngines>(paths);
  std::printf("advance across %d unplayable files: DirectShow alone %.0f ms (%.3f ms each), DirectShow then "
              "Media Foundation %.0f ms (%.3f ms each); ratio %.2f\n",
              count, directShow, directShow / count, both, both / count, both / directShow);
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::atoi(argv[1]) : 30;
  const int unplayable = argc > 2 ? std::atoi(argv[2]) : 1000;
  TestFolder folder;
  std::string file = argc > 3 ? argv[3] : folder.join("tone.wav");
  if (argc <= 3 && !tone_file::writeWav(file, 440, 60)) return 1;
  completionToNextTrack(file, rounds);
  if (unplayable > 0) advanceOverUnplayable(folder, unplayable);
  // Wine's media back end winds its streaming threads down after the last
  // graph is gone; a process that ends at once faults in one of them more often.
  Sleep(2000);
  return 0;
}
