#include "modeller/ui/CreateHandlers.h"

#include <string>

#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"
#include "platform/Dialogs.h"

namespace modeller {

namespace {

constexpr const char* kCircular = "Error! : Circular Inheritance Relations.";
constexpr const char* kMultiple = "Error! : Multiple Class Inheritance.";
constexpr const char* kIllegal = "Error! : Illegal Extends or Implements.";
constexpr const char* kClassToClass = "Please link from \"class\" to \"class\".";
constexpr const char* kToClass = "Please link from \"class/interface\" to \"class\".";
constexpr const char* kCommentToType = "Please link from \"comment\" to \"class/interface\".";

void Refuse(const std::string& message) { platform::MessageDlg(message, platform::mtError, platform::mbOK); }

bool IsClass(const TObj* object) { return dynamic_cast<const TJavaClass*>(object) != nullptr; }
bool IsInterface(const TObj* object) { return dynamic_cast<const TJavaInterface*>(object) != nullptr; }
bool IsType(const TObj* object) { return IsClass(object) || IsInterface(object); }
bool IsComment(const TObj* object) { return dynamic_cast<const TComment*>(object) != nullptr; }
bool IsJunction(const TObj* object) { return dynamic_cast<const TInheritance*>(object) != nullptr; }

// The object at a point taken as a node: empty space gives none, an edge is no place for an
// inheritance end and ends the drag as a handler error.
TNode* NodeAt(const TGraph& graph, int x, int y) {
  TObj* object = graph.ObjectAt(x, y);
  if (object == nullptr) return nullptr;
  auto* node = dynamic_cast<TNode*>(object);
  if (node == nullptr) throw EGraphError("HandlerGroup Error!");
  return node;
}

// Linking the subtype to the supertype closes a cycle when they are one type, or when the subtype
// is already above the supertype.
bool MakesCycle(TNode& subtype, TNode& supertype) {
  return &subtype == &supertype || IsAncestor(&subtype, &supertype);
}

// The supertype of a junction: the ToNode of its last supertype edge, in edge-list order.
TNode* SupertypeOf(const TGraph& graph, const TNode& junction) {
  int junctionIndex = graph.IndexOfNode(&junction);
  TNode* supertype = nullptr;
  for (int i = 0; i < graph.EdgeCount(); ++i) {
    auto* edge = dynamic_cast<TSuperClassing*>(graph.Edges(i));
    if (edge != nullptr && edge->FromNode() == junctionIndex) supertype = edge->ToNodeObject();
  }
  return supertype;
}

template <class T>
T* PlaceBox(TGraph& graph, int x1, int y1, int x2, int y2) {
  OrderRect(x1, y1, x2, y2);
  T* box = Make<T>(&graph);
  box->Place(x1, y1, x2, y2);
  return box;
}

template <class T>
T* PlaceLink(TGraph& graph, int x1, int y1, int x2, int y2) {
  T* link = Make<T>(&graph);
  link->Place(x1, y1, x2, y2);
  return link;
}

// A link of a new inheritance joins the nodes it was made for, not the nodes its points find: a
// drag across puts the junction over the supertype's box, and the box, made first, would be found
// at the junction's points, so that the junction would stay unlinked.
template <class T>
void JoinLink(TGraph& graph, TNode& from, TNode& to, int x1, int y1, int x2, int y2) {
  T* link = Make<T>(&graph);
  link->SetFromNode(graph.IndexOfNode(&from));
  link->SetToNode(graph.IndexOfNode(&to));
  link->Route(x1, y1, x2, y2);
}

}  // namespace

void TBoxCreateHandler::DrawShape(platform::TCanvas& canvas, int x1, int y1, int x2, int y2) {
  DrawBoxShape(canvas, x1, y1, x2, y2);
}

void TLinkCreateHandler::DrawShape(platform::TCanvas& canvas, int x1, int y1, int x2, int y2) {
  DrawLinkShape(canvas, x1, y1, x2, y2);
}

// ---- Boxes ------------------------------------------------------------------------------------

void TClassCreateHandler::CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) {
  PlaceBox<TJavaClass>(graph, x1, y1, x2, y2)->SetName("noname");
}

