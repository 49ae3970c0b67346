#include "app/CommandLine.h"

namespace tx80 {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool SameWord(std::u16string_view word, std::u16string_view lowerCase) {
  if (word.size() != lowerCase.size()) return false;
  for (size_t i = 0; i < word.size(); ++i)
    if (Lower(word[i]) != lowerCase[i]) return false;
  return true;
}

}  // namespace

bool StartsInTray(std::u16string_view commandLine) {
  size_t start = 0;
  while (start < commandLine.size()) {
    while (start < commandLine.size() && IsBlank(commandLine[start])) ++start;
    size_t end = start;
    while (end < commandLine.size() && !IsBlank(commandLine[end])) ++end;
    if (end > start && SameWord(commandLine.substr(start, end - start), kTrayStartSwitch)) return true;
    start = end;
  }
  return false;
}

}  // namespace tx80
