#pragma once
// TMainForm: the workbench's main strip (menus, speed buttons, component palette). It owns the
// commands, decides through six command-group enablers which are available, and keeps the state
// the designer shares: the selected palette tool, the current design frame and the frame of the
// active editor page.
#include <QPointer>
#include <string>

#include "designer/FormDesigner_f.h"
#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "workbench/ToolRuns.h"

namespace workbench {

// The font new design frames and palette components start with.
struct TDesignFont {
  std::string Name;
  int Size = 0;
  bool Bold = false;
  unsigned Color = 0;
};

// Caption height, frame border width and frame border height of the running system.
struct TWindowMetrics {
  int CaptionHeight = 0;
  int FrameWidth = 0;
  int FrameHeight = 0;
};

class TMainForm : public platform::TForm {
  Q_OBJECT
 public:
  TMainForm();

  // Speed buttons.
  platform::TPanel* speedPanel;
  platform::TSpeedButton* openButton;
  platform::TSpeedButton* newfileButton;
  platform::TSpeedButton* saveButton;
  platform::TSpeedButton* SwapButton;
  platform::TSpeedButton* copyButton;
  platform::TSpeedButton* cutButton;
  platform::TSpeedButton* pasteButton;
  platform::TSpeedButton* undoButton;
  platform::TSpeedButton* findButton;
  platform::TSpeedButton* findnextButton;
  platform::TSpeedButton* replaceButton;
  platform::TSpeedButton* runButton;
  platform::TSpeedButton* BrowserButton;
  platform::TSpeedButton* AlignButton;

  // Component palette.
  platform::TPageControl* ComponentPalette;
  platform::TSpeedButton* UnSelect1;
  platform::TSpeedButton* Unselect2;
  platform::TSpeedButton* Unselect3;
  platform::TSpeedButton* Unselect4;
  platform::TSpeedButton* Unselect5;
  platform::TSpeedButton* CompoButton;
  platform::TSpeedButton* CompoPanel;
  platform::TSpeedButton* CompoEdit;
  platform::TSpeedButton* CompoMemo;
  platform::TSpeedButton* CompoLabel;
  platform::TSpeedButton* CompoCheck;
  platform::TSpeedButton* CompoCheckGrp;
  platform::TSpeedButton* CompoCombo;
  platform::TSpeedButton* CompoList;
  platform::TSpeedButton* ScrollBarControl;
  platform::TSpeedButton* CompoMenu;
  platform::TSpeedButton* CompoImage;
  platform::TSpeedButton* CompoAudioClip;
  platform::TSpeedButton* CompoOpenDlg;
  platform::TSpeedButton* CompoSaveDlg;

  // Menus.
  platform::TMainMenu* MainMenu1;
  platform::TMenuItem* File1;
  platform::TMenuItem* New1;
  platform::TMenuItem* NewFile1;
  platform::TMenuItem* NewJavafile;
  platform::TMenuItem* NewHTMLfile;
  platform::TMenuItem* NewForm1;
  platform::TMenuItem* forApplet1;
  platform::TMenuItem* forApplication1;
  platform::TMenuItem* forAnotherFrame1;
  platform::TMenuItem* OpenFile1;
  platform::TMenuItem* Reopen1;
  platform::TMenuItem* SaveFile1;
  platform::TMenuItem* SaveFileAs1;
  platform::TMenuItem* CloseFile1;
  platform::TMenuItem* CloseAll1;
  platform::TMenuItem* Print1;
  platform::TMenuItem* PrintSetup1;
  platform::TMenuItem* Exit1;
  platform::TMenuItem* Edit1;
  platform::TMenuItem* Undo1;
  platform::TMenuItem* Cut1;
  platform::TMenuItem* Copy1;
  platform::TMenuItem* Paste1;
  platform::TMenuItem* Delete1;
  platform::TMenuItem* Search1;
  platform::TMenuItem* Find1;
  platform::TMenuItem* Replace1;
  platform::TMenuItem* FindNext1;
  platform::TMenuItem* GotoLineNumber1;
  platform::TMenuItem* View1;
  platform::TMenuItem* EditorWindow1;
  platform::TMenuItem* ObjectInspector1;
  platform::TMenuItem* AlignmentPalette1;
  platform::TMenuItem* ClassViewer1;
  platform::TMenuItem* Statusbar1;
  platform::TMenuItem* SpeedBar1;
  platform::TMenuItem* Run1;
  platform::TMenuItem* Compile1;
  platform::TMenuItem* Run2;
  platform::TMenuItem* Reset1;
  platform::TMenuItem* Arguments1;
  platform::TMenuItem* ArgApplet1;
  platform::TMenuItem* ArgApplication1;
  platform::TMenuItem* Java1;
  platform::TMenuItem* Javah1;
  platform::TMenuItem* Javap1;
  platform::TMenuItem* Javadoc1;
  platform::TMenuItem* Appletviewer1;
  platform::TMenuItem* JDB1;
  platform::TMenuItem* Option1;
  platform::TMenuItem* Environment1;
  platform::TMenuItem* Templet1;
  platform::TMenuItem* Tools1;
  platform::TMenuItem* SimanticPrototyper1;
  platform::TMenuItem* Evaluator1;
  platform::TMenuItem* EventHandlerList1;
  platform::TMenuItem* Help1;
  platform::TMenuItem* Help2;
  platform::TMenuItem* About1;

