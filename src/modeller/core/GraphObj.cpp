#include "modeller/core/GraphObj.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>

#include "platform/Canvas.h"
#include "platform/PaintBox.h"
#include "platform/Timer.h"

namespace modeller {

namespace {

int ReadCoordinate(TRider& rider) {
  int value = rider.ReadInteger();
  if (!CoordinateInRange(value)) throw ERiderReadError("Coordinate out of range!");
  return value;
}

TPoint Shifted(const TPoint& point, int dx, int dy) {
  return {ShiftCoordinate(point.X, dx), ShiftCoordinate(point.Y, dy)};
}

platform::TCanvas* CanvasOf(const TObj& object) {
  return object.Graph() != nullptr ? object.Graph()->Canvas() : nullptr;
}

// The face decides every text's size, so every box's.
bool SameFace(const platform::TFont& a, const platform::TFont& b) {
  return a.Name == b.Name && a.Size == b.Size && a.Bold == b.Bold && a.Italic == b.Italic &&
         a.Underline == b.Underline && a.StrikeOut == b.StrikeOut;
}

// One step of a well-mixing 64-bit generator: every bit of the input reaches every bit of the output.
unsigned long long Mixed(unsigned long long value) {
  value += 0x9e3779b97f4a7c15ULL;
  value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
  value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
  return value ^ (value >> 31);
}

// How long drawing the objects read may hold up the program before it looks at its input again.
constexpr auto kSettleSlice = std::chrono::milliseconds(20);

}  // namespace

// ---- Geometry digest --------------------------------------------------------------------------

void TGeometryDigest::Add(long long value) {
  state_ = Mixed(state_ ^ static_cast<unsigned long long>(value));
  ++count_;
}

void TGeometryDigest::Add(const void* object) { Add(static_cast<long long>(reinterpret_cast<std::uintptr_t>(object))); }

void TGeometryDigest::Add(const TRect& rect) {
  for (int value : {rect.Left, rect.Top, rect.Right, rect.Bottom}) Add(value);
}

// ---- Manipulation ----------------------------------------------------------------------------

void BeginManipulation(TManipulator& manipulator, TObj& object, int x, int y) {
  manipulator.BeginDrag(object, x, y);
  manipulator.Moved = false;
  manipulator.StartX = manipulator.LastX = x;
  manipulator.StartY = manipulator.LastY = y;
}

void TrackManipulation(TManipulator& manipulator, TObj& object, int x, int y) {
  int dx = CoordinateDistance(manipulator.LastX, x);
  int dy = CoordinateDistance(manipulator.LastY, y);
  manipulator.LastX = x;
  manipulator.LastY = y;
  platform::TCanvas* canvas = CanvasOf(object);
  if (manipulator.Moved) {
    if (canvas != nullptr) manipulator.Draw(*canvas);
  } else {
    manipulator.Moved = true;
    if (canvas != nullptr) {
      canvas->Pen.Mode = platform::pmXor;
      canvas->Pen.Color = GhostColor;
    }
  }
  manipulator.MoveBy(dx, dy);
  if (canvas != nullptr) manipulator.Draw(*canvas);
}

void EndManipulation(TManipulator& manipulator, TObj& object) {
  platform::TCanvas* canvas = CanvasOf(object);
  if (manipulator.Moved && canvas != nullptr) {
    manipulator.Draw(*canvas);
    canvas->Pen.Mode = platform::pmCopy;
    canvas->Pen.Color = NormalColor;
  }
  manipulator.EndDrag(object, CoordinateDistance(manipulator.StartX, manipulator.LastX),
                      CoordinateDistance(manipulator.StartY, manipulator.LastY));
}

// ---- Handlers ---------------------------------------------------------------------------------

void THandler::Activate() {
  if (group_ != nullptr && group_->ActiveHandler() != this) {
    if (THandler* previous = group_->ActiveHandler()) previous->DoDeactivate();
    group_->SetActiveHandler(this);
  }
  if (OnActivate) OnActivate(this);
}

void THandler::DoDeactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

// ---- TGraph -----------------------------------------------------------------------------------

TGraph::TGraph(TStorable* owner) : TStorable(owner) {}

// Frees the objects without drawing: the canvas may already be gone, and whoever replaces the
// graph repaints the paint box.
TGraph::~TGraph() {
  canvas_ = nullptr;
  edges_.clear();
  nodes_.clear();
}

// Whatever draws on another canvas finds every object drawn on this one first.
void TGraph::SetCanvas(platform::TCanvas* canvas) {
  if (canvas == nullptr) return;
  SettleRead();
  canvas_ = canvas;
}

// The bound events hold a token of the graph's life, so a paint box that outlives the graph
// stops calling it.
void TGraph::SetPaintBox(platform::TPaintBox* paintBox) {
  if (paintBox == nullptr) return;
  SettleRead();
  paintBox_ = paintBox;
  canvas_ = paintBox->Canvas();
  std::weak_ptr<int> alive = alive_;
  paintBox->OnPaint = [this, alive] {
    if (!alive.expired()) RedrawAll();
  };
  paintBox->OnMouseDown = [this, alive](TMouseButton button, TShiftState shift, int x, int y) {
    if (!alive.expired()) PaintBoxMouseDown(button, shift, x, y);
  };
  paintBox->OnMouseMove = [this, alive](TShiftState shift, int x, int y) {
    if (!alive.expired()) PaintBoxMouseMove(shift, x, y);
  };
  paintBox->OnMouseUp = [this, alive](TMouseButton button, TShiftState shift, int x, int y) {
    if (!alive.expired()) PaintBoxMouseUp(button, shift, x, y);
  };
}

TNode* TGraph::Nodes(int index) const {
  if (index < 0 || index >= NodeCount()) return nullptr;
  return nodes_[static_cast<size_t>(index)].get();
}

TEdge* TGraph::Edges(int index) const {
  if (index < 0 || index >= EdgeCount()) return nullptr;
  return edges_[static_cast<size_t>(index)].get();
}

int TGraph::IndexOfNode(const TNode* node) const {
  for (int i = 0; i < NodeCount(); ++i)
    if (nodes_[static_cast<size_t>(i)].get() == node) return i;
  return -1;
}

int TGraph::IndexOfEdge(const TEdge* edge) const {
  for (int i = 0; i < EdgeCount(); ++i)
    if (edges_[static_cast<size_t>(i)].get() == edge) return i;
  return -1;
}

int TGraph::SelectedCount() const {
  auto selected = [](const auto& object) { return object->Selected(); };
  return static_cast<int>(std::count_if(nodes_.begin(), nodes_.end(), selected) +
                          std::count_if(edges_.begin(), edges_.end(), selected));
}

// The list grows before it takes the object, so a failure leaves the object with its maker.
namespace {

// Room for one more entry before it is added, so that taking ownership cannot fail half-way. The
// room doubles when it runs out, so a long run of additions costs linear time.
template <class List>
void ReserveOneMore(List& list) {
  if (list.size() == list.capacity()) list.reserve(std::max<size_t>(16, list.capacity() * 2));
}

}  // namespace

void TGraph::AddNode(TNode* node) {
  if (node == nullptr || node->graph_ != nullptr) throw EGraphError("Can not add a Node");
  try {
    ReserveOneMore(nodes_);
  } catch (const std::exception&) {
    throw EGraphError("Can not add a Node");
  }
  nodes_.emplace_back(node);
  node->graph_ = this;
  NewDrawingEra();
  Modified = true;
}

void TGraph::AddEdge(TEdge* edge) {
  if (edge == nullptr || edge->graph_ != nullptr) throw EGraphError("Can not add a Edge");
  try {
    ReserveOneMore(edges_);
  } catch (const std::exception&) {
    throw EGraphError("Can not add a Edge");
  }
  edges_.emplace_back(edge);
  edge->graph_ = this;
  edge->rank_ = nextEdgeRank_++;
  FileEdge(*edge);
  NewDrawingEra();
  Modified = true;
}

void TGraph::RemoveNode(TNode* node) {
  int index = IndexOfNode(node);
  if (index < 0) throw EGraphError("Can not remove a Node");
  node->SetVisible(false);
  // Its edges go with it; they leave the other nodes' lists while both ends still name theirs.
  while (!node->attachedEdges_.empty()) UnfileEdge(*node->attachedEdges_.back());
  nodes_.erase(nodes_.begin() + index);
  NewDrawingEra();
  Modified = true;
  for (int i = EdgeCount() - 1; i >= 0; --i) {
    TEdge* edge = Edges(i);
    if (edge->toNode_ == index || edge->fromNode_ == index) {
      RemoveEdge(edge);
      continue;
    }
    if (edge->toNode_ > index) --edge->toNode_;
    if (edge->fromNode_ > index) --edge->fromNode_;
  }
}

void TGraph::RemoveEdge(TEdge* edge) {
  int index = IndexOfEdge(edge);
  if (index < 0) throw EGraphError("Can not remove a Edge");
  edge->SetVisible(false);
  UnfileEdge(*edge);
  edges_.erase(edges_.begin() + index);
  NewDrawingEra();
  Modified = true;
}

void TGraph::RemoveAllNodes() {
  while (NodeCount() > 0) RemoveNode(Nodes(NodeCount() - 1));
}

void TGraph::RemoveAllEdges() {
  while (EdgeCount() > 0) RemoveEdge(Edges(EdgeCount() - 1));
}

void TGraph::Clear() {
  RemoveAllEdges();
  RemoveAllNodes();
}

void TGraph::TakeBack(int nodeCount, int edgeCount) {
  for (int i = edgeCount; i < EdgeCount(); ++i) UnfileEdge(*Edges(i));
  for (int i = nodeCount; i < NodeCount(); ++i)
    while (!Nodes(i)->attachedEdges_.empty()) UnfileEdge(*Nodes(i)->attachedEdges_.back());
  if (EdgeCount() > edgeCount) edges_.resize(static_cast<size_t>(edgeCount));
  if (NodeCount() > nodeCount) nodes_.resize(static_cast<size_t>(nodeCount));
  NewDrawingEra();
}

void TGraph::FileEdge(TEdge& edge) {
  UnfileEdge(edge);
  NewDrawingEra();
  TNode* ends[2] = {edge.ToNodeObject(), edge.FromNodeObject()};
  if (ends[1] == ends[0]) ends[1] = nullptr;
  for (int end = 0; end < 2; ++end) {
    if (ends[end] == nullptr) continue;
    std::vector<TEdge*>& attached = ends[end]->attachedEdges_;
    auto later = std::upper_bound(attached.begin(), attached.end(), edge.rank_,
                                  [](long long rank, const TEdge* other) { return rank < other->rank_; });
    attached.insert(later, &edge);
    edge.filedUnder_[end] = ends[end];
  }
}

void TGraph::UnfileEdge(TEdge& edge) {
  for (TNode*& node : edge.filedUnder_) {
    if (node == nullptr) continue;
    std::vector<TEdge*>& attached = node->attachedEdges_;
    auto filed = std::find(attached.begin(), attached.end(), &edge);
    if (filed != attached.end()) attached.erase(filed);
    node = nullptr;
  }
}

void TGraph::SelectInRect(int left, int top, int right, int bottom) {
  SettleRead();
  for (auto& node : nodes_)
    if (node->InRect(left, top, right, bottom)) node->SetSelected(true);
  for (auto& edge : edges_)
    if (edge->InRect(left, top, right, bottom)) edge->SetSelected(true);
}

void TGraph::SelectAll() {
  for (auto& node : nodes_) node->SetSelected(true);
  for (auto& edge : edges_) edge->SetSelected(true);
}

void TGraph::DeselectAll() {
  for (auto& node : nodes_) node->SetSelected(false);
  for (auto& edge : edges_) edge->SetSelected(false);
}

void TGraph::RedrawAll() {
  for (int i = 0; i < NodeCount(); ++i) Nodes(i)->Redraw();
  for (int i = 0; i < EdgeCount(); ++i) Edges(i)->Redraw();
}

void TGraph::SettleRead() {
  if (canvas_ != nullptr) SettleReadUntil(std::nullopt);  // nothing is drawn before there is a canvas
}

void TGraph::SettleSomeRead() {
  if (canvas_ != nullptr && !SettleReadUntil(std::chrono::steady_clock::now() + kSettleSlice)) SettleLater();
}

// In list order, nodes first, as a redraw of everything would.
bool TGraph::SettleReadUntil(std::optional<std::chrono::steady_clock::time_point> deadline) {
  auto settle = [&](TObj& object) {
    if (!object.readNotDrawn_) return true;
    object.RedrawNow();
    return !deadline || std::chrono::steady_clock::now() < *deadline;
  };
  for (int i = 0; i < NodeCount(); ++i)
    if (!settle(*Nodes(i))) return false;
  for (int i = 0; i < EdgeCount(); ++i)
    if (!settle(*Edges(i))) return false;
  return true;
}

void TGraph::SettleLater() {
  if (!settleTimer_) {
    settleTimer_ = std::make_unique<platform::TTimer>();
    settleTimer_->SetInterval(1);
    std::weak_ptr<int> alive = alive_;
    settleTimer_->OnTimer = [this, alive] {
      if (alive.expired()) return;
      settleTimer_->SetEnabled(false);
      SettleSomeRead();
    };
  }
  settleTimer_->SetEnabled(true);
}

long long TGraph::DrawingEra() {
  if (canvas_ != eraCanvas_ || !eraFont_ || !SameFace(*eraFont_, canvas_->Font)) {
    eraCanvas_ = canvas_;
    eraFont_ = std::make_unique<platform::TFont>(canvas_->Font);
    NewDrawingEra();
  }
  return drawingEra_;
}

bool TGraph::MaySkipRedraw(const TObj& object) {
  if (canvas_ == nullptr || !(object.readNotDrawn_ || object.Settled())) return false;
  if (object.RedrawShows(*canvas_)) return false;
  if (object.readNotDrawn_) SettleLater();
  return true;
}

void TGraph::Refresh() {
  if (paintBox_ == nullptr) throw EGraphError("PaintBox property is not assigned");
  paintBox_->Refresh();
}

TObj* TGraph::ObjectAt(int x, int y) const {
  for (const auto& node : nodes_)
    if (node->HitTest(x, y)) return node.get();
  for (const auto& edge : edges_)
    if (edge->HitTest(x, y)) return edge.get();
  return nullptr;
}

// Every coordinate of a cell goes to the cell's centre line, negative ones included, so snapping
// a snapped value changes nothing. A centre beyond the coordinate bound gives way to the centre
// of the neighbouring cell inside it.
void TGraph::SnapToGrid(int& value) const {
  long long cellStart = static_cast<long long>(value) - (((value % grid_) + grid_) % grid_);
  long long centre = cellStart + grid_ / 2;
  if (centre > MaxCoordinate) centre -= grid_;
  if (centre < -MaxCoordinate) centre += grid_;
  value = static_cast<int>(centre);
}

TRect TGraph::GetSelectionBounds() const {
  TRect bounds;
  bool any = false;
  auto unite = [&](const TObj& object) {
    if (!object.Selected()) return;
    TRect next = object.GetBounds();
    if (!any) {
      bounds = next;
      any = true;
      return;
    }
    bounds.Left = std::min(bounds.Left, next.Left);
    bounds.Top = std::min(bounds.Top, next.Top);
    bounds.Right = std::max(bounds.Right, next.Right);
    bounds.Bottom = std::max(bounds.Bottom, next.Bottom);
  };
  for (const auto& node : nodes_) unite(*node);
  for (const auto& edge : edges_) unite(*edge);
  return bounds;
}

TPoint TGraph::FarCorner() const {
  TPoint corner{0, 0};
  auto extend = [&corner](const TObj& object) {
    TRect bounds = object.GetBounds();
    corner.X = std::max(corner.X, bounds.Right);
    corner.Y = std::max(corner.Y, bounds.Bottom);
  };
  for (const auto& node : nodes_) extend(*node);
  for (const auto& edge : edges_) extend(*edge);
  return corner;
}

// Every box and every edge moves before any of them is drawn again. A box that sizes itself when
// drawn pulls the ends of its edges that no longer lie on it; drawn before its edges had moved, it
// would pull them once and their own move would carry them a second time.
void TGraph::MoveSelection(int dx, int dy) {
  SettleRead();
  std::vector<TNode*> moved;
  for (int i = 0; i < NodeCount(); ++i) {
    TNode* node = Nodes(i);
    if (!node->Selected()) continue;
    node->Erase();
    node->MoveBy(dx, dy);
    moved.push_back(node);
    Modified = true;
  }
  for (int i = 0; i < EdgeCount(); ++i) {
    Edges(i)->Erase();
    Edges(i)->MoveBy(dx, dy);
  }
  // Noting the geometry each drawing leaves as it found it spares the second round the objects out
  // of sight that it would not change.
  for (TNode* node : moved) node->RedrawNoting([node] { node->Draw(); });
  for (int i = 0; i < EdgeCount(); ++i) {
    TEdge* edge = Edges(i);
    edge->RedrawNoting([edge] { edge->Draw(); });
  }
  RedrawAll();
}

void TGraph::DeleteSelection() {
  SettleRead();
  for (int i = NodeCount() - 1; i >= 0; --i)
    if (Nodes(i)->Selected()) RemoveNode(Nodes(i));
  for (int i = EdgeCount() - 1; i >= 0; --i)
    if (Edges(i)->Selected()) RemoveEdge(Edges(i));
  RedrawAll();
}

// The clipboard gets the selected nodes, then copies of the edges between two of them whose node
// indexes count within the copied nodes.
void TGraph::CopySelection() {
  if (SelectedCount() > MaxCopiedObjects) throw EGraphError("Too many objects are selected!");
  SettleRead();
  TClipBoardRider& clipboard = ClipBoardRider();
  clipboard.Clear();
  std::vector<int> copiedNodes;
  for (int i = 0; i < NodeCount(); ++i) {
    if (!Nodes(i)->Selected()) continue;
    clipboard.WriteObject(Nodes(i));
    copiedNodes.push_back(i);
  }
  auto positionOf = [&](int nodeIndex) {
    auto found = std::find(copiedNodes.begin(), copiedNodes.end(), nodeIndex);
    return found == copiedNodes.end() ? -1 : static_cast<int>(found - copiedNodes.begin());
  };
  for (const auto& edge : edges_) {
    TNode* to = edge->ToNodeObject();
    TNode* from = edge->FromNodeObject();
    if (to == nullptr || from == nullptr || !to->Selected() || !from->Selected()) continue;
    TRider scratch;
    scratch.WriteObject(edge.get());
    scratch.Reset();
    std::unique_ptr<TStorable> copy(scratch.ReadObject());
    auto* copiedEdge = dynamic_cast<TEdge*>(copy.get());
    if (copiedEdge == nullptr) throw EGraphError("Can not add a Edge");
    copiedEdge->toNode_ = positionOf(edge->ToNode());
    copiedEdge->fromNode_ = positionOf(edge->FromNode());
    clipboard.WriteObject(copiedEdge);
  }
}

void TGraph::CutSelection() {
  CopySelection();
  DeleteSelection();
}

TObj* TGraph::ReadGraphObject(TRider& rider, int firstNode) {
  int nodesBefore = NodeCount();
  int edgesBefore = EdgeCount();
  rider.SetOwner(this);
  TStorable* read = nullptr;
  try {
    read = rider.ReadObject();
  } catch (...) {
    TakeBack(nodesBefore, edgesBefore);
    throw;
  }
  auto* object = dynamic_cast<TObj*>(read);
  if (object == nullptr || object->Graph() != this) {
    if (!read->HeldByOwner()) delete read;
    TakeBack(nodesBefore, edgesBefore);
    throw ERiderReadError("Object is not part of a diagram!");
  }
  if (auto* edge = dynamic_cast<TEdge*>(object)) {
    int available = NodeCount() - firstNode;
    auto names = [available](int index) { return index >= 0 && index < available; };
    if (!names(edge->toNode_) || !names(edge->fromNode_)) {
      TakeBack(nodesBefore, edgesBefore);
      throw ERiderReadError("Edge refers to a missing node!");
    }
    edge->toNode_ += firstNode;
    edge->fromNode_ += firstNode;
    if (!edge->EndsFit(*edge->ToNodeObject(), *edge->FromNodeObject())) {
      TakeBack(nodesBefore, edgesBefore);
      throw ERiderReadError("Edge joins nodes of the wrong kind!");
    }
    FileEdge(*edge);
  }
  object->readNotDrawn_ = true;
  return object;
}

void TGraph::ReadIntoGraph(TRider& rider, int count, int firstNode) {
  for (int i = 0; i < count; ++i) {
    TObj* object = ReadGraphObject(rider, firstNode);
    object->SetSelected(true);
    Modified = true;
  }
}

void TGraph::PasteClipboard() {
  DeselectAll();
  int nodesBefore = NodeCount();
  int edgesBefore = EdgeCount();
  TClipBoardRider& clipboard = ClipBoardRider();
  clipboard.Reset();
  clipboard.Graph = this;
  try {
    ReadIntoGraph(clipboard.Rider(), clipboard.Count(), nodesBefore);
  } catch (...) {
    TakeBack(nodesBefore, edgesBefore);
    if (paintBox_ != nullptr) paintBox_->Refresh();
    throw;
  }
  Refresh();
}

void TGraph::SaveDesignPattern(const std::string& fileName) {
  SettleRead();
  TFileRider rider(fileName, rmWrite);
  rider.WriteInteger(NodeCount() + EdgeCount());
  for (const auto& node : nodes_) rider.WriteObject(node.get());
  for (const auto& edge : edges_) rider.WriteObject(edge.get());
  rider.Save();
}

void TGraph::InsertDesignPattern(const std::string& fileName) {
  TFileRider rider(fileName, rmRead);
  InsertDesignPattern(rider);
}

void TGraph::InsertDesignPattern(TRider& rider) {
  DeselectAll();
  int nodesBefore = NodeCount();
  int edgesBefore = EdgeCount();
  try {
    int count = ReadCount(rider, INT32_MAX);
    ReadIntoGraph(rider, count, nodesBefore);
  } catch (...) {
    TakeBack(nodesBefore, edgesBefore);
    if (paintBox_ != nullptr) paintBox_->Refresh();
    throw;
  }
  Modified = true;
  Refresh();
}

void TGraph::Dispatch(const std::function<void(THandler&)>& call) {
  try {
    if (handlerGroup_ == nullptr || handlerGroup_->ActiveHandler() == nullptr)
      throw EGraphError("HandlerGroup Error!");
    call(*handlerGroup_->ActiveHandler());
  } catch (...) {
    throw EGraphError("HandlerGroup Error!");
  }
}

// A hand on the diagram meets every object where its drawing puts it.
void TGraph::PaintBoxMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  SettleRead();
  SnapToGrid(x);
  SnapToGrid(y);
  Dispatch([&](THandler& handler) { handler.MouseDown(*this, button, shift, x, y); });
}

