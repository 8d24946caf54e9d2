#include "modeller/core/Misc.h"

#include <algorithm>

#include "platform/Canvas.h"

namespace modeller {

bool CoordinateInRange(long long value) { return value >= -MaxCoordinate && value <= MaxCoordinate; }

int ClampCoordinate(long long value) {
  return static_cast<int>(std::clamp<long long>(value, -MaxCoordinate, MaxCoordinate));
}

int CoordinateDistance(int from, int to) {
  long long distance = static_cast<long long>(to) - from;
  return static_cast<int>(std::clamp<long long>(distance, -2LL * MaxCoordinate, 2LL * MaxCoordinate));
}

int ShiftCoordinate(int value, long long distance) {
  return ClampCoordinate(std::clamp<long long>(distance, -4LL * MaxCoordinate, 4LL * MaxCoordinate) + value);
}

void TPoints::Hold(int size) {
  if (static_cast<size_t>(size) > points_.size()) points_.resize(static_cast<size_t>(size));
}

void TPoints::GetPoint(int index, TPoint& point) const {
  if (index < 0 || index >= Capacity) return;
  point = static_cast<size_t>(index) < points_.size() ? points_[static_cast<size_t>(index)] : TPoint{};
}

TPoint TPoints::Point(int index) const {
  TPoint point;
  GetPoint(index, point);
  return point;
}

void TPoints::SetPoint(int index, const TPoint& point) {
  if (index < 0 || index >= Capacity) return;
  Hold(index + 1);
  points_[static_cast<size_t>(index)] = point;
}

void TPoints::Insert(int index, const TPoint& point) {
  if (count_ >= Capacity || index < 0 || index > count_) throw ERangeError();
  Hold(count_ + 1);
  for (int i = count_; i > index; --i) points_[static_cast<size_t>(i)] = points_[static_cast<size_t>(i - 1)];
  points_[static_cast<size_t>(index)] = point;
  ++count_;
}

void TPoints::Delete(int index) {
  if (index < 0 || index >= count_) throw ERangeError();
  for (int i = index; i < count_ - 1; ++i) points_[static_cast<size_t>(i)] = points_[static_cast<size_t>(i + 1)];
  --count_;
}

void TPoints::Assign(const TPoints& other) {
  Hold(other.count_);
  std::copy_n(other.points_.begin(), other.count_, points_.begin());
  count_ = other.count_;
}

std::vector<TPoint> TPoints::ToVector() const {
  return std::vector<TPoint>(points_.begin(), points_.begin() + count_);
}

void TPoints::Draw(platform::TCanvas& canvas) const {
  canvas.Polyline(std::span<const TPoint>(points_.data(), static_cast<size_t>(count_)));
}

bool TPoints::HitTest(int x, int y) const {
  for (int i = 0; i + 1 < count_; ++i)
    if (PointOnSegment({x, y}, points_[static_cast<size_t>(i)], points_[static_cast<size_t>(i + 1)])) return true;
  return false;
}

bool TPoints::IntersectsRect(int left, int top, int right, int bottom) const {
  for (int i = 0; i + 1 < count_; ++i)
    if (SegmentMeetsRect({left, top, right, bottom}, points_[static_cast<size_t>(i)],
                         points_[static_cast<size_t>(i + 1)]))
      return true;
  return false;
}

// Spanned by the first two points, then widened by the others; one point gives an empty
// rectangle at it, none an empty rectangle at the origin.
TRect TPoints::GetBounds() const {
  if (count_ == 0) return {};
  TPoint first = points_[0];
  TPoint second = count_ > 1 ? points_[1] : first;
  TRect bounds{first.X, first.Y, second.X, second.Y};
  OrderRect(bounds.Left, bounds.Top, bounds.Right, bounds.Bottom);
  for (int i = 2; i < count_; ++i) {
    const TPoint& point = points_[static_cast<size_t>(i)];
    bounds.Left = std::min(bounds.Left, point.X);
    bounds.Top = std::min(bounds.Top, point.Y);
    bounds.Right = std::max(bounds.Right, point.X);
    bounds.Bottom = std::max(bounds.Bottom, point.Y);
  }
  return bounds;
}

TRect SegmentRect(const TPoint& p1, const TPoint& p2) {
  if (p2.X == p1.X) return {p1.X - 1, std::min(p1.Y, p2.Y), p1.X + 1, std::max(p1.Y, p2.Y)};
  return {std::min(p1.X, p2.X), p1.Y - 1, std::max(p1.X, p2.X), p1.Y + 1};
}

bool PointInRect(int x, int y, const TRect& rect) {
  return rect.Left <= x && x < rect.Right && rect.Top <= y && y < rect.Bottom;
}

bool PointOnSegment(const TPoint& point, const TPoint& p1, const TPoint& p2) {
  return PointInRect(point.X, point.Y, SegmentRect(p1, p2));
}

bool RectMeetsArea(const TRect& rect, const TRect& area) {
  return area.Left < area.Right && area.Top < area.Bottom && rect.Left <= area.Right - 1 &&
         area.Left <= rect.Right && rect.Top <= area.Bottom - 1 && area.Top <= rect.Bottom;
}

bool SegmentMeetsRect(const TRect& rect, const TPoint& p1, const TPoint& p2) {
  return RectMeetsArea(rect, SegmentRect(p1, p2));
}

void OrderRect(int& left, int& top, int& right, int& bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
}

void DrawRectOutline(platform::TCanvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.Polyline({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}});
}

}  // namespace modeller
