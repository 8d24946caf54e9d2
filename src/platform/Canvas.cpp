#include "platform/Canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QRawFont>
#include <QString>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <utility>
#include <optional>
#include <unordered_map>

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
  // Hinted glyphs drawn without smoothing can fill their whole advance and touch their
  // neighbours; unhinted ones keep their side bearings and, laid out on whole pixels (LaidOut),
  // even gaps. Without kerning a text is as wide as its characters together.
  result.setStyleStrategy(QFont::NoAntialias);
  result.setHintingPreference(QFont::PreferNoHinting);
  result.setKerning(false);
  return result;
}

// A line of text with every glyph advance rounded to whole pixels, so the glyphs keep the gaps
// they were designed with, and its width by the same advances.
struct TLaidText {
  QList<QGlyphRun> runs;  // baseline at y = the font's ascent
  int width = 0;
};

TLaidText LaidOut(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  TLaidText laid{line.glyphRuns(), 0};
  struct Glyph {
    qreal x, advance;
    QPointF* position;
  };
  std::vector<QList<QPointF>> positions;  // filled whole first: the glyphs point into it
  std::vector<Glyph> glyphs;
  for (const QGlyphRun& run : laid.runs) positions.push_back(run.positions());
  for (qsizetype r = 0; r < laid.runs.size(); ++r) {
    const QGlyphRun& run = laid.runs[r];
    QList<QPointF> advances = run.rawFont().advancesForGlyphIndexes(run.glyphIndexes());
    QList<QPointF>& at = positions[static_cast<size_t>(r)];
    for (qsizetype i = 0; i < at.size(); ++i) glyphs.push_back({at[i].x(), advances.value(i).x(), &at[i]});
  }
  // Runs of fallback fonts interleave along the line: the glyphs are rounded in the line's order.
  std::stable_sort(glyphs.begin(), glyphs.end(), [](const Glyph& a, const Glyph& b) { return a.x < b.x; });
  qreal shift = 0;
  for (const Glyph& glyph : glyphs) {
    glyph.position->setX(std::round(glyph.x + shift));
    shift += std::round(glyph.advance) - glyph.advance;
  }
  for (qsizetype r = 0; r < laid.runs.size(); ++r) laid.runs[r].setPositions(positions[static_cast<size_t>(r)]);
  laid.width = static_cast<int>(std::lround(line.horizontalAdvance() + shift));
  return laid;
}

bool SameFace(const TFont& a, const TFont& b) {
  return a.Name == b.Name && a.Size == b.Size && a.Bold == b.Bold && a.Italic == b.Italic &&
         a.Underline == b.Underline && a.StrikeOut == b.StrikeOut;
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

QPolygon ToQPolygon(std::span<const TPoint> points) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const TPoint& point : points) polygon << QPoint(point.X, point.Y);
  return polygon;
}

