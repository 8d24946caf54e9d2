#include "modeller/model/Concepts.h"

#include <algorithm>
#include <climits>

#include "platform/Canvas.h"

namespace modeller {

namespace {

// Sample texts whose height is the line height of boxes, and of comments and labels.
constexpr const char* kBoxSample = "_^";
constexpr const char* kNoteSample = "^_";

// Nested objects are read with the given owner; the rider's owner is put back however the read
// ends.
class OwnerScope {
 public:
  OwnerScope(TRider& rider, TStorable* owner) : rider_(rider), previous_(rider.Owner()) { rider.SetOwner(owner); }
  ~OwnerScope() { rider_.SetOwner(previous_); }
  OwnerScope(const OwnerScope&) = delete;
  OwnerScope& operator=(const OwnerScope&) = delete;

 private:
  TRider& rider_;
  TStorable* previous_;
};

// Reads `count` objects that must join the rider's owner while they are made.
void ReadHeldObjects(TRider& rider, TStorable* owner, const char* refusal) {
  int count = ReadCount(rider, INT_MAX);
  OwnerScope scope(rider, owner);
  for (int i = 0; i < count; ++i) {
    TStorable* read = rider.ReadObject();
    if (!read->HeldByOwner()) {
      delete read;
      throw ERiderReadError(refusal);
    }
  }
}

template <class List, class Member>
auto Find(List& list, const Member* member) {
  return std::find_if(list.begin(), list.end(), [member](const auto& held) { return held.get() == member; });
}

int Clamped(long long value) { return ClampCoordinate(value); }

bool IsType(const TNode& node) {
  return dynamic_cast<const TJavaClass*>(&node) != nullptr || dynamic_cast<const TJavaInterface*>(&node) != nullptr;
}
bool IsClass(const TNode& node) { return dynamic_cast<const TJavaClass*>(&node) != nullptr; }
bool IsJunction(const TNode& node) { return dynamic_cast<const TInheritance*>(&node) != nullptr; }
bool IsComment(const TNode& node) { return dynamic_cast<const TComment*>(&node) != nullptr; }

// The direction from an edge's end point towards its neighbour, one step along an axis.
struct TDirection {
  int DX = 0;
  int DY = 0;
  bool Vertical() const { return DX == 0; }
};

TDirection Away(const TPoint& end, const TPoint& neighbour) {
  if (end.X == neighbour.X) return {0, end.Y < neighbour.Y ? 1 : -1};
  return {end.X < neighbour.X ? 1 : -1, 0};
}

// The point `along` away from the end on the line and `across` to its side (to the left of a line
// going down).
TPoint Offset(const TPoint& end, TDirection d, int along, int across) {
  return {end.X + along * d.DX - across * d.DY, end.Y + along * d.DY + across * d.DX};
}

// Fills a shape in the pen's colour, then puts the brush back.
template <class Shape>
void FillInPenColour(platform::TCanvas& canvas, Shape shape) {
  platform::TColor brush = canvas.Brush.Color;
  canvas.Brush.Color = canvas.Pen.Color;
  shape();
  canvas.Brush.Color = brush;
}

// Draws with a dotted pen, then solid again.
template <class Drawing>
void Dotted(platform::TCanvas& canvas, bool dotted, Drawing drawing) {
  if (dotted) canvas.Pen.Style = platform::psDot;
  drawing();
  canvas.Pen.Style = platform::psSolid;
}

}  // namespace

void WriteLines(TRider& rider, const platform::TStringList& lines) {
  rider.WriteInteger(lines.Count());
  for (const std::string& line : lines.Lines()) rider.WriteString(line);
}

void ReadLines(TRider& rider, platform::TStringList& lines) {
  platform::TStringList read;
  int count = ReadCount(rider, INT_MAX);
  for (int i = 0; i < count; ++i) read.Add(rider.ReadString());
  lines = std::move(read);
}

// ---- Members ----------------------------------------------------------------------------------

void TElement::AttachTo(TStorable* owner) {
  SetOwner(owner);
  held_ = true;
}

void TGenericArgument::JoinOwner() {
  if (auto* method = dynamic_cast<TGenericMethod*>(Owner())) method->Attach(this);
}

std::string TGenericArgument::Declaration() const { return platform::Trim(type_ + " " + name_); }

void TGenericArgument::Store(TRider& rider) const {
  TElement::Store(rider);
  rider.WriteString(name_);
  rider.WriteString(type_);
}

void TGenericArgument::Load(TRider& rider) {
  TElement::Load(rider);
  name_ = rider.ReadString();
  type_ = rider.ReadString();
}

void TGenericAttribute::JoinOwner() {
  if (auto* type = dynamic_cast<TGenericType*>(Owner())) type->Attach(this);
}

std::string TGenericAttribute::Declaration() const {
  std::string value = platform::Trim(initialValue_).empty() ? "" : " = " + initialValue_;
  return platform::Trim(type_ + " " + name_ + value);
}

void TGenericAttribute::Store(TRider& rider) const {
  TElement::Store(rider);
  rider.WriteString(name_);
  rider.WriteString(type_);
  rider.WriteString(initialValue_);
}

void TGenericAttribute::Load(TRider& rider) {
  TElement::Load(rider);
  name_ = rider.ReadString();
  type_ = rider.ReadString();
  initialValue_ = rider.ReadString();
}

void TJavaAttribute::Store(TRider& rider) const {
  TGenericAttribute::Store(rider);
  rider.WriteInteger(access_);
  rider.WriteBoolean(final_);
  rider.WriteBoolean(static_);
}

void TJavaAttribute::Load(TRider& rider) {
  TGenericAttribute::Load(rider);
  access_ = rider.ReadInteger();
  final_ = rider.ReadBoolean();
  static_ = rider.ReadBoolean();
}

void TGenericMethod::JoinOwner() {
  if (auto* type = dynamic_cast<TGenericType*>(Owner())) type->Attach(this);
}

TGenericArgument* TGenericMethod::Arguments(int index) const {
  if (index < 0 || index >= ArgumentCount()) return nullptr;
  return arguments_[static_cast<size_t>(index)].get();
}

// The list grows before it takes the argument, so a failure leaves the argument with its maker.
void TGenericMethod::Attach(TGenericArgument* argument) {
  arguments_.reserve(arguments_.size() + 1);
  arguments_.emplace_back(argument);
  argument->AttachTo(this);
  argument->OnChanging = [this](TElement*) {
    if (OnChanging) OnChanging(this);
  };
  argument->OnChanged = [this](TElement*) {
    if (OnChanged) OnChanged(this);
  };
}

void TGenericMethod::AddArgument(TGenericArgument* argument) {
  if (argument == nullptr) return;
  if (argument->HeldByOwner()) throw EGraphError("Can not add an Argument");
  if (OnChanging) OnChanging(this);
  Attach(argument);
  if (OnChanged) OnChanged(this);
}

void TGenericMethod::RemoveArgument(TGenericArgument* argument) {
  auto found = Find(arguments_, argument);
  if (found == arguments_.end()) return;
  if (OnChanging) OnChanging(this);
  arguments_.erase(found);
  if (OnChanged) OnChanged(this);
}

std::string TGenericMethod::ArgumentList() const {
  std::string list;
  for (size_t i = 0; i < arguments_.size(); ++i) {
    if (i > 0) list += ", ";
    list += arguments_[i]->Declaration();
  }
  return list;
}

std::string TGenericMethod::Declaration() const {
  return platform::Trim(returnType_ + " " + name_ + "(" + ArgumentList() + ")");
}

void TGenericMethod::Store(TRider& rider) const {
  TElement::Store(rider);
  rider.WriteString(name_);
  rider.WriteString(returnType_);
  rider.WriteInteger(ArgumentCount());
  for (const auto& argument : arguments_) rider.WriteObject(argument.get());
}

void TGenericMethod::Load(TRider& rider) {
  TElement::Load(rider);
  name_ = rider.ReadString();
  returnType_ = rider.ReadString();
  ReadHeldObjects(rider, this, "Object is not an argument of a method!");
}

void TJavaMethod::Store(TRider& rider) const {
  TGenericMethod::Store(rider);
  rider.WriteInteger(access_);
  rider.WriteBoolean(abstract_);
  rider.WriteBoolean(static_);
  rider.WriteBoolean(final_);
  rider.WriteBoolean(synchronized_);
  rider.WriteString(throws_);
  WriteLines(rider, implementation_);
}

void TJavaMethod::Load(TRider& rider) {
  TGenericMethod::Load(rider);
  access_ = rider.ReadInteger();
  abstract_ = rider.ReadBoolean();
  static_ = rider.ReadBoolean();
  final_ = rider.ReadBoolean();
  synchronized_ = rider.ReadBoolean();
  throws_ = rider.ReadString();
  ReadLines(rider, implementation_);
}

std::string TJavaConstructor::OwnerClassName() const {
  auto* owner = dynamic_cast<const TJavaClass*>(Owner());
  return owner != nullptr ? owner->Name() : std::string();
}

std::string TJavaConstructor::Declaration() const {
  return platform::Trim(OwnerClassName() + "(" + ArgumentList() + ")");
}

void TJavaConstructor::Store(TRider& rider) const {
  TGenericMethod::Store(rider);
  WriteLines(rider, implementation_);
}

void TJavaConstructor::Load(TRider& rider) {
  TGenericMethod::Load(rider);
  ReadLines(rider, implementation_);
}

// ---- Type boxes -------------------------------------------------------------------------------

void MarkModified(const TObj& object) {
  if (object.Graph() != nullptr) object.Graph()->Modified = true;
}

void TGenericType::SetName(const std::string& name) { ChangeBox(name_, name); }

TGenericAttribute* TGenericType::Attributes(int index) const {
  if (index < 0 || index >= AttributeCount()) return nullptr;
  return attributes_[static_cast<size_t>(index)].get();
}

TGenericMethod* TGenericType::Methods(int index) const {
  if (index < 0 || index >= MethodCount()) return nullptr;
  return methods_[static_cast<size_t>(index)].get();
}

void TGenericType::BindMember(TElement& member) {
  member.OnChanging = [this](TElement*) { Erase(); };
  member.OnChanged = [this](TElement*) {
    Draw();
    MarkModified(*this);
  };
}

void TGenericType::Attach(TElement* member) {
  if (auto* attribute = dynamic_cast<TGenericAttribute*>(member)) {
    attributes_.reserve(attributes_.size() + 1);
    attributes_.emplace_back(attribute);
  } else if (auto* method = dynamic_cast<TGenericMethod*>(member)) {
    methods_.reserve(methods_.size() + 1);
    methods_.emplace_back(method);
  } else {
    return;
  }
  member->AttachTo(this);
  BindMember(*member);
}

void TGenericType::AddAttribute(TGenericAttribute* attribute) {
  if (attribute == nullptr) return;
  if (attribute->HeldByOwner()) throw EGraphError("Can not add an Attribute");
  Erase();
  Attach(attribute);
  Draw();
  MarkModified(*this);
}

void TGenericType::AddMethod(TGenericMethod* method) {
  if (method == nullptr) return;
  if (method->HeldByOwner()) throw EGraphError("Can not add a Method");
  Erase();
  Attach(method);
  Draw();
  MarkModified(*this);
}

void TGenericType::RemoveAttribute(TGenericAttribute* attribute) {
  auto found = Find(attributes_, attribute);
  if (found == attributes_.end()) return;
  Erase();
  attributes_.erase(found);
  Draw();
  MarkModified(*this);
}

void TGenericType::RemoveMethod(TGenericMethod* method) {
  auto found = Find(methods_, method);
  if (found == methods_.end()) return;
  Erase();
  methods_.erase(found);
  Draw();
  MarkModified(*this);
}

bool TGenericType::Shows(const TGenericAttribute&) const { return true; }
bool TGenericType::Shows(const TGenericMethod&) const { return true; }

int TGenericType::TextWidth(const std::string& text) const {
  platform::TCanvas* canvas = Canvas();
  return canvas != nullptr ? canvas->TextWidth(text) : 0;
}

int TGenericType::LineHeight() const {
  platform::TCanvas* canvas = Canvas();
  return canvas != nullptr ? canvas->TextHeight(kBoxSample) : 0;
}

int TGenericType::GetWidth() const {
  int widest = std::max(100, TextWidth(name_));
  for (const auto& attribute : attributes_)
    if (Shows(*attribute)) widest = std::max(widest, TextWidth(attribute->Declaration()));
  for (const auto& method : methods_)
    if (Shows(*method)) widest = std::max(widest, TextWidth(method->Declaration()));
  return widest + 10;
}

int TGenericType::GetHeight() const {
  auto shownAttributes = std::count_if(attributes_.begin(), attributes_.end(), [this](const auto& a) { return Shows(*a); });
  auto shownMethods = std::count_if(methods_.begin(), methods_.end(), [this](const auto& m) { return Shows(*m); });
  long long h = LineHeight();
  return Clamped((h + 6) + shownAttributes * h + 6 + shownMethods * h + 6);
}

void TGenericType::Draw() {
  if (Canvas() != nullptr)
    SetBounds(Left, Top, Clamped(static_cast<long long>(Left) + GetWidth()),
              Clamped(static_cast<long long>(Top) + GetHeight()));
  TRectangularNode::Draw();
}

// The outline with its shadow, or the content, which may stand out of bounds not yet set.
bool TGenericType::InSight(const platform::TCanvas& canvas) const {
  int reach = canvas.Pen.Width + 2;
  platform::TRect outline{std::min(Left, Right) - reach, std::min(Top, Bottom) - reach,
                          std::max(Left, Right) + 1 + reach, std::max(Top, Bottom) + 1 + reach};
  return canvas.Shows(outline) || ContentShown();
}

void TGenericType::Paint() {
  if (Canvas() == nullptr) return;
  TRectangularNode::Paint();
  PaintContent();
}

// The content lies below the top, as high as the box's text, and from the nearer side to the right
// side or the text's width. Only a box level with the clip rectangle and left of it needs its text
// measured to tell, so a box out of sight has its text measured only for its bounds.
bool TGenericType::ContentShown() const {
  platform::TRect clip = Canvas()->ClipRect();
  long long margin = LineHeight();  // for the ink of a glyph beyond its advance
  long long top = static_cast<long long>(Top) - margin;
  long long bottom = static_cast<long long>(Top) + GetHeight() + margin;
  long long left = static_cast<long long>(std::min(Left, Right)) - margin;
  if (bottom <= clip.Top || top >= clip.Bottom || left >= clip.Right) return false;
  if (static_cast<long long>(Right) + margin > clip.Left) return true;
  return static_cast<long long>(Left) + GetWidth() + margin > clip.Left;
}

void TGenericType::PaintContent() {
  if (!ContentShown()) return;
  platform::TCanvas& canvas = *Canvas();
  int h = LineHeight();
  canvas.TextOut(Left + (GetWidth() - TextWidth(name_)) / 2, Top + 3, name_);
  int nameLine = Top + h + 6;
  canvas.Polyline({{Left, nameLine}, {Right, nameLine}});
  int y = Top + h + 9;
  for (const auto& attribute : attributes_) {
    if (!Shows(*attribute)) continue;
    canvas.TextOut(Left + 5, y, attribute->Declaration());
    y += h;
  }
  canvas.Polyline({{Left, y + 3}, {Right, y + 3}});
  y += 6;
  for (const auto& method : methods_) {
    if (!Shows(*method)) continue;
    canvas.TextOut(Left + 5, y, method->Declaration());
    y += h;
  }
}

void TGenericType::Store(TRider& rider) const {
  TRectangularNode::Store(rider);
  rider.WriteString(name_);
  rider.WriteInteger(AttributeCount());
  for (const auto& attribute : attributes_) rider.WriteObject(attribute.get());
  rider.WriteInteger(MethodCount());
  for (const auto& method : methods_) rider.WriteObject(method.get());
}

// A member joins the list of its own class, whichever count it was read under.
void TGenericType::Load(TRider& rider) {
  TRectangularNode::Load(rider);
  name_ = rider.ReadString();
  ReadMembers(rider);
  ReadMembers(rider);
}

void TGenericType::ReadMembers(TRider& rider) {
  ReadHeldObjects(rider, this, "Object is not a member of a type!");
}

bool TJavaClass::Shows(const TGenericAttribute& attribute) const {
  if (showPublicOnly_ != 1) return true;
  auto* javaAttribute = dynamic_cast<const TJavaAttribute*>(&attribute);
  return javaAttribute != nullptr && javaAttribute->Access() == maPublic;
}

bool TJavaClass::Shows(const TGenericMethod& method) const {
  if (showPublicOnly_ != 1) return true;
  if (dynamic_cast<const TJavaConstructor*>(&method) != nullptr) return true;
  auto* javaMethod = dynamic_cast<const TJavaMethod*>(&method);
  return javaMethod != nullptr && javaMethod->Access() == maPublic;
}

void TJavaClass::Paint() {
  platform::TCanvas* canvas = Canvas();
  if (canvas == nullptr) return;
  Dotted(*canvas, !packageMember_, [&] {
    canvas->Polyline({{Left, Top}, {Right, Top}, {Right, Bottom}, {Left, Bottom}, {Left, Top}});
    PaintContent();
  });
  canvas->Polyline({{Right + 1, Top + 1}, {Right + 1, Bottom + 1}, {Left + 1, Bottom + 1}});
}

void TJavaClass::Store(TRider& rider) const {
  TGenericType::Store(rider);
  rider.WriteInteger(access_);
  rider.WriteBoolean(abstract_);
  rider.WriteBoolean(packageMember_);
  rider.WriteInteger(showPublicOnly_);
}

void TJavaClass::Load(TRider& rider) {
  TGenericType::Load(rider);
  access_ = rider.ReadInteger();
  abstract_ = rider.ReadBoolean();
  packageMember_ = rider.ReadBoolean();
  showPublicOnly_ = rider.ReadInteger();
}

void TJavaInterface::Paint() {
  platform::TCanvas* canvas = Canvas();
  if (canvas == nullptr) return;
  Dotted(*canvas, !packageMember_, [&] { TGenericType::Paint(); });
}

void TJavaInterface::Store(TRider& rider) const {
  TGenericType::Store(rider);
  rider.WriteInteger(access_);
  rider.WriteBoolean(packageMember_);
}

void TJavaInterface::Load(TRider& rider) {
  TGenericType::Load(rider);
  access_ = rider.ReadInteger();
  packageMember_ = rider.ReadBoolean();
}

// ---- Inheritance ------------------------------------------------------------------------------

void TInheritance::Place(int x1, int y1, int, int) {
  TRectangularNode::Place(x1, y1, Clamped(static_cast<long long>(x1) + JunctionSize),
                          Clamped(static_cast<long long>(y1) + JunctionSize));
}

void TInheritance::Draw() {
  if (Canvas() != nullptr)
    SetBounds(Left, Top, Clamped(static_cast<long long>(Left) + JunctionSize),
              Clamped(static_cast<long long>(Top) + JunctionSize));
  TRectangularNode::Draw();
}

// The outline only. A junction may lie on a box drawn before it, whose lines a filled triangle
// would blank at every redraw; on the white diagram a fill shows nothing else.
void TInheritance::Paint() {
  platform::TCanvas* canvas = Canvas();
  if (canvas == nullptr) return;
  platform::TBrushStyle fill = canvas->Brush.Style;
  canvas->Brush.Style = platform::bsClear;
  canvas->Polygon({{Left, Bottom}, {(Left + Right) / 2, Top}, {Right, Bottom}, {Left, Bottom}});
  canvas->Brush.Style = fill;
}

void TInheritance::ClipToBorder(const TEdge& edge, TPoint& p, TPoint& q) const {
  bool vertical = p.X == q.X;
  int mid = (Left + Right) / 2;
  if (dynamic_cast<const TSuperClassing*>(&edge) != nullptr) {
    p = {mid, Top};
    if (vertical)
      q.X = mid;
    else
      q.Y = Top;
  } else if (dynamic_cast<const TSubClassing*>(&edge) != nullptr) {
    if (!vertical) {
      p.X = q.X < p.X ? Left : Right;
      q.Y = Bottom;
    }
    p.Y = Bottom;
  } else {
    TRectangularNode::ClipToBorder(edge, p, q);
  }
}

bool TSuperClassing::EndsFit(const TNode& to, const TNode& from) const { return IsType(to) && IsJunction(from); }

bool TSubClassing::EndsFit(const TNode& to, const TNode& from) const { return IsJunction(to) && IsType(from); }

// ---- Association ------------------------------------------------------------------------------

bool TAssociation::EndsFit(const TNode& to, const TNode& from) const { return IsClass(to) && IsClass(from); }

void TAssociation::Paint() {
  TOrthogonalEdge::Paint();
  if (Canvas() == nullptr || PointCount() < 2) return;
  PaintToEnd(Points.Point(0), Points.Point(1));
  PaintFromEnd(Points.Point(PointCount() - 1), Points.Point(PointCount() - 2));
}

void TAssociation::PaintToEnd(const TPoint& end, const TPoint& neighbour) {
  platform::TCanvas* canvas = Canvas();
  if (canvas == nullptr) return;
  TDirection d = Away(end, neighbour);
  if (kind_ == akAggregates)
    canvas->Polygon({end, Offset(end, d, 10, 5), Offset(end, d, 20, 0), Offset(end, d, 10, -5), end});
  PaintRole(end, neighbour, toRole_);
}

void TAssociation::PaintFromEnd(const TPoint& end, const TPoint& neighbour) {
  platform::TCanvas* canvas = Canvas();
  if (canvas == nullptr) return;
  TDirection d = Away(end, neighbour);
  FillInPenColour(*canvas, [&] {
    if (multiplicity_ == mtOne) {
      canvas->Polygon({end, Offset(end, d, 8, 3), Offset(end, d, 8, -3), end});
    } else if (multiplicity_ == mtMany) {
      TPoint centre = Offset(end, d, 5, 0);
      canvas->Ellipse(centre.X - 5, centre.Y - 5, centre.X + 5, centre.Y + 5);
    }
  });
  PaintRole(end, neighbour, fromRole_);
}

void TAssociation::PaintRole(const TPoint& end, const TPoint& neighbour, const std::string& role) {
  platform::TCanvas& canvas = *Canvas();
  TDirection d = Away(end, neighbour);
  if (d.Vertical() && d.DY > 0)
    canvas.TextOut(end.X + 10, end.Y + 10, role);
  else if (d.Vertical())
    canvas.TextOut(end.X + 10, end.Y - 10 - canvas.TextHeight(kBoxSample), role);
  else if (d.DX > 0)
    canvas.TextOut(end.X + 10, end.Y + 10, role);
  else
    canvas.TextOut(end.X - 10 - canvas.TextWidth(role), end.Y + 5, role);
}

// The diamond, the head or dot, and a role text beside either end.
int TAssociation::Reach(const platform::TCanvas& canvas) const {
  return 20 + canvas.TextHeight(kBoxSample) + std::max(canvas.TextReach(toRole_), canvas.TextReach(fromRole_));
}

void TAssociation::Store(TRider& rider) const {
  TOrthogonalEdge::Store(rider);
  rider.WriteString(toRole_);
  rider.WriteString(fromRole_);
  rider.WriteInteger(toAccess_);
  rider.WriteInteger(fromAccess_);
  rider.WriteInteger(kind_);
  rider.WriteInteger(multiplicity_);
  rider.WriteInteger(count_);
}

void TAssociation::Load(TRider& rider) {
  TOrthogonalEdge::Load(rider);
  toRole_ = rider.ReadString();
  fromRole_ = rider.ReadString();
  toAccess_ = rider.ReadInteger();
  fromAccess_ = rider.ReadInteger();
  kind_ = rider.ReadInteger();
  multiplicity_ = rider.ReadInteger();
  count_ = rider.ReadInteger();
}

// ---- Instantiation and comment links ----------------------------------------------------------

bool TInstantiate::EndsFit(const TNode& to, const TNode& from) const { return IsClass(to) && IsType(from); }

void TInstantiate::Paint() {
  platform::TCanvas* canvas = Canvas();
  if (canvas == nullptr) return;
  Dotted(*canvas, true, [&] { TOrthogonalEdge::Paint(); });
  if (PointCount() < 2) return;
  TPoint end = Points.Point(0);
  TDirection d = Away(end, Points.Point(1));
  FillInPenColour(*canvas, [&] { canvas->Polygon({end, Offset(end, d, 10, 4), Offset(end, d, 10, -4), end}); });
}

int TInstantiate::Reach(const platform::TCanvas&) const { return 10; }  // the arrow head

bool TCommentLink::EndsFit(const TNode& to, const TNode& from) const { return IsType(to) && IsComment(from); }

void TCommentLink::Paint() {
  if (platform::TCanvas* canvas = Canvas()) Dotted(*canvas, true, [&] { TOrthogonalEdge::Paint(); });
}

// ---- Comment ----------------------------------------------------------------------------------

void TComment::SetLines(const platform::TStringList& lines) {
  bool changed = !(lines == lines_);
  Erase();
  lines_.Assign(lines);
  Draw();
  if (changed) MarkModified(*this);
}

void TComment::Draw() {
  if (platform::TCanvas* canvas = Canvas()) {
    int widest = 100;
    for (const std::string& line : lines_.Lines()) widest = std::max(widest, canvas->TextWidth(line));
    long long height = static_cast<long long>(canvas->TextHeight(kNoteSample)) * lines_.Count();
    if (height <= 20) height = 20;
    SetBounds(Left, Top, Clamped(static_cast<long long>(Left) + widest + 20), Clamped(Top + height + 10));
  }
  TRectangularNode::Draw();
}

void TComment::Paint() {
  platform::TCanvas* canvas = Canvas();
  if (canvas == nullptr) return;
  canvas->Polyline({{Left, Top}, {Right, Top}, {Right, Bottom - 10}, {Right - 10, Bottom}, {Left, Bottom}, {Left, Top}});
  canvas->Polyline({{Right, Bottom - 10}, {Right - 10, Bottom - 10}, {Right - 10, Bottom}});
  int h = canvas->TextHeight(kNoteSample);
  for (int i = 0; i < lines_.Count(); ++i) canvas->TextOut(Left + 5, Top + 5 + i * h, lines_[i]);
}

void TComment::Store(TRider& rider) const {
  TRectangularNode::Store(rider);
  WriteLines(rider, lines_);
}

void TComment::Load(TRider& rider) {
  TRectangularNode::Load(rider);
  ReadLines(rider, lines_);
}

// ---- Text label -------------------------------------------------------------------------------

// Compared after the blank rule, so a new label set to a blank text shows "notext" too.
void TText::SetText(const std::string& text) {
  ChangeDrawn(*this, text_, platform::Trim(text).empty() ? std::string("notext") : text);
}

void TText::Draw() {
  if (platform::TCanvas* canvas = Canvas())
    SetBounds(Left, Top, Clamped(static_cast<long long>(Left) + canvas->TextWidth(text_)),
              Clamped(static_cast<long long>(Top) + canvas->TextHeight(kNoteSample)));
  TRectangularNode::Draw();
}

void TText::Paint() {
  if (platform::TCanvas* canvas = Canvas()) canvas->TextOut(Left, Top, text_);
}

void TText::Store(TRider& rider) const {
  TRectangularNode::Store(rider);
  rider.WriteString(text_);
}

void TText::Load(TRider& rider) {
  TRectangularNode::Load(rider);
  text_ = rider.ReadString();
}

// ---- Registration -----------------------------------------------------------------------------

void RegisterConceptClasses(TStorableRegistry& registry) {
  registry.Register(ClassOf<TJavaArgument>());
  registry.Register(ClassOf<TJavaAttribute>());
  registry.Register(ClassOf<TJavaConstant>());
  registry.Register(ClassOf<TJavaOperation>());
  registry.Register(ClassOf<TJavaMethod>());
  registry.Register(ClassOf<TJavaConstructor>());
  registry.Register(ClassOf<TJavaClass>());
  registry.Register(ClassOf<TJavaInterface>());
  registry.Register(ClassOf<TInheritance>());
  registry.Register(ClassOf<TSuperClassing>());
  registry.Register(ClassOf<TSubClassing>());
  registry.Register(ClassOf<TAssociation>());
  registry.Register(ClassOf<TInstantiate>());
  registry.Register(ClassOf<TComment>());
  registry.Register(ClassOf<TCommentLink>());
  registry.Register(ClassOf<TText>());
}

void RegisterConceptClasses() {
  static bool registered = false;
  if (registered) return;
  RegisterGraphClasses();
  RegisterConceptClasses(StorableRegistry());
  registered = true;
}

}  // namespace modeller
