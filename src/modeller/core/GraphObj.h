#pragma once
// The diagram: a graph of rectangular nodes and orthogonal edges drawn on a paint box, with
// selection, moving, deleting, the diagram clipboard, design pattern files and the hand-over of
// paint-box mouse events to the active interaction handler.
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "modeller/core/Misc.h"
#include "modeller/core/Storage.h"
#include "platform/Graphics.h"

namespace platform {
class TCanvas;
class TPaintBox;
class TTimer;
struct TFont;
}  // namespace platform

namespace modeller {

using platform::TMouseButton;
using platform::TShiftState;

class EGraphError : public platform::Exception { using Exception::Exception; };
class EEdgeError : public platform::Exception { using Exception::Exception; };

// Colours of the diagram.
inline constexpr platform::TColor SelectedColor = platform::clRed;
inline constexpr platform::TColor NormalColor = platform::clBlack;
inline constexpr platform::TColor BackgroundColor = platform::clWhite;
inline constexpr platform::TColor GhostColor = platform::clGray;

// Most objects one copy may take.
inline constexpr int MaxCopiedObjects = 256;

// A digest of the values a redraw reads or changes of the diagram's geometry, in their order.
class TGeometryDigest {
 public:
  void Add(long long value);
  void Add(const void* object);
  void Add(const TRect& rect);
  bool Empty() const { return count_ == 0; }
  unsigned long long Value() const { return state_; }

 private:
  unsigned long long state_ = 0;
  long long count_ = 0;
};

class TGraph;
class TObj;
class TNode;
class TEdge;
class TOrthogonalEdge;
class THandlerGroup;

// A drag of one object: a ghost follows the mouse in XOR and the object changes when it ends.
class TManipulator {
 public:
  virtual ~TManipulator() = default;
  bool Moved = false;  // a ghost is on the screen
  int StartX = 0;
  int StartY = 0;
  int LastX = 0;
  int LastY = 0;

  virtual void BeginDrag(TObj& object, int x, int y) = 0;
  virtual void Draw(platform::TCanvas& canvas) = 0;
  virtual void MoveBy(int dx, int dy) = 0;
  virtual void EndDrag(TObj& object, int dx, int dy) = 0;
};

void BeginManipulation(TManipulator& manipulator, TObj& object, int x, int y);
void TrackManipulation(TManipulator& manipulator, TObj& object, int x, int y);
void EndManipulation(TManipulator& manipulator, TObj& object);

// Receives the mouse events of a graph while it is the active handler of its group.
class THandler {
 public:
  explicit THandler(THandlerGroup* owner) : group_(owner) {}
  virtual ~THandler() = default;
  THandler(const THandler&) = delete;
  THandler& operator=(const THandler&) = delete;

  THandlerGroup* Group() const { return group_; }
  std::function<void(THandler*)> OnActivate;
  std::function<void(THandler*)> OnDeactivate;

  // Makes this the group's active handler; the one before it fires OnDeactivate. OnActivate fires
  // also when this handler was active already.
  void Activate();
  void DoDeactivate();

  virtual void MouseDown(TGraph& graph, TMouseButton button, TShiftState shift, int x, int y) = 0;
  virtual void MouseMove(TGraph& graph, TShiftState shift, int x, int y) = 0;
  virtual void MouseUp(TGraph& graph, TMouseButton button, TShiftState shift, int x, int y) = 0;

 private:
  THandlerGroup* group_;
};

// Owns its handlers; one of them at a time is active.
class THandlerGroup {
 public:
  THandlerGroup() = default;
  THandlerGroup(const THandlerGroup&) = delete;
  THandlerGroup& operator=(const THandlerGroup&) = delete;

  THandler* ActiveHandler() const { return active_; }
  void SetActiveHandler(THandler* handler) { active_ = handler; }

  template <class H, class... Args>
  H* Add(Args&&... args) {
    auto handler = std::make_unique<H>(this, std::forward<Args>(args)...);
    H* made = handler.get();
    handlers_.push_back(std::move(handler));
    return made;
  }

 private:
  std::vector<std::unique_ptr<THandler>> handlers_;
  THandler* active_ = nullptr;
};

class TGraph : public TStorable {
 public:
  explicit TGraph(TStorable* owner = nullptr);
  ~TGraph() override;
  std::string ClassName() const override { return "TGraph"; }

  bool Modified = false;
  int Grid() const { return grid_; }

