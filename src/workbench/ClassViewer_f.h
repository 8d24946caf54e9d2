#pragma once
// TClassViewer: the class viewer. It places the classes and interfaces of the scanner's report
// "Tovik.out" in a tree of the class library and lists the members of the selected one with their
// modifiers, filtered by ten speed buttons. Each showing reads the report; closing takes the
// report's nodes out of the tree again and deletes the report.
#include <QHeaderView>
#include <QIcon>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTreeWidget>
#include <memory>
#include <vector>

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/OnDemand.h"
#include "workbench/ScannerReport.h"

namespace workbench {

class TClassViewer : public platform::TForm {
  Q_OBJECT
 public:
  TClassViewer();

  platform::TPanel* Panel1;
  platform::TSpeedButton* SpeedButton1;   // Static
  platform::TSpeedButton* SpeedButton2;   // Final
  platform::TSpeedButton* SpeedButton10;  // Package
  platform::TSpeedButton* SpeedButton3;   // Private
  platform::TSpeedButton* SpeedButton4;   // Protected
  platform::TSpeedButton* SpeedButton5;   // Public
  platform::TSpeedButton* SpeedButton8;   // Abstract
  platform::TSpeedButton* SpeedButton6;   // Field
  platform::TSpeedButton* SpeedButton7;   // Method
  platform::TSpeedButton* SpeedButton9;   // Synchronized
  QHeaderView* Header1;
  QTreeWidget* TreeView1;
  platform::TPageControl* PageControl1;
  QTableWidget* DrawGrid1;
  platform::TListBox* ListBox1;
  QPlainTextEdit* Memo1;
  platform::TStatusBar* StatusBar1;

  QTreeWidgetItem* FindNode(const std::string& name) const;
  static int ImageIndex(const QTreeWidgetItem* node);
  // The listed member rows of the current node.
  const std::vector<TScopeTable>& ScopeList() const { return FScopeList; }

  void MakeClassTree();
  void MakeTable(const std::string& key);
  void TreeView1Change(QTreeWidgetItem* node);
  void SpeedButton1Click();
  void Header1Sizing(int section, int& width);
  void Header1Sized();

 protected:
  void FormShow() override;
  void FormResize() override;
  void FormClose(platform::TCloseAction& action) override;

 private:
  void BuildFilterButtons();
  void BuildLibraryTree();
  void FillScopeList();
  void ShowScopeList();
  void DrawRow(int row);
  std::string ReportFileName() const;
  TScopeFilter Filter() const;
  QIcon Glyph(platform::TSpeedButton* button) const;

  std::array<platform::TSpeedButton*, sfFlagCount> filterButtons_{};
  QIcon EmptyImage;
  std::unique_ptr<QTreeWidgetItem> looseNode_;
  std::vector<std::string> reportLines_;

  QTreeWidgetItem* FCurrentNode = nullptr;
  std::vector<TScopeTable> FScopeList;
  std::vector<QTreeWidgetItem*> FAddedNodes;
};

extern platform::OnDemand<TClassViewer> ClassViewer;

}  // namespace workbench