void TGraph::PaintBoxMouseMove(TShiftState shift, int x, int y) {
  SnapToGrid(x);
  SnapToGrid(y);
  if ((shift & (platform::ssLeft | platform::ssRight | platform::ssMiddle)) == 0) return;
  Dispatch([&](THandler& handler) { handler.MouseMove(*this, shift, x, y); });
}

void TGraph::PaintBoxMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  SettleRead();
  SnapToGrid(x);
  SnapToGrid(y);
  Dispatch([&](THandler& handler) { handler.MouseUp(*this, button, shift, x, y); });
}

// The file holds every object where drawing puts it, those read and not drawn yet included.
void TGraph::Store(TRider& rider) const {
  const_cast<TGraph*>(this)->SettleRead();
  TStorable::Store(rider);
  rider.WriteInteger(NodeCount());
  for (const auto& node : nodes_) rider.WriteObject(node.get());
  rider.WriteInteger(EdgeCount());
  for (const auto& edge : edges_) rider.WriteObject(edge.get());
}

// Objects join the graph while they are read; one that fails half-way is taken back, the ones
// before it stay.
void TGraph::Load(TRider& rider) {
  TStorable::Load(rider);
  for (int list = 0; list < 2; ++list) {
    int count = ReadCount(rider, INT32_MAX);
    for (int i = 0; i < count; ++i) ReadGraphObject(rider, 0);
  }
}

