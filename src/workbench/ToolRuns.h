#pragma once
// TToolRuns: the runs of the Java tools, the scanner and the user tool, and the Run-menu commands
// that check the active editor page, save it, pick the tools and show their messages. Each run
// starts its tool in the source's folder with standard error in the file "error" there, waits for
// it, and loads that file into the editor's message window.
#include <string>
#include <vector>

namespace workbench {

// The options window's choices that the runs and the settings file read. They are kept here, not
// in that window, so that the window is built only when first shown.
struct TToolChoices {
  std::string CompileOptions;
  bool JavahStub = false;
  std::string UserToolName;
  std::string UserToolVariable;  // the environment-variable line: name and value
  std::string UserToolOptions;
  std::string UserToolArgument;
};

class TToolRuns {
 public:
  // Run-menu commands.
  void Compile();
  void ManualJava();
  void ManualJdb();
  void Javah();
  void Javadoc();
  void ManualAppletViewer();
  void Run();

  // The runs: each takes the source folder (with its trailing "/") and a file or class name, and
  // returns success.
  bool RunJavac(const std::string& folder, const std::string& fileName);
  bool RunAppletViewer(const std::string& folder, const std::string& htmlName);
  bool RunJava(const std::string& folder, const std::string& className);
  bool RunJdb(const std::string& folder, const std::string& className);
  bool RunJavah(const std::string& folder, const std::string& fileName);
  bool RunJavadoc(const std::string& folder, const std::string& fileName);
  bool RunUserTool(const std::string& folder, const std::string& fileName);
  bool RunScanner();  // the class viewer's report of the active page
  // The scanner program; empty means "tovik" in the workbench program's folder.
  std::string ScannerProgram;
  TToolChoices Choices;

  // Source tests: 1 yes, 0 no, -1 when the pre-check has reported an error.
  int IsAppletSource(const std::string& sourcePath);
  int IsApplicationSource(const std::string& sourcePath);
  // Writes the temporary applet page beside the source; false (reported) when it cannot.
  bool MakeAppletHtml(const std::string& sourcePath);

  // True while a command runs: the windows it uses must then stay open.
  bool Running() const { return running_; }

 private:
  struct TSource {
    std::string fullName;
    std::string folder;
    std::string name;
    std::string ext;  // lower case, with its dot
  };
  struct TToolCall;
  struct TToolEnd {
    bool started = false;
    bool userBreak = false;
    int exitCode = 0;
  };
  class TRunGroupLock;

  TToolEnd Execute(const TToolCall& call);
  void Finish(const std::string& folder);
  bool PrepareConsole(TToolCall& call, const std::vector<std::string>& command, bool leaveOpen);
  int PrecheckedSource(const std::string& sourcePath, std::string& text);

  bool PageAllowsRun(bool refuseSecondaryFrame);
  bool SaveChecked(const std::vector<std::string>& extensions, const std::string& message, TSource& source);
  bool CompileUnlessCurrent(const TSource& source, bool modified);
  void RunJavaSource(const TSource& source, bool modified);
  void RunJavaClass(bool debugger);
  void RunDocumentTool(bool header);

  bool running_ = false;
  bool tempPageWritten_ = false;
};

}  // namespace workbench
