#include "modeller/core/Handlers.h"

#include "platform/Canvas.h"

namespace modeller {

using platform::mbLeft;
using platform::ssDouble;
using platform::ssLeft;
using platform::ssShift;

// ---- Rubber shapes ----------------------------------------------------------------------------

void BeginRubberPen(platform::TCanvas& canvas) {
  canvas.Pen.Mode = platform::pmXor;
  canvas.Pen.Style = platform::psDot;
  canvas.Pen.Color = BackgroundColor;
}

void EndRubberPen(platform::TCanvas& canvas) {
  canvas.Pen.Mode = platform::pmCopy;
  canvas.Pen.Style = platform::psSolid;
  canvas.Pen.Color = NormalColor;
}

void DrawBoxShape(platform::TCanvas& canvas, int x1, int y1, int x2, int y2) {
  DrawRectOutline(canvas, x1, y1, x2, y2);
}

void DrawLinkShape(platform::TCanvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.Polyline({{x2, y2}, {x1, y2}, {x1, y1}});
}

// ---- Select handler ---------------------------------------------------------------------------

namespace {

// A key command may delete the hit object while the mouse is still held; the object is then looked
// for by its address only.
bool InGraph(const TGraph& graph, const TObj* object) {
  if (object == nullptr) return false;
  for (int i = 0; i < graph.NodeCount(); ++i)
    if (graph.Nodes(i) == object) return true;
  for (int i = 0; i < graph.EdgeCount(); ++i)
    if (graph.Edges(i) == object) return true;
  return false;
}

}  // namespace

void TSelectHandler::MouseDown(TGraph& graph, TMouseButton button, TShiftState shift, int x, int y) {
  if (button != mbLeft) return;
  PressOn(graph, button, shift, x, y);
  if ((shift & ssDouble) != 0 && graph.Canvas() != nullptr) EndRubberPen(*graph.Canvas());
}

void TSelectHandler::PressOn(TGraph& graph, TMouseButton button, TShiftState shift, int x, int y) {
  HitObject = graph.ObjectAt(x, y);
  Moved = false;
  StartX = CurrentX = x;
  StartY = CurrentY = y;
  if (HitObject == nullptr) {
    State = stRubberBand;
    if (graph.Canvas() != nullptr) BeginRubberPen(*graph.Canvas());
    return;
  }
  if ((shift & ssShift) == 0 && !HitObject->Selected()) graph.DeselectAll();
  HitObject->SetSelected(true);
  if (graph.SelectedCount() == 1) {
    State = stDragObject;
    HitObject->MouseDown(button, shift, x, y);
  } else {
    State = stMoveSelection;
    Ghost = graph.GetSelectionBounds();
  }
}

void TSelectHandler::MouseMove(TGraph& graph, TShiftState shift, int x, int y) {
  switch (State) {
    case stRubberBand:
      DrawRubberBand(graph);
      CurrentX = x;
      CurrentY = y;
      DrawRubberBand(graph);
      break;
    case stMoveSelection: {
      int dx = CoordinateDistance(CurrentX, x);
      int dy = CoordinateDistance(CurrentY, y);
      CurrentX = x;
      CurrentY = y;
      if (Moved) {
        DrawGhost(graph);
      } else {
        Moved = true;
        if (platform::TCanvas* canvas = graph.Canvas()) {
          canvas->Pen.Mode = platform::pmXor;
          canvas->Pen.Color = GhostColor;
        }
      }
      Ghost = {ShiftCoordinate(Ghost.Left, dx), ShiftCoordinate(Ghost.Top, dy),
               ShiftCoordinate(Ghost.Right, dx), ShiftCoordinate(Ghost.Bottom, dy)};
      DrawGhost(graph);
      break;
    }
    case stDragObject:
      if ((shift & ssLeft) != 0 && InGraph(graph, HitObject)) HitObject->MouseMove(shift, x, y);
      break;
    default:
      break;
  }
}

void TSelectHandler::MouseUp(TGraph& graph, TMouseButton button, TShiftState shift, int x, int y) {
  if (button != mbLeft) return;
  switch (State) {
    case stRubberBand:
      EndRubberBand(graph, shift);
      break;
    case stMoveSelection:
      EndMove(graph, shift);
      break;
    case stDragObject:
      if (InGraph(graph, HitObject)) HitObject->MouseUp(button, shift, x, y);
      break;
    default:
      return;
  }
  State = stIdle;
}

void TSelectHandler::EndRubberBand(TGraph& graph, TShiftState shift) {
  DrawRubberBand(graph);
  if (graph.Canvas() != nullptr) EndRubberPen(*graph.Canvas());
  int left = StartX, top = StartY, right = CurrentX, bottom = CurrentY;
  OrderRect(left, top, right, bottom);
  if ((shift & ssShift) == 0) graph.DeselectAll();
  graph.SelectInRect(left, top, right, bottom);
  graph.RedrawAll();
}

// A click on one member of a multiple selection, without moving, selects that member alone.
void TSelectHandler::EndMove(TGraph& graph, TShiftState shift) {
  if (Moved) {
    DrawGhost(graph);
    if (platform::TCanvas* canvas = graph.Canvas()) {
      canvas->Pen.Mode = platform::pmCopy;
      canvas->Pen.Color = NormalColor;
    }
  } else if ((shift & ssShift) == 0 && InGraph(graph, HitObject)) {
    graph.DeselectAll();
    HitObject->SetSelected(true);
  }
  graph.MoveSelection(CoordinateDistance(StartX, CurrentX), CoordinateDistance(StartY, CurrentY));
}

void TSelectHandler::DrawRubberBand(TGraph& graph) const {
  if (platform::TCanvas* canvas = graph.Canvas()) DrawRectOutline(*canvas, StartX, StartY, CurrentX, CurrentY);
}

void TSelectHandler::DrawGhost(TGraph& graph) const {
  if (platform::TCanvas* canvas = graph.Canvas())
    DrawRectOutline(*canvas, Ghost.Left, Ghost.Top, Ghost.Right, Ghost.Bottom);
}

// ---- Creation handlers ------------------------------------------------------------------------

void TCreateHandler::MouseDown(TGraph& graph, TMouseButton button, TShiftState, int x, int y) {
  if (button != mbLeft) return;
  StartX = CurrentX = x;
  StartY = CurrentY = y;
  dragging_ = true;
  if (graph.Canvas() != nullptr) BeginRubberPen(*graph.Canvas());
}

void TCreateHandler::MouseMove(TGraph& graph, TShiftState shift, int x, int y) {
  if (!dragging_ || (shift & ssLeft) == 0) return;
  DrawShapeOn(graph);
  CurrentX = x;
  CurrentY = y;
  DrawShapeOn(graph);
}

void TCreateHandler::MouseUp(TGraph& graph, TMouseButton button, TShiftState, int, int) {
  if (button != mbLeft || !dragging_) return;
  dragging_ = false;
  DrawShapeOn(graph);
  if (graph.Canvas() != nullptr) EndRubberPen(*graph.Canvas());
  try {
    CreateObject(graph, StartX, StartY, CurrentX, CurrentY);
  } catch (...) {
    if (OnCreate) OnCreate(this);
    throw;
  }
  if (OnCreate) OnCreate(this);
  graph.RedrawAll();
}

void TCreateHandler::DrawShapeOn(TGraph& graph) {
  if (platform::TCanvas* canvas = graph.Canvas()) DrawShape(*canvas, StartX, StartY, CurrentX, CurrentY);
}

}  // namespace modeller
