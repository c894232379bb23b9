#pragma once
// The call that reads an open file on Windows, which a test replaces to stand
// in for a file that opens and then cannot be read (a cloud placeholder whose
// sync client is offline, a disk error).
#include <windows.h>

namespace file {

using ReadFunction = BOOL(WINAPI*)(HANDLE file, LPVOID buffer, DWORD size, LPDWORD read, LPOVERLAPPED overlapped);

// Makes every later read call read; returns the call used until now.
ReadFunction replaceRead(ReadFunction read);

}  // namespace file
