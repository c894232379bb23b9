// Name order against the platform's own case-blind ordinal comparison, over
// every character of the ANSI code page and over names made of them.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>

#include "library/NameOrder.h"
#include "platform/LegacyCodePage_win32.h"
#include "platform/NameCollation.h"
#include "platform/TextEncoding.h"

namespace {

std::wstring wide(const std::string& name) {
  std::wstring result(name.size(), L'\0');
  int units = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, name.data(), static_cast<int>(name.size()),
                                  &result[0], static_cast<int>(result.size()));
  result.resize(units > 0 ? static_cast<std::size_t>(units) : 0);
  return result;
}

std::u16string keyOf(const std::string& name) {
  std::u16string key;
  appendCaseBlindKey(name, key);
  return key;
}

// Every character of the legacy code page, as process text.
std::vector<std::string> everyCharacter() {
  std::vector<std::string> characters;
  auto add = [&](const std::string& legacy) {
    std::string text;
    if (text_encoding::convert(legacy, ansi::Encoding::legacy, ansi::processEncoding(), text) &&
        wide(text).size() == 1) {
      characters.push_back(text);
    }
  };
  for (unsigned first = 1; first < 256; ++first) {
    if (!ansi::isLeadByte(static_cast<unsigned char>(first))) {
      add(std::string(1, static_cast<char>(first)));
      continue;
    }
    for (unsigned second = 0x40; second < 256; ++second) add(std::string{static_cast<char>(first), static_cast<char>(second)});
  }
  return characters;
}

// Sorted names must step up by the ordinal comparison, and be equal to it
// exactly where their keys are equal.
void expectAgreement(std::vector<std::string> names) {
  sortByName(names);
  for (std::size_t i = 1; i < names.size(); ++i) {
    const std::wstring before = wide(names[i - 1]);
    const std::wstring after = wide(names[i]);
    const int expected = keyOf(names[i - 1]) == keyOf(names[i]) ? CSTR_EQUAL : CSTR_LESS_THAN;
    ASSERT_EQ(CompareStringOrdinal(before.data(), static_cast<int>(before.size()), after.data(),
                                   static_cast<int>(after.size()), TRUE),
              expected)
        << i;
  }
}

TEST(NameCollation, AgreesWithTheCaseBlindOrdinalComparison) {
  ASSERT_EQ(legacyCodePage(), 932u);
  const std::vector<std::string> characters = everyCharacter();
  ASSERT_GT(characters.size(), 7000u);
  expectAgreement(characters);

  std::mt19937 random(932);
  std::vector<std::string> names;
  for (int i = 0; i < 20000; ++i) {
    std::string name;
    for (std::size_t length = 1 + random() % 4; length > 0; --length) name += characters[random() % characters.size()];
    names.push_back(name);
  }
  expectAgreement(names);
}

}  // namespace
