#include "modeller/model/Globals.h"

#include <cstdlib>

#include "modeller/model/Concepts.h"
#include "modeller/model/ModelIndex.h"

namespace modeller {

std::unique_ptr<TGraph> TheGraph;

std::string DesignTitle;
std::string DesignAuthor;
std::string ModelFileName;
platform::TStringList DesignComments;
std::string PackageName;
std::string PackagePath;
platform::TStringList PackageImports;

std::string JavaCompilerPath;
std::string JavaInterpreterPath;
bool GenIncludeImpl = true;
bool GenIncludeCmmt = true;
std::string IndentString(8, ' ');
platform::TFont BrowserFont{"Courier New", 10, platform::clWindowText};
platform::TColor BrowserColor = platform::clWhite;
platform::TFont DiagramFont{"Arial", 10, platform::clWindowText};
int DiagramWidth = 1500;
int DiagramHeight = 2000;
platform::TFont EditorFont{"Courier New", 10, platform::clWindowText};
platform::TColor EditorColor = platform::clWhite;

platform::TStringList GenerateWarnings;

namespace {

std::unique_ptr<platform::TIniFile>& SettingsSlot() {
  static std::unique_ptr<platform::TIniFile> settings;
  return settings;
}

// A design as read from a file, before it replaces the current one.
struct TModelRead {
  std::string Title;
  std::string Author;
  platform::TStringList Comments;
  std::string PackageName;
  std::string PackagePath;
  platform::TStringList Imports;
  std::unique_ptr<TGraph> Graph;
};

std::unique_ptr<TGraph> ReadGraph(TRider& rider) {
  rider.SetOwner(nullptr);
  std::unique_ptr<TStorable> read(rider.ReadObject());
  auto* graph = dynamic_cast<TGraph*>(read.get());
  if (graph == nullptr) throw ERiderReadError("The model holds no diagram!");
  read.release();
  return std::unique_ptr<TGraph>(graph);
}

TModelRead ReadModel(TRider& rider) {
  TModelRead model;
  model.Title = rider.ReadString();
  model.Author = rider.ReadString();
  ReadLines(rider, model.Comments);
  model.PackageName = rider.ReadString();
  model.PackagePath = rider.ReadString();
  ReadLines(rider, model.Imports);
  model.Graph = ReadGraph(rider);
  model.Graph->Modified = false;
  return model;
}

// Answers a query with the index of the open generation run over the graph, or with one built for
// this query alone.
template <class Query>
auto WithIndex(const TGraph* graph, const Query& query) {
  if (const TModelIndex* running = RunningIndex(graph)) return query(*running);
  return query(TModelIndex(graph));
}

bool IsIdentifierStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentifierPart(char c) { return IsIdentifierStart(c) || (c >= '0' && c <= '9'); }

}  // namespace

std::string SettingsFileName() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (config != nullptr && config[0] != '\0') {
    folder = config;
  } else {
    const char* home = std::getenv("HOME");
    folder = std::string(home != nullptr ? home : ".") + "/.config";
  }
  return platform::IncludeTrailingPathDelimiter(folder) + "zelvory/zelvory.ini";
}

platform::TIniFile& SettingsIniFile() {
  auto& settings = SettingsSlot();
  if (settings == nullptr) settings = std::make_unique<platform::TIniFile>(SettingsFileName());
  return *settings;
}

void InitGlobals() {
  DesignTitle.clear();
  DesignAuthor.clear();
  ModelFileName.clear();
  DesignComments.Clear();
  PackageName.clear();
  PackagePath.clear();
  PackageImports.Clear();
  JavaCompilerPath.clear();
  JavaInterpreterPath.clear();
  GenIncludeImpl = true;
  GenIncludeCmmt = true;
  BrowserFont = platform::TFont{"Courier New", 10, platform::clWindowText};
  BrowserColor = platform::clWhite;
  DiagramFont = platform::TFont{"Arial", 10, platform::clWindowText};
  DiagramWidth = 1500;
  DiagramHeight = 2000;
  EditorFont = platform::TFont{"Courier New", 10, platform::clWindowText};
  EditorColor = platform::clWhite;
  GenerateWarnings.Clear();
  SetIndent(8);
  SettingsSlot() = std::make_unique<platform::TIniFile>(SettingsFileName());
}

