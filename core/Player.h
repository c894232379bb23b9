#pragma once
// The player: its state, the commands of its user, and the start-up and
// shut-down of a session. It shows its state only through PlayerDisplay and
// plays only through MediaGraph.
#include <chrono>
#include <cstdint>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "audio/MediaGraph.h"
#include "core/Groups.h"
#include "core/Playback.h"
#include "core/PlayerDisplay.h"
#include "core/PlayerOptions.h"
#include "core/PlayerState.h"
#include "core/ShuffleGenerator.h"
#include "core/TrackSearch.h"
#include "core/Transport.h"

// The window's own steps of the start-up, called at their place in it.
class StartUpWindowSteps {
 public:
  virtual ~StartUpWindowSteps() = default;
  // Buttons, pictures, tool tips, and the transparency the settings ask for.
  virtual void prepareWindow() = 0;
  // Applies the always-on-top setting, which also shows the window.
  virtual void applyTopMost() = 0;
};

class Player {
 public:
  Player(MediaGraph& graph, PlayerDisplay& display, GraphNotifyTarget notifyTarget,
         ShuffleGenerator& generator = ShuffleGenerator::processWide());

  const PlayerState& state() const { return state_; }

  // Session: restore the previous run from the settings file, stopped on the
  // track loaded last; and save every setting at exit.
  void startUp(const std::string& settingsName, StartUpWindowSteps& window);
  // Writes the settings; closeWindow runs between the writes and the moment the
  // saved file takes the old one's place.
  void shutDown(const std::string& settingsName, const std::function<void()>& closeWindow);
  // The same save, for the end of the Windows session.
  void saveSettings(const std::string& settingsName);

  // Transport. Every command of the user, here and among the groups and
  // tracks, enters through the search: one that comes while a search is under
  // way ends as it would had the search found its track at once, just before
  // the command. The graph's events and stopPlayback are not the user's.
  void onPlay();
  void onStop();
  void onCue();
  void onNext();
  void onPrev();
  void onGraphNotify();
  void stopPlayback();

  // The player's own volume, 5 points a wheel notch (up is louder), kept
  // within 0..100; it applies at once, even during a search.
  void stepVolume(int notches);

  // Options take effect at once; a search under way keeps the repeat and
  // random settings it began with.
  void onOrderRandom();
  void onRepeat();
  void onOnePlay();
  void onOrderName();
  void onOrderCreated();
  void onOrderAccessed();
  void onOrderReverse();
  void toggleTopMost();
  void toggleTransparent();

  // Groups and tracks.
  // The group label of the music root itself, in the process's code page;
  // the window takes it from its resources.
  void setDefaultGroupLabel(const std::string& label) { groups_.setDefaultLabel(label); }
  void buildGroupList(const std::string& root);
  void selectGroup(const std::string& name);
  void setPopupKind(PopupKind kind);
  // A choice in the group menu (0 is the default group) or the track menu. It
  // means the entry the menu showed: a group by its name, a track by its path.
  void chooseGroup(std::size_t position);
  void chooseTrack(std::size_t position);
  // Files dropped on the window: played at once, ahead of the queue.
  void playDropped(const std::vector<std::string>& paths);

  std::string joinExcludedExts() const;

  // The step behind every change of track.
  void advance(bool play, bool refill);
  void shuffleTracks();

  // With a slice set, a search of the queue that has run that long with
  // entries left stops, asks continueLater to have continueAdvance() called
  // soon, and goes on then, so that a window answers its user between the
  // slices of a long run of unplayable files. Without one, advance searches to
  // its end at once.
  void setAdvanceSlice(std::chrono::milliseconds slice, std::function<void()> continueLater);
  bool advancing() const { return search_.active(); }
  void continueAdvance();

 private:
  // Queues the TrackList from the saved track on and loads it, stopped, at
  // the saved position when it is that track that loaded.
  void resume(const std::string& target, std::int64_t position);
  // Where in the loaded track the player leaves; 0 after its end or with none.
  std::int64_t positionToKeep();

  PlayerState state_;
  MediaGraph& graph_;
  GraphNotifyTarget notifyTarget_;
  ShuffleGenerator& generator_;
  Playback playback_;
  TrackSearch search_;
  Transport transport_;
  Groups groups_;
  PlayerOptions options_;
};
