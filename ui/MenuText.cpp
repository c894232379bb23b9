#include "ui/MenuText.h"

std::string MenuText::of(const std::string& name) {
  std::string text;
  text.reserve(name.size());
  for (char ch : name) {
    text += ch;
    if (ch == '&') text += '&';
  }
  return text;
}