// The smallest rectangle holding the points, the points on its last row and column included.
QRect BoundsOf(std::span<const TPoint> points) {
  int left = points.front().X, top = points.front().Y, right = left, bottom = top;
  for (const TPoint& point : points) {
    left = std::min(left, point.X);
    right = std::max(right, point.X);
    top = std::min(top, point.Y);
    bottom = std::max(bottom, point.Y);
  }
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Where a pen's line can leave ink around the shape it draws.
QRect Widened(const QRect& shape, const TPen& pen) {
  int reach = std::max(1, pen.Width) + 1;
  return shape.adjusted(-reach, -reach, reach, reach);
}

// Most text measurements kept for one font, enough for the texts of a model of some 70,000 classes;
// beyond this the kept ones are dropped and measured again.
constexpr size_t kMeasuredTexts = 1 << 18;
// Farther than any picture reaches.
constexpr long long kFarthestReach = 1 << 29;
// The largest scratch picture drawing is done on whole, in pixels; a larger shape is drawn cut.
constexpr long long kLargestScratch = 1 << 22;

// The steps from `from`, one pixel each along the side to `to`, that lie within the rectangle.
std::pair<int, int> StepsWithin(QPoint from, QPoint to, const QRect& within) {
  auto range = [](int start, int direction, int low, int high) {
    return direction > 0 ? std::pair{low - start, high - start} : std::pair{start - high, start - low};
  };
  if (from.y() == to.y()) {
    if (from.y() < within.top() || from.y() > within.bottom()) return {1, 0};
    return range(from.x(), to.x() - from.x(), within.left(), within.right());
  }
  if (from.x() < within.left() || from.x() > within.right()) return {1, 0};
  return range(from.y(), to.y() - from.y(), within.top(), within.bottom());
}

// A dotted line sets every pixel an even number of steps along it from its first point, its corners
// counted once. Cut at the edge of the image, it would begin its dots anew there: so the part of
// each side within the image is drawn as a line of its own that begins on a dot.
void DrawDottedSidesWithin(QPainter& painter, std::span<const TPoint> points, const QRect& within) {
  long long before = 0;  // steps along the line up to the side's first point
  for (size_t i = 0; i + 1 < points.size(); ++i) {
    QPoint from(points[i].X, points[i].Y);
    QPoint to(points[i + 1].X, points[i + 1].Y);
    int length = std::abs(to.x() - from.x()) + std::abs(to.y() - from.y());
    QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
    auto [first, last] = StepsWithin(from, to, within);
    first = std::max(first, i == 0 ? 0 : 1);  // a corner belongs to the side before it
    last = std::min(last, length);
    if ((before + first) % 2 != 0) ++first;
    if (first == last)
      painter.drawPoint(from + step * first);
    else if (first < last)
      painter.drawLine(from + step * first, from + step * last);
    before += length;
  }
}

// Whether a line of the shape runs neither across nor down (with the closing line of a polygon).
bool HasSlantedSide(const QPolygon& shape, bool closed) {
  qsizetype sides = closed ? shape.size() : shape.size() - 1;
  for (qsizetype i = 0; i < sides; ++i) {
    QPoint from = shape[i];
    QPoint to = shape[(i + 1) % shape.size()];
    if (from.x() != to.x() && from.y() != to.y()) return true;
  }
  return false;
}

}  // namespace

QRect ToQRect(const TRect& rect) { return QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1)); }
TRect ToTRect(const QRect& rect) { return {rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1}; }

struct TCanvas::Impl {
  int width = 1, height = 1;
  QRect kept{0, 0, 1, 1};  // the part of the picture the image holds
  QRect clip{0, 0, 1, 1};  // where drawing reaches, within `kept`
  // Until the first drawing the picture is all `blankColor` and `image` is not made.
  bool blank = true;
  TColor blankColor = clWhite;
  QImage image;

  // The font last drawn or measured with, its line height and widest character, and the widths of
  // texts measured in it.
  TFont face;
  QFont font;
  std::optional<QFontMetrics> metrics;
  int lineHeight = 0;
  int widest = 0;
  std::unordered_map<std::string, int> widths;

  QRect Picture() const { return QRect(0, 0, width, height); }

  QImage& Drawn() {
    if (blank) {
      image = QImage(kept.size(), QImage::Format_RGB32);
      image.fill(ToQColor(blankColor));
      blank = false;
    }
    return image;
  }

  // Holds only `part`; the pixels of the old image inside it stay, the rest is white.
  void KeepPart(const QRect& part) {
    if (!blank) {
      QImage moved(part.size(), QImage::Format_RGB32);
      moved.fill(Qt::white);
      if (!part.isEmpty()) {
        QPainter painter(&moved);
        painter.drawImage(kept.topLeft() - part.topLeft(), image);
      }
      image = moved;
    }
    kept = part;
    clip = part;
  }

  bool Reaches(const QRect& extent) const { return extent.intersects(clip); }

  // Draws in picture coordinates within the clip rectangle.
  template <class Draw>
  void PaintClipped(const Draw& draw) {
    QPainter painter(&Drawn());
    painter.translate(-kept.topLeft());
    if (clip != kept) painter.setClipRect(clip);
    draw(painter);
  }