  // Shared state.
  int FSelectedTool = 100;
  QPointer<designer::TFrame> FCurrentFrame;
  QPointer<designer::TFrame> FPageFrame;
  bool FUserBreak = false;
  bool GetConsoleClosing() const { return FConsoleClosing; }
  void SetConsoleClosing(bool closing) { FConsoleClosing = closing; }

  // Command-group enablers.
  void EnableFileCommands(bool enabled);
  void EnableNewOpenCommands(bool enabled);
  void UpdateClipboardCommands();
  void EnableUndoCommand(bool enabled);
  void EnableSearchCommands(bool enabled);
  void EnableRunCommands(bool enabled);
  void EnablePasteCommands(bool enabled);

  // Reopen list.
  void AddReopenItem(int index, const std::string& fileName);
  void RemoveReopenItem(const std::string& fileName);
  std::string ReopenListToString() const;
  void StringToReopenList(const std::string& text);

  // The tool runs of the Run menu; a run in progress keeps the pages and the window open.
  TToolRuns ToolRuns;
  void SetDefaultLayout();

  void UnSelect1Click();
  void ClassViewer1Click();
  void EnableDesignTools();
  designer::TFrame* CreateDesignFrame(const std::string& name, int kind);
  void FindEditor();
  void FindFrame();
  void NewEditorFile(const std::string& kind);
  void AppActivate();

  // Command handlers.
  void newfileButtonClick();
  void forApplet1Click();
  void forApplication1Click();
  void forAnotherFrame1Click();
  void NewJavafileClick();
  void NewHTMLfileClick();
  void OpenFile1Click();
  void ReopenSubItemClick(platform::TMenuItem* item);
  void SaveFile1Click();
  void SaveFileAs1Click();
  void CloseFile1Click();
  void CloseAll1Click();
  void Print1Click();
  void PrintSetup1Click();
  void Exit1Click();
  void undoButtonClick();
  void cutButtonClick();
  void copyButtonClick();
  void pasteButtonClick();
  void Delete1Click();
  void findButtonClick();
  void replaceButtonClick();
  void findnextButtonClick();
  void GotoLineNumber1Click();
  void View1Click();
  void EditorWindow1Click();
  void ObjectInspector1Click();
  void Statusbar1Click();
  void SpeedBar1Click();
  void Run1Click();
  void Compile1Click();
  void Run2Click();
  void Reset1Click();
  void ManualJava();
  void Javah1Click();
  void Javadoc1Click();
  void ManualAppletViewer();
  void JDB1Click();
  void SimanticPrototyper1Click();
  void ArgForApplet();
  void ArgForApplication();
  void Environment1Click();
  void Templet1Click();
  void Help2Click();
  void About1Click();
  void ComponentPaletteChange();

 protected:
  void FormShow() override;
  void FormCloseQuery(bool& canClose) override;
  void FormClose(platform::TCloseAction& action) override;

 private:
  void FormCreate();
  void BuildSpeedBar();
  void BuildPalette();
  void BuildMenus();
  void BuildFileMenu();
  void BuildRunMenu();
  platform::TSpeedButton* PaletteButton(QWidget* page, const std::string& name, const std::string& hint,
                                        const std::string& glyph, int tool);
  void AfterPagesClosed(bool closedFrameWasCurrent);
  void ShowPageFrameInInspector();
  void NewForm(int kind);
  void PlaceClearOfInspector(designer::TFrame& frame);
  bool ActiveFileHasFolder() const;
  bool RefusedDuringRun();
  int PageCount() const;
  bool FConsoleClosing = false;
  bool FShown = false;
};

extern TMainForm* MainForm;

extern bool WorkbenchClosing;
extern bool SourceUpdating;
extern bool MarkerLost;
extern int SystemMenuHeight;
extern TDesignFont DesignFont;
extern TWindowMetrics WindowMetrics;

}  // namespace workbench
