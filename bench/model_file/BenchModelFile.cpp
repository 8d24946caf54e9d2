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

#include "GeneratedModel.h"
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
