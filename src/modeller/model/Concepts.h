#pragma once
// The Java model of a class diagram: type boxes (classes and interfaces drawn with three
// compartments) with the members they own, the inheritance junction and the relation edges,
// comments and free text labels. Every class stores itself as tagged text and is registered by
// name, so model files, pattern files and the diagram clipboard rebuild the diagram.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "modeller/core/GraphObj.h"
#include "platform/StringList.h"

namespace modeller {

// Access codes of members and association ends; types know only package and public.
enum TMemberAccess { maPackage = 0, maPrivate = 1, maProtected = 2, maPublic = 3 };
enum TTypeAccess { taPackage = 0, taPublic = 1 };
enum TAssociationKind { akReferences = 0, akAggregates = 1 };
enum TMultiplicity { mtOne = 0, mtMany = 1 };

// ---- Members ----------------------------------------------------------------------------------

// A storable part of the model with change notifications. A member held by a box tells the box to
// erase itself before a change and to draw itself after it.
class TElement : public TStorable {
 public:
  explicit TElement(TStorable* owner = nullptr) : TStorable(owner) {}
  std::string ClassName() const override { return "TElement"; }
  bool HeldByOwner() const override { return held_; }

  std::function<void(TElement*)> OnChanging;
  std::function<void(TElement*)> OnChanged;

  // The one-line text a box and the member lists show.
  virtual std::string Declaration() const = 0;

  // Taken into an owner's list, which frees it from now on.
  void AttachTo(TStorable* owner);

 protected:
  // Fires the notifications around an assignment that changes the value.
  template <class V>
  void Change(V& field, const V& value) {
    if (field == value) return;
    if (OnChanging) OnChanging(this);
    field = value;
    if (OnChanged) OnChanged(this);
  }

 private:
  bool held_ = false;
};

class TGenericArgument : public TElement {
 public:
  explicit TGenericArgument(TStorable* owner = nullptr) : TElement(owner) {}
  std::string ClassName() const override { return "TGenericArgument"; }
  // Made with a method as owner, the argument joins its list.
  void JoinOwner() override;

  const std::string& Name() const { return name_; }
  const std::string& Type() const { return type_; }
  void SetName(const std::string& name) { Change(name_, name); }
  void SetType(const std::string& type) { Change(type_, type); }

  std::string Declaration() const override;
  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;

 private:
  std::string name_;
  std::string type_;
};

class TGenericAttribute : public TElement {
 public:
  explicit TGenericAttribute(TStorable* owner = nullptr) : TElement(owner) {}
  std::string ClassName() const override { return "TGenericAttribute"; }
  // Made with a type box as owner, the attribute joins its attribute list.
  void JoinOwner() override;

  const std::string& Name() const { return name_; }
  const std::string& Type() const { return type_; }
  const std::string& InitialValue() const { return initialValue_; }
  void SetName(const std::string& name) { Change(name_, name); }
  void SetType(const std::string& type) { Change(type_, type); }
  void SetInitialValue(const std::string& value) { Change(initialValue_, value); }

  // "type name" with " = value" when the value is not blank.
  std::string Declaration() const override;
  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;

 private:
  std::string name_;
  std::string type_;
  std::string initialValue_;
};

class TGenericMethod : public TElement {
 public:
  explicit TGenericMethod(TStorable* owner = nullptr) : TElement(owner) {}
  std::string ClassName() const override { return "TGenericMethod"; }
  // Made with a type box as owner, the method joins its method list.
  void JoinOwner() override;

  const std::string& Name() const { return name_; }
  const std::string& ReturnType() const { return returnType_; }
  void SetName(const std::string& name) { Change(name_, name); }
  void SetReturnType(const std::string& type) { Change(returnType_, type); }

  TGenericArgument* Arguments(int index) const;  // empty outside the list
  int ArgumentCount() const { return static_cast<int>(arguments_.size()); }
  // Takes the argument; its changes become changes of this method.
  void AddArgument(TGenericArgument* argument);
  void RemoveArgument(TGenericArgument* argument);  // frees it

  // The argument declarations joined by ", ".
  std::string ArgumentList() const;
  std::string Declaration() const override;
  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;

 private:
  friend class TGenericArgument;
  void Attach(TGenericArgument* argument);