// ---- TObj -------------------------------------------------------------------------------------

TObj::~TObj() = default;

platform::TCanvas* TObj::Canvas() const { return graph_ != nullptr ? graph_->Canvas() : nullptr; }

void TObj::SetVisible(bool visible) {
  if (visible == visible_) return;
  Erase();
  visible_ = visible;
  Draw();
}

void TObj::SetSelected(bool selected) {
  if (selected == selected_) return;
  if (graph_ != nullptr && graph_->MaySkipRedraw(*this)) {
    selected_ = selected;
    return;
  }
  RedrawNoting([&] {
    Erase();
    selected_ = selected;
    Draw();
  });
}

void TObj::Erase() {
  settledEra_ = -1;
  PaintErased();
}

void TObj::Draw() {
  readNotDrawn_ = false;
  SnapToGrid();
  PaintVisible();
}

void TObj::DigestGeometry(TGeometryDigest&) const {}

void TObj::RedrawNoting(const std::function<void()>& redraw) {
  TGeometryDigest before, after;
  long long era = graph_ != nullptr && Canvas() != nullptr ? graph_->DrawingEra() : -1;
  if (era >= 0) DigestGeometry(before);
  redraw();
  if (era < 0 || before.Empty() || graph_->DrawingEra() != era) return;
  DigestGeometry(after);
  if (after.Value() != before.Value()) return;
  settled_ = after.Value();
  settledEra_ = era;
}