  // A slanted line or a curve cut at the edge of the clip rectangle takes other pixels along its
  // length than the same line drawn whole. Such drawing is done whole on a scratch picture of its
  // extent, holding the pixels kept there, and the part within the clip rectangle is copied back.
  template <class Draw>
  void PaintWhole(const QRect& extent, const Draw& draw) {
    QRect area = extent & Picture();
    if (clip.contains(area) || static_cast<long long>(area.width()) * area.height() > kLargestScratch)
      return PaintClipped(draw);
    QImage scratch(area.size(), QImage::Format_RGB32);
    scratch.fill(Qt::white);
    QPainter painter(&scratch);
    painter.drawImage(kept.topLeft() - area.topLeft(), Drawn());
    painter.translate(-area.topLeft());
    draw(painter);
    painter.end();
    QRect target = area & clip;
    QPainter back(&image);
    back.drawImage(target.topLeft() - kept.topLeft(), scratch, QRect(target.topLeft() - area.topLeft(), target.size()));
  }

  const QFontMetrics& MetricsOf(const TFont& wanted) {
    if (!metrics || !SameFace(face, wanted)) {
      face = wanted;
      font = ToQFont(wanted);
      metrics.emplace(font);
      lineHeight = metrics->height();
      // A character from a fallback font may be wider than the font's widest.
      widest = std::max(metrics->maxWidth(), 2 * lineHeight);
      widths.clear();
    }
    return *metrics;
  }

  // As wide as the text's characters could be, with a margin of one line height on both sides.
  int TextReach(const std::string& text, const TFont& wanted) {
    MetricsOf(wanted);
    long long reach = static_cast<long long>(widest) * static_cast<long long>(text.size() + 1) + 2LL * lineHeight;
    return static_cast<int>(std::min<long long>(reach, kFarthestReach));
  }

  // Every pixel a text can reach: its line with a margin of one line height around it.
  QRect TextExtent(int x, int y, const std::string& text, const TFont& wanted) {
    int reach = TextReach(text, wanted);
    return QRect(x - lineHeight, y - lineHeight, reach, 3 * lineHeight);
  }
};

TCanvas::TCanvas(int width, int height) : impl_(std::make_unique<Impl>()) {
  impl_->width = qMax(1, width);
  impl_->height = qMax(1, height);
  impl_->kept = impl_->clip = impl_->Picture();
}

TCanvas::~TCanvas() = default;

int TCanvas::Width() const { return impl_->width; }
int TCanvas::Height() const { return impl_->height; }

void TCanvas::SetSize(int width, int height) {
  width = qMax(1, width);
  height = qMax(1, height);
  if (width == Width() && height == Height()) return;
  bool keepsWhole = impl_->kept == impl_->Picture();
  if (impl_->blank && impl_->blankColor != clWhite) impl_->Drawn();  // the new area turns white
  impl_->width = width;
  impl_->height = height;
  impl_->KeepPart(keepsWhole ? impl_->Picture() : impl_->kept & impl_->Picture());
  Changed();
}

TRect TCanvas::KeptArea() const { return ToTRect(impl_->kept); }

void TCanvas::Keep(const TRect& area) {
  QRect part = ToQRect(area) & impl_->Picture();
  if (part == impl_->kept) return;
  impl_->KeepPart(part);
  Changed();
}

TRect TCanvas::ClipRect() const { return ToTRect(impl_->clip); }

void TCanvas::SetClipRect(const TRect& area) { impl_->clip = ToQRect(area) & impl_->kept; }

bool TCanvas::Shows(const TRect& area) const { return impl_->Reaches(ToQRect(area)); }

void TCanvas::Clear(TColor color) {
  if (impl_->clip == impl_->kept && impl_->blank) {
    impl_->blankColor = color;
  } else if (impl_->clip == impl_->kept) {
    impl_->image.fill(ToQColor(color));
  } else if (!impl_->clip.isEmpty()) {
    impl_->PaintClipped([&](QPainter& painter) { painter.fillRect(impl_->clip, ToQColor(color)); });
  }
  Changed();
}

template <class Draw>
void TCanvas::Paint(const QRect& extent, bool wholeOnly, const Draw& draw) {
  if (!impl_->Reaches(extent)) return;
  if (wholeOnly)
    impl_->PaintWhole(extent, draw);
  else
    impl_->PaintClipped(draw);
  Changed();
}

void TCanvas::MoveTo(int x, int y) { penPos_ = {x, y}; }