  std::vector<std::unique_ptr<TGenericArgument>> arguments_;
  std::string name_;
  std::string returnType_;
};

class TJavaArgument : public TGenericArgument {
 public:
  explicit TJavaArgument(TStorable* owner = nullptr) : TGenericArgument(owner) {}
  std::string ClassName() const override { return "TJavaArgument"; }
};

class TJavaAttribute : public TGenericAttribute {
 public:
  explicit TJavaAttribute(TStorable* owner = nullptr) : TGenericAttribute(owner) {}
  std::string ClassName() const override { return "TJavaAttribute"; }

  int Access() const { return access_; }
  bool Final() const { return final_; }
  bool Static() const { return static_; }
  void SetAccess(int access) { Change(access_, access); }
  void SetFinal(bool flag) { Change(final_, flag); }
  void SetStatic(bool flag) { Change(static_, flag); }

  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;

 private:
  int access_ = maPackage;
  bool final_ = false;
  bool static_ = false;
};

// A constant of an interface.
class TJavaConstant : public TGenericAttribute {
 public:
  explicit TJavaConstant(TStorable* owner = nullptr) : TGenericAttribute(owner) {}
  std::string ClassName() const override { return "TJavaConstant"; }
};

// An operation of an interface.
class TJavaOperation : public TGenericMethod {
 public:
  explicit TJavaOperation(TStorable* owner = nullptr) : TGenericMethod(owner) {}
  std::string ClassName() const override { return "TJavaOperation"; }
};

class TJavaMethod : public TGenericMethod {
 public:
  explicit TJavaMethod(TStorable* owner = nullptr) : TGenericMethod(owner) {}
  std::string ClassName() const override { return "TJavaMethod"; }

  bool Final() const { return final_; }
  bool Static() const { return static_; }
  int Access() const { return access_; }
  bool Abstract() const { return abstract_; }
  bool Synchronized() const { return synchronized_; }
  const std::string& Throws() const { return throws_; }
  void SetFinal(bool flag) { Change(final_, flag); }
  void SetStatic(bool flag) { Change(static_, flag); }
  void SetAccess(int access) { Change(access_, access); }
  void SetAbstract(bool flag) { Change(abstract_, flag); }
  void SetSynchronized(bool flag) { Change(synchronized_, flag); }
  void SetThrows(const std::string& throws) { Change(throws_, throws); }

  // The body lines.
  platform::TStringList& Implementation() { return implementation_; }
  const platform::TStringList& Implementation() const { return implementation_; }

  // Stored as access, abstract, static, final, synchronized: not the order of the fields.
  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;

 private:
  bool final_ = false;
  bool static_ = false;
  int access_ = maPackage;
  bool abstract_ = false;
  bool synchronized_ = false;
  std::string throws_;
  platform::TStringList implementation_;
};

// A constructor is named after the class that holds it; its own name is never used.
class TJavaConstructor : public TGenericMethod {
 public:
  explicit TJavaConstructor(TStorable* owner = nullptr) : TGenericMethod(owner) {}
  std::string ClassName() const override { return "TJavaConstructor"; }

  std::string OwnerClassName() const;  // empty while no class holds it

  platform::TStringList& Implementation() { return implementation_; }
  const platform::TStringList& Implementation() const { return implementation_; }

  std::string Declaration() const override;
  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;

 private:
  platform::TStringList implementation_;
};

// ---- Type boxes -------------------------------------------------------------------------------

// The object's graph counts as modified, so an edit of the model's content is never closed away
// without the save question. Editors that change body lines in place call it themselves.
void MarkModified(const TObj& object);

// Erases the object, assigns and draws it again when the value changes.
template <class V>
void ChangeDrawn(TObj& object, V& field, const V& value) {
  if (field == value) return;
  object.Erase();
  field = value;
  object.Draw();
  MarkModified(object);
}

// A box of three compartments (name, attributes, methods) whose size follows its text.
class TGenericType : public TRectangularNode {
 public:
  explicit TGenericType(TStorable* owner = nullptr) : TRectangularNode(owner) {}
  std::string ClassName() const override { return "TGenericType"; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);

  TGenericAttribute* Attributes(int index) const;  // empty outside the list
  TGenericMethod* Methods(int index) const;
  int AttributeCount() const { return static_cast<int>(attributes_.size()); }
  int MethodCount() const { return static_cast<int>(methods_.size()); }
  // Take the member and redraw the box; the member's changes redraw it from now on.
  void AddAttribute(TGenericAttribute* attribute);
  void AddMethod(TGenericMethod* method);
  // Free the member and redraw the box.
  void RemoveAttribute(TGenericAttribute* attribute);
  void RemoveMethod(TGenericMethod* method);

