// The message loop: filters newest first, a consumed message never dispatched,
// and the quit code.
#include "ui/MessageLoop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT activity = WM_APP + 1;
constexpr UINT consumedByNewest = WM_APP + 2;

std::vector<std::string>* journal = nullptr;

std::string name(UINT message) { return message == activity ? "activity" : "consumed"; }

class Recorder : public MessageFilter {
 public:
  explicit Recorder(std::string label) : label(std::move(label)) {}
  bool preTranslate(MSG& message) override {
    if (message.message != activity && message.message != consumedByNewest) return false;
    journal->push_back(label + " sees " + name(message.message));
    return label == "newest" && message.message == consumedByNewest;
  }
  std::string label;
};

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == activity || message == consumedByNewest) {
    journal->push_back("dispatch " + name(message));
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(MessageLoop, FiltersAreOfferedNewestFirstAndTheQuitCodeIsReturned) {
  std::vector<std::string> entries;
  journal = &entries;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &windowProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "VexmoorLoopTest";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
  ASSERT_NE(window, nullptr);

  Recorder oldest("oldest");
  Recorder newest("newest");
  MessageLoop loop;
  loop.addMessageFilter(oldest);
  loop.addMessageFilter(newest);
  PostMessageA(window, activity, 0, 0);
  PostMessageA(window, consumedByNewest, 0, 0);
  PostQuitMessage(7);
  EXPECT_EQ(loop.run(), 7);

  const std::vector<std::string> expected = {
      "newest sees activity", "oldest sees activity", "dispatch activity",
      // Consumed by the newest filter: the older one and the window never see it.
      "newest sees consumed",
  };
  EXPECT_EQ(entries, expected);
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
