#include "platform/Launcher.h"

#include <QProcess>
#include <QStringList>
#include <QUrl>

#include "platform/ConsoleTerminal.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"

namespace platform {

namespace {

// The freedesktop opener, which hands a document to the program the user's desktop chose for it.
constexpr const char* kOpener = "xdg-open";

void CannotOpen(const std::string& what, const std::string& path, const std::string& reason) {
  MessageDlg("Cannot open the " + what + "\n" + path + "\n" + reason, mtError, mbOK);
}

}  // namespace

Launcher& Launcher::Instance() {
  static Launcher launcher;
  return launcher;
}

bool Launcher::OpenDocument(const std::string& path, const std::string& anchor) {
  return Open(path, anchor, "document");
}

bool Launcher::OpenHelp(const std::string& helpFile, const std::string& keyword) {
  return Open(helpFile, keyword, "help file");
}

bool Launcher::Open(const std::string& path, const std::string& anchor, const std::string& what) {
  if (recording_) {
    launched_.push_back("open " + (anchor.empty() ? path : path + "#" + anchor));
    return true;
  }
  if (!FileExists(path)) {
    CannotOpen(what, path, "There is no such file.");
    return false;
  }
  const std::string opener = FindProgram(kOpener);
  if (opener.empty()) {
    CannotOpen(what, path,
               std::string("No program to open it was found: looked for ") + kOpener +
                   " in the folders of PATH.\nInstall xdg-utils, or open the file in a web browser.");
    return false;
  }
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(path));
  if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
  if (QProcess::startDetached(QString::fromStdString(opener), {url.toString()})) return true;
  CannotOpen(what, path, opener + " could not be started.");
  return false;
}

bool Launcher::StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                             const std::string& workingDir) {
  std::string line = program;
  for (const std::string& argument : arguments) line += " " + argument;
  if (recording_) {
    launched_.push_back("start " + line);
    return true;
  }
  QStringList args;
  for (const std::string& argument : arguments) args << QString::fromStdString(argument);
  return QProcess::startDetached(QString::fromStdString(program), args, QString::fromStdString(workingDir));
}

}  // namespace platform
