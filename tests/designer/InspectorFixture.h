#pragma once
// The object inspector of a new form on its design surface, driven row by row as a user does:
// a click on a row, typed keys and Enter, or a value chosen from the row's list.
#include "SurfaceFixture.h"
#include "designer/ObjIns.h"

class InspectorTest : public SurfaceTest {
 protected:
  designer::TObjInsForm& Inspector() { return *designer::ObjInsForm; }

  std::vector<std::string> ShownRowNames() {
    std::vector<std::string> names;
    for (designer::TRowPanel* panel : Inspector().FPropNamePanels)
      if (!panel->isHidden()) names.push_back(panel->text().toStdString());
    return names;
  }
  std::vector<std::string> GrayedRows(const std::vector<designer::TRowPanel*>& panels) {
    std::vector<std::string> names;
    for (designer::TRowPanel* panel : panels)
      if (!panel->isHidden() && panel->Grayed()) names.push_back(panel->text().toStdString());
    return names;
  }
  int Row(const std::string& name) {
    auto& panels = Inspector().FPropNamePanels;
    for (size_t row = 0; row < panels.size(); ++row)
      if (!panels[row]->isHidden() && panels[row]->text().toStdString() == " " + name) return static_cast<int>(row);
    ADD_FAILURE() << "no row " << name;
    return 0;
  }
  std::string Value(const std::string& name) {
    return Inspector().FPropValuePanels[Row(name)]->text().toStdString();
  }
  void OpenRow(const std::string& name) { Inspector().Child1Click(Inspector().FPropValuePanels[Row(name)]); }
  // Types the text over the open editor's text, key by key, and presses Enter.
  void Type(const std::string& text) {
    designer::TMiniEdit* edit = Inspector().miniEdit1;
    edit->selectAll();
    for (char c : text) {
      QKeyEvent press(QEvent::KeyPress, QChar(c).toUpper().unicode(), Qt::NoModifier, QString(QChar(c)));
      QApplication::sendEvent(edit, &press);
      QKeyEvent release(QEvent::KeyRelease, QChar(c).toUpper().unicode(), Qt::NoModifier, QString(QChar(c)));
      QApplication::sendEvent(edit, &release);
    }
  }
  void Enter() {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(Inspector().miniEdit1, &press);
  }
  void Commit(const std::string& row, const std::string& text) {
    OpenRow(row);
    Type(text);
    Enter();
  }
  // Chooses the value from the row's list and leaves the editor.
  void Choose(const std::string& row, const std::string& value) {
    OpenRow(row);
    QListWidget* list = Inspector().miniList1;
    const auto found = list->findItems(QString::fromStdString(value), Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << value;
    list->setCurrentItem(found.first());
    Inspector().miniList1Click();
    Inspector().CommitProperty();
  }
  bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
};
