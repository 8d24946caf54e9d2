#include "modeller/ui/Inspect.h"
#include "platform/HandlerGuard.h"

#include <QLabel>
#include <algorithm>

#include "platform/Captions.h"
#include "platform/StdCtrls.h"

namespace modeller {

// Every inspector but the association's opens centred on the screen.
TInspector::TInspector() {
  setWindowFlag(Qt::Dialog);
  Position = platform::poScreenCenter;
}

int TInspector::InspectElement(TStorable* element) {
  element_ = element;
  // A scripted answer never shows the dialog, so loading does not wait for the show event.
  LoadFromElement();
  int result = ShowModal();
  StoreToElement();
  element_ = nullptr;
  return result;
}

void TInspector::InspectorShow() {
  if (element_ != nullptr) LoadFromElement();
}

QLineEdit* TInspector::AddEdit(const char* name, const std::string& label, int left, int top, int width) {
  if (!label.empty()) {
    auto* caption = new QLabel(QString::fromStdString(label), this);
    caption->move(left, top);
    top += 16;
  }
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  edit->setGeometry(left, top, width, 22);
  return edit;
}

QCheckBox* TInspector::AddCheckBox(const char* name, const std::string& caption, int left, int top) {
  auto* box = new QCheckBox(QString::fromStdString(caption), this);
  box->setObjectName(name);
  box->move(left, top);
  box->adjustSize();  // its own height, so boxes stacked 20 pixels apart do not overlap
  return box;
}

TRadioGroup* TInspector::AddRadioGroup(const char* name, const std::string& caption,
                                       const std::vector<std::string>& items, int left, int top, int width) {
  auto* group = new TRadioGroup(this, caption, items);
  group->setObjectName(name);
  group->setGeometry(left, top, width, 24 + 20 * static_cast<int>(items.size()));
  return group;
}

QPushButton* TInspector::AddButton(const char* name, const std::string& caption, int left, int top,
                                   std::function<void()> onClick, QWidget* parent) {
  auto* button = new QPushButton(QString::fromStdString(caption), parent != nullptr ? parent : this);
  button->setObjectName(name);
  button->setGeometry(left, top, 90, 25);
  platform::GrowToFit(button);
  platform::Connect(button, &QPushButton::clicked, this, [onClick = std::move(onClick)] { onClick(); });
  return button;
}

platform::TListBox* TInspector::AddList(const char* name, const std::string& label, int left, int top,
                                        int width, int height) {
  auto* caption = new QLabel(QString::fromStdString(label), this);
  caption->move(left, top);
  auto* list = new platform::TListBox(this);
  list->setObjectName(name);
  list->setGeometry(left, top + 16, width, height);
  return list;
}

QPlainTextEdit* TInspector::AddMemo(const char* name, int left, int top, int width, int height, QWidget* parent) {
  auto* memo = new platform::TMemo(parent != nullptr ? parent : this);
  memo->setObjectName(name);
  memo->setGeometry(left, top, width, height);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setTabChangesFocus(false);
  memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return memo;
}

void TInspector::FinishDialog(int width, int height) {
  OKButton = AddButton("OKButton", "OK", width - 200, height - 35, [this] { SetModalResult(platform::mrOk); });
  CancelButton =
      AddButton("CancelButton", "Cancel", width - 100, height - 35, [this] { SetModalResult(platform::mrCancel); });
  OKButton->setDefault(true);
  platform::SetCancel(CancelButton);
  setFixedSize(width, height);
}

const std::vector<std::string>& MemberAccessItems() {
  static const std::vector<std::string> items{"package", "private", "protected", "public"};
  return items;
}

const std::vector<std::string>& TypeAccessItems() {
  static const std::vector<std::string> items{"package", "public"};
  return items;
}

void RefreshMemberList(platform::TListBox& list, QPushButton& deleteButton,
                       const std::vector<std::string>& declarations) {
  list.clear();
  for (const std::string& declaration : declarations) list.AddItem(declaration);
  deleteButton.setEnabled(list.count() > 0);
}

int ExecuteDialog(platform::TForm& dialog, const std::function<void()>& load, const std::function<void()>& store) {
  load();
  const int result = dialog.ShowModal();
  if (result == platform::mrOk) store();
  return result;
}

void MatchWidths(const std::vector<QPushButton*>& column) {
  int widest = 0;
  for (QPushButton* button : column) widest = std::max(widest, button->width());
  for (QPushButton* button : column) button->resize(widest, button->height());
}

QPushButton* NamedButton(QWidget* parent, const char* name, const std::string& caption) {
  auto* button = new QPushButton(QString::fromStdString(caption), parent);
  button->setObjectName(name);
  return button;
}

QHBoxLayout* OkCancelRow(platform::TForm& dialog, QPushButton*& ok, QPushButton*& cancel) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  ok = NamedButton(&dialog, "OKButton", "OK");
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, [&dialog] { dialog.SetModalResult(platform::mrOk); });
  cancel = NamedButton(&dialog, "CancelButton", "Cancel");
  platform::SetCancel(cancel);
  QObject::connect(cancel, &QPushButton::clicked, &dialog, [&dialog] { dialog.SetModalResult(platform::mrCancel); });
  row->addWidget(ok);
  row->addWidget(cancel);
  return row;
}

std::string EditText(const QLineEdit& edit) { return edit.text().toStdString(); }

void SetEditText(QLineEdit& edit, const std::string& text) { edit.setText(QString::fromStdString(text)); }

platform::TStringList MemoLines(const QPlainTextEdit& memo) {
  platform::TStringList lines;
  if (memo.document()->isEmpty()) return lines;
  for (const QString& line : memo.toPlainText().split('\n')) lines.Add(line.toStdString());
  return lines;
}

void SetMemoLines(QPlainTextEdit& memo, const platform::TStringList& lines) {
  QStringList text;
  for (int i = 0; i < lines.Count(); ++i) text << QString::fromStdString(lines[i]);
  memo.setPlainText(text.join('\n'));
}

void StoreBodyLines(TElement& member, platform::TStringList& body, const platform::TStringList& lines) {
  if (body.Text() == lines.Text() && body.Count() == lines.Count()) return;
  if (member.OnChanging) member.OnChanging(&member);
  body.Assign(lines);
  if (member.OnChanged) member.OnChanged(&member);
}

}  // namespace modeller
