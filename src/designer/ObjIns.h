#pragma once
// TObjInsForm: the object inspector. It shows the selected component of the current design frame
// as rows of a Properties and an Events page, and commits what the user types or chooses in a row's
// small editor to the component and, through the write protocol, to the Java source.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTabWidget>
#include <QToolButton>
#include <functional>
#include <string>
#include <vector>

#include "platform/FileDialogs.h"
#include "platform/Forms.h"
#include "platform/StringList.h"

namespace designer {

class TFrame;
class TImage;

// The inspector's number for a property row name (" FontSize" gives 8); -1 for an unknown name.
int PropertyCodeOf(const std::string& rowName);
// The property row names of a component kind, top to bottom; empty for a kind without rows.
const std::vector<std::string>& PropertyRowNames(int kind);
const std::vector<std::string>& EventRowNames(int kind);
// The editor style of a property code: a typed number, a value list, or the dots button.
// The value a property row shows for a component of the kind; the design file writes the same.
std::string ValueOf(QWidget* c, int kind, int code);

bool IsNumericCode(int code);
bool IsListCode(int code);
bool IsDotsCode(int code);

// A name or value cell of a row: a label that reports clicks.
class TRowPanel : public QLabel {
  Q_OBJECT
 public:
  explicit TRowPanel(QWidget* parent) : QLabel(parent) {}
  std::function<void(TRowPanel*)> OnClick;
  // A value cell shows a value wider than itself with its end elided, the whole value as tool tip.
  bool ElidesValue = false;
  bool Grayed() const { return grayed_; }
  void SetGrayed(bool grayed);
  void SetTextColour(const QColor& colour);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool grayed_ = false;
};

// The property editor: an edit that reports its key presses, releases and leaving.
class TMiniEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TMiniEdit(QWidget* parent) : QLineEdit(parent) {}
  int Tag = -1;
  bool Modified() const { return isModified(); }
  void SetModified(bool modified) { setModified(modified); }
  // Escape: the editor shows the row's stored value again, so that leaving it commits nothing.
  void PutStoredValueBack(const QLabel& cell) {
    setText(cell.text());
    setModified(false);
  }
  std::function<void(QKeyEvent*)> OnKeyDown;
  std::function<void(QKeyEvent*)> OnKeyUp;
  std::function<void()> OnExit;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

class TObjInsForm : public platform::TForm {
  Q_OBJECT
 public:
  TObjInsForm();
  ~TObjInsForm() override;

  static constexpr int RowHeight = 18;
  static constexpr int PropertyRows = 14;
  static constexpr int EventRows = 17;

  QWidget* Panel2;
  QComboBox* ComboBox1;  // "name : class" entries of the current frame
  QTabWidget* Page1;
  QWidget* ProPage;
  QWidget* EvePage;
  QFrame* PropertyBackPanel;
  QFrame* EventBackPanel;
  TMiniEdit* miniEdit1;
  QToolButton* miniDots1;
  QToolButton* miniArrow1;
  QListWidget* miniList1;
  TMiniEdit* miniEdit2;
  QToolButton* miniArrow2;
  QListWidget* miniList2;
  platform::TOpenDialog* OpenPictureDialog1;

  std::vector<TRowPanel*> FPropNamePanels;
  std::vector<TRowPanel*> FPropValuePanels;
  std::vector<TRowPanel*> FEventNamePanels;
  std::vector<TRowPanel*> FEventValuePanels;
  std::string FOldValue;
  platform::TStringList FJfmText;

  void SelectComponent(QWidget* component);
  void ShowComponent(QWidget* component);
  void ClearInspector();
  void RefreshPosition();
  void RefreshSize();
  // Keyword help on the row of the open property or event editor.
  void PropertyHelp();
  void EventHelp();

  // The window's place, kept in the settings file.
  int GetInspectorLeft() const { return Left(); }
  int GetInspectorTop() const { return Top(); }
  int GetInspectorWidth() const { return Width(); }
  int GetInspectorHeight() const { return Height(); }
  void SetInspectorLeft(int left) { SetLeft(left); }
  void SetInspectorTop(int top) { SetTop(top); }
  void SetInspectorWidth(int width) { SetWidth(width); }
  void SetInspectorHeight(int height) { SetHeight(height); }

