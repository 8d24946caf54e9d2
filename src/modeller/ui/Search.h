#pragma once
// Text search of the Java editor: a scan over one buffer of UTF-16 code units, forwards or
// backwards from a selection, with case-insensitive and whole-word options. Qt-free.
#include <optional>
#include <string>

namespace modeller {

// The options that count, as the find dialog sets them.
struct TSearchOptions {
  bool Down = true;
  bool MatchCase = false;
  bool WholeWord = false;
};

// Every code except the digits and the ASCII letters separates words (the underscore too).
bool IsWordDelimiter(char16_t c);

// The position of the next match of `text` in `buffer` starting past the selection (forwards) or
// before it (backwards), or none. The whole buffer is searched, however long it is.
std::optional<int> ScanTextBuffer(const std::u16string& buffer, int selStart, int selLength,
                                  const std::u16string& text, const TSearchOptions& options);

// Moves a whole-word scan position to the start of the next (or this) word; always true.
bool SkipToWordStart(const std::u16string& buffer, int& position, int& count, int direction);

}  // namespace modeller
