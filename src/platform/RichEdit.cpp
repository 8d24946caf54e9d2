#include "platform/RichEdit.h"
#include "platform/HandlerGuard.h"

#include <QKeyEvent>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextCursor>

#include "platform/SysUtils.h"

namespace platform {

namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// The document's text with its lines joined by LF and every other character as it stands: the
// document's plain text would give a non-breaking space back as a blank.
QString RawText(const QTextDocument& document) {
  QString text = document.toRawText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  return text;
}

QTextCursor BlockStart(QTextDocument* document, int index) {
  return QTextCursor(document->findBlockByNumber(index));
}

// The line break a file uses: the first one found, LF for a file without any.
std::string DetectLineBreak(const std::string& bytes) {
  size_t pos = bytes.find_first_of("\r\n");
  if (pos == std::string::npos) return "\n";
  if (bytes[pos] == '\n') return "\n";
  return pos + 1 < bytes.size() && bytes[pos + 1] == '\n' ? "\r\n" : "\r";
}

std::string ToLf(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r') {
      text += '\n';
      if (i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      text += bytes[i];
    }
  }
  return text;
}

}  // namespace

int TEditLines::Count() const {
  QTextDocument* document = edit_.document();
  int blocks = document->blockCount();
  if (document->lastBlock().length() <= 1) --blocks;  // an empty last line is not a line
  return blocks;
}

std::string TEditLines::Get(int index) const {
  if (index < 0 || index >= Count()) return std::string();
  return edit_.document()->findBlockByNumber(index).text().toStdString();
}

void TEditLines::Put(int index, const std::string& line) {
  if (index < 0 || index >= Count()) return;
  QTextCursor cursor = BlockStart(edit_.document(), index);
  cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  cursor.insertText(FromUtf8(line));
}

void TEditLines::Insert(int index, const std::string& line) {
  QTextDocument* document = edit_.document();
  int count = Count();
  if (index < 0 || index > count) throw Exception("List index out of bounds (" + IntToStr(index) + ")");
  if (index < document->blockCount()) {
    BlockStart(document, index).insertText(FromUtf8(line) + "\n");
  } else {
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText("\n" + FromUtf8(line));
  }
}

int TEditLines::Add(const std::string& line) {
  int index = Count();
  Insert(index, line);
  return index;
}

void TEditLines::Delete(int index) {
  if (index < 0 || index >= Count()) throw Exception("List index out of bounds (" + IntToStr(index) + ")");
  QTextDocument* document = edit_.document();
  QTextCursor cursor = BlockStart(document, index);
  if (index + 1 < document->blockCount()) {
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
  } else if (index > 0) {
    cursor.movePosition(QTextCursor::PreviousBlock);
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  } else {
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  }
  cursor.removeSelectedText();
}

void TEditLines::Clear() { edit_.setPlainText(QString()); }

std::string TEditLines::Text() const { return RawText(*edit_.document()).toStdString(); }

void TEditLines::SetText(const std::string& text) { edit_.setPlainText(FromUtf8(ToLf(text))); }

TStringList TEditLines::ToStringList() const {
  TStringList list;
  int count = Count();
  QTextBlock block = edit_.document()->firstBlock();
  for (int i = 0; i < count; ++i, block = block.next()) list.Add(block.text().toStdString());
  return list;
}

void TEditLines::Assign(const TStringList& lines) {
  std::string text;
  for (const std::string& line : lines.Lines()) text += line + "\n";
  SetText(text);
}

TRichEdit::TRichEdit(QWidget* parent) : TMemo(parent), lines_(*this) {
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setTabChangesFocus(false);
  Connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (OnChange) OnChange();
  });
  Connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
    if (OnSelectionChange) OnSelectionChange();
  });
  Connect(this, &QPlainTextEdit::selectionChanged, this, [this] {
    if (OnSelectionChange) OnSelectionChange();
  });
}

int TRichEdit::SelStart() const { return textCursor().selectionStart(); }

void TRichEdit::SetSelStart(int position) {
  QTextCursor cursor = textCursor();
  cursor.setPosition(std::clamp(position, 0, TextLength()));
  setTextCursor(cursor);
}

