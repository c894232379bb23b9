// Start-up from "tovik.def" and the save at exit.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "PlayerHarness.h"

namespace {

using Names = std::vector<std::string>;

// Records what the player had done when the window's steps were called.
class WindowSteps : public StartUpWindowSteps {
 public:
  WindowSteps(const PlayerHarness& h, std::string settings) : h_(h), settings_(std::move(settings)) {}

  void prepareWindow() override {
    graphCallsAtPrepare = h_.graph.calls().size();
    settingsHeldAtPrepare = !test_files::Holder(settings_).held();
  }
  void applyTopMost() override {
    ++topMostApplied;
    lastFileAtTopMost = h_.state().lastFile;
    settingsHeldAtTopMost = !test_files::Holder(settings_).held();
  }

  std::size_t graphCallsAtPrepare = 99;
  bool settingsHeldAtPrepare = false;
  bool settingsHeldAtTopMost = false;
  int topMostApplied = 0;
  std::string lastFileAtTopMost;

 private:
  const PlayerHarness& h_;
  std::string settings_;
};

class PlayerStartUp : public testing::Test {
 protected:
  // Writes "tovik.def" (unless text is null), starts the player from it.
  void startUp(const std::string* text) {
    if (text) settingsFolder.file("tovik.def", *text);
    steps.reset(new WindowSteps(h, settingsPath()));
    h.player.startUp(settingsPath(), *steps);
  }
  void startUp(const std::string& text) { startUp(&text); }
  std::string settingsPath() const { return settingsFolder.join("tovik.def"); }
  std::string exit() {
    h.player.shutDown(settingsPath(), [this] {
      ++windowsClosed;
      savedBeforeClose = test_files::read(settingsPath());
    });
    return test_files::read(settingsPath());
  }
  // A music root with the files song, Rock\\x, Rock\\y and Rock\\z.
  void makeRoot() {
    h.track("song");
    h.root.folder("Rock");
    for (const char* name : {"Rock\\x", "Rock\\y", "Rock\\z"}) h.track(name);
  }
  std::string settings(const std::string& subDir, const std::string& lastFile,
                       const std::string& extra = std::string()) const {
    return "CurDir=" + h.root.path() + "\nSubDir=" + subDir + "\nLastFile=" + lastFile + "\n" + extra;
  }

