#pragma once
// One player per settings file. The first start for a file claims it by owning
// a named mutex; the name comes from the identity of the folder that holds the
// file (its volume and file id), so every spelling of that folder (another drive
// letter, a short name, a link) names the same claim. A later start finds the
// running player's bar and asks it to come forward; a start that meets a player
// that is ending waits for its claim and then runs as the player. Starts on
// other folders are players of their own. The claim is per session.
#include <windows.h>

#include <cstdint>
#include <string>

// Posted to the bar by a later start: the bar restores and activates itself.
constexpr UINT WM_COMEFORWARD = WM_APP + 202;

class SingleInstance {
 public:
  // Claims the settings file named (resolved against the current folder).
  explicit SingleInstance(const std::string& settingsName);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // False when a running player holds the claim.
  bool claimed() const { return claimed_; }
  // For a start that found the claim held: asks the claimant's bar to come
  // forward, or waits a bounded time for a claimant that is ending, whichever
  // comes first. True when the claim is this start's after all.
  bool awaitTurn();
  // Gives the claim up, once the settings are written: a start that waits may
  // run from here on.
  void release();

  // Marks window as the bar of this claim, so that a later start finds it.
  void markBar(HWND window) const;
  // The bar no longer answers for the claim: it is about to go.
  static void unmarkBar(HWND window);

 private:
  static BOOL CALLBACK matchBar(HWND window, LPARAM search);
  // Owns the mutex if it is free within wait milliseconds.
  bool takeMutex(DWORD wait);
  bool askBarForward() const;

  std::uint64_t key_ = 0;
  std::wstring name_;
  HANDLE mutex_ = nullptr;
  bool claimed_ = true;
};
