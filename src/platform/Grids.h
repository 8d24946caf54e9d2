#pragma once
// The grid controls: TStringGrid (a table of text cells with fixed header rows and columns) and
// TColorGrid (the sixteen named colours, 8 by 2, with a foreground and a background choice).
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <string>

namespace platform {

// Cells are addressed (column, row) as in the framework. Fixed rows and columns are drawn grey and
// cannot be edited; the others are edited in place, Tab moves between them.
class TStringGrid : public QTableWidget {
  Q_OBJECT
 public:
  TStringGrid(QWidget* parent, int colCount, int rowCount, int fixedCols = 1, int fixedRows = 1);

  std::string Cells(int col, int row) const;
  void SetCells(int col, int row, const std::string& text);

  // Moves the current cell as the program does: OnClick does not run.
  void SetCol(int col);
  void SetDefaultColWidth(int width);
  void SetDefaultRowHeight(int height);

  // The user moved the current cell (by mouse or keyboard).
  std::function<void()> OnClick;

 private:
  bool IsFixed(int col, int row) const { return col < fixedCols_ || row < fixedRows_; }
  void CommitEditor();
  int fixedCols_;
  int fixedRows_;
  bool movingByProgram_ = false;
};

class TColorGrid : public QWidget {
  Q_OBJECT
 public:
  explicit TColorGrid(QWidget* parent);

  // The sixteen colours as 0x00BBGGRR values, black first and white last.
  static unsigned IndexColor(int index);

  int ForegroundIndex() const { return foreground_; }
  int BackgroundIndex() const { return background_; }
  void SetForegroundIndex(int index);
  void SetBackgroundIndex(int index);
  unsigned ForegroundColor() const { return IndexColor(foreground_); }
  unsigned BackgroundColor() const { return IndexColor(background_); }

  // Either choice changed: by a click (left foreground, right background) or by the program.
  std::function<void()> OnChange;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QRect CellRect(int index) const;
  int foreground_ = 0;
  int background_ = 15;
};

}  // namespace platform
