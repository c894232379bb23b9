#pragma once
// Objects that wait for the first message of the dialog their thread is creating,
// so that the object is bound before the dialog sees any message.
class PendingDialogs {
 public:
  static void expect(void* object);
  // The object the calling thread waits with, taken out of the list; or none.
  static void* take();
  // Withdraws the calling thread's object when its dialog was never created.
  static void withdraw(void* object);
};
