#pragma once
// A model on an offscreen paint box with a fixed monospaced font, and helpers that build boxes,
// members and links as the drawing tools and inspectors do.
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"
#include "platform/Canvas.h"
#include "platform/PaintBox.h"

class ModelTest : public testsupport::ScriptedTest {
 protected:
  void SetUp() override {
    ScriptedTest::SetUp();
    modeller::RegisterConceptClasses();
    modeller::InitGlobals();
    paintBox_ = std::make_unique<platform::TPaintBox>();
    paintBox_->resize(800, 600);
    paintBox_->show();
    Canvas().Font = TestFont();
    modeller::TheGraph = std::make_unique<modeller::TGraph>();
    Graph().SetPaintBox(paintBox_.get());
  }
  void TearDown() override {
    modeller::DoneGlobals();
    ScriptedTest::TearDown();
  }

  static platform::TFont TestFont() {
    platform::TFont font;
    font.Name = "DejaVu Sans Mono";
    font.Size = 10;
    return font;
  }

  modeller::TGraph& Graph() { return *modeller::TheGraph; }
  platform::TCanvas& Canvas() { return *paintBox_->Canvas(); }

  template <class T>
  T* Box(const std::string& name, int left, int top) {
    auto* box = modeller::Make<T>(&Graph());
    box->Place(left, top, left, top);
    box->SetName(name);
    return box;
  }
  modeller::TJavaClass* Class(const std::string& name, int left, int top) {
    return Box<modeller::TJavaClass>(name, left, top);
  }
  modeller::TJavaInterface* Interface(const std::string& name, int left, int top) {
    return Box<modeller::TJavaInterface>(name, left, top);
  }

  static modeller::TJavaAttribute* Attribute(modeller::TGenericType& box, const std::string& type,
                                             const std::string& name, const std::string& value = "",
                                             int access = modeller::maPackage) {
    auto* attribute = modeller::Make<modeller::TJavaAttribute>(nullptr);
    attribute->SetType(type);
    attribute->SetName(name);
    attribute->SetInitialValue(value);
    attribute->SetAccess(access);
    box.AddAttribute(attribute);
    return attribute;
  }
  // A method with arguments given as "type name" pairs.
  static modeller::TJavaMethod* Method(modeller::TGenericType& box, const std::string& returnType,
                                       const std::string& name,
                                       const std::vector<std::pair<std::string, std::string>>& arguments = {},
                                       int access = modeller::maPackage) {
    auto* method = modeller::Make<modeller::TJavaMethod>(nullptr);
    method->SetReturnType(returnType);
    method->SetName(name);
    method->SetAccess(access);
    for (const auto& [type, argumentName] : arguments) {
      auto* argument = modeller::Make<modeller::TJavaArgument>(nullptr);
      argument->SetType(type);
      argument->SetName(argumentName);
      method->AddArgument(argument);
    }
    box.AddMethod(method);
    return method;
  }

  // The middle of a node on the grid, as a mouse point reaches the tools.
  platform::TPoint Centre(const modeller::TNode& node) {
    platform::TRect bounds = node.GetBounds();
    platform::TPoint centre{(bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2};
    Graph().SnapToGrid(centre.X);
    Graph().SnapToGrid(centre.Y);
    return centre;
  }

  // A new inheritance dragged from the subtype to the supertype, built as the inheritance tool
  // does: a junction half-way, a link up to the supertype and one from the subtype.
  modeller::TInheritance* Inherit(const modeller::TNode& sub, const modeller::TNode& super) {
    platform::TPoint from = Centre(sub);
    platform::TPoint to = Centre(super);
    int mid = (from.Y + to.Y) / 2;
    auto* junction = modeller::Make<modeller::TInheritance>(&Graph());
    junction->Place(to.X - 10, mid, to.X - 10, mid);
    junction->Redraw();
    auto* superclassing = modeller::Make<modeller::TSuperClassing>(&Graph());
    superclassing->Place(to.X, mid, to.X, to.Y);
    auto* subclassing = modeller::Make<modeller::TSubClassing>(&Graph());
    subclassing->Place(from.X, from.Y, to.X, mid + 5);
    return junction;
  }
  // One more subtype joining a junction.
  modeller::TSubClassing* Join(const modeller::TNode& sub, const modeller::TInheritance& junction) {
    platform::TPoint from = Centre(sub);
    platform::TPoint to = Centre(junction);
    auto* subclassing = modeller::Make<modeller::TSubClassing>(&Graph());
    subclassing->Place(from.X, from.Y, to.X, to.Y);
    return subclassing;
  }
  template <class E>
  E* Link(const modeller::TNode& from, const modeller::TNode& to) {
    platform::TPoint start = Centre(from);
    platform::TPoint end = Centre(to);
    auto* edge = modeller::Make<E>(&Graph());
    edge->Place(start.X, start.Y, end.X, end.Y);
    Graph().RedrawAll();
    return edge;
  }

  template <class E>
  static std::string ErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const E& error) {
      return error.Message();
    }
    return "(no error)";
  }

  std::unique_ptr<platform::TPaintBox> paintBox_;
};

// Joins text lines, each ended by CR LF, as the files hold them.
inline std::string CrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}