void DoneGlobals() {
  TheGraph.reset();
  SettingsSlot().reset();
  DesignTitle.clear();
  DesignAuthor.clear();
  ModelFileName.clear();
  DesignComments.Clear();
  PackageName.clear();
  PackagePath.clear();
  PackageImports.Clear();
  GenerateWarnings.Clear();
}

void NewModel() {
  if (TheGraph != nullptr) {
    TheGraph->Clear();
    TheGraph->Modified = false;
  }
  DesignTitle.clear();
  DesignAuthor.clear();
  ModelFileName.clear();
  DesignComments.Clear();
}

void WriteModel(TRider& rider) {
  rider.WriteString(DesignTitle);
  rider.WriteString(DesignAuthor);
  WriteLines(rider, DesignComments);
  rider.WriteString(PackageName);
  rider.WriteString(PackagePath);
  WriteLines(rider, PackageImports);
  if (TheGraph != nullptr) {
    rider.WriteObject(TheGraph.get());
  } else {
    TGraph empty;
    rider.WriteObject(&empty);
  }
}

void SaveModel() { SaveModel(ModelFileName); }

void SaveModel(const std::string& fileName) {
  TFileRider rider(fileName, rmWrite);
  WriteModel(rider);
  rider.Save();
  ModelFileName = fileName;
  if (TheGraph != nullptr) TheGraph->Modified = false;
}

void LoadModel(const std::string& fileName) {
  TFileRider rider(fileName, rmRead);
  LoadModel(rider, fileName);
}

void LoadModel(TRider& rider, const std::string& fileName) {
  TModelRead model = ReadModel(rider);
  DesignTitle = std::move(model.Title);
  DesignAuthor = std::move(model.Author);
  DesignComments = std::move(model.Comments);
  PackageName = std::move(model.PackageName);
  PackagePath = std::move(model.PackagePath);
  PackageImports = std::move(model.Imports);
  TheGraph = std::move(model.Graph);
  ModelFileName = fileName;
}

bool IsDirectSuperclass(const TGraph* graph, const TObj* super, const TObj* sub) {
  if (graph == nullptr) return false;
  return WithIndex(graph, [&](const TModelIndex& index) {
    int superIndex = index.IndexOf(super);
    return superIndex >= 0 && index.IsDirect(superIndex, index.IndexOf(sub));
  });
}

bool IsDirectSuperclass(const TObj* super, const TObj* sub) { return IsDirectSuperclass(TheGraph.get(), super, sub); }

int SuperclassCount(const TGraph* graph, const TObj* sub) {
  if (graph == nullptr) return 0;
  return WithIndex(graph, [&](const TModelIndex& index) {
    return static_cast<int>(index.DirectSupertypes(index.IndexOf(sub)).size());
  });
}

int SuperclassCount(const TObj* sub) { return SuperclassCount(TheGraph.get(), sub); }

bool IsAncestor(const TGraph* graph, const TObj* a, const TObj* b) {
  if (graph == nullptr) return false;
  return WithIndex(graph, [&](const TModelIndex& index) {
    int aIndex = index.IndexOf(a);
    int bIndex = index.IndexOf(b);
    return aIndex >= 0 && bIndex >= 0 && index.IsAncestor(aIndex, bIndex);
  });
}

bool IsAncestor(const TObj* a, const TObj* b) { return IsAncestor(TheGraph.get(), a, b); }

void CheckIdentifier(const std::string& text) {
  if (text.empty()) return;
  bool valid = IsIdentifierStart(text[0]);
  for (size_t i = 1; valid && i < text.size(); ++i) valid = IsIdentifierPart(text[i]);
  if (!valid) GenerateWarnings.Add("warning : \"" + text + "\" is invalid identifier.");
}

void SetIndent(int n) { IndentString = n > 0 ? std::string(static_cast<size_t>(n), ' ') : std::string(); }

}  // namespace modeller
