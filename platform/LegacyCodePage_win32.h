#pragma once
// The code page the system's locale uses for ANSI text (932 on a Japanese
// system). It stays the code page of files written before the process took
// UTF-8 as its own, so it is taken from the locale, not from GetACP().
#include <functional>

unsigned legacyCodePage();

// The rule behind legacyCodePage, over a reader of the system locale's numeric
// values (0 when one cannot be read) and the system locale's language. Under
// the system-wide UTF-8 option the locale's ANSI code page reads 65001; the
// legacy one is then asked apart, and where the system will not say it, it is
// the one of the locale's language.
unsigned legacyCodePageFrom(const std::function<unsigned(unsigned long localeValue)>& readNumber,
                            unsigned short systemLanguage);