  TestFolder settingsFolder;
  PlayerHarness h;
  std::unique_ptr<WindowSteps> steps;
  int windowsClosed = 0;
  std::string savedBeforeClose;
};

TEST_F(PlayerStartUp, FirstRunWithoutSettingsComesUpEmptyAndSavesTheDefaults) {
  startUp(nullptr);
  EXPECT_EQ(steps->graphCallsAtPrepare, 0u);
  EXPECT_EQ(h.graph.calls(), (Names{"create"}));
  EXPECT_EQ(h.graph.target().message, 32969u);
  EXPECT_EQ(h.display.groupLabel(), defaultGroupText);
  EXPECT_EQ(h.display.trackLabel(), "(track template)");
  EXPECT_FALSE(h.state().trackLoaded);
  EXPECT_FALSE(h.state().playing);
  EXPECT_TRUE(h.state().topMost);
  EXPECT_EQ(steps->topMostApplied, 1);
  EXPECT_EQ(h.player.joinExcludedExts(), "exe,def,txt,m3u,dll");

  EXPECT_EQ(exit(),
            "CurDir=\nSubDir=\nRandomMode=0\nRepeartMode=0\nSortReverse=0\nSortMethod=0\n"
            "Transparent=0\nOnePlay=0\nTopMode=1\nExtList=exe,def,txt,m3u,dll\nLastFile=\n");
  // The window closes before the saved file takes the old one's place.
  EXPECT_EQ(windowsClosed, 1);
  EXPECT_EQ(savedBeforeClose, "");
}

TEST_F(PlayerStartUp, TheSavedTrackIsLoadedStoppedWithTheRestOfItsGroupQueued) {
  makeRoot();
  startUp(settings("Rock", h.root.join("Rock\\y")));
  EXPECT_TRUE(steps->settingsHeldAtPrepare);
  EXPECT_TRUE(steps->settingsHeldAtTopMost);
  EXPECT_TRUE(test_files::Holder(settingsPath()).held());
  EXPECT_EQ(steps->lastFileAtTopMost, h.root.join("Rock\\y"));
  EXPECT_EQ(h.display.groupLabel(), "Rock");
  EXPECT_EQ(h.display.trackLabel(), "y");
  EXPECT_EQ(h.queueNames(), (Names{"Rock\\z"}));
  EXPECT_FALSE(h.state().playing);
  // song, then x, then y were loaded: previous works at once.
  EXPECT_EQ(h.attemptNames(), (Names{"song", "Rock\\x", "Rock\\y"}));
  EXPECT_EQ(h.name(h.state().previousFile), "Rock\\x");

  h.player.onPlay();
  EXPECT_EQ(h.name(h.graph.rendered()), "Rock\\y");
  EXPECT_EQ(h.graph.position(), FakeGraph::Position::Start);
  EXPECT_TRUE(h.graph.running());
}

TEST_F(PlayerStartUp, ASavedTrackThatIsNoLongerThereLeavesTheGroupsFirstTrack) {
  makeRoot();
  startUp(settings("Rock", h.root.join("Rock\\gone")));
  EXPECT_EQ(h.name(h.state().lastFile), "Rock\\x");
  EXPECT_EQ(h.queueNames(), (Names{"Rock\\y", "Rock\\z"}));
}

TEST_F(PlayerStartUp, ASavedGroupWithoutARootIsIgnored) {
  startUp("CurDir=\nSubDir=Rock\n");
  EXPECT_EQ(h.state().subDir, "");
  EXPECT_EQ(h.display.groupLabel(), defaultGroupText);
  const std::string saved = exit();
  EXPECT_NE(saved.find("\nSubDir=\n"), std::string::npos) << saved;
}

TEST_F(PlayerStartUp, ASavedGroupThatIsGoneKeepsTheRootsTrack) {
  makeRoot();
  startUp(settings("Gone", ""));
  EXPECT_EQ(h.state().subDir, "Gone");
  EXPECT_EQ(h.display.groupLabel(), "Gone");
  EXPECT_TRUE(h.state().trackList.empty());
  EXPECT_TRUE(h.state().trackLoaded);
  EXPECT_EQ(h.name(h.state().lastFile), "song");
  EXPECT_EQ(h.display.trackLabel(), "song");
}

TEST_F(PlayerStartUp, ASavedGroupOfUnplayableFilesEndsWithNothingLoaded) {
  h.track("song");
  h.root.folder("Bad");
  h.brokenTrack("Bad\\1");
  h.brokenTrack("Bad\\2");
  startUp(settings("Bad", h.root.join("Bad\\2")));
  EXPECT_FALSE(h.state().trackLoaded);
  EXPECT_FALSE(h.display.enabled());
  EXPECT_EQ(h.display.trackLabel(), "song");
  EXPECT_EQ(h.name(h.state().lastFile), "song");
  EXPECT_EQ(h.attemptNames(), (Names{"song", "Bad\\1", "Bad\\2", "Bad\\2"}));
}

TEST_F(PlayerStartUp, RandomOrderSearchesTheSavedTrackInAFreshShuffle) {
  h.root.folder("Rock");
  for (const char* name : {"Rock\\w", "Rock\\x", "Rock\\y", "Rock\\z"}) h.track(name);
  startUp(settings("Rock", h.root.join("Rock\\z"), "RandomMode=1\n"));
  // The group's shuffle gives w, z, y, x; the resume shuffles that again.
  EXPECT_EQ(h.trackNames(), (Names{"Rock\\w", "Rock\\z", "Rock\\x", "Rock\\y"}));
  EXPECT_EQ(h.name(h.state().lastFile), "Rock\\z");
  EXPECT_EQ(h.queueNames(), (Names{"Rock\\x", "Rock\\y"}));
}

TEST_F(PlayerStartUp, ExitRightAfterStartWritesBackWhatWasReadNormalised) {
  makeRoot();
  h.root.file("Rock\\skip.wav");
  const std::string read = settings("Rock", h.root.join("Rock\\gone"),
                                    "RandomMode=true\nRepeartMode=1\nSortReverse=0\nSortMethod=7\n"
                                    "Transparent=1\nOnePlay=0\nTopMode=no\nExtList=wav,txt\n");
  startUp(read);
  EXPECT_EQ(h.trackNames(), (Names{"Rock\\x", "Rock\\y", "Rock\\z"}));
  EXPECT_EQ(exit(), "CurDir=" + h.root.path() +
                        "\nSubDir=Rock\nRandomMode=0\nRepeartMode=1\nSortReverse=0\nSortMethod=0\n"
                        "Transparent=1\nOnePlay=0\nTopMode=1\nExtList=wav,txt\nLastFile=" +
                        h.root.join("Rock\\x") + "\n");
  EXPECT_EQ(savedBeforeClose, read);
}

TEST_F(PlayerStartUp, SavingForTheEndOfTheSessionWritesTheSameFile) {
  makeRoot();
  startUp(settings("Rock", h.root.join("Rock\\y")));
  h.player.onNext();
  h.player.saveSettings(settingsPath());
  const std::string saved = test_files::read(settingsPath());
  EXPECT_NE(saved.find("\nLastFile=" + h.root.join("Rock\\z") + "\n"), std::string::npos) << saved;
  EXPECT_EQ(exit(), saved);
}

// A saved place is sought only in the saved track and only inside it.
struct ResumeRow {
  const char* what;
  const char* lastFile;
  bool playable;
  std::int64_t place;
  std::vector<std::int64_t> seeks;
};

class PlayerResume : public PlayerStartUp, public testing::WithParamInterface<ResumeRow> {};

TEST_P(PlayerResume, SeeksAValidPlaceOfTheSavedTrackAndKeepsItAtExit) {
  const ResumeRow& row = GetParam();
  h.track("song");
  h.root.folder("Rock");
  h.track("Rock\\x");
  if (row.playable) {
    h.track("Rock\\y");
  } else {
    h.brokenTrack("Rock\\y");
  }
  h.graph.setLength(3000);
  startUp(settings("Rock", h.root.join(row.lastFile), "LastPosition=" + std::to_string(row.place) + "\n"));
  EXPECT_EQ(h.graph.seeks(), row.seeks) << row.what;
  const std::string kept = row.seeks.empty() ? "" : "LastPosition=" + std::to_string(row.seeks[0]) + "\n";
  const std::string saved = exit();
  EXPECT_EQ(saved.substr(saved.rfind("LastFile=")), "LastFile=" + h.state().lastFile + "\n" + kept) << row.what;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlayerResume,
    testing::Values(ResumeRow{"a place inside the track", "Rock\\y", true, 2500, {2500}},
                    ResumeRow{"the first millisecond", "Rock\\y", true, 1, {1}},
                    ResumeRow{"the last millisecond", "Rock\\y", true, 2999, {2999}},
                    ResumeRow{"at the length: from the start", "Rock\\y", true, 3000, {}},
                    ResumeRow{"past the length: from the start", "Rock\\y", true, 4000, {}},
                    ResumeRow{"no place", "Rock\\y", true, 0, {}},
                    ResumeRow{"the saved track gone: another from its start", "Rock\\gone", true, 2500, {}},
                    ResumeRow{"the saved track unplayable: the next from its start", "Rock\\y", false, 2500, {}}));

TEST_F(PlayerStartUp, ExitKeepsThePlaceOnlyOfATrackLeftBeforeItsEnd) {
  makeRoot();
  h.graph.setLength(3000);
  startUp(settings("Rock", h.root.join("Rock\\y")));
  h.player.onPlay();
  h.graph.playSome();
  EXPECT_NE(exit().find("\nLastPosition=1500\n"), std::string::npos);
  h.graph.seek(1);
  EXPECT_NE(exit().find("\nLastPosition=1\n"), std::string::npos);
  h.graph.seek(3000);
  EXPECT_EQ(exit().find("LastPosition"), std::string::npos) << "a place at the track's length";
  h.graph.playToEnd();
  EXPECT_EQ(exit().find("LastPosition"), std::string::npos);
  h.graph.seek(1000);
  h.graph.setLength(0);
  EXPECT_EQ(exit().find("LastPosition"), std::string::npos) << "a track of unknown length";
}

TEST_F(PlayerStartUp, TheSavedVolumeReachesTheGraphAndEachNotchMovesItFivePointsWithinItsBounds) {
  startUp("Volume=10\n");
  EXPECT_EQ(h.graph.volumes(), (std::vector<int>{10}));
  const struct { int notches; int level; } steps[] = {
      {-1, 5}, {-1, 0}, {-1, 0}, {20, 100}, {1, 100}, {-4, 80}, {-2147483647, 0}, {2147483647, 100}, {-5, 75}};
  for (const auto& step : steps) {
    h.player.stepVolume(step.notches);
    EXPECT_EQ(h.state().volume, step.level) << step.notches;
    EXPECT_EQ(h.graph.volumes().back(), step.level) << step.notches;
  }
  EXPECT_NE(exit().find("\nVolume=75\n"), std::string::npos);
}

}  // namespace
