#include "platform/AnsiText.h"

namespace ansi {

// The program is Japanese: off Windows, text is taken as code page 932.
Encoding processEncoding() { return Encoding::legacy; }

bool isLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace ansi
