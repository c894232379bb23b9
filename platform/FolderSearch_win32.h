#pragma once
// The call that advances a folder search on Windows, which a test replaces to
// stand in for failures that Windows shows and Wine does not (an entry that
// cannot be delivered, a handle that breaks).
#include <windows.h>

using FindNextFunction = BOOL(WINAPI*)(HANDLE find, WIN32_FIND_DATAW* data);

// Makes every later advance call next; returns the call used until now.
FindNextFunction replaceFindNext(FindNextFunction next);
