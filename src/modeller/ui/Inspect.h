#pragma once
// TInspector: the base of the element inspectors, fixed-size modal dialogs that show one model
// element. The controls are loaded from the element when the dialog opens and copied back only
// when it closes with OK.
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <string>
#include <vector>

#include "modeller/core/Storage.h"
#include "modeller/model/Concepts.h"
#include "modeller/ui/RadioGroup.h"
#include "platform/Controls.h"
#include "platform/ModalService.h"
#include "platform/Forms.h"
#include "platform/StringList.h"

namespace modeller {

class TInspector : public platform::TForm {
  Q_OBJECT
 public:
  TInspector();

  TStorable* Element() const { return element_; }
  // Shows the dialog modally on the element and returns the modal result; callers act only on OK.
  int InspectElement(TStorable* element);

  // Copies the controls into the element, only after OK.
  virtual void StoreToElement() {}
  // Copies the element into the controls.
  virtual void LoadFromElement() {}

  QPushButton* OKButton = nullptr;
  QPushButton* CancelButton = nullptr;

 protected:
  void InspectorShow();
  void FormShow() override { InspectorShow(); }
  bool ClosedWithOk() const { return ModalResult() == platform::mrOk; }

  // Control makers for the derived dialogs' constructors; each control is named for lookups.
  QLineEdit* AddEdit(const char* name, const std::string& label, int left, int top, int width);
  QCheckBox* AddCheckBox(const char* name, const std::string& caption, int left, int top);
  TRadioGroup* AddRadioGroup(const char* name, const std::string& caption,
                             const std::vector<std::string>& items, int left, int top, int width);
  QPushButton* AddButton(const char* name, const std::string& caption, int left, int top,
                         std::function<void()> onClick, QWidget* parent = nullptr);
  platform::TListBox* AddList(const char* name, const std::string& label, int left, int top, int width,
                              int height);
  QPlainTextEdit* AddMemo(const char* name, int left, int top, int width, int height,
                          QWidget* parent = nullptr);
  // OK and Cancel at the bottom right, then the dialog's fixed size.
  void FinishDialog(int width, int height);

 private:
  TStorable* element_ = nullptr;
};

// The four access items of members and association ends, and the two of types.
const std::vector<std::string>& MemberAccessItems();
const std::vector<std::string>& TypeAccessItems();

// Rebuilds a member list from the declarations; its Delete button is enabled only when the list
// has entries.
void RefreshMemberList(platform::TListBox& list, QPushButton& deleteButton,
                       const std::vector<std::string>& declarations);

// Loads the dialog, runs it modally and stores it after OK; returns the modal result. The scripted
// modal service shows no window, so the load does not wait for the show event.
int ExecuteDialog(platform::TForm& dialog, const std::function<void()>& load, const std::function<void()>& store);

// The buttons of one column made as wide as the widest of them.
void MatchWidths(const std::vector<QPushButton*>& column);

// A push button named for lookups.
QPushButton* NamedButton(QWidget* parent, const char* name, const std::string& caption);
// OK (the default button) and Cancel at the right of a row, ending the dialog's modal run.
QHBoxLayout* OkCancelRow(platform::TForm& dialog, QPushButton*& ok, QPushButton*& cancel);

std::string EditText(const QLineEdit& edit);
void SetEditText(QLineEdit& edit, const std::string& text);
platform::TStringList MemoLines(const QPlainTextEdit& memo);
void SetMemoLines(QPlainTextEdit& memo, const platform::TStringList& lines);

// Replaces a member's body lines when they differ, with the member's change notifications, so the
// box holding it counts as modified.
void StoreBodyLines(TElement& member, platform::TStringList& body, const platform::TStringList& lines);

}  // namespace modeller
