#include "modeller/ui/Search.h"

#include <array>

namespace modeller {

namespace {

// Upper case of the Latin-1 range; codes above it compare as they are.
char16_t UpperLatin1(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
  // The division sign (0xF7) has no capital, and the capital of 0xFF lies beyond Latin-1.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 32);
  return c;
}

// Built once per search, so the scan maps each character by a table look-up.
std::array<char16_t, 256> CharacterMap(bool matchCase) {
  std::array<char16_t, 256> map{};
  for (int c = 0; c < 256; ++c)
    map[static_cast<size_t>(c)] = matchCase ? static_cast<char16_t>(c) : UpperLatin1(static_cast<char16_t>(c));
  return map;
}

char16_t Mapped(const std::array<char16_t, 256>& map, char16_t c) { return c < 256 ? map[c] : c; }

bool IsDelimiterAt(const std::u16string& buffer, int p);

bool AtWordStart(const std::u16string& buffer, int p) {
  return !IsDelimiterAt(buffer, p) && (p == 0 || IsDelimiterAt(buffer, p - 1));
}

}  // namespace

bool IsWordDelimiter(char16_t c) {
  return !((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'));
}

namespace {

bool IsDelimiterAt(const std::u16string& buffer, int p) {
  return p < 0 || p >= static_cast<int>(buffer.size()) || IsWordDelimiter(buffer[static_cast<size_t>(p)]);
}

}  // namespace

bool SkipToWordStart(const std::u16string& buffer, int& position, int& count, int direction) {
  auto at = [&](int p) { return p >= 0 && p < static_cast<int>(buffer.size()) ? buffer[static_cast<size_t>(p)] : u' '; };
  if (direction > 0) {
    while (count > 0 && !IsWordDelimiter(at(position))) { ++position; --count; }
    while (count > 0 && IsWordDelimiter(at(position))) { ++position; --count; }
  } else {
    while (count > 0 && IsWordDelimiter(at(position))) { --position; --count; }
    while (count > 0 && !IsWordDelimiter(at(position))) { --position; --count; }
    if (IsWordDelimiter(at(position))) { ++position; ++count; }
  }
  return true;
}

std::optional<int> ScanTextBuffer(const std::u16string& buffer, int selStart, int selLength,
                                  const std::u16string& text, const TSearchOptions& options) {
  const int length = static_cast<int>(buffer.size());
  const int textLength = static_cast<int>(text.size());
  if (length <= 0 || textLength == 0) return std::nullopt;
  const int direction = options.Down ? 1 : -1;
  int start = 0;
  int count = 0;
  if (options.Down) {
    start = selStart + selLength;
    count = length - start - textLength;
    if (count < 0 || start + count > length) return std::nullopt;
  } else {
    start = selStart - textLength;
    count = start;
  }
  if (start < 0 || start > length) return std::nullopt;
  const auto map = CharacterMap(options.MatchCase);
  std::u16string wanted(text);
  for (char16_t& c : wanted) c = Mapped(map, c);

  int p = start;
  while (count >= 0) {
    // A scan that starts on the first letter of a word checks that word before moving on.
    if (options.WholeWord && !(direction > 0 && AtWordStart(buffer, p))) SkipToWordStart(buffer, p, count, direction);
    bool match = p >= 0 && p + textLength <= length;
    for (int i = 0; match && i < textLength; ++i)
      match = Mapped(map, buffer[static_cast<size_t>(p + i)]) == wanted[static_cast<size_t>(i)];
    if (match) {
      const int after = p + textLength;
      if (!options.WholeWord || after >= length || IsWordDelimiter(buffer[static_cast<size_t>(after)]))
        return p;
    }
    p += direction;
    --count;
  }
  return std::nullopt;
}

}  // namespace modeller
