#pragma once
// The state the whole modeller shares: the current diagram, the design's descriptive data and
// package settings that travel in the model file, the tool and generator settings that travel in
// the settings file, the fonts and the warnings of the last code generation. Also the model file,
// the inheritance queries and the identifier check of the generators.
#include <memory>
#include <string>

#include "modeller/core/GraphObj.h"
#include "platform/Canvas.h"
#include "platform/IniFile.h"
#include "platform/StringList.h"

namespace modeller {

// The current diagram. The main window makes the first one; LoadModel replaces it.
extern std::unique_ptr<TGraph> TheGraph;

// The design, saved in the model file.
extern std::string DesignTitle;
extern std::string DesignAuthor;
extern std::string ModelFileName;  // empty while the design is unnamed
extern platform::TStringList DesignComments;
extern std::string PackageName;
extern std::string PackagePath;
extern platform::TStringList PackageImports;

// Program settings, saved in the settings file.
extern std::string JavaCompilerPath;
extern std::string JavaInterpreterPath;
extern bool GenIncludeImpl;
extern bool GenIncludeCmmt;
extern std::string IndentString;
extern platform::TFont BrowserFont;
extern platform::TColor BrowserColor;
extern platform::TFont DiagramFont;
extern int DiagramWidth;
extern int DiagramHeight;
extern platform::TFont EditorFont;
extern platform::TColor EditorColor;

// Warnings of the last code generation.
extern platform::TStringList GenerateWarnings;

// $XDG_CONFIG_HOME/zelvory/zelvory.ini (~/.config when the variable is not set).
std::string SettingsFileName();
// The settings file, opened on first use or by InitGlobals.
platform::TIniFile& SettingsIniFile();

// Program start: every value to its default, the indentation to 8 blanks, the settings file
// opened afresh. The current diagram is left to the main window.
void InitGlobals();
// Program end: the diagram and the settings file freed, the design values emptied.
void DoneGlobals();

// An empty design; the package name, path and imports stay.
void NewModel();
// Writes the design to ModelFileName; the diagram counts as unmodified afterwards.
void SaveModel();
// Writes the design to the file, which becomes ModelFileName once it is written whole.
void SaveModel(const std::string& fileName);
// Reads a model file. The design values and the diagram are replaced only when the whole file was
// read; a failed load leaves the current model and ModelFileName as they were. The new diagram is
// bound to no paint box and no handler group yet.
void LoadModel(const std::string& fileName);
// The same with the text of a model file already in a rider, which the file's name then names.
void LoadModel(TRider& rider, const std::string& fileName);
// The text SaveModel writes, appended to the rider.
void WriteModel(TRider& rider);

// Super is a direct supertype of Sub: a subclassing link runs from Sub to a junction from which a
// link runs to Super. Empty nodes, or nodes outside the graph, are never related.
bool IsDirectSuperclass(const TGraph* graph, const TObj* super, const TObj* sub);
bool IsDirectSuperclass(const TObj* super, const TObj* sub);  // in TheGraph
// The number of direct supertypes, classes and interfaces together.
int SuperclassCount(const TGraph* graph, const TObj* sub);
int SuperclassCount(const TObj* sub);
// A is a direct or indirect supertype of B. Each type is visited once, so a cyclic inheritance
// read from a file ends too.
bool IsAncestor(const TGraph* graph, const TObj* a, const TObj* b);
bool IsAncestor(const TObj* a, const TObj* b);

// Adds a warning to GenerateWarnings when the text is not empty and not an ASCII identifier.
void CheckIdentifier(const std::string& text);
// IndentString becomes n blanks (none for n <= 0).
void SetIndent(int n);

}  // namespace modeller