void TCanvas::LineTo(int x, int y) {
  Polyline({penPos_, {x, y}});
  penPos_ = {x, y};
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  QRect bounds = BoundsOf(points);
  QRect extent = Widened(bounds, Pen);
  if (!impl_->Reaches(extent)) return;
  QPolygon polygon = ToQPolygon(points);
  bool slanted = HasSlantedSide(polygon, false);
  // A dotted line cut at the edge of the image would begin its dots anew there.
  bool dotsCut = Pen.Style == psDot && !slanted && !impl_->kept.contains(bounds) && impl_->Picture().contains(bounds);
  Paint(extent, slanted, [&](QPainter& painter) {
    painter.setCompositionMode(ToComposition(Pen.Mode));
    painter.setPen(ToQPen(Pen));
    if (dotsCut)
      DrawDottedSidesWithin(painter, points, impl_->kept);
    else
      painter.drawPolyline(polygon);
  });
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  QRect shape(x1, y1, x2 - x1, y2 - y1);
  Paint(Widened(shape, Pen), false, [&](QPainter& painter) {
    painter.setCompositionMode(ToComposition(Pen.Mode));
    if (Brush.Style == bsSolid) painter.fillRect(shape, ToQColor(Brush.Color));
    painter.setPen(ToQPen(Pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
  });
}

void TCanvas::FillRect(const TRect& rect) {
  if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
  QRect shape = ToQRect(rect);
  Paint(shape, false, [&](QPainter& painter) { painter.fillRect(shape, ToQColor(Brush.Color)); });
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.size() < 2) return;
  QRect extent = Widened(BoundsOf(points), Pen);
  if (!impl_->Reaches(extent)) return;
  QPolygon polygon = ToQPolygon(points);
  Paint(extent, HasSlantedSide(polygon, true), [&](QPainter& painter) {
    painter.setCompositionMode(ToComposition(Pen.Mode));
    if (Brush.Style == bsSolid) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(ToQColor(Brush.Color));
      painter.drawPolygon(polygon);
    }
    // Side by side: a joined outline can miss the pixel of a vertex after a slanted side.
    painter.setPen(ToQPen(Pen));
    for (qsizetype i = 0; i < polygon.size(); ++i) painter.drawLine(polygon[i], polygon[(i + 1) % polygon.size()]);
  });
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  Paint(Widened(QRect(x1, y1, x2 - x1, y2 - y1), Pen), true, [&](QPainter& painter) {
    painter.setCompositionMode(ToComposition(Pen.Mode));
    painter.setPen(ToQPen(Pen));
    painter.setBrush(Brush.Style == bsSolid ? QBrush(ToQColor(Brush.Color)) : QBrush(Qt::NoBrush));
    painter.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
  });
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  QRect extent = impl_->TextExtent(x, y, text, Font);
  Paint(extent, false, [&](QPainter& painter) {
    const QFontMetrics& metrics = impl_->MetricsOf(Font);
    TLaidText laid = LaidOut(ToQString(text), impl_->font);
    QRect box(x, y, laid.width, metrics.height());
    if (Brush.Style == bsSolid) painter.fillRect(box, ToQColor(Brush.Color));
    painter.setPen(ToQColor(Font.Color));
    for (const QGlyphRun& run : laid.runs) painter.drawGlyphRun(QPointF(x, y), run);
  });
}

// A diagram measures the same few texts at every redraw: each is measured once per font.
int TCanvas::TextWidth(const std::string& text) const {
  impl_->MetricsOf(Font);
  auto found = impl_->widths.find(text);
  if (found != impl_->widths.end()) return found->second;
  if (impl_->widths.size() >= kMeasuredTexts) impl_->widths.clear();
  int width = LaidOut(ToQString(text), impl_->font).width;
  impl_->widths.emplace(text, width);
  return width;
}

int TCanvas::TextReach(const std::string& text) const { return impl_->TextReach(text, Font); }

int TCanvas::TextHeight(const std::string&) const {
  impl_->MetricsOf(Font);
  return impl_->lineHeight;
}

TColor TCanvas::Pixels(int x, int y) const {
  if (!impl_->kept.contains(x, y)) return clWhite;
  TColor blank = impl_->blankColor;
  if (impl_->blank) return RGB(GetRValue(blank), GetGValue(blank), GetBValue(blank));
  QRgb pixel = impl_->image.pixel(x - impl_->kept.x(), y - impl_->kept.y());
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
