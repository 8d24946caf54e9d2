#pragma once
// The designer's own classes for AWT components that the framework controls stand for only loosely:
// a class test tells them apart, and their class names go into the design file.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <string>

#include "platform/Menus.h"
#include "platform/StdCtrls.h"

namespace designer {

// java.awt.MenuBar. On the surface the frame's marker button stands for it; while it has menus it
// also shows across the top of the frame (TFrame::ShowMenuBar), where its items can be clicked.
class TMenuBar : public platform::TMainMenu {
  Q_OBJECT
 public:
  explicit TMenuBar(QWidget* owner);
};

// java.awt.TextField
class TTextField : public QLineEdit {
  Q_OBJECT
 public:
  explicit TTextField(QWidget* parent) : QLineEdit(parent) {}
};

// java.awt.TextArea
class TTextArea : public platform::TMemo {
  Q_OBJECT
 public:
  explicit TTextArea(QWidget* parent) : platform::TMemo(parent) {}
};

// java.awt.List
class TList : public QListWidget {
  Q_OBJECT
 public:
  explicit TList(QWidget* parent) : QListWidget(parent) {}
};

// java.awt.Choice
class TChoice : public QComboBox {
  Q_OBJECT
 public:
  explicit TChoice(QWidget* parent) : QComboBox(parent) {}
};

// java.awt.MenuItem; a checkable one is written as a CheckboxMenuItem.
class TJMenuItem : public platform::TMenuItem {
  Q_OBJECT
 public:
  explicit TJMenuItem(const std::string& caption, QObject* owner = nullptr) : platform::TMenuItem(caption, owner) {}
  bool Checkable = false;
};

}  // namespace designer
