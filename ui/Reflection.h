#pragma once
// Notifications that a dialog sends back to the control they concern, with the
// message number raised by reflectionOffset, so that a control draws itself.
#include <windows.h>

#include "ui/MessageMap.h"

constexpr UINT reflectionOffset = 0x2000;

// True for a message that may be reflected.
bool isReflectable(UINT message);
// True for a reflected message (a reflectable one raised by reflectionOffset).
bool isReflected(UINT message);

// The child control of the dialog that the notification concerns, or none.
HWND controlConcerned(HWND dialog, const WindowMessage& m);

// Sends the reflected message to that control and takes its answer as the
// result; false, without sending, when no control is concerned.
bool reflectNotification(HWND dialog, const WindowMessage& m, LRESULT& result);
