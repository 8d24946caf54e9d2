// Times the model file and the generators on generated models of 1,000 and 10,000 classes (give
// other class counts as arguments): save, load, the Java package source, every type's own Java
// file, and the four prototype translators. Each line prints the time on every model and the
// growth from the first model to the last; linear work grows as the class count does.
//
// Before timing, the texts of a 1,000-class model (every Java file, the package source, the four
// prototypes, the warnings and the saved file) are checked against checksums recorded from the
// generator that asked the inheritance query node by node, so a faster path never changes a byte.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "modeller/codegen/CppGen.h"
#include "modeller/codegen/DelphGen.h"
#include "modeller/codegen/EfflGen.h"
#include "modeller/codegen/JavaGen.h"
#include "modeller/codegen/ModelWalk.h"
#include "modeller/codegen/ObernGen.h"
#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"
#include "modeller/model/ModelIndex.h"

namespace fs = std::filesystem;
using namespace modeller;

namespace {

// ---- The generated model ----------------------------------------------------------------------

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

// ---- The operations -----------------------------------------------------------------------------

struct TOperation {
  const char* name;
  std::function<std::string()> run;  // returns the text it made, for the check
  // The text an operation left in a file, read for the check only, so reading it back is not timed.
  std::function<std::string()> written = {};
};

std::string Generated(const std::function<void(platform::TStringList&)>& generate) {
  platform::TStringList list;
  generate(list);
  return list.Text();
}

// The files are written in one generation run, which gathers the links of the diagram once.
std::string EveryTypeFile() {
  TGenerationRun run;
  std::string all;
  for (const TGenericType* type : PackageMembers<TGenericType>())
    all += Generated([type](platform::TStringList& list) { GenerateTypeSource(list, type); });
  return all;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<TOperation> Operations(const fs::path& file) {
  return {
      {"save", [file] { SaveModel(file.string()); return std::string(); }, [file] { return ReadFile(file); }},
      {"load", [file] { LoadModel(file.string()); return std::string(); }},
      {"Java package source", [] { return Generated(GeneratePackageSource); }},
      {"Java file of every type", EveryTypeFile},
      {"C++ prototypes", [] { return Generated(GenerateCppPrototypes); }},
      {"Object Pascal prototypes", [] { return Generated(GenerateDelphiPrototypes); }},
      {"Oberon-2 prototypes", [] { return Generated(GenerateOberonPrototypes); }},
      {"Eiffel prototypes", [] { return Generated(GenerateEiffelPrototypes); }},
  };
}

// ---- The check ------------------------------------------------------------------------------

// FNV-1a over the text without its date lines, which change from day to day.
uint64_t Checksum(const std::string& text) {
  uint64_t hash = 14695981039346656037ull;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    if (text.compare(start, 20, " * Generated Date : ") != 0 && text.compare(start, 20, "-- Generated Date : ") != 0)
      for (size_t i = start; i < end; ++i) hash = (hash ^ static_cast<unsigned char>(text[i])) * 1099511628211ull;
    start = end;
  }
  return hash;
}

// Checksums of the 1,000-class model's texts, recorded from the generator before it was made fast.
struct TReference {
  const char* name;
  uint64_t text;
  uint64_t warnings;
};
const TReference kReference[] = {
    {"save", 0x2e78ddeb94e82678ull, 0xcbf29ce484222325ull},
    {"Java package source", 0x664b17ec52d8f139ull, 0x92f051eeb4cd6accull},
    {"Java file of every type", 0xe561627c5b3437a4ull, 0x92f051eeb4cd6accull},
    {"C++ prototypes", 0x29a57e82cad6c93bull, 0x55a3f61326abc019ull},
    {"Object Pascal prototypes", 0xa62d440e3cb26fa9ull, 0x55a3f61326abc019ull},
    {"Oberon-2 prototypes", 0x9ab6f3ac325e9546ull, 0x55a3f61326abc019ull},
    {"Eiffel prototypes", 0xb3a548cb7ca99240ull, 0x55a3f61326abc019ull},
};

bool CheckAgainstReference(const fs::path& folder) {
  BuildModel(1000);
  bool same = true;
  for (const TOperation& operation : Operations(folder / "check.zel")) {
    GenerateWarnings.Clear();
    std::string text = operation.run();
    if (operation.written) text = operation.written();
    if (text.empty()) continue;
    uint64_t textSum = Checksum(text);
    uint64_t warningSum = Checksum(GenerateWarnings.Text());
    for (const TReference& reference : kReference) {
      if (std::string(reference.name) != operation.name) continue;
      bool match = reference.text == textSum && reference.warnings == warningSum;
      if (!match)
        std::printf("CHANGED: %s (text %016llx, warnings %016llx)\n", operation.name,
                    static_cast<unsigned long long>(textSum), static_cast<unsigned long long>(warningSum));
      same = same && match;
    }
  }
  std::printf("texts of the 1,000-class model %s\n\n", same ? "are those recorded" : "DIFFER from those recorded");
  return same;
}

// ---- Timing ---------------------------------------------------------------------------------

// The median of several runs, in milliseconds; slow runs are repeated less.
double MedianTime(const std::function<std::string()>& run) {
  std::vector<double> times;
  double spent = 0;
  while (times.size() < 5 && (times.size() < 1 || spent < 3000)) {
    GenerateWarnings.Clear();
    auto start = std::chrono::steady_clock::now();
    run();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    spent += times.back();
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {1000, 10000};
  RegisterConceptClasses();
  InitGlobals();
  fs::path folder = fs::temp_directory_path() / ("zelvory-bench-model-" + std::to_string(getpid()));
  fs::create_directories(folder);
  bool same = CheckAgainstReference(folder);

  std::vector<std::vector<double>> times;  // by model, by operation
  std::printf("%-26s", "classes");
  for (int size : sizes) std::printf(" %11d", size);
  std::printf(" %8s\n", "growth");
  for (int size : sizes) {
    BuildModel(size);
    std::vector<double> row;
    for (const TOperation& operation : Operations(folder / "model.zel")) row.push_back(MedianTime(operation.run));
    times.push_back(row);
  }
  std::vector<TOperation> operations = Operations(folder);
  for (size_t op = 0; op < operations.size(); ++op) {
    std::printf("%-26s", operations[op].name);
    for (const auto& row : times) std::printf(" %8.1f ms", row[op]);
    std::printf(" %8.1f\n", times.back()[op] / times.front()[op]);
  }
  std::printf("growth = time on the last model / time on the first; linear: %.1f\n",
              static_cast<double>(sizes.back()) / sizes.front());
  DoneGlobals();
  fs::remove_all(folder);
  return same ? 0 : 1;
}