bool TObj::Settled() const {
  if (settledEra_ < 0 || settledEra_ != graph_->DrawingEra()) return false;
  TGeometryDigest now;
  DigestGeometry(now);
  return now.Value() == settled_;
}

bool TObj::InSight(const platform::TCanvas&) const { return true; }

void TObj::PaintErased() {
  platform::TCanvas* canvas = Canvas();
  if (canvas == nullptr) return;
  canvas->Pen.Color = canvas->Font.Color = BackgroundColor;
  if (InSight(*canvas)) Paint();
  canvas->Pen.Color = canvas->Font.Color = NormalColor;
}

void TObj::PaintVisible() {
  platform::TCanvas* canvas = Canvas();
  if (canvas == nullptr || !visible_) return;
  canvas->Pen.Color = canvas->Font.Color = selected_ ? SelectedColor : NormalColor;
  if (InSight(*canvas)) Paint();
  canvas->Pen.Color = canvas->Font.Color = NormalColor;
}

void TObj::Redraw() {
  if (graph_ == nullptr || !graph_->MaySkipRedraw(*this)) RedrawNow();
}

void TObj::RedrawNow() {
  RedrawNoting([&] {
    Erase();
    Draw();
  });
}

void TObj::Snap(int& value) const {
  if (graph_ != nullptr) graph_->SnapToGrid(value);
}

