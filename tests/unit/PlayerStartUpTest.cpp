// Start-up from "tovik.def" and the save at exit.
#include <gtest/gtest.h>

#include <memory>

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

}  // namespace
