#include "platform/AnsiText.h"

#include <windows.h>

namespace ansi {

bool isLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace ansi