void TObj::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
  if ((shift & platform::ssLeft) && (shift & platform::ssDouble) && OnDblClick) OnDblClick(this);
  if (button != platform::mbLeft) return;
  if (!manipulator_) manipulator_ = CreateManipulator();
  BeginManipulation(*manipulator_, *this, x, y);
}

void TObj::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
  if ((shift & platform::ssLeft) && manipulator_) TrackManipulation(*manipulator_, *this, x, y);
}

void TObj::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == platform::mbLeft && manipulator_) {
    std::unique_ptr<TManipulator> ending = std::move(manipulator_);
    EndManipulation(*ending, *this);
  }
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

// ---- Nodes ------------------------------------------------------------------------------------

void TNode::JoinOwner() {
  if (auto* graph = dynamic_cast<TGraph*>(Owner())) graph->AddNode(this);
}

bool TNode::RedrawShows(const platform::TCanvas& canvas) const {
  if (InSight(canvas)) return true;
  return std::any_of(attachedEdges_.begin(), attachedEdges_.end(),
                     [&](const TEdge* edge) { return edge->InSight(canvas); });
}

// The node's drawing sizes it and makes the ends of its edges follow, against their far ends.
void TNode::DigestGeometry(TGeometryDigest& digest) const {
  digest.Add(GetBounds());
  for (const TEdge* edge : attachedEdges_) {
    digest.Add(edge);
    edge->DigestGeometry(digest);
    for (const TNode* end : {edge->ToNodeObject(), edge->FromNodeObject()})
      if (end != nullptr && end != this) digest.Add(end->GetBounds());
  }
}

