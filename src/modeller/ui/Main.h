#pragma once
// TMainForm: the modeller's main window. It owns the handler group with the select handler and the
// nine creation handlers and shows the current diagram on its paint box; its menus, tool bars and
// keys run the model, pattern, edit and print commands and open the other windows.
#include <QScrollArea>
#include <memory>
#include <string>

#include "modeller/core/GraphObj.h"
#include "modeller/core/Handlers.h"
#include "platform/Controls.h"
#include "platform/FileDialogs.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/PaintBox.h"
#include "platform/Timer.h"

namespace modeller {

class TMainForm : public platform::TForm {
  Q_OBJECT
 public:
  TMainForm();
  ~TMainForm() override;

  QScrollArea* ScrollBox = nullptr;
  platform::TPaintBox* PaintBox = nullptr;
  platform::TStatusBar* StatusBar = nullptr;
  QWidget* CoolBar = nullptr;
  platform::TMainMenu* MainMenu = nullptr;
  platform::TOpenDialog* OpenDialog = nullptr;
  platform::TSaveDialog* SaveDialog = nullptr;
  platform::TTimer* SplashTimer = nullptr;
  platform::TOpenDialog* OpenPatternDialog = nullptr;
  platform::TSaveDialog* SavePatternDialog = nullptr;
  platform::TPopupMenu* DiagramPopupMenu = nullptr;

  platform::TMenuItem *FileNew, *FileOpen, *FileSave, *FileSaveAs, *FilePrint, *FilePrintSetup, *FileExit;
  platform::TMenuItem *EditCut, *EditCopy, *EditPaste, *EditDelete, *EditSelectAll, *EditRefresh;
  platform::TMenuItem *SymbolsSelect, *SymbolsClass, *SymbolsInterface, *SymbolsInheritance,
      *SymbolsAssociation, *SymbolsAggregation, *SymbolsInstantiation, *SymbolsComment,
      *SymbolsCommentLink, *SymbolsText;
  platform::TMenuItem *PatternsSaveAsDesignPattern, *PatternsInsertDesignPattern;
  platform::TMenuItem *ViewBrowser, *ViewPackage, *ViewDesignInformation;
  platform::TMenuItem *ToolsOptions, *ToolsJavaEditor, *ToolsJAVACodeGenerator, *ToolsTranslators;
  platform::TMenuItem *HelpContents, *HelpAbout;

  platform::TSpeedButton *NewButton, *OpenButton, *SaveButton, *PrintButton;
  platform::TSpeedButton *CutButton, *PasteButton, *DeleteButton, *CopyButton;
  platform::TSpeedButton *EditorButton, *SavePatternButton, *InsertPatternButton, *PackageButton,
      *InformationButton, *BrowserButton, *GenerateButton, *TranslatorsButton, *HelpButton;
  platform::TSpeedButton *SelectButton, *ClassButton, *InterfaceButton, *CommentButton,
      *InheritanceButton, *AssociationButton, *AggregationButton, *CommentLinkButton,
      *InstantiateButton, *TextButton;

  TSelectHandler* SelectHandler = nullptr;
  TCreateHandler* ClassHandler = nullptr;
  TCreateHandler* InterfaceHandler = nullptr;
  TCreateHandler* InheritanceHandler = nullptr;
  TCreateHandler* AssociationHandler = nullptr;
  TCreateHandler* AggregationHandler = nullptr;
  TCreateHandler* InstantiateHandler = nullptr;
  TCreateHandler* CommentHandler = nullptr;
  TCreateHandler* CommentLinkHandler = nullptr;
  TCreateHandler* TextHandler = nullptr;
  std::unique_ptr<THandlerGroup> HandlerGroup;

  // Commands.
  void FileNewClick();
  void EditPasteClick();
  void FileOpenClick();
  void FileSaveClick();
  void FileSaveAsClick();
  void FilePrintClick();
  void FilePrintSetupClick();
  void FileExitClick();
  void PatternsSaveAsDesignPatternClick();
  void PatternsInsertDesignPatternClick();
  void ViewBrowserClick();
  void ViewPackageClick();
  void ViewDesignInformationClick();
  void ToolsOptionsClick();
  void ToolsJavaEditorClick();
  void ToolsJAVACodeGeneratorClick();
  void ToolsTranslatorsClick();
  void HelpContentsClick();
  void HelpAboutClick();
  void HandlerButtonClick(platform::TSpeedButton* button);
  // Ctrl+C, Ctrl+V, Ctrl+X and Delete act on the diagram's selection; true when the key was used.
  bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
  void PaintBoxDblClick();
  void SplashTimerTimer();

  void LoadSettings();
  void SaveSettings();
  void ApplyOptions();
  // Makes the drawing area hold every box; true when it was resized while shown, which draws it
  // anew.
  bool FitDrawingArea();
  // Reads the model file and shows its diagram; a failed read raises and changes nothing.
  void LoadModel(const std::string& fileName);
  // Write the model to ModelFileName or to a new name; false, after a message, when the file could
  // not be written.
  bool SaveModel();
  bool SaveModel(const std::string& fileName);
  void UpdateStatusBar();
  TObj* SelectedObject() const;
  void InspectSelected();
  void PrintDiagram();

 protected:
  void FormShow() override;
  void FormCloseQuery(bool& canClose) override;
  void FormClose(platform::TCloseAction& action) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void BuildMenus();
  void BuildFileMenu();
  void BuildEditMenu();
  void BuildSymbolsMenu();
  void BuildToolMenus();
  void BuildPopupMenu();
  void BuildToolBars();
  void BuildPalette(QWidget* bar);
  void BuildDiagram();
  void BuildStatusBar();
  void BuildDialogs();
  void MakeHandlers();
  void BindGraph();
  void HandlerActivated(THandler* handler);
  void HandlerDeactivated(THandler* handler);
  void ElementCreated(THandler* handler);
  platform::TSpeedButton* ButtonOf(const THandler* handler) const;
  THandler* HandlerOf(const platform::TSpeedButton* button) const;
  // The save question on a modified model: mrYes, mrNo or mrCancel; mrNo when nothing changed.
  int AskToSave() const;
  // Saves under the model's name, or asks for one; true when the model was written.
  bool SaveOrSaveAs();
  bool SaveAs();

  struct HandlerButton {
    THandler* handler;
    platform::TSpeedButton* button;
  };
  std::vector<HandlerButton> handlerButtons_;
  int normalLeft_ = 0, normalTop_ = 0, normalWidth_ = 0, normalHeight_ = 0;
};

extern TMainForm* MainForm;

}  // namespace modeller
