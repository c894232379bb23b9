#pragma once
// The player: its state, the rules by which the next track is chosen, groups,
// and the start-up and shut-down of a session. It shows its state only
// through PlayerDisplay and plays only through MediaGraph.
#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "audio/MediaGraph.h"
#include "core/PlayerDisplay.h"
#include "core/PlayerState.h"
#include "core/ShuffleGenerator.h"
#include "library/TrackOrder.h"

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

  // Transport. A command that comes while a search is under way ends as it
  // would had the search found its track at once, just before the command.
  void onPlay();
  void onStop();
  void onCue();
  void onNext();
  void onPrev();
  void onGraphNotify();
  void stopPlayback();

  // The player's own volume, 5 points a wheel notch (up is louder), kept within 0..100.
  void stepVolume(int notches);

  // Options.
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
  void setDefaultGroupLabel(const std::string& label) { defaultGroupLabel_ = label; }
  void buildGroupList(const std::string& root);
  void selectGroup(const std::string& name);
  void setPopupKind(PopupKind kind);
  // A choice in the group menu (0 is the default group) or the track menu.
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
  bool advancing() const { return search_.active; }
  void continueAdvance();

 private:
  void openTrack(const std::string& path);
  void startPlayback();
  void loadPlaylist(const std::string& path);
  enum class SearchResult { found, exhausted, sliceOver };
  // Tries the queue from its front until a track loads, the queue is used up
  // or the slice is over; the tried entries leave it.
  SearchResult openFirstLoadable();
  void searchQueue();
  void settleSearch(bool found);
  // The play button while a search goes on: enabled, and showing whether the
  // track found will play.
  void showSearchPlayWish(bool play);
  // Keeps the command for the moment the search under way settles; false when
  // there is no search and the command is to run now.
  bool deferUntilSearchSettles(std::function<void()> command);
  void runDeferredCommands();
  // Queues the TrackList from the saved track on and loads it, stopped, at
  // the saved position when it is that track that loaded.
  void resume(const std::string& target, std::int64_t position);
  // Where in the loaded track the player leaves; 0 after its end or with none.
  std::int64_t positionToKeep();
  TrackOrder trackOrder() const;

  PlayerState state_;
  MediaGraph& graph_;
  PlayerDisplay& display_;
  GraphNotifyTarget notifyTarget_;
  ShuffleGenerator& generator_;
  std::string defaultGroupLabel_;

  // The advance under way: what it does once a track loads, whether it may
  // still start a new pass over the TrackList, and the options it began with,
  // which an option changed during the search does not alter.
  struct QueueSearch {
    bool active = false;
    bool play = false;
    bool mayRefill = false;
    bool refilled = false;
    bool repeat = false;
    bool random = false;
    // Some entry was tried, so a search that finds nothing ends empty.
    bool tried = false;
    // The play button shows the search's own wish to play.
    bool shown = false;
  };
  QueueSearch search_;
  std::optional<std::chrono::milliseconds> slice_;
  std::function<void()> continueLater_;
  // Commands that came during a search, in the order they came; run once it settles.
  std::deque<std::function<void()>> deferredCommands_;
  bool runningDeferred_ = false;
};
