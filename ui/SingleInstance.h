#pragma once
// One player per settings file. The first start for a file (its full path,
// whatever the case of its letters) claims it with a named mutex; a later start
// for the same file finds the running player's bar, brings it to the front and
// opens no window of its own. Starts on other folders are players of their own.
#include <windows.h>

#include <cstdint>
#include <string>

class SingleInstance {
 public:
  // Claims the settings file named (resolved against the current folder).
  explicit SingleInstance(const std::string& settingsName);
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // False when a running player holds the claim.
  bool claimed() const { return claimed_; }
  // Marks window as the bar of this claim, so that a later start finds it.
  void markBar(HWND window) const;
  // Brings the bar of the player that holds the claim to the front, waiting a
  // moment for one that is still starting; false when none is found.
  bool bringClaimantToFront() const;

 private:
  static BOOL CALLBACK matchBar(HWND window, LPARAM search);

  std::uint64_t key_ = 0;
  HANDLE mutex_ = nullptr;
  bool claimed_ = true;
};