  platform::TPaintBox* PaintBox() const { return paintBox_; }
  platform::TCanvas* Canvas() const { return canvas_; }
  // Empty references are ignored. A bound paint box must outlive the graph.
  void SetCanvas(platform::TCanvas* canvas);
  void SetPaintBox(platform::TPaintBox* paintBox);
  THandlerGroup* HandlerGroup() const { return handlerGroup_; }
  void SetHandlerGroup(THandlerGroup* group) { handlerGroup_ = group; }

  TNode* Nodes(int index) const;  // empty outside the list
  TEdge* Edges(int index) const;
  int NodeCount() const { return static_cast<int>(nodes_.size()); }
  int EdgeCount() const { return static_cast<int>(edges_.size()); }
  int IndexOfNode(const TNode* node) const;  // -1 when not in the graph
  int IndexOfEdge(const TEdge* edge) const;
  int SelectedCount() const;

  // The graph takes the object; nodes and edges call these when they join it.
  void AddNode(TNode* node);
  void AddEdge(TEdge* edge);
  // Frees the node and every edge touching it; higher edge indexes move down by one.
  void RemoveNode(TNode* node);
  void RemoveEdge(TEdge* edge);
  void RemoveAllNodes();
  void RemoveAllEdges();
  void Clear();

  void SelectInRect(int left, int top, int right, int bottom);
  void SelectAll();
  void DeselectAll();
  // Redraws every object whose drawing can reach what the canvas shows, and every object whose
  // drawing may still change its geometry. An object read from a file is drawn at last while the
  // program waits for input, or before anything needs its geometry (SettleRead).
  void RedrawAll();
  void Refresh();  // repaints through the paint box
  // Draws at once every object read and not drawn yet, in the order of the lists.
  void SettleRead();
  TObj* ObjectAt(int x, int y) const;  // nodes first, each list in order
  void SnapToGrid(int& value) const;   // to the centre line of its grid cell
  TRect GetSelectionBounds() const;
  // The largest right and bottom of the bounds of every node and edge, from (0, 0).
  TPoint FarCorner() const;

  void MoveSelection(int dx, int dy);
  void DeleteSelection();
  void CopySelection();
  void CutSelection();
  void PasteClipboard();
  void SaveDesignPattern(const std::string& fileName);
  void InsertDesignPattern(const std::string& fileName);
  void InsertDesignPattern(TRider& rider);  // the text of a pattern file already in a rider

  void PaintBoxMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void PaintBoxMouseMove(TShiftState shift, int x, int y);
  void PaintBoxMouseUp(TMouseButton button, TShiftState shift, int x, int y);

  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;

 private:
  friend class TEdge;
  // The graph files every edge under the nodes at its ends, so that a node finds its own edges
  // without walking the edge list. Run after an edge's ends change.
  void FileEdge(TEdge& edge);
  void UnfileEdge(TEdge& edge);
  // Reads one object into the graph; an object that does not join it, or an edge naming a node
  // outside firstNode..NodeCount-1 (indexes counted from firstNode), is refused with a read error.
  TObj* ReadGraphObject(TRider& rider, int firstNode);
  void ReadIntoGraph(TRider& rider, int count, int firstNode);
  // Removes every node and edge beyond the given counts: the undoing of a failed read.
  void TakeBack(int nodeCount, int edgeCount);
  void Dispatch(const std::function<void(THandler&)>& call);
  friend class TObj;
  // Whether the object's redraw can be left out: it would paint nothing the canvas shows, and it
  // would change no geometry, or the object is read and not drawn yet.
  bool MaySkipRedraw(const TObj& object);
  // Geometry kept for comparison is only valid while the lists, the canvas and its font stay.
  long long DrawingEra();
  void NewDrawingEra() { ++drawingEra_; }
  // Draws some of the objects read and not drawn yet; asks to be called again while some are left.
  void SettleSomeRead();
  // Draws the objects read and not drawn yet until the deadline, if any; false when some are left.
  bool SettleReadUntil(std::optional<std::chrono::steady_clock::time_point> deadline);
  void SettleLater();

  int grid_ = 5;
  platform::TPaintBox* paintBox_ = nullptr;
  platform::TCanvas* canvas_ = nullptr;
  THandlerGroup* handlerGroup_ = nullptr;
  std::vector<std::unique_ptr<TNode>> nodes_;
  std::vector<std::unique_ptr<TEdge>> edges_;
  long long nextEdgeRank_ = 0;
  long long drawingEra_ = 0;
  std::unique_ptr<platform::TFont> eraFont_;
  const platform::TCanvas* eraCanvas_ = nullptr;
  std::unique_ptr<platform::TTimer> settleTimer_;
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

// Base of every diagram object.
class TObj : public TStorable {
 public:
  explicit TObj(TStorable* owner = nullptr) : TStorable(owner) {}
  ~TObj() override;
  std::string ClassName() const override { return "TObj"; }
  bool HeldByOwner() const override { return graph_ != nullptr; }

