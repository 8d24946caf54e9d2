#pragma once
// The modeller's windows made as at start-up, the main window shown on the offscreen platform,
// dialogs scripted, and mouse events sent to the diagram's paint box as a user's would arrive.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"
#include "modeller/ui/Main.h"
#include "modeller/ui/Program.h"

class ModellerTest : public testsupport::ScriptedTest {
 protected:
  void SetUp() override {
    ScriptedTest::SetUp();
    modeller::RegisterConceptClasses();
    modeller::InitGlobals();
    modeller::CreateModellerWindows();
    Main().Show();
  }
  void TearDown() override {
    modeller::DestroyModellerWindows();
    modeller::DoneGlobals();
    ScriptedTest::TearDown();
  }

  modeller::TMainForm& Main() { return *modeller::MainForm; }
  modeller::TGraph& Graph() { return *modeller::TheGraph; }

  void Mouse(QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons held,
             Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QWidget& box = *Main().PaintBox;
    QPointF at(x, y);
    QMouseEvent event(type, at, box.mapToGlobal(at), button, held, keys);
    QApplication::sendEvent(&box, &event);
  }
  // A left-button drag with one move half-way and one at the end.
  void Drag(int x1, int y1, int x2, int y2, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    Mouse(QEvent::MouseButtonPress, x1, y1, Qt::LeftButton, Qt::LeftButton, keys);
    Mouse(QEvent::MouseMove, (x1 + x2) / 2, (y1 + y2) / 2, Qt::NoButton, Qt::LeftButton, keys);
    Mouse(QEvent::MouseMove, x2, y2, Qt::NoButton, Qt::LeftButton, keys);
    Mouse(QEvent::MouseButtonRelease, x2, y2, Qt::LeftButton, Qt::NoButton, keys);
  }
  void Click(int x, int y) {
    Mouse(QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
  }
  void DoubleClick(int x, int y) {
    Click(x, y);
    Mouse(QEvent::MouseButtonDblClick, x, y, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
  }

  // A click on a control, and typing, sent to its top-level window as a user's arrive.
  static void ClickInWindow(QWidget& control, QPoint at) {
    QWidget* window = control.window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, control.mapTo(window, at));
  }
  static void ClickInWindow(QWidget& control) { ClickInWindow(control, control.rect().center()); }
  static void DragInWindow(QWidget& control, QPoint from, QPoint to) {
    QWindow* window = control.window()->windowHandle();
    QPoint start = control.mapTo(control.window(), from);
    QPoint end = control.mapTo(control.window(), to);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(window, (start + end) / 2);
    QTest::mouseMove(window, end);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, end);
  }
  static void TypeInWindow(QWidget& window, const std::string& text) {
    for (char key : text) QTest::keyClick(window.windowHandle(), key);
  }

  // A drag with a palette tool, as the user picks the tool and draws.
  void Draw(platform::TSpeedButton* tool, int x1, int y1, int x2, int y2) {
    tool->Click();
    Drag(x1, y1, x2, y2);
  }

  template <class T>
  T* NodeAs(int index) { return dynamic_cast<T*>(Graph().Nodes(index)); }
  template <class T>
  T* EdgeAs(int index) { return dynamic_cast<T*>(Graph().Edges(index)); }

  bool SelectToolActive() {
    return Main().HandlerGroup->ActiveHandler() == Main().SelectHandler && Main().SelectButton->isChecked();
  }
};
