#include "designer/RunRoutines.h"

#include <array>
#include <cctype>
#include <string_view>

namespace designer {

namespace {

using std::size_t;
using std::string_view;
constexpr size_t npos = std::string::npos;

// Blanking keeps line breaks, so positions and line numbers of the text stay valid.
void Blank(std::string& text, size_t position) {
  if (position < text.size() && text[position] != '\r' && text[position] != '\n') text[position] = ' ';
}

bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }
bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// Blanks a character literal whose opening quote is at `quote`; gives the position after it, or
// npos when it is malformed.
size_t BlankCharLiteral(std::string& text, size_t quote) {
  Blank(text, quote);
  size_t i = quote + 1;
  if (i >= text.size()) return npos;
  size_t close = i + 1;
  if (text[i] == '\\') {
    if (i + 1 >= text.size()) return npos;
    char escaped = text[i + 1];
    if (escaped != '\0' && string_view("\"'\\bfnrt").find(escaped) != npos) {
      Blank(text, i);
      Blank(text, i + 1);
      close = i + 2;
    } else if (escaped == 'u') {
      if (i + 5 >= text.size()) return npos;
      for (size_t k = i; k <= i + 5; ++k) Blank(text, k);
      close = i + 6;
    } else {
      // An octal escape: at most three octal digits up to the closing quote.
      size_t next = text.find('\'', i + 1);
      if (next == npos || next - (i + 1) > 3 || IsLetter(escaped)) return npos;
      Blank(text, i);
      for (size_t k = i + 1; k < next; ++k) {
        if (!IsOctalDigit(text[k])) return npos;
        Blank(text, k);
      }
      close = next;
    }
  } else {
    Blank(text, i);
  }
  if (close >= text.size() || text[close] != '\'') return npos;
  Blank(text, close);
  return close + 1;
}

// Blanks a string literal whose opening quote is at `quote`; a backslash escapes whatever follows
// it. Gives the position after it, or npos when the text ends inside the string or three quotes
// stand in a row.
size_t BlankStringLiteral(std::string& text, size_t quote) {
  Blank(text, quote);
  size_t i = quote + 1;
  if (i < text.size() && text[i] == '"') {
    if (i + 1 < text.size() && text[i + 1] == '"') return npos;
    Blank(text, i);
    return i + 1;
  }
  while (i < text.size()) {
    if (text[i] == '\\') {
      Blank(text, i);
      Blank(text, i + 1);
      i += 2;
      continue;
    }
    bool closing = text[i] == '"';
    Blank(text, i);
    ++i;
    if (closing) return i;
  }
  return npos;
}

// Blanks a block comment from its "/*" up to and including its "*/", or to the end of the text.
size_t BlankBlockComment(std::string& text, size_t open) {
  Blank(text, open);
  Blank(text, open + 1);
  size_t i = open + 2;
  while (i < text.size()) {
    if (text[i] == '*' && i + 1 < text.size() && text[i + 1] == '/') {
      Blank(text, i);
      Blank(text, i + 1);
      return i + 2;
    }
    Blank(text, i);
    ++i;
  }
  return i;
}

size_t BlankLineComment(std::string& text, size_t open) {
  size_t i = open;
  while (i < text.size() && text[i] != '\r' && text[i] != '\n') Blank(text, i++);
  return i;
}

enum Token { kCharQuote, kStringQuote, kBlockOpen, kLineComment, kBlockClose, kTokenCount };
constexpr std::array<string_view, kTokenCount> kTokens = {"'", "\"", "/*", "//", "*/"};

// Where the literal or comment that starts a token ends; npos for a malformed literal.
size_t HandleToken(std::string& text, Token token, size_t position) {
  switch (token) {
    case kCharQuote: return BlankCharLiteral(text, position);
    case kStringQuote: return BlankStringLiteral(text, position);
    case kBlockOpen: return BlankBlockComment(text, position);
    case kLineComment: return BlankLineComment(text, position);
    default: return npos;
  }
}

int ErrorCodeOf(Token token) {
  switch (token) {
    case kCharQuote: return kCharLiteralError;
    case kStringQuote: return kStringLiteralError;
    default: return kCommentCloseError;
  }
}

// Skips blanks and control characters, line breaks included.
void TrimLeft(string_view& text) {
  size_t start = 0;
  while (start < text.size() && static_cast<unsigned char>(text[start]) <= ' ') ++start;
  text.remove_prefix(start);
}

// Cuts `word` from the front of the text and the white space after it; false if it is not there.
bool CutWord(string_view& text, string_view word) {
  if (text.substr(0, word.size()) != word) return false;
  text.remove_prefix(word.size());
  TrimLeft(text);
  return true;
}

string_view WordUpToBlank(string_view text) { return text.substr(0, text.find(' ')); }

bool IsIdentifier(string_view word) {
  if (word.empty()) return false;
  auto start = [](char c) { return IsLetter(c) || c == '_' || c == '$'; };
  if (!start(word[0])) return false;
  for (char c : word)
    if (!start(c) && !std::isdigit(static_cast<unsigned char>(c))) return false;
  return true;
}

}  // namespace

