#include "platform/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QString>

namespace platform {

namespace {

QColor ToQColor(TColor color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); }

QString ToQString(const std::string& text) {
  QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  if (decoded.contains(QChar::ReplacementCharacter))
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  return decoded;
}

QFont ToQFont(const TFont& font) {
  QFont result(QString::fromStdString(font.Name));
  result.setPixelSize(qMax(1, (font.Size * 96 + 36) / 72));
  result.setBold(font.Bold);
  result.setItalic(font.Italic);
  result.setUnderline(font.Underline);
  result.setStrikeOut(font.StrikeOut);
  // Without smoothing, text drawn again in the background colour erases it to the last pixel.
  result.setStyleStrategy(QFont::NoAntialias);
  return result;
}

QPainter::CompositionMode ToComposition(TPenMode mode) {
  switch (mode) {
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case pmCopy: break;
  }
  return QPainter::CompositionMode_SourceOver;
}

QPen ToQPen(const TPen& pen) {
  QPen result(ToQColor(pen.Color));
  result.setWidth(pen.Width <= 1 ? 0 : pen.Width);
  result.setCosmetic(pen.Width <= 1);
  if (pen.Style == psDot) result.setDashPattern({1, 1});
  result.setCapStyle(Qt::SquareCap);
  result.setJoinStyle(Qt::MiterJoin);
  return result;
}

}  // namespace

struct TCanvas::Impl {
  int width = 1, height = 1;
  // Until the first drawing the picture is all `blankColor` and `image` is not made.
  bool blank = true;
  TColor blankColor = clWhite;
  QImage image;

  QImage& Drawn() {
    if (blank) {
      image = QImage(width, height, QImage::Format_RGB32);
      image.fill(ToQColor(blankColor));
      blank = false;
    }
    return image;
  }
};

TCanvas::TCanvas(int width, int height) : impl_(std::make_unique<Impl>()) {
  impl_->width = qMax(1, width);
  impl_->height = qMax(1, height);
}

TCanvas::~TCanvas() = default;

int TCanvas::Width() const { return impl_->width; }
int TCanvas::Height() const { return impl_->height; }

void TCanvas::SetSize(int width, int height) {
  width = qMax(1, width);
  height = qMax(1, height);
  if (width == Width() && height == Height()) return;
  if (impl_->blank && impl_->blankColor == clWhite) {
    impl_->width = width;
    impl_->height = height;
    Changed();
    return;
  }
  QImage resized(width, height, QImage::Format_RGB32);
  resized.fill(Qt::white);
  QPainter painter(&resized);
  painter.drawImage(0, 0, impl_->Drawn());
  painter.end();
  impl_->image = resized;
  impl_->width = width;
  impl_->height = height;
  Changed();
}

void TCanvas::Clear(TColor color) {
  if (impl_->blank) {
    impl_->blankColor = color;
  } else {
    impl_->image.fill(ToQColor(color));
  }
  Changed();
}

void TCanvas::MoveTo(int x, int y) { penPos_ = {x, y}; }

void TCanvas::LineTo(int x, int y) {
  Polyline({penPos_, {x, y}});
  penPos_ = {x, y};
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  if (points.size() < 2) return;
  QPolygon polygon;
  for (const TPoint& point : points) polygon << QPoint(point.X, point.Y);
  QPainter painter(&impl_->Drawn());
  painter.setCompositionMode(ToComposition(Pen.Mode));
  painter.setPen(ToQPen(Pen));
  painter.drawPolyline(polygon);
  painter.end();
  Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  QPainter painter(&impl_->Drawn());
  painter.setCompositionMode(ToComposition(Pen.Mode));
  if (Brush.Style == bsSolid) painter.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), ToQColor(Brush.Color));
  painter.setPen(ToQPen(Pen));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
  painter.end();
  Changed();
}

void TCanvas::FillRect(const TRect& rect) {
  if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
  QPainter painter(&impl_->Drawn());
  painter.fillRect(QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top),
                   ToQColor(Brush.Color));
  painter.end();
  Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.size() < 2) return;
  QPolygon polygon;
  for (const TPoint& point : points) polygon << QPoint(point.X, point.Y);
  QPainter painter(&impl_->Drawn());
  painter.setCompositionMode(ToComposition(Pen.Mode));
  if (Brush.Style == bsSolid) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(Brush.Color));
    painter.drawPolygon(polygon);
  }
  // Side by side: a joined outline can miss the pixel of a vertex after a slanted side.
  painter.setPen(ToQPen(Pen));
  for (qsizetype i = 0; i < polygon.size(); ++i) painter.drawLine(polygon[i], polygon[(i + 1) % polygon.size()]);
  painter.end();
  Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  QPainter painter(&impl_->Drawn());
  painter.setCompositionMode(ToComposition(Pen.Mode));
  painter.setPen(ToQPen(Pen));
  painter.setBrush(Brush.Style == bsSolid ? QBrush(ToQColor(Brush.Color)) : QBrush(Qt::NoBrush));
  painter.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
  painter.end();
  Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  QPainter painter(&impl_->Drawn());
  QFont font = ToQFont(Font);
  painter.setFont(font);
  QString shown = ToQString(text);
  QFontMetrics metrics(font);
  QRect box(x, y, metrics.horizontalAdvance(shown), metrics.height());
  if (Brush.Style == bsSolid) painter.fillRect(box, ToQColor(Brush.Color));
  painter.setPen(ToQColor(Font.Color));
  painter.drawText(QPoint(x, y + metrics.ascent()), shown);
  painter.end();
  Changed();
}

int TCanvas::TextWidth(const std::string& text) const {
  return QFontMetrics(ToQFont(Font)).horizontalAdvance(ToQString(text));
}

int TCanvas::TextHeight(const std::string&) const {
  return QFontMetrics(ToQFont(Font)).height();
}

TColor TCanvas::Pixels(int x, int y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return clWhite;
  TColor blank = impl_->blankColor;
  if (impl_->blank) return RGB(GetRValue(blank), GetGValue(blank), GetBValue(blank));
  QRgb pixel = impl_->image.pixel(x, y);
  return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

const QImage& TCanvas::Image() const { return impl_->Drawn(); }

bool TCanvas::IsBlank(TColor& color) const {
  if (impl_->blank) color = impl_->blankColor;
  return impl_->blank;
}

void TCanvas::Changed() {
  if (OnChange) OnChange();
}

}  // namespace platform