void TRectangularNode::Store(TRider& rider) const {
  TNode::Store(rider);
  rider.WriteInteger(Left);
  rider.WriteInteger(Top);
  rider.WriteInteger(Right);
  rider.WriteInteger(Bottom);
}

void TRectangularNode::Load(TRider& rider) {
  TNode::Load(rider);
  Left = ReadCoordinate(rider);
  Top = ReadCoordinate(rider);
  Right = ReadCoordinate(rider);
  Bottom = ReadCoordinate(rider);
}

void TRectangularNode::Paint() {
  if (platform::TCanvas* canvas = Canvas())
    canvas->Polyline({{Left, Top}, {Right, Top}, {Right, Bottom}, {Left, Bottom}, {Left, Top}});
}

void TRectangularNode::MoveBy(int dx, int dy) {
  Left = ShiftCoordinate(Left, dx);
  Right = ShiftCoordinate(Right, dx);
  Top = ShiftCoordinate(Top, dy);
  Bottom = ShiftCoordinate(Bottom, dy);
}

void TRectangularNode::SnapToGrid() {
  Snap(Left);
  Snap(Top);
  Snap(Right);
  Snap(Bottom);
}

bool TRectangularNode::HitTest(int x, int y) const {
  return Left <= x && x <= Right && Top <= y && y <= Bottom;
}

bool TRectangularNode::InRect(int left, int top, int right, int bottom) const {
  return RectMeetsArea({left, top, right, bottom}, GetBounds());
}

std::unique_ptr<TManipulator> TRectangularNode::CreateManipulator() {
  return std::make_unique<TRectangularNodeManipulator>();
}

void TRectangularNode::Place(int x1, int y1, int x2, int y2) {
  Left = ClampCoordinate(x1);
  Top = ClampCoordinate(y1);
  Right = ClampCoordinate(x2);
  Bottom = ClampCoordinate(y2);
}

TRect TRectangularNode::GetBounds() const { return {Left, Top, Right, Bottom}; }

void TRectangularNode::ClipToBorder(const TEdge&, TPoint& p, TPoint& q) const {
  if (q.X == p.X)
    p.Y = q.Y < p.Y ? Top : Bottom;
  else
    p.X = q.X < p.X ? Left : Right;
}

void TRectangularNode::SetBounds(int left, int top, int right, int bottom) {
  int dRight = CoordinateDistance(Right, ClampCoordinate(right));
  int dBottom = CoordinateDistance(Bottom, ClampCoordinate(bottom));
  Place(left, top, right, bottom);
  if (Graph() == nullptr) return;
  const std::vector<TEdge*>& attached = AttachedEdges();
  for (size_t i = 0; i < attached.size(); ++i) {
    auto* edge = dynamic_cast<TOrthogonalEdge*>(attached[i]);
    if (edge == nullptr || edge->PointCount() == 0) continue;
    if (edge->ToNodeObject() == this) FollowBounds(*edge, true, dRight, dBottom);
    if (edge->FromNodeObject() == this) FollowBounds(*edge, false, dRight, dBottom);
  }
}

// An end outside the new bounds moves with the right and bottom sides; when the box has shrunk
// past it, it moves on to the nearest point of the box, so it never stays off the border.
void TRectangularNode::FollowBounds(TOrthogonalEdge& edge, bool toEnd, int dRight, int dBottom) {
  auto end = [&] { return edge.Points.Point(toEnd ? 0 : edge.PointCount() - 1); };
  auto moveEnd = [&](int dx, int dy) { toEnd ? edge.MoveToEnd(dx, dy) : edge.MoveFromEnd(dx, dy); };
  edge.Erase();
  if (!HitTest(end().X, end().Y)) {
    moveEnd(dRight, dBottom);
    TPoint moved = end();
    if (!HitTest(moved.X, moved.Y))
      moveEnd(std::clamp(moved.X, Left, std::max(Left, Right)) - moved.X,
              std::clamp(moved.Y, Top, std::max(Top, Bottom)) - moved.Y);
  }
  edge.Normalize();
  edge.Draw();
}

void TRectangularNodeManipulator::BeginDrag(TObj& object, int, int) { Ghost = object.GetBounds(); }

void TRectangularNodeManipulator::Draw(platform::TCanvas& canvas) {
  DrawRectOutline(canvas, Ghost.Left, Ghost.Top, Ghost.Right, Ghost.Bottom);
}

void TRectangularNodeManipulator::MoveBy(int dx, int dy) {
  Ghost.Left = ShiftCoordinate(Ghost.Left, dx);
  Ghost.Right = ShiftCoordinate(Ghost.Right, dx);
  Ghost.Top = ShiftCoordinate(Ghost.Top, dy);
  Ghost.Bottom = ShiftCoordinate(Ghost.Bottom, dy);
}

void TRectangularNodeManipulator::EndDrag(TObj& object, int dx, int dy) {
  if (object.Graph() != nullptr) object.Graph()->MoveSelection(dx, dy);
}

// ---- Edges ------------------------------------------------------------------------------------

void TEdge::JoinOwner() {
  if (auto* graph = dynamic_cast<TGraph*>(Owner())) graph->AddEdge(this);
}

void TEdge::CheckNodeIndex(int index) const {
  if (Graph() == nullptr || index < 0 || index >= Graph()->NodeCount())
    throw EEdgeError("Index out of Nodes Bounds");
}