int TRichEdit::SelLength() const {
  QTextCursor cursor = textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void TRichEdit::SetSelLength(int length) {
  QTextCursor cursor = textCursor();
  int start = cursor.selectionStart();
  cursor.setPosition(start);
  cursor.setPosition(std::clamp(start + length, 0, TextLength()), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

std::string TRichEdit::SelText() const { return TextOf(textCursor()); }

void TRichEdit::SetSelText(const std::string& text) {
  QTextCursor selection = textCursor();
  Replace(selection, text);
}

std::string TRichEdit::TextOf(const QTextCursor& selection) {
  return selection.selectedText().replace(QChar::ParagraphSeparator, '\n').toStdString();
}

void TRichEdit::Replace(QTextCursor& selection, const std::string& text) { selection.insertText(FromUtf8(text)); }

int TRichEdit::TextLength() const { return document()->characterCount() - 1; }

int TRichEdit::LineFromChar(int position) const {
  return document()->findBlock(std::clamp(position, 0, TextLength())).blockNumber();
}

int TRichEdit::LineIndex(int line) const {
  QTextBlock block = document()->findBlockByNumber(line);
  return block.isValid() ? block.position() : -1;
}

bool TRichEdit::Modified() const { return document()->isModified(); }

void TRichEdit::SetModified(bool modified) { document()->setModified(modified); }

QColor ToQColor(unsigned color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

void TRichEdit::SetColor(unsigned color) {
  QPalette colours = palette();
  colours.setColor(QPalette::Base, ToQColor(color));
  setPalette(colours);
}

void TRichEdit::SetFontColor(unsigned color) {
  QPalette colours = palette();
  colours.setColor(QPalette::Text, ToQColor(color));
  setPalette(colours);
}

void TRichEdit::SetFontName(const std::string& name) {
  QFont face = font();
  face.setFamily(FromUtf8(name));
  setFont(face);
}

void TRichEdit::SetFontSize(int points) {
  QFont face = font();
  if (points > 0) face.setPointSize(points);
  setFont(face);
}

std::string TRichEdit::FontName() const { return font().family().toStdString(); }

int TRichEdit::FontSize() const { return font().pointSize(); }

void TRichEdit::LoadFromFile(const std::string& fileName) {
  std::string bytes = ReadFileBytes(fileName, kLargestEditedFile);
  lineBreak_ = DetectLineBreak(bytes);
  QByteArray raw = QByteArray::fromStdString(ToLf(bytes));
  // A byte-order mark stays in the text, so that saving writes it back.
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  QString text = utf8.decode(raw);
  encoding_ = TTextEncoding::Utf8;
  if (utf8.hasError()) {
    text = QString::fromLatin1(raw);
    encoding_ = TTextEncoding::Latin1;
  }
  setPlainText(text);
}

void TRichEdit::SaveToFile(const std::string& fileName) const { WriteFileAtomic(fileName, FileBytes()); }

std::string TRichEdit::FileBytes() const {
  QString text = RawText(*document());
  if (lineBreak_ != "\n") text.replace('\n', FromUtf8(lineBreak_));
  QByteArray bytes;
  if (encoding_ == TTextEncoding::Latin1) {
    QStringEncoder latin1(QStringEncoder::Latin1);
    bytes = latin1.encode(text);
    // Text that Latin-1 cannot hold is saved as UTF-8 rather than losing characters.
    if (latin1.hasError()) bytes = text.toUtf8();
  } else {
    bytes = text.toUtf8();
  }
  return bytes.toStdString();
}

void TRichEdit::keyPressEvent(QKeyEvent* event) {
  int key = event->key();
  if (OnKeyDown) HandleEvent([&] { OnKeyDown(key, event->modifiers()); });
  if (key == 0) return;
  QPlainTextEdit::keyPressEvent(event);
}

void TRichEdit::keyReleaseEvent(QKeyEvent* event) {
  int key = event->key();
  if (OnKeyUp) HandleEvent([&] { OnKeyUp(key, event->modifiers()); });
  if (key == 0) return;
  QPlainTextEdit::keyReleaseEvent(event);
}

}  // namespace platform
