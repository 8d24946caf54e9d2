#pragma once
// Geometry of the diagram: the fixed-capacity point list of a route and the segment and rectangle
// tests that hit testing and rubber-band selection use.
#include <vector>

#include "modeller/core/Storage.h"
#include "platform/Graphics.h"

namespace platform {
class TCanvas;
}

namespace modeller {

using platform::TPoint;
using platform::TRect;

// Coordinates stay within this bound, so sums and differences of two of them never overflow.
inline constexpr int MaxCoordinate = 1 << 28;

// Value moved by a distance, held within the coordinate bound.
int ShiftCoordinate(int value, long long distance);
bool CoordinateInRange(long long value);
int ClampCoordinate(long long value);
// to - from, held within twice the coordinate bound.
int CoordinateDistance(int from, int to);

// Up to 256 points, read and written as a fixed array of them that starts all (0, 0): a point
// past the count keeps what was last set there. Only the part up to the highest point set is held,
// so a diagram of many short routes costs little memory.
class TPoints {
 public:
  static constexpr int Capacity = 256;

  int Count() const { return count_; }
  void Clear() { count_ = 0; }
  // An index outside the array leaves the point as it was.
  void GetPoint(int index, TPoint& point) const;
  TPoint Point(int index) const;  // the point at index, (0, 0) outside the array
  // An index outside the array is ignored.
  void SetPoint(int index, const TPoint& point);
  // Raise ERangeError when the list is full or the index lies outside 0..Count.
  void Insert(int index, const TPoint& point);
  void Add(const TPoint& point) { Insert(count_, point); }
  void Delete(int index);  // ERangeError outside 0..Count-1
  void Assign(const TPoints& other);

  void Draw(platform::TCanvas& canvas) const;  // one polyline with the canvas's pen
  bool HitTest(int x, int y) const;
  bool IntersectsRect(int left, int top, int right, int bottom) const;
  // The rectangle spanned by the points.
  TRect GetBounds() const;
  std::vector<TPoint> ToVector() const;

 private:
  // Makes the held part reach at least size points.
  void Hold(int size);
  std::vector<TPoint> points_;
  int count_ = 0;
};

// A band 2 pixels wide around the segment.
TRect SegmentRect(const TPoint& p1, const TPoint& p2);
// Half-open: left <= x < right and top <= y < bottom.
bool PointInRect(int x, int y, const TRect& rect);
bool PointOnSegment(const TPoint& point, const TPoint& p1, const TPoint& p2);
// The rectangle, its right and bottom lines included, meets the area of the segment's band.
bool SegmentMeetsRect(const TRect& rect, const TPoint& p1, const TPoint& p2);
// The rectangle, its right and bottom lines included, meets the area left..right-1, top..bottom-1.
bool RectMeetsArea(const TRect& rect, const TRect& area);
void OrderRect(int& left, int& top, int& right, int& bottom);
void DrawRectOutline(platform::TCanvas& canvas, int x1, int y1, int x2, int y2);
inline bool PointsEqual(const TPoint& a, const TPoint& b) { return a.X == b.X && a.Y == b.Y; }

}  // namespace modeller
