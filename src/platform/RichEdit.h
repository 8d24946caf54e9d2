#pragma once
// TRichEdit: the plain-text source control of the editor pages, with a line view in the
// framework's shape. Character positions count one character per line break. Files are bytes:
// a file is decoded as UTF-8 when it is valid UTF-8, otherwise as Latin-1, and saved back in the
// same encoding with the same line break, so opening and saving changes no byte the user did not
// edit. New text is UTF-8 with LF.
#include <functional>
#include <string>

#include "platform/StdCtrls.h"
#include "platform/StringList.h"

namespace platform {

class TRichEdit;

// The lines of a rich edit. Count does not count an empty last line.
class TEditLines {
 public:
  explicit TEditLines(TRichEdit& edit) : edit_(edit) {}
  int Count() const;
  std::string Get(int index) const;  // "" outside the lines
  std::string operator[](int index) const { return Get(index); }
  void Put(int index, const std::string& line);
  void Insert(int index, const std::string& line);
  int Add(const std::string& line);
  void Delete(int index);
  void Clear();
  std::string Text() const;  // lines joined with LF
  void SetText(const std::string& text);
  TStringList ToStringList() const;
  void Assign(const TStringList& lines);

 private:
  TRichEdit& edit_;
};

enum class TTextEncoding { Utf8, Latin1 };

constexpr size_t kLargestEditedFile = size_t{32} << 20;

class TRichEdit : public TMemo {
  Q_OBJECT
 public:
  explicit TRichEdit(QWidget* parent);

  TEditLines& Lines() { return lines_; }
  const TEditLines& Lines() const { return lines_; }

  int SelStart() const;
  void SetSelStart(int position);  // clears the selection, as the framework does
  int SelLength() const;
  void SetSelLength(int length);
  std::string SelText() const;
  void SetSelText(const std::string& text);
  // The same for a selection of the page other than its own.
  static std::string TextOf(const QTextCursor& selection);
  static void Replace(QTextCursor& selection, const std::string& text);
  int TextLength() const;

  int LineFromChar(int position) const;  // the line holding a character position
  int LineIndex(int line) const;         // first character position of a line; -1 past the end

  bool Modified() const;
  void SetModified(bool modified);

  int Tag = 0;

  void SetColor(unsigned color);      // background, 0x00BBGGRR
  void SetFontColor(unsigned color);  // text colour, 0x00BBGGRR
  void SetFontName(const std::string& name);
  void SetFontSize(int points);
  std::string FontName() const;
  int FontSize() const;

  // Reads and writes the whole text as a file; SaveToFile writes through a temporary file and
  // raises EFCreateError when it fails, LoadFromFile raises EFOpenError, also for a file larger
  // than kLargestEditedFile: the text of a page takes a dozen times its file's size, and a line
  // being laid out forty times its length.
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;
  // The bytes SaveToFile writes.
  std::string FileBytes() const;
  TTextEncoding Encoding() const { return encoding_; }
  const std::string& LineBreak() const { return lineBreak_; }

  std::function<void()> OnChange;
  std::function<void()> OnSelectionChange;
  std::function<void(int& key, Qt::KeyboardModifiers shift)> OnKeyDown;
  std::function<void(int& key, Qt::KeyboardModifiers shift)> OnKeyUp;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  TEditLines lines_;
  TTextEncoding encoding_ = TTextEncoding::Utf8;
  std::string lineBreak_ = "\n";
};

QColor ToQColor(unsigned color);  // 0x00BBGGRR to a Qt colour

}  // namespace platform
