#pragma once
// File-system controls of the folder browser and the filter editor: the drive (file-system root)
// combo, the folder list, the file list, and the combo of a file dialog's filter.
#include <QComboBox>
#include <QListWidget>
#include <functional>
#include <string>

namespace platform {

// The roots of the file systems ("/" on Linux).
class TDriveComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TDriveComboBox(QWidget* parent);
  std::string Drive() const { return currentText().toStdString(); }
  std::function<void()> OnChange;
};

// The folders of one directory: ".." (below a root) and its subfolders, sorted. A double click
// enters the folder.
class TDirectoryListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit TDirectoryListBox(QWidget* parent);
  std::string Directory() const { return directory_; }
  // A name that is not an existing folder leaves the list where it is.
  void SetDirectory(const std::string& folder);
  std::function<void()> OnChange;

 private:
  void Fill();
  std::string directory_;
};

// The plain files of one directory, sorted.
class TFileListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit TFileListBox(QWidget* parent);
  std::string Directory() const { return directory_; }
  void SetDirectory(const std::string& folder);

 private:
  std::string directory_;
};

// A combo listing the descriptions of a filter "description|mask|description|mask...".
class TFilterComboBox : public QComboBox {
  Q_OBJECT
 public:
  explicit TFilterComboBox(QWidget* parent);
  std::string Filter() const { return filter_; }
  // Lists the filter's descriptions and selects the first.
  void SetFilter(const std::string& filter);
  // The mask of the selected entry; empty when none is selected.
  std::string Mask() const;
  std::function<void()> OnChange;  // the user picked another entry

 private:
  std::string filter_;
  bool settingByProgram_ = false;
};

}  // namespace platform
