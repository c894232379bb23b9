#pragma once
// A hidden message-only window that the graph posts its notification to, and
// a pump that runs the thread's messages until a condition holds.
#include <windows.h>

#include <functional>

#include "audio/MediaGraph.h"

class NotifyWindow {
 public:
  static constexpr UINT graphNotify = WM_APP + 201;

  NotifyWindow();
  ~NotifyWindow();
  NotifyWindow(const NotifyWindow&) = delete;
  NotifyWindow& operator=(const NotifyWindow&) = delete;

  HWND handle() const { return window_; }
  GraphNotifyTarget target() const;
  // Called for every graph notification the window receives.
  void onNotify(std::function<void()> handler) { handler_ = std::move(handler); }
  int notifications() const { return notifications_; }

  // Dispatches the thread's messages until done() is true or the time is up; true if done.
  static bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
  // Dispatches the thread's messages for the given time.
  static void pumpFor(DWORD milliseconds);

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  std::function<void()> handler_;
  int notifications_ = 0;
};
