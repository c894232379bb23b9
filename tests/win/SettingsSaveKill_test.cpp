#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "TestFolder.h"
#include "core/PlayerSettings.h"

namespace {

std::string savedBytes(const TestFolder& folder, const PlayerState& state) {
  std::string path = folder.join("reference.def");
  {
    SettingsFile file;
    EXPECT_TRUE(file.open(path, true));
    writeSettings(state, file);
  }
  return test_files::read(path);
}

std::string saveLoopProgram() {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string self(path, length);
  return self.substr(0, self.rfind('\\') + 1) + "settings_save_loop.exe";
}

// A player killed at any moment of its save leaves either the old settings
// file or the new one, each whole. Make soak (VEXMOOR_SOAK=1) kills 200 times.
TEST(SettingsSave, AKillAtAnyMomentLeavesTheOldOrTheNewFileWhole) {
  TestFolder folder;
  PlayerState first, second;
  first.lastFile = std::string(1500, 'a');
  second.lastFile = std::string(1500, 'b');
  second.randomMode = 1;
  const std::string oldFile = savedBytes(folder, first);
  const std::string newFile = savedBytes(folder, second);
  const std::string target = folder.join("tovik.def");
  folder.file("tovik.def", oldFile);

  std::mt19937 random(20261208);
  std::uniform_int_distribution<DWORD> delay(0, 400);
  int sawOld = 0, sawNew = 0;
  const int rounds = std::getenv("VEXMOOR_SOAK") ? 200 : 80;
  for (int round = 0; round < rounds; ++round) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + saveLoopProgram() + "\"";
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                               folder.path().c_str(), &startup, &process));
    Sleep(delay(random));
    TerminateProcess(process.hProcess, 9);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    std::string left = test_files::read(target);
    ASSERT_TRUE(left == oldFile || left == newFile) << "round " << round << ": " << left.size() << " bytes";
    (left == oldFile ? sawOld : sawNew)++;
  }
  // Both outcomes occurred, so the kills did land in the middle of saving.
  EXPECT_GT(sawOld, 0);
  EXPECT_GT(sawNew, 0);
  std::printf("kills: %d left the first file, %d the second\n", sawOld, sawNew);
}

}  // namespace
