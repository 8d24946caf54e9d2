#pragma once
// A new form on its design surface, driven by real mouse and key events sent to its widgets, and
// read back section by section from its source page.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "../workbench/WorkbenchFixture.h"
#include "designer/FormDesigner_f.h"
#include "designer/Lib.h"

class SurfaceTest : public WorkbenchTest {
 protected:
  // File > New Form of the kind on a workbench without pages; the frame is activated.
  designer::TFrame& NewForm(int kind) {
    Main().CloseAll1Click();
    if (kind == designer::fkApplet) Main().forApplet1Click();
    else if (kind == designer::fkApplication) Main().forApplication1Click();
    else Main().forAnotherFrame1Click();
    frame_ = Main().FCurrentFrame.data();
    Activate();
    return *frame_;
  }
  void Activate() {
    frame_->activateWindow();
    QApplication::processEvents();
    EXPECT_TRUE(frame_->HookInstalled()) << "the frame did not become active";
  }
  designer::TFrame& Frame() { return *frame_; }

  // Points are given in the target's coordinates as it stood when the gesture began: a dragged
  // component moves away under the mouse while the screen point goes on where the hand goes.
  void Mouse(QEvent::Type type, QWidget* target, QPoint local, Qt::MouseButtons held,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (type == QEvent::MouseButtonPress) origin_ = target->mapToGlobal(QPoint(0, 0));
    QPoint global = origin_ + local;
    QMouseEvent event(type, QPointF(target->mapFromGlobal(global)), QPointF(global), Qt::LeftButton, held, modifiers);
    QApplication::sendEvent(target, &event);
  }
  void Press(QWidget* target, QPoint local, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Mouse(QEvent::MouseButtonPress, target, local, Qt::LeftButton, modifiers);
  }
  void MoveTo(QWidget* target, QPoint local) {
    QPoint global = origin_ + local;
    QMouseEvent event(QEvent::MouseMove, QPointF(target->mapFromGlobal(global)), QPointF(global), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }
  void Release(QWidget* target, QPoint local, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Mouse(QEvent::MouseButtonRelease, target, local, Qt::NoButton, modifiers);
  }
  void Click(QWidget* target, QPoint local) {
    Press(target, local);
    Release(target, local);
  }
  // Drags from one point of the target to another, both in the target's coordinates.
  void Drag(QWidget* target, QPoint from, QPoint to) {
    Press(target, from);
    MoveTo(target, (from + to) / 2);
    MoveTo(target, to);
    Release(target, to);
  }
  void Key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(type, key, modifiers);
    QApplication::sendEvent(frame_, &event);
  }
  void KeyDown(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { Key(QEvent::KeyPress, key, modifiers); }
  void KeyUp(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { Key(QEvent::KeyRelease, key, modifiers); }

  // Picks a palette tool and clicks the frame (or a component) at the point.
  QWidget* Drop(int tool, QPoint at, QWidget* on = nullptr) {
    Main().FSelectedTool = tool;
    Click(on != nullptr ? on : frame_, at);
    return Frame().FSelected.data();
  }

  // The lines between the first line holding start and the first holding end, both excluded.
  std::vector<std::string> Section(const std::string& start, const std::string& end) {
    std::vector<std::string> lines;
    int first = designer::GetLineIndex(start);
    int last = designer::GetLineIndex(end);
    for (int i = first + 1; first >= 0 && i < last; ++i) lines.push_back(Active().Lines().Get(i));
    return lines;
  }
  std::vector<std::string> Declarations() {
    return Section("// Component Declaration", "// End of Component Declaration");
  }
  std::vector<std::string> Initialization() {
    return Section("// Component Initialization", "// End of Component Initialization");
  }
  std::vector<std::string> Adds() { return Section("// Add()s", "// End of Add()s"); }
  std::vector<std::string> Positions() { return Section("// InitialPositionSet()", "// End of InitialPositionSet()"); }
  std::vector<std::string> Clauses() { return Section("// handleEvent()", "// End of handleEvent()"); }

  designer::TFrame* frame_ = nullptr;
  QPoint origin_;
};

using Lines = std::vector<std::string>;
