#pragma once
// TPackageForm: the "Package" dialog, made at start-up and reused. It edits the design's Java
// package: its name, the folder the code is generated into and the import lines.
#include <QLineEdit>
#include <QPushButton>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/StringList.h"

namespace modeller {

class TPackageForm : public platform::TForm {
  Q_OBJECT
 public:
  TPackageForm();

  QLineEdit* NameEdit;
  QLineEdit* PathEdit;
  QPushButton* PathBrowseButton;
  platform::TListBox* ImportListBox;
  QPushButton* AddButton;
  QPushButton* DeleteButton;
  QPushButton* OKButton;
  QPushButton* CancelButton;

  // Loads the dialog, runs it modally and stores it on OK; returns the modal result.
  int Execute();
  void FormShow() override;
  void LoadPackageInfo();
  // The design takes name, path and imports; a change counts as a change of the model.
  void StorePackageInfo();

  void PathBrowseButtonClick();
  void AddButtonClick();
  void DeleteButtonClick();

 private:
  platform::TStringList Imports() const;
};

TPackageForm* PackageForm();  // made on first use

}  // namespace modeller
