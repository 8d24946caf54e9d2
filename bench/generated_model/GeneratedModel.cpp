#include "GeneratedModel.h"

#include <string>

#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"

namespace modeller {

namespace {

// Per class: 1/10 interface, 1/10 inheritance junction and 1/40 comment, so 10,000 classes make
// 12,250 nodes; 1/10 superclassing, 1/2 subclassing, 1/20 interface extension, 1/4 association,
// 1/5 instantiation and 1/40 comment link, so 11,250 edges.
struct TShape {
  explicit TShape(int classCount)
      : classes(classCount), interfaces(classCount / 10), junctions(classCount / 10), comments(classCount / 40) {}
  int classes, interfaces, junctions, comments;
  int FirstInterface() const { return classes; }
  int FirstJunction() const { return classes + interfaces; }
  int FirstComment() const { return classes + interfaces + junctions; }
};

void AddArgument(TGenericMethod& method, const std::string& type, const std::string& name) {
  auto* argument = Make<TJavaArgument>(nullptr);
  argument->SetType(type);
  argument->SetName(name);
  method.AddArgument(argument);
}

void AddClassMembers(TJavaClass& cls, int i) {
  auto* count = Make<TJavaAttribute>(nullptr);
  count->SetType(i % 13 == 0 ? "int[]" : "int");  // an invalid type now and then: a warning
  count->SetName("count" + std::to_string(i));
  count->SetInitialValue(i % 2 == 0 ? " 0 " : "");
  count->SetAccess(i % 4);
  cls.AddAttribute(count);
  auto* label = Make<TJavaAttribute>(nullptr);
  label->SetType("String");
  label->SetName("label");
  label->SetStatic(i % 3 == 0);
  label->SetFinal(i % 5 == 0);
  cls.AddAttribute(label);

  auto* constructor = Make<TJavaConstructor>(nullptr);
  AddArgument(*constructor, "int", "start");
  constructor->Implementation().Add("count" + std::to_string(i) + " = start;");
  cls.AddMethod(constructor);
  auto* method = Make<TJavaMethod>(nullptr);
  method->SetReturnType(i % 6 == 0 ? " " : "int");
  method->SetName("size");
  method->SetAccess(3 - i % 4);
  method->SetAbstract(i % 9 == 0);
  method->SetStatic(i % 8 == 0);
  method->SetSynchronized(i % 10 == 0);
  method->SetThrows(i % 11 == 0 ? "java.io.IOException" : "");
  AddArgument(*method, "int", "a");
  AddArgument(*method, "String", "b");
  method->Implementation().Add("int total = a;");
  method->Implementation().Add("return total;");
  cls.AddMethod(method);
}

void AddInterfaceMembers(TJavaInterface& face, int i) {
  auto* constant = Make<TJavaConstant>(nullptr);
  constant->SetType("int");
  constant->SetName("LIMIT" + std::to_string(i));
  constant->SetInitialValue(std::to_string(i));
  face.AddAttribute(constant);
  auto* operation = Make<TJavaOperation>(nullptr);
  operation->SetReturnType(i % 4 == 0 ? "" : "boolean");
  operation->SetName("accepts");
  AddArgument(*operation, "Object", "item");
  face.AddMethod(operation);
}

template <class E>
E* Link(TGraph& graph, int from, int to) {
  auto* edge = Make<E>(&graph);
  edge->SetFromNode(from);
  edge->SetToNode(to);
  return edge;
}

}  // namespace

// A new current model of the given number of classes, built as the drawing tools leave one.
void BuildModel(int classCount) {
  TShape shape(classCount);
  NewModel();
  DesignTitle = "Generated model";
  DesignAuthor = "Benchmark";
  DesignComments.Clear();
  DesignComments.Add("A model of " + std::to_string(classCount) + " classes.");
  PackageName = " bench.model ";
  PackageImports.Clear();
  PackageImports.Add("java.util.*");
  TheGraph = std::make_unique<TGraph>();
  TGraph& graph = *TheGraph;

  for (int i = 0; i < shape.classes; ++i) {
    auto* cls = Make<TJavaClass>(&graph);
    cls->SetName("Class" + std::to_string(i));
    cls->SetAccess(i % 2 == 0 ? taPublic : taPackage);
    cls->SetAbstract(i % 7 == 0);
    cls->SetPackageMember(i % 50 != 49);
    cls->Place(i % 100 * 200, i / 100 * 150, i % 100 * 200, i / 100 * 150);
    AddClassMembers(*cls, i);
  }
  for (int i = 0; i < shape.interfaces; ++i) {
    auto* face = Make<TJavaInterface>(&graph);
    face->SetName("Face" + std::to_string(i));
    face->SetAccess(i % 2 == 0 ? taPublic : taPackage);
    AddInterfaceMembers(*face, i);
  }
  for (int i = 0; i < shape.junctions; ++i) Make<TInheritance>(&graph);
  for (int i = 0; i < shape.comments; ++i) {
    platform::TStringList lines;
    lines.Add("Note " + std::to_string(i));
    lines.Add("second line");
    Make<TComment>(&graph)->SetLines(lines);
  }

  // The first half of the junctions lead to the first classes, the second half to the first
  // interfaces; subtypes always come later in node order, so there is no cycle.
  int half = shape.junctions / 2;
  for (int j = 0; j < shape.junctions; ++j) {
    int super = j < half ? j : shape.FirstInterface() + (j - half);
    Link<TSuperClassing>(graph, shape.FirstJunction() + j, super);
  }
  // A quarter of the classes extend a class and implement an interface, another quarter extend.
  int firstSub = shape.classes / 20;
  for (int i = firstSub; i < firstSub + shape.classes / 4; ++i) {
    Link<TSubClassing>(graph, i, shape.FirstJunction() + i % half);
    Link<TSubClassing>(graph, i, shape.FirstJunction() + half + (i * 7) % half);
  }
  // Interfaces of the second half extend one of the first half.
  for (int i = shape.interfaces / 2; i < shape.interfaces; ++i)
    Link<TSubClassing>(graph, shape.FirstInterface() + i, shape.FirstJunction() + half + (i - shape.interfaces / 2));

  for (int k = 0; k < shape.classes / 4; ++k) {
    auto* association = Link<TAssociation>(graph, (k * 3 + 1) % shape.classes, (k * 5 + 2) % shape.classes);
    association->SetFromRole(k % 10 == 0 ? " " : "owner" + std::to_string(k));
    association->SetToRole(k % 7 == 0 ? "" : "part" + std::to_string(k));
    association->SetFromAccess(k % 4);
    association->SetToAccess((k + 1) % 4);
    association->SetKind(k % 2);
    association->SetMultiplicity(k % 3 == 0 ? mtMany : mtOne);
    association->SetCount(k % 3 == 0 ? k % 20 + 1 : 0);
  }
  for (int k = 0; k < shape.classes / 5; ++k) {
    int from = k % 10 == 0 ? shape.FirstInterface() + k % shape.interfaces : (k * 13 + 4) % shape.classes;
    Link<TInstantiate>(graph, from, (k * 11 + 3) % shape.classes);
  }
  for (int c = 0; c < shape.comments; ++c) Link<TCommentLink>(graph, shape.FirstComment() + c, c * 40);
}

}  // namespace modeller
