// Takes the screenshots of docs/ from the running windows on a real X server: Morvane's main strip
// with its editor, object inspector and a design surface; the object inspector alone; Zelvory's
// main window with a small diagram; its class and method inspectors and its options dialog on the
// diagram page. Usage: screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <cstdlib>
#include <functional>

#include "designer/FormDesigner_f.h"
#include "designer/Lib.h"
#include "designer/ObjIns.h"
#include "modeller/model/Concepts.h"
#include "modeller/model/Globals.h"
#include "modeller/ui/ClassIns.h"
#include "modeller/ui/Main.h"
#include "modeller/ui/MethIns.h"
#include "modeller/ui/Options.h"
#include "modeller/ui/Program.h"
#include "platform/Forms.h"
#include "platform/ModalService.h"
#include "workbench/Editor.h"
#include "workbench/Main.h"
#include "workbench/Program.h"

namespace {

QString output;
bool failed = false;

// Lets the X server draw what the windows asked for.
void Settle() {
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(25);
  }
}

void Save(const QPixmap& picture, const char* name) {
  if (picture.save(output + "/" + name)) return;
  std::fprintf(stderr, "can not write %s\n", name);
  failed = true;
}

// The screen's pixels under the window, frame included as the X server shows it.
void Shoot(QWidget* window, const char* name) {
  Settle();
  Save(QGuiApplication::primaryScreen()->grabWindow(window->winId()), name);
}

// The next modal window shown at a place, while its scripted answer holds it open; then cancelled.
void ShootNextModal(const char* name, std::function<void(QWidget*)> prepare = {}) {
  platform::ModalService::Instance().Queue(
      platform::ModalAnswer{platform::mrCancel, "", 0, [name, prepare](QWidget* dialog) {
                              if (prepare) prepare(dialog);
                              dialog->move(120, 80);
                              dialog->show();
                              Shoot(dialog, name);
                              dialog->hide();
                            }});
}

void Press(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

void Click(QWidget* target, QPoint at) {
  Press(target, QEvent::MouseButtonPress, at, Qt::LeftButton);
  Press(target, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void Drag(QWidget* target, QPoint from, QPoint to) {
  Press(target, QEvent::MouseButtonPress, from, Qt::LeftButton);
  Press(target, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
  Press(target, QEvent::MouseMove, to, Qt::LeftButton);
  Press(target, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

void ShootMorvane() {
  using namespace workbench;
  CreateWorkbenchWindows();
  MainForm->SetBounds(0, 0, 800, MainForm->Height());
  designer::ObjInsForm->SetBounds(0, 99, 170, 439);
  EditorForm->SetBounds(170, 99, 630, 439);
  designer::ObjInsForm->Show();
  MainForm->Show();
  MainForm->forApplication1Click();
  designer::TFrame* frame = MainForm->FCurrentFrame.data();
  frame->SetBounds(330, 190, 360, 250);
  frame->activateWindow();
  Settle();
  const std::pair<int, QPoint> drops[] = {{designer::ckLabel, {16, 16}},     {designer::ckTextField, {90, 12}},
                                          {designer::ckCheckbox, {16, 52}},  {designer::ckRadioButton, {16, 80}},
                                          {designer::ckChoice, {160, 52}},   {designer::ckList, {160, 90}},
                                          {designer::ckMenuBar, {300, 10}},  {designer::ckFileDialog, {300, 44}},
                                          {designer::ckButton, {16, 120}}};
  for (const auto& [tool, at] : drops) {
    MainForm->FSelectedTool = tool;
    Click(frame, at);
  }
  MainForm->UnSelect1Click();
  Settle();
  Save(QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 800, 540), "morvane.png");
  Shoot(designer::ObjInsForm, "object-inspector.png");
  DestroyWorkbenchWindows();
}

void ShootZelvory() {
  using namespace modeller;
  RegisterConceptClasses();
  InitGlobals();
  CreateModellerWindows();
  MainForm->SetBounds(0, 0, 760, 520);
  MainForm->Show();
  Settle();
  QWidget* paper = MainForm->PaintBox;
  MainForm->ClassButton->Click();
  Drag(paper, {40, 30}, {170, 110});
  MainForm->InterfaceButton->Click();
  Drag(paper, {330, 30}, {460, 90});
  MainForm->ClassButton->Click();
  Drag(paper, {40, 230}, {170, 290});
  auto* account = dynamic_cast<TJavaClass*>(TheGraph->Nodes(0));
  account->SetName("Account");
  auto* balance = Make<TJavaAttribute>(account);
  balance->SetName("balance");
  balance->SetType("long");
  balance->SetAccess(maPrivate);
  auto* deposit = Make<TJavaMethod>(account);
  deposit->SetName("deposit");
  deposit->SetReturnType("void");
  deposit->SetAccess(maPublic);
  dynamic_cast<TJavaInterface*>(TheGraph->Nodes(1))->SetName("Auditable");
  dynamic_cast<TJavaClass*>(TheGraph->Nodes(2))->SetName("Savings");
  TheGraph->Refresh();
  MainForm->InheritanceButton->Click();
  Drag(paper, {100, 260}, {100, 60});
  TheGraph->Refresh();
  Shoot(MainForm, "zelvory.png");

  ShootNextModal("class-inspector.png");
  ClassInspector()->InspectElement(account);
  ShootNextModal("method-inspector.png");
  MethodInspector()->InspectElement(deposit);
  ShootNextModal("options.png",
                 [](QWidget* dialog) { static_cast<TOptionsForm*>(dialog)->PageControl->setCurrentIndex(1); });
  OptionsForm()->Execute();
  DestroyModellerWindows();
  DoneGlobals();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: screenshots OUTPUT_FOLDER\n");
    return 2;
  }
  QTemporaryDir settings;  // the user's own settings stay untouched
  setenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit().constData(), 1);
  platform::TApplication application(argc, argv);
  platform::ModalService::Instance().SetScripted(true);  // a dialog nobody answers fails at once
  output = QDir(argv[1]).absolutePath();
  ShootMorvane();
  ShootZelvory();
  return failed ? 1 : 0;
}