void TEdge::SetToNode(int index) {
  if (index == toNode_) return;
  CheckNodeIndex(index);
  toNode_ = index;
  EndsChanged();
}

void TEdge::SetFromNode(int index) {
  if (index == fromNode_) return;
  CheckNodeIndex(index);
  fromNode_ = index;
  EndsChanged();
}

void TEdge::EndsChanged() {
  if (Graph() != nullptr) Graph()->FileEdge(*this);
}

TNode* TEdge::ToNodeObject() const { return Graph() != nullptr ? Graph()->Nodes(toNode_) : nullptr; }
TNode* TEdge::FromNodeObject() const { return Graph() != nullptr ? Graph()->Nodes(fromNode_) : nullptr; }

void TEdge::Store(TRider& rider) const {
  TObj::Store(rider);
  rider.WriteInteger(toNode_);
  rider.WriteInteger(fromNode_);
}

void TEdge::Load(TRider& rider) {
  TObj::Load(rider);
  toNode_ = rider.ReadInteger();
  fromNode_ = rider.ReadInteger();
}

bool TEdge::EndsFit(const TNode&, const TNode&) const { return true; }

void TEdge::Place(int x1, int y1, int x2, int y2) {
  if (Graph() == nullptr) return;
  if (auto* node = dynamic_cast<TNode*>(Graph()->ObjectAt(x2, y2))) toNode_ = Graph()->IndexOfNode(node);
  if (auto* node = dynamic_cast<TNode*>(Graph()->ObjectAt(x1, y1))) fromNode_ = Graph()->IndexOfNode(node);
  EndsChanged();
}

void TOrthogonalEdge::Store(TRider& rider) const {
  TEdge::Store(rider);
  rider.WriteInteger(Points.Count());
  for (int i = 0; i < Points.Count(); ++i) {
    rider.WriteInteger(Points.Point(i).X);
    rider.WriteInteger(Points.Point(i).Y);
  }
}

void TOrthogonalEdge::Load(TRider& rider) {
  TEdge::Load(rider);
  int count = ReadCount(rider, TPoints::Capacity);
  Points.Clear();
  for (int i = 0; i < count; ++i) {
    int x = ReadCoordinate(rider);
    int y = ReadCoordinate(rider);
    Points.Add({x, y});
  }
}

void TOrthogonalEdge::Paint() {
  if (platform::TCanvas* canvas = Canvas()) Points.Draw(*canvas);
}

void TOrthogonalEdge::MoveBy(int dx, int dy) {
  TNode* to = ToNodeObject();
  TNode* from = FromNodeObject();
  bool toSelected = to != nullptr && to->Selected();
  bool fromSelected = from != nullptr && from->Selected();
  if (toSelected && fromSelected)
    MoveAllPoints(dx, dy);
  else if (toSelected)
    MoveToEnd(dx, dy);
  else if (fromSelected)
    MoveFromEnd(dx, dy);
}

void TOrthogonalEdge::SnapToGrid() {
  for (int i = 0; i < Points.Count(); ++i) {
    TPoint point = Points.Point(i);
    Snap(point.X);
    Snap(point.Y);
    Points.SetPoint(i, point);
  }
}

bool TOrthogonalEdge::HitTest(int x, int y) const { return Points.HitTest(x, y); }

bool TOrthogonalEdge::InRect(int left, int top, int right, int bottom) const {
  return Points.IntersectsRect(left, top, right, bottom);
}

std::unique_ptr<TManipulator> TOrthogonalEdge::CreateManipulator() {
  return std::make_unique<TOrthogonalEdgeManipulator>();
}

void TOrthogonalEdge::Place(int x1, int y1, int x2, int y2) {
  TEdge::Place(x1, y1, x2, y2);
  Route(x1, y1, x2, y2);
}

void TOrthogonalEdge::Route(int x1, int y1, int x2, int y2) {
  x1 = ClampCoordinate(x1);
  y1 = ClampCoordinate(y1);
  x2 = ClampCoordinate(x2);
  y2 = ClampCoordinate(y2);
  Points.Clear();
  Points.Add({x2, y2});
  Points.Add({x1, y2});
  Points.Add({x1, y1});
  Normalize();
}

TRect TOrthogonalEdge::GetBounds() const { return Points.GetBounds(); }

// The route's lines, widened by the pen and what the edge paints around them.
bool TOrthogonalEdge::InSight(const platform::TCanvas& canvas) const {
  if (Points.Count() < 2) return false;
  TRect route = Points.GetBounds();
  int reach = canvas.Pen.Width + 1 + Reach(canvas);
  return canvas.Shows({route.Left - reach, route.Top - reach, route.Right + 1 + reach, route.Bottom + 1 + reach});
}

int TOrthogonalEdge::Reach(const platform::TCanvas&) const { return 0; }

void TOrthogonalEdge::DigestGeometry(TGeometryDigest& digest) const {
  digest.Add(ToNodeObject());
  digest.Add(FromNodeObject());
  digest.Add(Points.Count());
  for (int i = 0; i < Points.Count(); ++i) {
    digest.Add(Points.Point(i).X);
    digest.Add(Points.Point(i).Y);
  }
}

bool TOrthogonalEdge::InNode(const TNode* node, const TPoint& point) const {
  return node->HitTest(point.X, point.Y);
}

