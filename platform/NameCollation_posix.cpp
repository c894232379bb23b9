#include "platform/NameCollation.h"

#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <cstdint>
#include <vector>

#include "platform/AnsiText.h"

namespace {

// What the code page's converter gives a byte sequence it cannot map.
constexpr char16_t unmappable = u'\x30FB';

// Every character of code page 932, already upper-cased: single bytes at their
// value, double-byte characters at lead * 256 + trail. Built once through the
// system converter, so that a name costs table look-ups only.
class Cp932UpperTable {
 public:
  Cp932UpperTable() : units_(65536, unmappable) {
    iconv_t converter = iconv_open("UTF-16LE", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1)) return;
    locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    for (unsigned first = 0; first < 256; ++first) {
      if (ansi::isLeadByte(static_cast<unsigned char>(first))) {
        for (unsigned second = 0x40; second < 256; ++second) {
          const char bytes[2] = {static_cast<char>(first), static_cast<char>(second)};
          store(first * 256 + second, converter, utf8, bytes, 2);
        }
      } else {
        const char byte = static_cast<char>(first);
        store(first, converter, utf8, &byte, 1);
      }
    }
    iconv_close(converter);
    // Single bytes the system converter leaves unmapped, taken as Windows'
    // code page 932 takes them.
    units_[0x80] = u'\x0080';
    units_[0xA0] = u'\xF8F0';
    units_[0xFD] = u'\xF8F1';
    units_[0xFE] = u'\xF8F2';
    units_[0xFF] = u'\xF8F3';
    if (utf8) freelocale(utf8);
  }

  char16_t operator[](std::size_t index) const { return units_[index]; }

 private:
  void store(unsigned index, iconv_t converter, locale_t utf8, const char* bytes, std::size_t size) {
    char* in = const_cast<char*>(bytes);
    unsigned char out[4];
    char* outAt = reinterpret_cast<char*>(out);
    std::size_t inLeft = size;
    std::size_t outLeft = sizeof out;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &in, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0 ||
        outLeft != 2) {
      return;
    }
    const char16_t unit = static_cast<char16_t>(out[0] | (out[1] << 8));
    units_[index] = utf8 ? static_cast<char16_t>(towupper_l(unit, utf8)) : unit;
  }

  std::vector<char16_t> units_;
};

}  // namespace

void appendCaseBlindKey(std::string_view name, std::u16string& keys) {
  static const Cp932UpperTable table;
  std::size_t pos = 0;
  while (pos < name.size()) {
    const std::size_t length = ansi::characterLength(name.data(), name.size(), pos);
    const unsigned char first = static_cast<unsigned char>(name[pos]);
    // A lead byte standing alone has no entry of its own and stays unmappable.
    keys.push_back(length == 2 ? table[first * 256u + static_cast<unsigned char>(name[pos + 1])]
                               : table[first]);
    pos += length;
  }
}
