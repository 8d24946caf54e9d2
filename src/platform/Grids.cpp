#include "platform/Grids.h"
#include "platform/HandlerGuard.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <array>

namespace platform {

TStringGrid::TStringGrid(QWidget* parent, int colCount, int rowCount, int fixedCols, int fixedRows)
    : QTableWidget(rowCount, colCount, parent), fixedCols_(fixedCols), fixedRows_(fixedRows) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setEditTriggers(QAbstractItemView::AllEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setTabKeyNavigation(true);
  for (int row = 0; row < rowCount; ++row)
    for (int col = 0; col < colCount; ++col) {
      auto* item = new QTableWidgetItem();
      if (IsFixed(col, row)) {
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(palette().button());
      }
      setItem(row, col, item);
    }
  if (colCount > fixedCols_ && rowCount > fixedRows_) setCurrentCell(fixedRows_, fixedCols_);
  Connect(this, &QTableWidget::currentCellChanged, this, [this](int, int, int, int) {
    if (!movingByProgram_ && OnClick) OnClick();
  });
}

std::string TStringGrid::Cells(int col, int row) const {
  const QTableWidgetItem* cell = item(row, col);
  return cell == nullptr ? std::string() : cell->text().toStdString();
}

void TStringGrid::SetCells(int col, int row, const std::string& text) {
  if (QTableWidgetItem* cell = item(row, col)) cell->setText(QString::fromStdString(text));
}

// A cell being typed in holds its text in the editor until it is committed; the program reads
// cells after moving, so the typed text must be in the cell first.
// Re-entering the current cell commits its open editor (and opens a fresh one on the new text).
void TStringGrid::CommitEditor() {
  if (state() == QAbstractItemView::EditingState) currentChanged(currentIndex(), currentIndex());
}

void TStringGrid::SetCol(int col) {
  CommitEditor();
  movingByProgram_ = true;
  setCurrentCell(std::max(currentRow(), fixedRows_), col);
  movingByProgram_ = false;
}

void TStringGrid::SetDefaultColWidth(int width) {
  for (int col = 0; col < columnCount(); ++col) setColumnWidth(col, width);
}

void TStringGrid::SetDefaultRowHeight(int height) {
  for (int row = 0; row < rowCount(); ++row) setRowHeight(row, height);
}

namespace {

constexpr std::array<unsigned, 16> kGridColors = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};
constexpr int kColumns = 8;
constexpr int kRows = 2;

QColor ToQColor(unsigned color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

}  // namespace

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent) {}

unsigned TColorGrid::IndexColor(int index) {
  return index >= 0 && index < static_cast<int>(kGridColors.size()) ? kGridColors[index] : 0;
}

void TColorGrid::SetForegroundIndex(int index) {
  if (index == foreground_ || index < 0 || index >= 16) return;
  foreground_ = index;
  update();
  if (OnChange) OnChange();
}

void TColorGrid::SetBackgroundIndex(int index) {
  if (index == background_ || index < 0 || index >= 16) return;
  background_ = index;
  update();
  if (OnChange) OnChange();
}

QRect TColorGrid::CellRect(int index) const {
  int w = width() / kColumns;
  int h = height() / kRows;
  return QRect((index % kColumns) * w, (index / kColumns) * h, w, h);
}

void TColorGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (int i = 0; i < 16; ++i) {
    QRect cell = CellRect(i);
    painter.fillRect(cell, ToQColor(kGridColors[i]));
    painter.setPen(Qt::gray);
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
    QColor mark = ToQColor(kGridColors[15 - i]);
    painter.setPen(mark);
    if (i == foreground_) painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop, " FG");
    if (i == background_) painter.drawText(cell, Qt::AlignRight | Qt::AlignBottom, "BG ");
  }
}

void TColorGrid::mousePressEvent(QMouseEvent* event) {
  for (int i = 0; i < 16; ++i) {
    if (!CellRect(i).contains(event->position().toPoint())) continue;
    if (event->button() == Qt::LeftButton) HandleEvent([&] { SetForegroundIndex(i); });
    else if (event->button() == Qt::RightButton) HandleEvent([&] { SetBackgroundIndex(i); });
    return;
  }
}

}  // namespace platform