  // Whether the box lists the member.
  virtual bool Shows(const TGenericAttribute& attribute) const;
  virtual bool Shows(const TGenericMethod& method) const;

  // Measured with the graph's canvas; boxes outside a drawn graph measure their text as empty.
  virtual int GetWidth() const;
  virtual int GetHeight() const;

  // Sets the bounds from the text first, so the box always fits its content.
  void Draw() override;
  void Paint() override;
  bool InSight(const platform::TCanvas& canvas) const override;
  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;

 protected:
  // Name and the two compartments; the outline is the caller's.
  void PaintContent();
  template <class V>
  void ChangeBox(V& field, const V& value) {
    ChangeDrawn(*this, field, value);
  }

 private:
  friend class TGenericAttribute;
  friend class TGenericMethod;
  // The member joins its list by its class, without drawing.
  void Attach(TElement* member);
  void BindMember(TElement& member);
  int TextWidth(const std::string& text) const;
  int LineHeight() const;
  // Whether any of the name and compartments can show within the canvas's clip rectangle.
  bool ContentShown() const;
  // A nested member read with this box as owner; anything else is refused.
  void ReadMembers(TRider& rider);

  std::vector<std::unique_ptr<TGenericAttribute>> attributes_;
  std::vector<std::unique_ptr<TGenericMethod>> methods_;
  std::string name_;
};

class TJavaClass : public TGenericType {
 public:
  explicit TJavaClass(TStorable* owner = nullptr) : TGenericType(owner) {}
  std::string ClassName() const override { return "TJavaClass"; }

  int Access() const { return access_; }
  bool Abstract() const { return abstract_; }
  bool PackageMember() const { return packageMember_; }
  // 1: the box shows only public members and the constructors.
  int ShowPublicOnly() const { return showPublicOnly_; }
  void SetAccess(int access) { ChangeBox(access_, access); }
  void SetAbstract(bool flag) { ChangeBox(abstract_, flag); }
  void SetPackageMember(bool flag) { ChangeBox(packageMember_, flag); }
  void SetShowPublicOnly(int flag) { ChangeBox(showPublicOnly_, flag); }

  bool Shows(const TGenericAttribute& attribute) const override;
  bool Shows(const TGenericMethod& method) const override;

  // Dotted when not a package member, with a one-pixel shadow on the right and below.
  void Paint() override;
  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;

 private:
  int access_ = taPackage;
  bool abstract_ = false;
  bool packageMember_ = true;
  int showPublicOnly_ = 0;
};

class TJavaInterface : public TGenericType {
 public:
  explicit TJavaInterface(TStorable* owner = nullptr) : TGenericType(owner) {}
  std::string ClassName() const override { return "TJavaInterface"; }

  int Access() const { return access_; }
  bool PackageMember() const { return packageMember_; }
  void SetAccess(int access) { ChangeBox(access_, access); }
  void SetPackageMember(bool flag) { ChangeBox(packageMember_, flag); }

  void Paint() override;  // dotted when not a package member
  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;

 private:
  int access_ = taPackage;
  bool packageMember_ = true;
};

// ---- Relations, comments and labels -----------------------------------------------------------

// Size of the inheritance junction.
inline constexpr int JunctionSize = 20;

// The junction of an inheritance: a triangle, apex up, where the subtypes' links meet the one
// link to their supertype.
class TInheritance : public TRectangularNode {
 public:
  explicit TInheritance(TStorable* owner = nullptr) : TRectangularNode(owner) {}
  std::string ClassName() const override { return "TInheritance"; }

  void Draw() override;
  void Paint() override;
  void Place(int x1, int y1, int x2, int y2) override;  // 20 x 20 from (x1, y1)
  // The supertype's link ends at the apex, the subtypes' links on the base.
  void ClipToBorder(const TEdge& edge, TPoint& p, TPoint& q) const override;
};

// From a junction to the supertype.
class TSuperClassing : public TOrthogonalEdge {
 public:
  explicit TSuperClassing(TStorable* owner = nullptr) : TOrthogonalEdge(owner) {}
  std::string ClassName() const override { return "TSuperClassing"; }
  bool EndsFit(const TNode& to, const TNode& from) const override;
};

// From a subtype to its junction.
class TSubClassing : public TOrthogonalEdge {
 public:
  explicit TSubClassing(TStorable* owner = nullptr) : TOrthogonalEdge(owner) {}
  std::string ClassName() const override { return "TSubClassing"; }
  bool EndsFit(const TNode& to, const TNode& from) const override;
};

// Between two classes: the ToNode class holds a field FromRole of the FromNode class, the
// FromNode class a field ToRole of the ToNode class.
class TAssociation : public TOrthogonalEdge {
 public:
  explicit TAssociation(TStorable* owner = nullptr) : TOrthogonalEdge(owner) {}
  std::string ClassName() const override { return "TAssociation"; }
  bool EndsFit(const TNode& to, const TNode& from) const override;

