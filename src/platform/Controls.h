#pragma once
// Standard controls with the framework-shaped members the windows use.
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QPointer>
#include <QToolButton>
#include <functional>
#include <string>
#include <vector>

namespace platform {

// A picture compiled into the program: "morvane/open" is the resource ":/morvane/open.svg". Drawn
// from its SVG at every size asked for; a disabled control shows it greyed. Null when the program
// holds no such picture.
QIcon Glyph(const std::string& name);

// A flat 24 x 24 button with a hint. Buttons sharing a GroupIndex > 0 in one parent form a radio
// group: pressing one puts it Down and the others up.
class TSpeedButton : public QToolButton {
  Q_OBJECT
 public:
  TSpeedButton(QWidget* parent, const std::string& name, const std::string& hint, int groupIndex = 0);
  std::string Hint() const { return toolTip().toStdString(); }
  void SetDown(bool down);
  int GroupIndex() const { return groupIndex_; }
  void SetGlyph(const std::string& name);  // the picture (Glyph), before the caption if it has one
  std::function<void()> OnClick;  // may be re-pointed at run time
  void Click();

 private:
  int groupIndex_;
};

class TPanel : public QFrame {
  Q_OBJECT
 public:
  explicit TPanel(QWidget* parent, const std::string& name = {});
};

class TTabSheet : public QWidget {
  Q_OBJECT
 public:
  explicit TTabSheet(const std::string& caption) : caption_(caption) {}
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int PageIndex() const;
  // The object a sheet carries (the editor keeps a page's design frame here); null for none.
  QObject* Tag() const { return tag_; }
  void SetTag(QObject* tag) { tag_ = tag; }

 private:
  std::string caption_;
  QPointer<QObject> tag_;
};

class TPageControl : public QTabWidget {
  Q_OBJECT
 public:
  explicit TPageControl(QWidget* parent);
  TTabSheet* Pages(int index) const { return qobject_cast<TTabSheet*>(widget(index)); }
  TTabSheet* ActivePage() const { return qobject_cast<TTabSheet*>(currentWidget()); }
  void SetActivePageIndex(int index);  // runs no OnChange, as a change made by the program
  TTabSheet* AddPage(const std::string& caption);
  std::function<void()> OnChange;  // the user picked another page

 private:
  bool changingByProgram_ = false;
};

class TStatusPanel;

// A status bar of fixed-width panels; the last one also takes the rest of the bar. A text wider than
// its panel shows its middle elided, the whole text being the panel's tool tip.
class TStatusBar : public QStatusBar {
  Q_OBJECT
 public:
  TStatusBar(QWidget* parent, const std::vector<int>& widths);
  std::string PanelText(int index) const;
  void SetPanelText(int index, const std::string& text);
  void SetPanelAlignment(int index, Qt::Alignment alignment);
  // A panel is drawn sunken unless it is set flat, as a panel captioning its neighbour is.
  void SetPanelBevel(int index, bool sunken);
  int PanelCount() const { return static_cast<int>(panels_.size()); }

 private:
  std::vector<TStatusPanel*> panels_;
};

class TListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit TListBox(QWidget* parent);
  std::string Items(int index) const;
  void AddItem(const std::string& text);
  std::function<void()> OnDblClick;

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace platform
