#pragma once
// The text of a design file (".jfm"): blocks of lines, each opened by a header "name : class",
// followed by property lines "  Name = value" in a fixed order and closed by an empty line. A
// value is read by cutting its line's prefix, so a caption holding " = " or " : " survives.
// TJfmWriter builds such text; TJfmReader walks it and raises EDesignFileError, naming the line,
// wherever the text departs from the expected sequence.
#include <string>
#include <vector>

#include "platform/StringList.h"
#include "platform/SysUtils.h"

namespace designer {

class EDesignFileError : public platform::Exception {
  using platform::Exception::Exception;
};

// The error of a design file at a 1-based line: "line n: what".
[[noreturn]] void FailAtLine(int line, const std::string& what);

class TJfmWriter {
 public:
  explicit TJfmWriter(platform::TStringList& lines) : lines_(lines) {}
  void Header(const std::string& name, const std::string& className);
  // "  " + name + " = " + value, with indent blanks in place of the first two.
  void Property(const std::string& name, const std::string& value, int indent = 2);
  void Property(const std::string& name, int value, int indent = 2);
  // The count line "  Items[n]" and the n lines as they are.
  void Items(const std::vector<std::string>& items);
  void Line(const std::string& text);
  void End() { lines_.Add(""); }

 private:
  platform::TStringList& lines_;
};

class TJfmReader {
 public:
  explicit TJfmReader(const platform::TStringList& lines) : lines_(lines) {}
  bool AtEnd() const { return position_ >= lines_.Count(); }
  int Position() const { return position_; }
  // Of the current header line: the text before its first blank, and after its first " : ".
  std::string HeaderName() const;
  std::string HeaderClass() const;
  void SkipHeader();
  // The value of the current line, which must begin with "  " + name + " = " (indent blanks in
  // place of the two); the reader moves to the next line.
  std::string Value(const std::string& name, int indent = 2);
  int IntValue(const std::string& name, int indent = 2);
  int IntValueBetween(const std::string& name, int low, int high);
  // The count line "  Items[n]": n, which must not run past the end of the file.
  int ItemCount();
  // "  Items[n]" and the n lines after it.
  std::vector<std::string> Items();
  // The empty line that closes a block.
  void EndOfBlock();
  // The lines up to the block's empty line, their leading blanks removed; the empty line is
  // consumed.
  std::vector<std::string> EventLines();
  [[noreturn]] void Fail(const std::string& what) const;

 private:
  const std::string& Current(const std::string& expected) const;
  const platform::TStringList& lines_;
  int position_ = 0;
};

}  // namespace designer