  void ComboBox1Change();
  void Child1Click(TRowPanel* panel);
  void Child2Click(TRowPanel* panel);
  void miniArrow1Click();
  // The dots button: the menu designer, the picture dialog or the items editor of the shown component.
  void miniDots1Click();
  void miniList1Click();
  void miniList1Exit();
  void miniEdit1Change();
  void miniEdit1Exit();
  void miniEdit1KeyDown(QKeyEvent* event);
  void miniEdit1KeyUp(QKeyEvent* event);
  void CommitProperty();
  // The Events page (ObjInsEvents.cpp).
  void miniArrow2Click();
  void miniList2Click();
  void miniList2Exit();
  void miniEdit2Exit();
  void miniEdit2KeyDown(QKeyEvent* event);
  void miniEdit2DblClick();
  // Binds, renames or clears the open event row's handler; false when the name was refused or the
  // page was lost to a missing marker.
  bool CommitHandler();
  void FillHandlerList(int code);
  void AddGroupHandlers(const std::vector<std::string>& group);
  const std::vector<std::vector<std::string>>& EventGroups() const;
  // The design surface's double-click: the component's first event row gets its default handler,
  // whose routine the source page then shows.
  void OpenDefaultHandler(QWidget* component);
  void Page1Change();
  void ResizeForm();
  void ReplaceEditor();

  // The component the rows show; null while none.
  QWidget* Shown() const { return shown_; }

 protected:
  void FormDeactivate() override;
  void FormResize() override { ResizeForm(); }
  // A sheet of the page control takes its size when it is laid out, not with the window.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void BuildRows(QFrame* back, int count, std::vector<TRowPanel*>& names, std::vector<TRowPanel*>& values,
                 const std::function<void(TRowPanel*)>& click);
  void SetRowCounts(int properties, int events);
  void FillRowNames(QWidget* component);
  void FillRowValues(QWidget* component);
  void FillEventValues(QWidget* component);
  void GrayRows(const std::vector<std::string>& propertyRows, const std::vector<std::string>& eventRows);
  void RestoreRows();
  int RowOf(int code) const;
  void SetValueCell(int code, const std::string& value);
  void HideEditors();
  void OpenTextEditor(int row);
  void OpenListEditor(int row, int code);
  void OpenDotsEditor(int row);
  void PlacePropertyEditor(int row, int code);
  void PlaceHandlerEditor(int row);
  void SortChooser();
  void RefreshCells(std::initializer_list<int> codes);
  void FillValueList(int code);
  void CommitValue(int row, int code, const std::string& text);
  void CommitGeometry(int code, int value, const std::string& text);
  void CommitRename(int row, const std::string& typed);
  TFrame* CurrentFrame() const;
  void BuildEventsEditor();
  void JumpToHandler();

  // Committing (ObjInsCommit.cpp).
  bool RefuseValue(const std::string& message);
  bool ApplyListValue(QWidget* s, int code, const std::string& value);
  void ApplyCheckedState(QWidget* s, const std::string& value);
  void FollowFontSize(QWidget* s, QSize before);
  void WidenToCaption(QWidget* label);
  void CommitFontSize(int value, const std::string& text);
  void CommitScrollValue(int code, int value, const std::string& text);
  void CommitEchoCharacter(const std::string& text);
  // The message that refuses a value; "" when it can be written. A number is parsed into value.
  std::string ValueRefusal(int code, const std::string& text, int& value) const;
  std::string ListRefusal(int code, const std::string& value) const;
  std::string NameRefusal(QWidget* component, const std::string& name) const;
  bool SaveFrameFiles(TFrame* frame);
  void RenameFramePage(TFrame* frame, const std::string& newName);
  void RenameMenuBar(TFrame* frame, QWidget* bar, const std::string& newName);
  void RenameEntry(const std::string& oldName, const std::string& newName);
  void ChoosePicture(TFrame* frame, TImage* image);
  void EditItems(TFrame* frame, QWidget* component);

  QPointer<QWidget> shown_;
  int shownKind_ = 0;
  QObject* FEventTaps = nullptr;  // owns the Events page's double-click and leaving watchers
  bool sortingChooser_ = false;
  int nameColumn_ = 0;   // the name column's least width
  int valueColumn_ = 0;  // the value column's least width
};

extern TObjInsForm* ObjInsForm;

}  // namespace designer