std::string GetFilterDescription(const std::string& filter, int index) {
  std::string rest = filter;
  std::string description;
  for (int step = 0; step < index; ++step) {
    size_t end = rest.find(")|");
    description = rest.substr(0, end == npos ? npos : end + 1);
    size_t first = rest.find('|');
    size_t second = first == npos ? npos : rest.find('|', first + 1);
    rest = second == npos ? std::string() : rest.substr(second + 1);
  }
  return description;
}

std::string RemoveFileExt(const std::string& name) { return name.substr(0, name.find('.')); }

size_t MinPositive(size_t a, size_t b) {
  if (a == npos) return b;
  if (b == npos) return a;
  return a < b ? a : b;
}

bool BlankCommentsAndLiterals(std::string& text, TPrecheckError& error) {
  std::array<size_t, kTokenCount> next{};
  for (int t = 0; t < kTokenCount; ++t) next[t] = text.find(kTokens[t]);
  size_t from = 0;
  for (;;) {
    // Tokens found inside what was just blanked are looked up again behind it.
    for (int t = 0; t < kTokenCount; ++t)
      if (next[t] != npos && next[t] < from) next[t] = text.find(kTokens[t], from);
    if (next[kCharQuote] == npos && next[kStringQuote] == npos && next[kBlockOpen] == npos &&
        next[kLineComment] == npos)
      return true;
    Token earliest = kCharQuote;
    size_t position = npos;
    for (int t = 0; t < kTokenCount; ++t) {
      size_t smaller = MinPositive(position, next[t]);
      if (smaller != position) {
        position = smaller;
        earliest = static_cast<Token>(t);
      }
    }
    size_t end = HandleToken(text, earliest, position);
    if (end == npos) {
      error = {ErrorCodeOf(earliest), position};
      return false;
    }
    from = end;
  }
}

int LineOfPosition(const std::string& text, size_t position) {
  int line = 1;
  size_t end = std::min(position, text.size());
  for (size_t i = 0; i < end; ++i) {
    if (text[i] == '\n') ++line;
    else if (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')) ++line;
  }
  return line;
}

bool HasAppletClass(std::string source) {
  string_view text = source;
  for (;;) {
    size_t found = text.find("public");
    if (found == npos) return false;
    text.remove_prefix(found + 6);
    TrimLeft(text);
    if (!CutWord(text, "class")) continue;
    string_view name = WordUpToBlank(text);
    if (!IsIdentifier(name)) continue;
    CutWord(text, name);
    if (!CutWord(text, "extends")) continue;
    if (WordUpToBlank(text).find("Applet") != npos) return true;
  }
}

bool HasApplicationMain(std::string source) {
  string_view text = source;
  for (;;) {
    size_t publicAt = text.find("public");
    size_t staticAt = text.find("static");
    if (publicAt == npos || staticAt == npos) return false;
    bool publicFirst = publicAt < staticAt;
    text.remove_prefix((publicFirst ? publicAt : staticAt) + 6);
    TrimLeft(text);
    if (CutWord(text, publicFirst ? "static" : "public") && CutWord(text, "void") && CutWord(text, "main") &&
        text.substr(0, 1) == "(")
      return true;
  }
}

platform::TStringList AppletHtmlLines(const std::string& versionText, const std::string& className, int width,
                                      int height, const std::vector<std::pair<std::string, std::string>>& params) {
  platform::TStringList lines;
  lines.Add("<HTML>");
  lines.Add("<HEAD>");
  lines.Add("<TITLE> " + versionText + " temporary HTML file. </TITLE>");
  lines.Add("</HEAD>");
  lines.Add("<BODY>");
  lines.Add("<APPLET CODE = " + className + " WIDTH = " + std::to_string(width) + " HEIGHT = " +
            std::to_string(height));
  lines.Add(">");
  for (const auto& [name, value] : params) lines.Add("<PARAM NAME = " + name + " VALUE = \"" + value + "\" >");
  lines.Add("</APPLET>");
  lines.Add("</BODY>");
  lines.Add("</HTML>");
  return lines;
}

}  // namespace designer