void TInterfaceCreateHandler::CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) {
  PlaceBox<TJavaInterface>(graph, x1, y1, x2, y2)->SetName("noname");
}

void TCommentCreateHandler::CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) {
  PlaceBox<TComment>(graph, x1, y1, x2, y2)->Redraw();
}

void TTextCreateHandler::CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) {
  PlaceBox<TText>(graph, x1, y1, x2, y2)->SetText("notext");
}

// ---- Links ------------------------------------------------------------------------------------

void TAssociationCreateHandler::CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) {
  if (!IsClass(graph.ObjectAt(x1, y1)) || !IsClass(graph.ObjectAt(x2, y2))) return Refuse(kClassToClass);
  PlaceLink<TAssociation>(graph, x1, y1, x2, y2);
}

void TAggregationCreateHandler::CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) {
  if (!IsClass(graph.ObjectAt(x1, y1)) || !IsClass(graph.ObjectAt(x2, y2))) return Refuse(kClassToClass);
  PlaceLink<TAssociation>(graph, x1, y1, x2, y2)->SetKind(1);
}

void TInstantiateCreateHandler::CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) {
  if (!IsType(graph.ObjectAt(x1, y1)) || !IsClass(graph.ObjectAt(x2, y2))) return Refuse(kToClass);
  PlaceLink<TInstantiate>(graph, x1, y1, x2, y2);
}

void TCommentLinkCreateHandler::CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) {
  if (!IsComment(graph.ObjectAt(x1, y1)) || !IsType(graph.ObjectAt(x2, y2))) return Refuse(kCommentToType);
  PlaceLink<TCommentLink>(graph, x1, y1, x2, y2);
}

// ---- Inheritance ------------------------------------------------------------------------------

void TInheritanceCreateHandler::CreateObject(TGraph& graph, int x1, int y1, int x2, int y2) {
  TNode* start = NodeAt(graph, x1, y1);
  TNode* end = NodeAt(graph, x2, y2);
  if (IsType(start) && IsType(end) && MakesCycle(*start, *end)) return Refuse(kCircular);
  if (IsClass(start) && IsClass(end)) {
    if (SuperclassCount(start) >= 1) return Refuse(kMultiple);
    return InheritanceBuild(graph, *start, *end, x1, y1, x2, y2);
  }
  if (IsType(start) && IsInterface(end)) return InheritanceBuild(graph, *start, *end, x1, y1, x2, y2);
  if (IsType(start) && IsJunction(end)) return InheritanceJoin(graph, *start, *end, x1, y1, x2, y2);
  Refuse(kIllegal);
}

void InheritanceBuild(TGraph& graph, TNode& subtype, TNode& supertype, int x1, int y1, int x2, int y2) {
  int mid = (y1 + y2) / 2;
  TInheritance* junction = Make<TInheritance>(&graph);
  junction->Place(x2 - 10, mid, x2 + 10, mid + 20);
  JoinLink<TSuperClassing>(graph, *junction, supertype, x2, mid, x2, y2);
  JoinLink<TSubClassing>(graph, subtype, *junction, x1, y1, x2, mid + 5);
}

void InheritanceJoin(TGraph& graph, TNode& subtype, TNode& junction, int x1, int y1, int x2, int y2) {
  TNode* supertype = SupertypeOf(graph, junction);
  if (supertype == nullptr) return;
  if (IsType(supertype) && MakesCycle(subtype, *supertype)) return Refuse(kCircular);
  if (IsClass(&subtype) && IsClass(supertype)) {
    if (SuperclassCount(&subtype) >= 1) return Refuse(kMultiple);
    PlaceLink<TSubClassing>(graph, x1, y1, x2, y2);
    return;
  }
  if (IsType(&subtype) && IsInterface(supertype)) {
    PlaceLink<TSubClassing>(graph, x1, y1, x2, y2);
    return;
  }
  Refuse(kIllegal);
}

}  // namespace modeller
