#pragma once
// A new form on its design surface, driven by real mouse and key events, and read back section by
// section from its source page.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

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

  // The mouse as a hand moves it: each event goes to the top-level window at window coordinates,
  // and Qt routes it to the widget under the mouse, or to the one that has the mouse during a drag.
  // Points are given in the target's coordinates as it stood when the gesture began: a dragged
  // component moves away under the mouse while the hand goes on.
  void Press(QWidget* target, QPoint local, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Aim(target);
    QTest::mousePress(window_, Qt::LeftButton, modifiers, origin_ + local);
  }
  void MoveTo(QPoint local) { QTest::mouseMove(window_, origin_ + local); }
  void Release(QPoint local, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::mouseRelease(window_, Qt::LeftButton, modifiers, origin_ + local);
  }
  void Click(QWidget* target, QPoint local) {
    Press(target, local);
    Release(local);
  }
  void DoubleClick(QWidget* target, QPoint local) {
    Aim(target);
    QTest::mouseDClick(window_, Qt::LeftButton, Qt::NoModifier, origin_ + local);
  }
  // Drags from one point of the target to another, both in the target's coordinates.
  void Drag(QWidget* target, QPoint from, QPoint to) {
    Press(target, from);
    MoveTo((from + to) / 2);
    MoveTo(to);
    Release(to);
  }
  void Key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(type, key, modifiers);
    QApplication::sendEvent(frame_, &event);
  }
  void KeyDown(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { Key(QEvent::KeyPress, key, modifiers); }
  void KeyUp(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { Key(QEvent::KeyRelease, key, modifiers); }

  // Picks a palette tool and clicks the frame (or a component) at the point.
  // None when the drop closed the page and its frame.
  QWidget* Drop(int tool, QPoint at, QWidget* on = nullptr) {
    Main().FSelectedTool = tool;
    QPointer<designer::TFrame> frame = frame_;
    Click(on != nullptr ? on : frame_, at);
    return frame != nullptr ? frame->FSelected.data() : nullptr;
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

 private:
  void Aim(QWidget* target) {
    window_ = target->window()->windowHandle();
    origin_ = target->mapTo(target->window(), QPoint(0, 0));
  }
  QWindow* window_ = nullptr;
  QPoint origin_;  // the target's place in its window when the gesture began
};

using Lines = std::vector<std::string>;