  const std::string& ToRole() const { return toRole_; }
  const std::string& FromRole() const { return fromRole_; }
  int ToAccess() const { return toAccess_; }
  int FromAccess() const { return fromAccess_; }
  int Kind() const { return kind_; }
  int Multiplicity() const { return multiplicity_; }
  int Count() const { return count_; }
  void SetToRole(const std::string& role) { ChangeEdge(toRole_, role); }
  void SetFromRole(const std::string& role) { ChangeEdge(fromRole_, role); }
  void SetToAccess(int access) { ChangeEdge(toAccess_, access); }
  void SetFromAccess(int access) { ChangeEdge(fromAccess_, access); }
  void SetKind(int kind) { ChangeEdge(kind_, kind); }
  void SetMultiplicity(int multiplicity) { ChangeEdge(multiplicity_, multiplicity); }
  void SetCount(int count) { ChangeEdge(count_, count); }

  void Paint() override;
  // A diamond at the whole's end when aggregating; the role text.
  void PaintToEnd(const TPoint& end, const TPoint& neighbour);
  // An arrow head (one) or a dot (many); the role text.
  void PaintFromEnd(const TPoint& end, const TPoint& neighbour);
  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;

 protected:
  int Reach(const platform::TCanvas& canvas) const override;

 private:
  template <class V>
  void ChangeEdge(V& field, const V& value) {
    ChangeDrawn(*this, field, value);
  }
  void PaintRole(const TPoint& end, const TPoint& neighbour, const std::string& role);

  std::string toRole_;
  std::string fromRole_;
  int toAccess_ = maPackage;
  int fromAccess_ = maPackage;
  int kind_ = akReferences;
  int multiplicity_ = mtOne;
  int count_ = 0;
};

// From the creating class or interface to the created class; dotted with an arrow head.
class TInstantiate : public TOrthogonalEdge {
 public:
  explicit TInstantiate(TStorable* owner = nullptr) : TOrthogonalEdge(owner) {}
  std::string ClassName() const override { return "TInstantiate"; }
  bool EndsFit(const TNode& to, const TNode& from) const override;
  void Paint() override;

 protected:
  int Reach(const platform::TCanvas& canvas) const override;
};

class TComment : public TRectangularNode {
 public:
  explicit TComment(TStorable* owner = nullptr) : TRectangularNode(owner) {}
  std::string ClassName() const override { return "TComment"; }

  const platform::TStringList& Lines() const { return lines_; }
  // Replaces the lines and redraws, also when they are the same.
  void SetLines(const platform::TStringList& lines);

  void Draw() override;  // sized from its lines
  void Paint() override;
  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;

 private:
  platform::TStringList lines_;
};

// From a comment to the class or interface it annotates; dotted.
class TCommentLink : public TOrthogonalEdge {
 public:
  explicit TCommentLink(TStorable* owner = nullptr) : TOrthogonalEdge(owner) {}
  std::string ClassName() const override { return "TCommentLink"; }
  bool EndsFit(const TNode& to, const TNode& from) const override;
  void Paint() override;
};

// A free label. A blank text is stored as "notext".
class TText : public TRectangularNode {
 public:
  explicit TText(TStorable* owner = nullptr) : TRectangularNode(owner) {}
  std::string ClassName() const override { return "TText"; }

  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);

  void Draw() override;  // sized from its text
  void Paint() override;
  void Store(TRider& rider) const override;
  void Load(TRider& rider) override;

 private:
  std::string text_;
};

// A list of lines as a count item and one string item per line.
void WriteLines(TRider& rider, const platform::TStringList& lines);
void ReadLines(TRider& rider, platform::TStringList& lines);  // replaces the lines

// Registers the sixteen model classes in their fixed order, from TJavaArgument to TText.
void RegisterConceptClasses(TStorableRegistry& registry);
// The diagram classes and then the model classes for the program's registry, once however often
// it is called.
void RegisterConceptClasses();

}  // namespace modeller