  TGraph* Graph() const { return graph_; }
  bool Visible() const { return visible_; }
  bool Selected() const { return selected_; }
  void SetVisible(bool visible);
  void SetSelected(bool selected);
  TManipulator* Manipulator() const { return manipulator_.get(); }

  std::function<void(TObj*, TMouseButton, TShiftState, int, int)> OnMouseDown;
  std::function<void(TObj*, TShiftState, int, int)> OnMouseMove;
  std::function<void(TObj*, TMouseButton, TShiftState, int, int)> OnMouseUp;
  std::function<void(TObj*)> OnDblClick;

  virtual void Erase();
  virtual void Draw();  // snaps the geometry to the grid first
  virtual void Paint() = 0;
  virtual void MoveBy(int dx, int dy) = 0;
  virtual void SnapToGrid() = 0;
  virtual bool HitTest(int x, int y) const = 0;
  virtual bool InRect(int left, int top, int right, int bottom) const = 0;
  virtual std::unique_ptr<TManipulator> CreateManipulator() = 0;
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void Place(int x1, int y1, int x2, int y2) = 0;
  virtual TRect GetBounds() const = 0;
  // Whether painting can reach what the canvas shows. An object out of sight is erased and drawn
  // as always (drawing snaps and sizes it) but not painted.
  virtual bool InSight(const platform::TCanvas& canvas) const;
  // Whether a redraw can paint what the canvas shows: the object, and for a node the edges at it,
  // which its drawing makes follow it.
  virtual bool RedrawShows(const platform::TCanvas& canvas) const { return InSight(canvas); }
  // Adds every value a redraw reads or changes of the diagram's geometry: the object's own, and
  // for a node its edges and their far ends. A change of an object's content (its text, its
  // members) always erases it first, so the content need not be among them. An object that adds
  // nothing cannot tell, and its redraw always runs.
  virtual void DigestGeometry(TGeometryDigest& digest) const;

  void PaintErased();  // in the background colour, visible or not
  void PaintVisible();
  void Redraw();
  // Snaps one coordinate with the graph's grid; nothing without a graph.
  void Snap(int& value) const;

 protected:
  platform::TCanvas* Canvas() const;

 private:
  friend class TGraph;
  // Erases and draws, noting the geometry when the redraw left it as it found it: a redraw finding
  // the same geometry again would change nothing.
  void RedrawNoting(const std::function<void()>& redraw);
  void RedrawNow();  // erases and draws, noting the geometry
  bool Settled() const;
  TGraph* graph_ = nullptr;
  bool visible_ = true;
  bool selected_ = false;
  bool readNotDrawn_ = false;
  unsigned long long settled_ = 0;  // the geometry a redraw left unchanged, while settledEra_ holds
  long long settledEra_ = -1;
  std::unique_ptr<TManipulator> manipulator_;
};

class TNode : public TObj {
 public:
  explicit TNode(TStorable* owner = nullptr) : TObj(owner) {}
  std::string ClassName() const override { return "TNode"; }
  // A node made with Make and a graph as owner joins the graph's node list.
  void JoinOwner() override;
  // Moves the end point p of the edge, inside the node, onto the border side facing q.
  virtual void ClipToBorder(const TEdge& edge, TPoint& p, TPoint& q) const = 0;
  // The edges of the graph with an end at this node, in the order of the graph's edge list.
  const std::vector<TEdge*>& AttachedEdges() const { return attachedEdges_; }
  bool RedrawShows(const platform::TCanvas& canvas) const override;
  void DigestGeometry(TGeometryDigest& digest) const override;

 private:
  friend class TGraph;
  std::vector<TEdge*> attachedEdges_;
};

class TRectangularNode : public TNode {
 public:
  explicit TRectangularNode(TStorable* owner = nullptr) : TNode(owner) {}
  std::string ClassName() const override { return "TRectangularNode"; }

  // The border lines lie on these coordinates.
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;
  void Paint() override;
  void MoveBy(int dx, int dy) override;
  void SnapToGrid() override;
  bool HitTest(int x, int y) const override;  // borders included
  bool InRect(int left, int top, int right, int bottom) const override;
  std::unique_ptr<TManipulator> CreateManipulator() override;
  void Place(int x1, int y1, int x2, int y2) override;
  TRect GetBounds() const override;
  void ClipToBorder(const TEdge& edge, TPoint& p, TPoint& q) const override;
  // New bounds; the ends of attached edges follow the right and bottom sides.
  void SetBounds(int left, int top, int right, int bottom);

