#include "workbench/SettingsExchange.h"

#include <filesystem>
#include <utility>

#include "designer/ObjIns.h"
#include "platform/IniFile.h"
#include "platform/SysUtils.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"

namespace workbench {

namespace {

std::string CurrentFolder() {
  std::error_code failed;
  std::string folder = std::filesystem::current_path(failed).string();
  return failed ? std::string() : folder;
}

// The stored places, each made usable on the screen; the values no window could take are noted.
void PlaceWindows(const TWorkbenchSettings& values, const platform::TIniFile& ini) {
  if (values.DefaultLayout) {
    MainForm->SetDefaultLayout();
    return;
  }
  MainForm->SetLeft(values.MainForm.Left);
  MainForm->SetTop(values.MainForm.Top);
  MainForm->SetWidth(values.MainForm.Width);
  PlaceInspector(values.ObjInsForm);
  EditorForm->SetFormLeft(values.EditorForm.Left);
  EditorForm->SetFormTop(values.EditorForm.Top);
  EditorForm->SetFormWidth(values.EditorForm.Width);
  EditorForm->SetFormHeight(values.EditorForm.Height);
  const std::pair<platform::TForm*, TWindowPlace TWorkbenchSettings::*> stored[] = {
      {MainForm, &TWorkbenchSettings::MainForm},
      {designer::ObjInsForm, &TWorkbenchSettings::ObjInsForm},
      {EditorForm, &TWorkbenchSettings::EditorForm}};
  for (const auto& [form, place] : stored) platform::KeepStoredPlaceUsable(*form, ini, DeskTopPlaceKeys(place));
}

void HandOut(const TWorkbenchSettings& v, const platform::TIniFile& ini) {
  PlaceWindows(v, ini);
  if (!v.FirstRun) EditorForm->SetFileFilter(v.FileFilter);
  EditorForm->SetWorkingDir(v.WorkingDir);
  EditorForm->SetDesktopMode(v.SaveDesktop);
  EditorForm->SetTabSize(v.TabSize);
  EditorForm->SetGridSize(v.GridSize);
  EditorForm->SetClassPath(v.ClassPath);
  EditorForm->SetCompilerName(v.CompilerName);
  EditorForm->SetShowCompileProgress(v.ShowCompileProgress);
  EditorForm->SetFontName(v.FontName);
  EditorForm->SetFontSize(v.FontSize);
  EditorForm->SetUseSmartTab(v.UseSmartTab);
  EditorForm->SetTextColor(static_cast<unsigned>(v.ForegroundColor));
  EditorForm->SetBackgroundColor(static_cast<unsigned>(v.BackgroundColor));
  EditorForm->SetCommentColor(static_cast<unsigned>(v.CommentColor));
  EditorForm->SetAppletHeight(v.DefaultAppletHeight);
  EditorForm->SetAppletWidth(v.DefaultAppletWidth);
  MainForm->SetConsoleClosing(v.ConsoleClosing);
  MainForm->ToolRuns.Choices = {.CompileOptions = v.CompileOption,
                                .UserToolName = v.UserToolName,
                                .UserToolVariable = v.UserToolWorkingDir,
                                .UserToolOptions = v.UserToolOptions,
                                .UserToolArgument = v.UserToolArgument};
  if (!v.FirstRun) {
    EditorForm->SetOpenFileList(v.EditorFiles);
    MainForm->StringToReopenList(v.ReopenFiles);
  }
  EditorForm->SetKeyMapFileName(v.KeyMapFileName);
  EditorForm->LoadKeyMacrosAtStart();
  EditorForm->SetComponentTemplateFileName(v.ComponentTemplateFileName);
}

TWorkbenchSettings Collect() {
  TWorkbenchSettings v;
  v.MainForm = {MainForm->Left(), MainForm->Top(), MainForm->Width(), MainForm->Height()};
  const designer::TObjInsForm& inspector = *designer::ObjInsForm;
  v.ObjInsForm = {inspector.GetInspectorLeft(), inspector.GetInspectorTop(), inspector.GetInspectorWidth(),
                  inspector.GetInspectorHeight()};
  v.EditorForm = {EditorForm->GetFormLeft(), EditorForm->GetFormTop(), EditorForm->GetFormWidth(),
                  EditorForm->GetFormHeight()};
  v.FileFilter = EditorForm->GetFileFilter();
  v.WorkingDir = EditorForm->GetWorkingDir();
  v.SaveDesktop = EditorForm->GetDesktopMode();
  v.GridSize = EditorForm->GetGridSize();
  v.TabSize = EditorForm->GetTabSize();
  v.ClassPath = EditorForm->GetClassPath();
  v.CompilerName = EditorForm->GetCompilerName();
  const TToolChoices& tool = MainForm->ToolRuns.Choices;
  v.CompileOption = tool.CompileOptions;
  v.ShowCompileProgress = EditorForm->GetShowCompileProgress();
  v.FontName = EditorForm->GetFontName();
  v.FontSize = EditorForm->GetFontSize();
  v.UseSmartTab = EditorForm->GetUseSmartTab();
  v.ForegroundColor = static_cast<int>(EditorForm->GetTextColor());
  v.BackgroundColor = static_cast<int>(EditorForm->GetBackgroundColor());
  v.CommentColor = static_cast<int>(EditorForm->GetCommentColor());
  v.DefaultAppletHeight = EditorForm->GetAppletHeight();
  v.DefaultAppletWidth = EditorForm->GetAppletWidth();
  v.ConsoleClosing = MainForm->GetConsoleClosing();
  v.UserToolName = tool.UserToolName;
  v.UserToolWorkingDir = tool.UserToolVariable;
  v.UserToolOptions = tool.UserToolOptions;
  v.UserToolArgument = tool.UserToolArgument;
  v.EditorFiles = EditorForm->GetOpenFileList();
  v.ReopenFiles = MainForm->ReopenListToString();
  v.KeyMapFileName = EditorForm->GetKeyMapFileName();
  v.ComponentTemplateFileName = EditorForm->GetComponentTemplateFileName();
  return v;
}

}  // namespace

void PlaceInspector(const TWindowPlace& place) {
  designer::TObjInsForm& inspector = *designer::ObjInsForm;
  inspector.SetInspectorLeft(place.Left);
  inspector.SetInspectorTop(place.Top);
  inspector.SetInspectorWidth(place.Width);
  inspector.SetInspectorHeight(place.Height);
}

void LoadSettingsFile() {
  platform::TIniFile ini(SettingsFileName());
  HandOut(ReadWorkbenchSettings(ini, EditorForm->GetFileFilter(), CurrentFolder()), ini);
  platform::ReportSettingCorrections();
}

void SaveSettingsFile() {
  platform::TIniFile ini(SettingsFileName());
  WriteWorkbenchSettings(ini, Collect());
  std::error_code ignored;
  std::filesystem::create_directories(platform::ExtractFileDir(ini.FileName()), ignored);
  ini.UpdateFile();
}

}  // namespace workbench
