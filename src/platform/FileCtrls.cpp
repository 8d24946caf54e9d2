#include "platform/FileCtrls.h"
#include "platform/HandlerGuard.h"

#include <QDir>
#include <QFileInfo>
#include <vector>

namespace platform {

TDriveComboBox::TDriveComboBox(QWidget* parent) : QComboBox(parent) {
  for (const QFileInfo& root : QDir::drives()) addItem(root.absoluteFilePath());
  Connect(this, &QComboBox::activated, this, [this](int) {
    if (OnChange) OnChange();
  });
}

TDirectoryListBox::TDirectoryListBox(QWidget* parent) : QListWidget(parent) {
  directory_ = QDir::currentPath().toStdString();
  Fill();
  Connect(this, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    SetDirectory(QDir(QString::fromStdString(directory_)).filePath(item->text()).toStdString());
  });
}

void TDirectoryListBox::SetDirectory(const std::string& folder) {
  QFileInfo info(QString::fromStdString(folder));
  if (folder.empty() || !info.isDir()) return;
  std::string chosen = QDir(info.absoluteFilePath()).canonicalPath().toStdString();
  if (chosen == directory_) return;
  directory_ = chosen;
  Fill();
  if (OnChange) OnChange();
}

void TDirectoryListBox::Fill() {
  clear();
  QDir dir(QString::fromStdString(directory_));
  if (!dir.isRoot()) addItem("..");
  addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name));
}

TFileListBox::TFileListBox(QWidget* parent) : QListWidget(parent) {}

void TFileListBox::SetDirectory(const std::string& folder) {
  directory_ = folder;
  clear();
  addItems(QDir(QString::fromStdString(folder)).entryList(QDir::Files, QDir::Name));
}

namespace {

std::vector<std::string> SplitBars(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start < text.size()) {
    size_t bar = text.find('|', start);
    if (bar == std::string::npos) bar = text.size();
    parts.push_back(text.substr(start, bar - start));
    start = bar + 1;
  }
  return parts;
}

}  // namespace

TFilterComboBox::TFilterComboBox(QWidget* parent) : QComboBox(parent) {
  Connect(this, &QComboBox::currentIndexChanged, this, [this](int) {
    if (!settingByProgram_ && OnChange) OnChange();
  });
}

void TFilterComboBox::SetFilter(const std::string& filter) {
  filter_ = filter;
  settingByProgram_ = true;
  clear();
  std::vector<std::string> parts = SplitBars(filter);
  for (size_t i = 0; i < parts.size(); i += 2) addItem(QString::fromStdString(parts[i]));
  setCurrentIndex(count() > 0 ? 0 : -1);
  settingByProgram_ = false;
}

std::string TFilterComboBox::Mask() const {
  std::vector<std::string> parts = SplitBars(filter_);
  size_t at = static_cast<size_t>(currentIndex()) * 2 + 1;
  return currentIndex() >= 0 && at < parts.size() ? parts[at] : std::string();
}

}  // namespace platform
