#pragma once
// A window's message map: a table of entries tried from the top; the first entry
// that handles a message ends the search and supplies the result.
#include <windows.h>

#include <initializer_list>
#include <vector>

struct WindowMessage {
  UINT id;
  WPARAM wParam;
  LPARAM lParam;

  WORD commandId() const { return LOWORD(wParam); }
  WORD notifyCode() const { return HIWORD(wParam); }
  HWND control() const { return reinterpret_cast<HWND>(lParam); }
};

template <class Window>
class MessageMap {
 public:
  // Handles the message and gives its result.
  using MessageHandler = LRESULT (Window::*)(const WindowMessage&);
  // Decides by itself whether it handles the message; false passes it on.
  using OptionalHandler = bool (Window::*)(const WindowMessage&, LRESULT& result);
  // A command: always handled, result 0.
  using CommandHandler = void (Window::*)(const WindowMessage&);

  struct Entry {
    enum class Kind { Message, AnyMessage, Command, Click, CommandRange } kind;
    UINT message = 0;
    WORD firstId = 0;
    WORD lastId = 0;
    MessageHandler onMessage = nullptr;
    OptionalHandler onAnyMessage = nullptr;
    CommandHandler onCommand = nullptr;
  };

  static Entry message(UINT message, MessageHandler handler) {
    Entry e{Entry::Kind::Message};
    e.message = message;
    e.onMessage = handler;
    return e;
  }
  // Offered every message; the handler tells whether it took it.
  static Entry anyMessage(OptionalHandler handler) {
    Entry e{Entry::Kind::AnyMessage};
    e.onAnyMessage = handler;
    return e;
  }
  // WM_COMMAND with this id and any notification code (menu items, accelerators, buttons).
  static Entry command(WORD id, CommandHandler handler) { return commands(Entry::Kind::Command, id, id, handler); }
  // WM_COMMAND with this id and BN_CLICKED only.
  static Entry click(WORD id, CommandHandler handler) { return commands(Entry::Kind::Click, id, id, handler); }
  // WM_COMMAND with an id from first to last, both included.
  static Entry commandRange(WORD first, WORD last, CommandHandler handler) {
    return commands(Entry::Kind::CommandRange, first, last, handler);
  }

  MessageMap(std::initializer_list<Entry> entries) : entries_(entries) {}

  bool dispatch(Window& window, const WindowMessage& m, LRESULT& result) const {
    for (const Entry& e : entries_) {
      switch (e.kind) {
        case Entry::Kind::Message:
          if (m.id != e.message) break;
          result = (window.*e.onMessage)(m);
          return true;
        case Entry::Kind::AnyMessage:
          if ((window.*e.onAnyMessage)(m, result)) return true;
          break;
        case Entry::Kind::Click:
          if (m.id != WM_COMMAND || m.notifyCode() != BN_CLICKED || m.commandId() != e.firstId) break;
          (window.*e.onCommand)(m);
          result = 0;
          return true;
        case Entry::Kind::Command:
        case Entry::Kind::CommandRange:
          if (m.id != WM_COMMAND || m.commandId() < e.firstId || m.commandId() > e.lastId) break;
          (window.*e.onCommand)(m);
          result = 0;
          return true;
      }
    }
    return false;
  }

 private:
  static Entry commands(typename Entry::Kind kind, WORD first, WORD last, CommandHandler handler) {
    Entry e{kind};
    e.firstId = first;
    e.lastId = last;
    e.onCommand = handler;
    return e;
  }

  std::vector<Entry> entries_;
};