 private:
  void FollowBounds(TOrthogonalEdge& edge, bool toEnd, int dRight, int dBottom);
};

class TRectangularNodeManipulator : public TManipulator {
 public:
  TRect Ghost;
  void BeginDrag(TObj& object, int x, int y) override;
  void Draw(platform::TCanvas& canvas) override;
  void MoveBy(int dx, int dy) override;
  void EndDrag(TObj& object, int dx, int dy) override;
};

class TEdge : public TObj {
 public:
  explicit TEdge(TStorable* owner = nullptr) : TObj(owner) {}
  std::string ClassName() const override { return "TEdge"; }
  // An edge made with Make and a graph as owner joins the graph's edge list.
  void JoinOwner() override;

  int ToNode() const { return toNode_; }
  int FromNode() const { return fromNode_; }
  // EEdgeError "Index out of Nodes Bounds" outside the graph's node list.
  void SetToNode(int index);
  void SetFromNode(int index);
  // The end nodes in the graph; empty when the index names none.
  TNode* ToNodeObject() const;
  TNode* FromNodeObject() const;

  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;
  // The node under the end point becomes ToNode, the node under the start point FromNode.
  void Place(int x1, int y1, int x2, int y2) override;
  // Whether the edge may join these nodes; reading refuses an edge between nodes of other kinds.
  virtual bool EndsFit(const TNode& to, const TNode& from) const;

 private:
  friend class TGraph;
  void CheckNodeIndex(int index) const;
  // Files the edge anew under its end nodes, when it belongs to a graph.
  void EndsChanged();
  int toNode_ = -1;
  int fromNode_ = -1;
  long long rank_ = 0;         // grows along the graph's edge list
  TNode* filedUnder_[2] = {};  // the nodes whose attached edges hold this edge
};

// An edge of axis-parallel segments from the border of its ToNode (point 0) to the border of its
// FromNode (the last point).
class TOrthogonalEdge : public TEdge {
 public:
  explicit TOrthogonalEdge(TStorable* owner = nullptr) : TEdge(owner) {}
  std::string ClassName() const override { return "TOrthogonalEdge"; }

  TPoints Points;
  int PointCount() const { return Points.Count(); }
  void GetPoint(int index, TPoint& point) const { Points.GetPoint(index, point); }

  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;
  void Paint() override;
  // Follows the selected end nodes: one end, all points, or nothing.
  void MoveBy(int dx, int dy) override;
  void SnapToGrid() override;
  bool HitTest(int x, int y) const override;
  bool InRect(int left, int top, int right, int bottom) const override;
  std::unique_ptr<TManipulator> CreateManipulator() override;
  // From the start (x1, y1) on the FromNode to the end (x2, y2) on the ToNode: across to the
  // start's column, then along it.
  void Place(int x1, int y1, int x2, int y2) override;
  // The same route between the end nodes the edge already has, whatever lies under its points.
  void Route(int x1, int y1, int x2, int y2);
  TRect GetBounds() const override;
  bool InSight(const platform::TCanvas& canvas) const override;
  void DigestGeometry(TGeometryDigest& digest) const override;

  // Collapses inner zero-length segments, trims the ends inside their nodes and clips them to the
  // borders.
  void Normalize();
  void MoveToEnd(int dx, int dy);
  void MoveFromEnd(int dx, int dy);
  void MoveAllPoints(int dx, int dy);

 protected:
  // How far beyond its route the edge's painting reaches (heads, marks, role texts).
  virtual int Reach(const platform::TCanvas& canvas) const;

 private:
  bool InNode(const TNode* node, const TPoint& point) const;
  // A copy of point `from` at `at`, when there is room for it.
  void InsertSpareCorner(int at, int from);
  static void FollowEnd(TPoint& end, TPoint& neighbour, int dx, int dy);
};

// Drags one segment of an orthogonal edge across its own direction.
class TOrthogonalEdgeManipulator : public TManipulator {
 public:
  int SegmentStart = 0;
  int SegmentEnd = 0;
  TPoints Points;  // the route with both end points doubled

  void BeginDrag(TObj& object, int x, int y) override;
  void Draw(platform::TCanvas& canvas) override;
  void MoveBy(int dx, int dy) override;
  void EndDrag(TObj& object, int dx, int dy) override;

  bool Grabbed() const { return SegmentEnd > SegmentStart; }
};

// Registers the diagram classes in their fixed order: TGraph, TRectangularNode, TOrthogonalEdge.
void RegisterGraphClasses(TStorableRegistry& registry);
// The same for the program's registry, once however often it is called. Start-up calls it before
// the model classes are registered.
void RegisterGraphClasses();

}  // namespace modeller
