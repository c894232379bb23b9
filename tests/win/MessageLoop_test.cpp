// The message loop: filters newest first, one idle pass per empty queue, the
// moves and paints that do not count as activity, and the quit code.
#include "ui/MessageLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT activity = WM_APP + 1;
constexpr UINT consumedByNewest = WM_APP + 2;
constexpr UINT caretBlink = 0x0118;

// Records what happens, in order: "idle", dispatched messages, filter offers.
struct Journal {
  std::vector<std::string> entries;
  void add(const std::string& entry) { entries.push_back(entry); }
};

std::string name(UINT message) {
  switch (message) {
    case activity: return "activity";
    case consumedByNewest: return "consumed";
    case WM_MOUSEMOVE: return "mousemove";
    case WM_NCMOUSEMOVE: return "ncmousemove";
    case WM_PAINT: return "paint";
    case caretBlink: return "caret";
    case WM_TIMER: return "timer";
    default: return std::to_string(message);
  }
}

class Recorder : public MessageFilter, public IdleHandler {
 public:
  Recorder(Journal& journal, std::string label) : journal(journal), label(std::move(label)) {}
  bool preTranslate(MSG& message) override {
    if (message.message == WM_TIMER || message.message == WM_PAINT) return false;
    journal.add(label + " sees " + name(message.message));
    return label == "newest" && message.message == consumedByNewest;
  }
  void onIdle() override {
    journal.add("idle");
    if (script.empty()) {
      PostQuitMessage(7);
      return;
    }
    PostMessageA(window, script.front(), 0, 0);
    script.erase(script.begin());
  }
  Journal& journal;
  std::string label;
  HWND window = nullptr;
  std::vector<UINT> script;
};

Journal* dispatched = nullptr;

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case activity:
    case consumedByNewest:
      dispatched->add("dispatch " + name(message));
      return 0;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_PAINT:
    case caretBlink:
      dispatched->add("dispatch " + name(message));
      if (message == WM_PAINT) ValidateRect(window, nullptr);
      // Something must come later to wake the loop: a timer, which is activity.
      SetTimer(window, 1, 30, nullptr);
      return 0;
    case WM_TIMER:
      KillTimer(window, 1);
      dispatched->add("dispatch timer");
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

TEST(MessageLoop, IdlePassesFollowActivityOnlyAndFiltersAreOfferedNewestFirst) {
  Journal journal;
  dispatched = &journal;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &windowProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "VexmoorLoopTest";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
  ASSERT_NE(window, nullptr);

  Recorder oldest(journal, "oldest");
  Recorder newest(journal, "newest");
  oldest.window = window;
  oldest.script = {activity, WM_MOUSEMOVE, WM_NCMOUSEMOVE, WM_PAINT, caretBlink, consumedByNewest};
  MessageLoop loop;
  loop.addMessageFilter(oldest);
  loop.addMessageFilter(newest);
  loop.addIdleHandler(oldest);
  EXPECT_EQ(loop.run(), 7);

  const std::vector<std::string> expected = {
      "idle",
      "newest sees activity", "oldest sees activity", "dispatch activity",
      "idle",
      // No idle pass between a move, a paint or the caret's blink and the timer that follows it.
      "newest sees mousemove", "oldest sees mousemove", "dispatch mousemove", "dispatch timer",
      "idle",
      "newest sees ncmousemove", "oldest sees ncmousemove", "dispatch ncmousemove", "dispatch timer",
      "idle",
      "dispatch paint", "dispatch timer",
      "idle",
      "newest sees caret", "oldest sees caret", "dispatch caret", "dispatch timer",
      "idle",
      // Consumed by the newest filter: the older one and the window never see it.
      "newest sees consumed",
      "idle",
  };
  EXPECT_EQ(journal.entries, expected);
  DestroyWindow(window);
}

TEST(MessageLoop, TheLoopOfTheThreadIsFoundWhileItIsRegistered) {
  EXPECT_EQ(MessageLoop::current(), nullptr);
  {
    MessageLoop loop;
    MessageLoop::ThreadRegistration registration(loop);
    EXPECT_EQ(MessageLoop::current(), &loop);
  }
  EXPECT_EQ(MessageLoop::current(), nullptr);
}

}  // namespace
