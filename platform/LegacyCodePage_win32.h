#pragma once
// The code page the system's locale uses for ANSI text (932 on a Japanese
// system). It stays the code page of files written before the process took
// UTF-8 as its own, so it is taken from the locale, not from GetACP().
unsigned legacyCodePage();
