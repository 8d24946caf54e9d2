#include "platform/Launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace platform {

Launcher& Launcher::Instance() {
  static Launcher launcher;
  return launcher;
}

bool Launcher::OpenDocument(const std::string& path, const std::string& anchor) {
  std::string target = anchor.empty() ? path : path + "#" + anchor;
  if (recording_) {
    launched_.push_back("open " + target);
    return true;
  }
  QUrl url = QUrl::fromLocalFile(QString::fromStdString(path));
  if (!anchor.empty()) url.setFragment(QString::fromStdString(anchor));
  return QDesktopServices::openUrl(url);
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
