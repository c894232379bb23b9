#pragma once
// The thread's message loop: filters see each message before it is translated
// and dispatched, newest filter first. Windows find the loop of their thread to
// register with it.
#include <windows.h>

#include <vector>

class MessageFilter {
 public:
  virtual ~MessageFilter() = default;
  // True when the message was consumed and must not be dispatched.
  virtual bool preTranslate(MSG& message) = 0;
};

class MessageLoop {
 public:
  void addMessageFilter(MessageFilter& filter);
  // Pumps messages until the quit message arrives; returns its code.
  int run();

  // The loop registered for the calling thread, or none.
  static MessageLoop* current();
  // Registers a loop for the calling thread for as long as it lives.
  class ThreadRegistration {
   public:
    explicit ThreadRegistration(MessageLoop& loop);
    ~ThreadRegistration();
    ThreadRegistration(const ThreadRegistration&) = delete;
    ThreadRegistration& operator=(const ThreadRegistration&) = delete;
  };
  static void forgetAllThreads();

 private:
  MSG currentMessage{};
  std::vector<MessageFilter*> filters;
};
