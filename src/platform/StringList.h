#pragma once
// TStringList: an ordered list of lines, 0-based, free of Qt.
#include <string>
#include <vector>

namespace platform {

class TStringList {
 public:
  TStringList() = default;
  explicit TStringList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  int Count() const { return static_cast<int>(lines_.size()); }
  bool Empty() const { return lines_.empty(); }
  // Out-of-range reads give an empty line instead of undefined behaviour.
  const std::string& Get(int index) const;
  std::string& operator[](int index) { return lines_.at(static_cast<size_t>(index)); }
  const std::string& operator[](int index) const { return Get(index); }
  void Put(int index, const std::string& line) { lines_.at(static_cast<size_t>(index)) = line; }

  int Add(const std::string& line);
  void Insert(int index, const std::string& line);
  void Delete(int index);
  void Clear() { lines_.clear(); }
  void Assign(const TStringList& other) { lines_ = other.lines_; }
  void AddStrings(const TStringList& other);

  // Case-insensitive, as the framework's default list; -1 when absent.
  int IndexOf(const std::string& line) const;

  // "name=value" lines.
  std::string Values(const std::string& name) const;
  void SetValue(const std::string& name, const std::string& value);
  std::string Names(int index) const;

  // Text joins every line with LineBreak after each; SetText splits on CR, LF or CR LF.
  std::string Text() const;
  void SetText(const std::string& text);
  std::string LineBreak = "\r\n";

  // Files are read whole (CR, LF or CR LF) and written whole through a temporary file, each line
  // followed by LineBreak. LoadFromFile raises EFOpenError, SaveToFile EFCreateError.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

  const std::vector<std::string>& Lines() const { return lines_; }
  bool operator==(const TStringList& other) const { return lines_ == other.lines_; }

 private:
  std::vector<std::string> lines_;
};

// Splits text into lines at CR, LF or CR LF; a final line break does not start a new line.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace platform
