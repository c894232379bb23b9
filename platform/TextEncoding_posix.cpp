#include <iconv.h>

#include <string>

namespace text_encoding {

namespace {

// iconv without "//TRANSLIT" or "//IGNORE" stops at the first character the
// target lacks; a run that also counts no irreversible conversion is lossless.
bool convertBetween(const char* from, const char* to, const std::string& text, std::string& out) {
  if (text.empty()) {
    out.clear();
    return true;
  }
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  // A code page 932 character takes at most 4 bytes of UTF-8 for its 2 bytes.
  std::string converted(text.size() * 4, '\0');
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char* output = &converted[0];
  std::size_t outLeft = converted.size();
  const std::size_t result = iconv(converter, &in, &inLeft, &output, &outLeft);
  const bool complete = result == 0 && inLeft == 0 &&
                        iconv(converter, nullptr, nullptr, &output, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(converter);
  if (!complete) return false;
  converted.resize(converted.size() - outLeft);
  out.swap(converted);
  return true;
}

}  // namespace

bool legacyToUtf8(const std::string& text, std::string& out) { return convertBetween("CP932", "UTF-8", text, out); }

// iconv maps some characters one way only ("£" to the bytes of "￡"), so a
// conversion counts as exact only when it comes back as it went, as on Windows.
bool utf8ToLegacy(const std::string& text, std::string& out) {
  std::string legacy, back;
  if (!convertBetween("UTF-8", "CP932", text, legacy) || !legacyToUtf8(legacy, back) || back != text) {
    return false;
  }
  out.swap(legacy);
  return true;
}

}  // namespace text_encoding
