#pragma once
// Open and save dialogs with the framework's filter text ("Java files (*.java)|*.java|..."),
// 1-based filter index, initial folder and file name. Execute goes through the modal service.
#include <QObject>
#include <QStringList>
#include <string>

#include "platform/FindDialogs.h"  // the find dialogs once lived here

namespace platform {

class TFileDialog : public QObject {
  Q_OBJECT
 public:
  TFileDialog(QObject* owner, bool saving) : QObject(owner), saving_(saving) {}

  std::string Filter;
  int FilterIndex = 1;
  std::string FileName;
  std::string InitialDir;
  std::string Title;
  // Added to a chosen name that has no extension: always when saving; when opening, only if the
  // name as typed is not a file.
  std::string DefaultExt;

  // True when the user chose a file; FileName and FilterIndex then hold it. Without an InitialDir
  // the dialog starts in the folder of the last file chosen in it.
  bool Execute();

 private:
  bool saving_;
  std::string lastFolder_;
};

class TOpenDialog : public TFileDialog {
  Q_OBJECT
 public:
  explicit TOpenDialog(QObject* owner) : TFileDialog(owner, false) {}
};

class TSaveDialog : public TFileDialog {
  Q_OBJECT
 public:
  explicit TSaveDialog(QObject* owner) : TFileDialog(owner, true) {}
};

// The filter text as Qt's name filters, each label followed by its masks; the dialog lists the labels
// alone, each as the program wrote it.
QStringList NameFilters(const std::string& filter);

}  // namespace platform
