// The message map: entries tried from the top, commands matched by id, clicks by
// their notification code too, and the first handler that takes a message wins.
#include "ui/MessageMap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Window {
 public:
  static const MessageMap<Window>& messageMap() {
    using Map = MessageMap<Window>;
    static const Map map{
        Map::message(WM_PAINT, &Window::onPaint),
        Map::click(1001, &Window::onClick),
        Map::anyMessage(&Window::onAnything),
        Map::command(1001, &Window::onCommand),
        Map::commandRange(32970, 42970, &Window::onRange),
        Map::message(WM_PAINT, &Window::onSecondPaint),
    };
    return map;
  }

  LRESULT onPaint(const WindowMessage&) { return log("paint"), 5; }
  LRESULT onSecondPaint(const WindowMessage&) { return log("second paint"), 6; }
  void onClick(const WindowMessage&) { log("click"); }
  void onCommand(const WindowMessage& m) { log("command " + std::to_string(m.notifyCode())); }
  void onRange(const WindowMessage& m) { log("range " + std::to_string(m.commandId())); }
  bool onAnything(const WindowMessage& m, LRESULT& result) {
    if (m.id != WM_USER) return false;
    log("anything");
    result = 9;
    return true;
  }

  void log(const std::string& entry) { entries.push_back(entry); }
  std::vector<std::string> entries;
};

TEST(MessageMap, TheFirstEntryThatTakesAMessageGivesItsResult) {
  struct Case {
    WindowMessage message;
    bool handled;
    LRESULT result;
    const char* entry;
  };
  const Case cases[] = {
      {{WM_PAINT, 0, 0}, true, 5, "paint"},
      {{WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED), 1}, true, 0, "click"},
      {{WM_COMMAND, MAKEWPARAM(1001, BN_DOUBLECLICKED), 1}, true, 0, "command 5"},
      {{WM_USER, 0, 0}, true, 9, "anything"},
      {{WM_COMMAND, 32969, 0}, false, 0, ""},
      {{WM_COMMAND, 32970, 0}, true, 0, "range 32970"},
      {{WM_COMMAND, 42970, 0}, true, 0, "range 42970"},
      {{WM_COMMAND, 42971, 0}, false, 0, ""},
      {{WM_COMMAND, 1002, 0}, false, 0, ""},
      {{WM_CLOSE, 0, 0}, false, 0, ""},
  };
  for (const Case& c : cases) {
    Window window;
    LRESULT result = -1;
    const bool handled = Window::messageMap().dispatch(window, c.message, result);
    EXPECT_EQ(handled, c.handled) << c.entry << " " << c.message.id << " " << c.message.wParam;
    if (!c.handled) continue;
    EXPECT_EQ(result, c.result) << c.entry;
    EXPECT_EQ(window.entries, std::vector<std::string>{c.entry});
  }
}

}  // namespace
