// The yardstick of the start-up benchmark: a Qt main window with a menu bar and a status bar,
// shown, then the event loop.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.menuBar()->addMenu("&File");
  window.statusBar();
  window.show();
  return application.exec();
}
