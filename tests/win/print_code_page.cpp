// Prints the ANSI code page that Wine gives the test programs.
#include <windows.h>

#include <cstdio>

int main() {
  std::printf("%u\n", GetACP());
  return 0;
}
