#include "platform/AnsiText.h"

#include <windows.h>

#include "platform/LegacyCodePage_win32.h"

namespace ansi {

// The process code page is fixed for the life of the process.
Encoding processEncoding() {
  static const Encoding encoding = GetACP() == CP_UTF8 ? Encoding::utf8 : Encoding::legacy;
  return encoding;
}

bool isLeadByte(unsigned char byte) { return IsDBCSLeadByteEx(legacyCodePage(), byte) != FALSE; }

}  // namespace ansi
