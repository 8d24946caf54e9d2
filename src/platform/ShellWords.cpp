#include "platform/ShellWords.h"

#include <cctype>
#include <string_view>

namespace platform {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Reads a line character by character, remembering whether it is inside quotes.
class TWordReader {
 public:
  TWordReader(const std::string& line, std::vector<std::string>& words) : line_(line), words_(words) {}

  bool Read() {
    words_.clear();
    for (at_ = 0; at_ < line_.size(); ++at_) Take(line_[at_]);
    EndWord();
    return quote_ == 0;
  }

 private:
  void Take(char c) {
    if (quote_ == '\'')
      TakeInSingleQuotes(c);
    else if (quote_ == '"')
      TakeInDoubleQuotes(c);
    else
      TakeUnquoted(c);
  }

  void TakeUnquoted(char c) {
    if (IsBlank(c)) {
      EndWord();
      return;
    }
    inWord_ = true;
    if (c == '\'' || c == '"')
      quote_ = c;
    else if (c == '\\' && at_ + 1 < line_.size())
      word_ += line_[++at_];
    else
      word_ += c;
  }

  void TakeInSingleQuotes(char c) {
    if (c == '\'')
      quote_ = 0;
    else
      word_ += c;
  }

  void TakeInDoubleQuotes(char c) {
    bool escapes = c == '\\' && at_ + 1 < line_.size() &&
                   std::string_view("\"\\$`").find(line_[at_ + 1]) != std::string_view::npos;
    if (c == '"')
      quote_ = 0;
    else if (escapes)
      word_ += line_[++at_];
    else
      word_ += c;
  }

  void EndWord() {
    if (inWord_) words_.push_back(word_);
    word_.clear();
    inWord_ = false;
  }

  const std::string& line_;
  std::vector<std::string>& words_;
  size_t at_ = 0;
  std::string word_;
  bool inWord_ = false;  // also true for a word of empty quotes, which is an empty argument
  char quote_ = 0;
};

bool LeftAloneBySh(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) ||
         std::string_view("_-./:=@%+,").find(c) != std::string_view::npos;
}

}  // namespace

bool SplitShellWords(const std::string& line, std::vector<std::string>& words) {
  return TWordReader(line, words).Read();
}

std::string ShellQuote(const std::string& word) {
  bool plain = !word.empty();
  for (char c : word) plain = plain && LeftAloneBySh(c);
  if (plain) return word;
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace platform
