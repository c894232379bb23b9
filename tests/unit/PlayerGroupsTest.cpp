// Music roots, folder groups and playlist groups.
#include <gtest/gtest.h>

#include "PlayerHarness.h"
#include "platform/File.h"

namespace {

using Names = std::vector<std::string>;

TEST(PlayerGroups, ANewRootListsItsGroupsAndSelectsTheDefaultGroup) {
  PlayerHarness h;
  h.root.folder("Rock");
  h.root.folder("Jazz");
  h.root.folder(".cache");
  h.root.file("mix.m3u", "x\r\n");
  h.root.file("other.txt");
  h.track("song");
  h.chooseRoot();
  EXPECT_EQ(h.state().groupList, (Names{"Jazz", "Rock", "mix.m3u"}));
  EXPECT_EQ(h.state().curDir, h.root.path());
  EXPECT_EQ(h.state().subDir, "");
  EXPECT_EQ(h.display.groupLabel(), defaultGroupText);
  EXPECT_EQ(h.name(h.state().lastFile), "song");
}

TEST(PlayerGroups, AFolderGroupIsScannedBelowTheRootAndLoadedStopped) {
  for (const std::string separator : {"", "\\"}) {
    PlayerHarness h;
    h.root.folder("Rock");
    h.track("Rock\\x");
    h.track("Rock\\y");
    h.track("song");
    h.player.buildGroupList(h.root.path() + separator);
    h.player.onPlay();
    ASSERT_TRUE(h.state().playing);

    h.player.chooseGroup(1);
    EXPECT_EQ(h.state().subDir, "Rock");
    EXPECT_EQ(h.display.groupLabel(), "Rock");
    EXPECT_EQ(h.trackNames(), (Names{"Rock\\x", "Rock\\y"})) << "root given as " << h.state().curDir;
    EXPECT_EQ(h.name(h.state().lastFile), "Rock\\x");
    EXPECT_EQ(h.queueNames(), (Names{"Rock\\y"}));
    EXPECT_FALSE(h.state().playing);
    EXPECT_FALSE(h.graph.running());

    h.player.chooseGroup(0);
    EXPECT_EQ(h.state().subDir, "");
    EXPECT_EQ(h.display.groupLabel(), defaultGroupText);
    EXPECT_EQ(h.trackNames(), (Names{"song"}));
  }
}

TEST(PlayerGroups, APlaylistKeepsItsLinesAndRendersRelativeOnesBelowTheRoot) {
  PlayerHarness h;
  h.root.folder("Rock");
  const std::string x = h.track("Rock\\x");
  const std::string y = h.track("Rock\\y");
  h.root.file("mix.m3u", "#EXTM3U\r\n\r\nRock\\y\r\n" + x + "\r\n");
  h.chooseRoot();
  h.graph.clearLog();
  h.player.chooseGroup(2);
  EXPECT_EQ(h.state().subDir, "mix.m3u");
  EXPECT_EQ(h.display.groupLabel(), "mix.m3u");
  EXPECT_EQ(h.state().trackList, (Names{"#EXTM3U", "", "Rock\\y", x}));
  EXPECT_EQ(h.graph.renderAttempts(), (Names{h.root.join("#EXTM3U"), "", y}));
  EXPECT_EQ(h.state().lastFile, "Rock\\y");
  EXPECT_EQ(h.display.trackLabel(), "y");
  EXPECT_EQ(h.state().playQueue, (Names{x}));

  // Previous finds the line as written.
  h.player.onNext();
  h.player.onPrev();
  EXPECT_EQ(h.state().lastFile, "Rock\\y");
}

TEST(PlayerGroups, APlaylistInReverseOrderIgnoresTheSortMethod) {
  PlayerHarness h;
  h.root.file("mix.m3u", "C:\\1\r\nC:\\2\r\nC:\\3");
  h.player.onOrderCreated();
  h.player.onOrderReverse();
  h.chooseRoot();
  h.player.chooseGroup(1);
  EXPECT_EQ(h.state().trackList, (Names{"C:\\3", "C:\\2", "C:\\1"}));
}

TEST(PlayerGroups, APlaylistThatCannotBeReadLeavesThePreviousTrackListQueued) {
  PlayerHarness h;
  h.root.folder("old.m3u");
  h.root.file("empty.m3u");
  h.root.file("gone.m3u", "x\r\n");
  h.track("a");
  h.track("b");
  h.chooseRoot();
  ASSERT_EQ(h.state().groupList, (Names{"old.m3u", "empty.m3u", "gone.m3u"}));
  ASSERT_TRUE(file::remove(h.root.join("gone.m3u")));
  for (std::size_t position : {1, 2, 3}) {
    h.player.onNext();
    h.player.onPlay();
    h.player.chooseGroup(position);
    const std::string name = h.state().groupList[position - 1];
    EXPECT_EQ(h.state().subDir, name);
    EXPECT_EQ(h.display.groupLabel(), name);
    EXPECT_EQ(h.trackNames(), (Names{"a", "b", "empty.m3u", "gone.m3u"})) << name;
    EXPECT_EQ(h.name(h.state().lastFile), "a") << name;
    EXPECT_EQ(h.queueNames(), (Names{"b", "empty.m3u", "gone.m3u"})) << name;
    EXPECT_FALSE(h.state().playing);
  }
}

TEST(PlayerGroups, AMissingRootGivesNoGroupsAndNoTracksAndAnEmptyRootChangesNothing) {
  PlayerHarness h;
  h.root.folder("Rock");
  h.track("a");
  h.chooseRoot();
  h.graph.clearLog();
  const std::string gone = h.root.join("gone");
  h.player.buildGroupList(gone);
  EXPECT_TRUE(h.state().groupList.empty());
  EXPECT_EQ(h.state().curDir, gone);
  EXPECT_TRUE(h.state().trackList.empty());
  EXPECT_TRUE(h.graph.renderAttempts().empty());
  // No load was tried: the earlier track stays loaded.
  EXPECT_TRUE(h.state().trackLoaded);
  EXPECT_EQ(h.name(h.state().lastFile), "a");

  h.chooseRoot();
  h.player.chooseGroup(1);
  h.player.buildGroupList("");
  EXPECT_EQ(h.state().groupList, (Names{"Rock"}));
  EXPECT_EQ(h.state().curDir, h.root.path());
  EXPECT_EQ(h.state().subDir, "");
  EXPECT_EQ(h.trackNames(), (Names{"a"}));
}

TEST(PlayerGroups, MenuChoicesBeyondTheListsDoNothing) {
  PlayerHarness h;
  h.root.folder("Rock");
  h.track("a");
  h.chooseRoot();
  h.graph.clearLog();
  h.player.chooseGroup(2);
  h.player.chooseGroup(static_cast<std::size_t>(-1));
  h.player.chooseTrack(1);
  EXPECT_TRUE(h.graph.calls().empty());
  EXPECT_EQ(h.state().subDir, "");

  h.player.setPopupKind(PopupKind::Track);
  EXPECT_EQ(h.state().popupKind, PopupKind::Track);
}

}  // namespace