void TOrthogonalEdge::Normalize() {
  for (int i = 1; i <= Points.Count() - 3;) {
    if (PointsEqual(Points.Point(i), Points.Point(i + 1))) {
      Points.Delete(i);
      Points.Delete(i);
    } else {
      ++i;
    }
  }
  if (Points.Count() < 2) return;
  TNode* to = ToNodeObject();
  TNode* from = FromNodeObject();
  // An end is trimmed only while the far end lies outside its node, so an edge from a node to
  // itself keeps its route.
  if (to != nullptr && !InNode(to, Points.Point(Points.Count() - 1)))
    while (Points.Count() > 1 && InNode(to, Points.Point(1))) Points.Delete(0);
  if (from != nullptr && !InNode(from, Points.Point(0)))
    while (Points.Count() > 1 && InNode(from, Points.Point(Points.Count() - 2))) Points.Delete(Points.Count() - 1);
  if (Points.Count() < 2) return;
  if (to != nullptr) {
    TPoint end = Points.Point(0);
    TPoint neighbour = Points.Point(1);
    to->ClipToBorder(*this, end, neighbour);
    Points.SetPoint(0, end);
    Points.SetPoint(1, neighbour);
  }
  if (from != nullptr) {
    int last = Points.Count() - 1;
    TPoint end = Points.Point(last);
    TPoint neighbour = Points.Point(last - 1);
    from->ClipToBorder(*this, end, neighbour);
    Points.SetPoint(last, end);
    Points.SetPoint(last - 1, neighbour);
  }
}

// A full route takes no spare corner; it needs none, since its far end lies beyond point 1.
void TOrthogonalEdge::InsertSpareCorner(int at, int from) {
  if (Points.Count() >= TPoints::Capacity) return;
  Points.Insert(at, Points.Point(from));
}

// The end moves; its neighbour follows across so the end segment stays axis-parallel.
void TOrthogonalEdge::FollowEnd(TPoint& end, TPoint& neighbour, int dx, int dy) {
  bool vertical = end.X == neighbour.X;
  end = Shifted(end, dx, dy);
  if (vertical)
    neighbour.X = ShiftCoordinate(neighbour.X, dx);
  else
    neighbour.Y = ShiftCoordinate(neighbour.Y, dy);
}

void TOrthogonalEdge::MoveToEnd(int dx, int dy) {
  if (Points.Count() == 0) return;
  InsertSpareCorner(Points.Count(), Points.Count() - 1);
  TPoint end = Points.Point(0);
  TPoint neighbour = Points.Point(1);
  FollowEnd(end, neighbour, dx, dy);
  Points.SetPoint(0, end);
  Points.SetPoint(1, neighbour);
  Normalize();
}

void TOrthogonalEdge::MoveFromEnd(int dx, int dy) {
  if (Points.Count() == 0) return;
  InsertSpareCorner(0, 0);
  int last = Points.Count() - 1;
  TPoint end = Points.Point(last);
  TPoint neighbour = Points.Point(last - 1);
  FollowEnd(end, neighbour, dx, dy);
  Points.SetPoint(last, end);
  Points.SetPoint(last - 1, neighbour);
  Normalize();
}

void TOrthogonalEdge::MoveAllPoints(int dx, int dy) {
  for (int i = 0; i < Points.Count(); ++i) Points.SetPoint(i, Shifted(Points.Point(i), dx, dy));
}

// ---- Segment dragging -------------------------------------------------------------------------

namespace {
// Both end points doubled; false when the route has no room for that.
bool DoubleEnds(TPoints& points) {
  if (points.Count() == 0 || points.Count() > TPoints::Capacity - 2) return false;
  points.Insert(0, points.Point(0));
  points.Add(points.Point(points.Count() - 1));
  return true;
}
}  // namespace

void TOrthogonalEdgeManipulator::BeginDrag(TObj& object, int x, int y) {
  SegmentStart = SegmentEnd = 0;
  Points.Clear();
  auto* edge = dynamic_cast<TOrthogonalEdge*>(&object);
  if (edge == nullptr) return;
  Points.Assign(edge->Points);
  if (!DoubleEnds(Points)) return;
  for (int i = 1; i <= Points.Count() - 3; ++i) {
    if (PointOnSegment({x, y}, Points.Point(i), Points.Point(i + 1))) {
      SegmentStart = i;
      SegmentEnd = i + 1;
      return;
    }
  }
}

void TOrthogonalEdgeManipulator::Draw(platform::TCanvas& canvas) { Points.Draw(canvas); }

void TOrthogonalEdgeManipulator::MoveBy(int dx, int dy) {
  if (!Grabbed()) return;
  TPoint start = Points.Point(SegmentStart);
  TPoint end = Points.Point(SegmentEnd);
  if (start.X == end.X) {
    start = Shifted(start, dx, 0);
    end = Shifted(end, dx, 0);
  } else {
    start = Shifted(start, 0, dy);
    end = Shifted(end, 0, dy);
  }
  Points.SetPoint(SegmentStart, start);
  Points.SetPoint(SegmentEnd, end);
}

void TOrthogonalEdgeManipulator::EndDrag(TObj& object, int, int) {
  auto* edge = dynamic_cast<TOrthogonalEdge*>(&object);
  if (edge == nullptr || !Grabbed()) return;
  edge->Erase();
  if (DoubleEnds(edge->Points)) {
    edge->Points.SetPoint(SegmentStart, Points.Point(SegmentStart));
    edge->Points.SetPoint(SegmentEnd, Points.Point(SegmentEnd));
    edge->Normalize();
  }
  edge->Draw();
  if (edge->Graph() != nullptr) edge->Graph()->RedrawAll();
  Points.Clear();
}

void RegisterGraphClasses(TStorableRegistry& registry) {
  registry.Register(ClassOf<TGraph>());
  registry.Register(ClassOf<TRectangularNode>());
  registry.Register(ClassOf<TOrthogonalEdge>());
}

void RegisterGraphClasses() {
  static bool registered = false;
  if (registered) return;
  RegisterGraphClasses(StorableRegistry());
  registered = true;
}

}  // namespace modeller
