#pragma once
// What the whole process shares from before the entry point until after it
// returns: the instance that every resource is loaded from.
#include <windows.h>

class Module {
 public:
  static void start(HINSTANCE instance);
  static void end();
  static HINSTANCE instance();
};
