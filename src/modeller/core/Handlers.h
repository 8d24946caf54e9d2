#pragma once
// The interaction handlers of the diagram: the select handler (select, rubber band, move, drag one
// object) and the base of the creation handlers, which draw a rubber shape while the mouse is
// dragged and make their diagram object when it is released.
#include <cstdint>
#include <functional>

#include "modeller/core/GraphObj.h"

namespace platform {
class TCanvas;
}

namespace modeller {

// What the select handler is doing between a mouse-down and its mouse-up.
enum TSelectState : std::uint8_t {
  stIdle = 0,
  stRubberBand = 1,
  stDragObject = 2,  // one object through its manipulator
  stMoveSelection = 3,
};

class TSelectHandler : public THandler {
 public:
  using THandler::THandler;

  TObj* HitObject = nullptr;  // the object under the mouse-down point
  bool Moved = false;         // the move ghost is on the screen
  std::uint8_t State = stIdle;
  TRect Ghost;
  int StartX = 0;
  int StartY = 0;
  int CurrentX = 0;
  int CurrentY = 0;

  void MouseDown(TGraph& graph, TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TGraph& graph, TShiftState shift, int x, int y) override;
  void MouseUp(TGraph& graph, TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  void PressOn(TGraph& graph, TMouseButton button, TShiftState shift, int x, int y);
  void DrawRubberBand(TGraph& graph) const;
  void DrawGhost(TGraph& graph) const;
  void EndRubberBand(TGraph& graph, TShiftState shift);
  void EndMove(TGraph& graph, TShiftState shift);
};

// Base of the nine creation handlers: a left-button drag draws the handler's rubber shape; the
// release removes it, makes the object from the drag start to the drag end and fires OnCreate,
// also when the object was refused.
class TCreateHandler : public THandler {
 public:
  using THandler::THandler;

  int StartX = 0;
  int StartY = 0;
  int CurrentX = 0;
  int CurrentY = 0;
  std::function<void(THandler*)> OnCreate;

  void MouseDown(TGraph& graph, TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TGraph& graph, TShiftState shift, int x, int y) override;
  void MouseUp(TGraph& graph, TMouseButton button, TShiftState shift, int x, int y) override;

  virtual void DrawShape(platform::TCanvas& canvas, int x1, int y1, int x2, int y2) = 0;
  virtual void CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) = 0;

 private:
  void DrawShapeOn(TGraph& graph);
  bool dragging_ = false;  // a left-button press started here and has not been released
};

// The rubber shapes: a box's outline, and the route a new link takes from (x1, y1) to (x2, y2).
void DrawBoxShape(platform::TCanvas& canvas, int x1, int y1, int x2, int y2);
void DrawLinkShape(platform::TCanvas& canvas, int x1, int y1, int x2, int y2);

// Rubber shapes invert what lies under them (XOR with white), dotted, so they show on the white
// diagram and vanish when drawn a second time.
void BeginRubberPen(platform::TCanvas& canvas);
void EndRubberPen(platform::TCanvas& canvas);

}  // namespace modeller
