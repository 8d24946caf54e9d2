#pragma once
// The font and colour dialogs, the font lists, and the screen look of the layer's fonts and colours.
// Execute goes through the modal service like every dialog: live the real dialog runs; scripted, the
// real dialog is made and loaded but not shown, the answer's fill runs on it as the user's choice
// would, and OK takes what the dialog then holds.
#include <QCheckBox>
#include <QColor>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QObject>
#include <QSpinBox>
#include <QStringList>
#include <string>
#include <vector>

#include "platform/Canvas.h"

class QWidget;

namespace platform {

// The families a font list shows, sorted: each installed family once, without the foundry that
// tells two makers' files of one family apart ("Nimbus Sans [urw]"), and the family a setting
// names even where this system only draws it with a substitute, so that the list can show it.
std::vector<std::string> ListedFontFamilies(const std::vector<std::string>& installed, const std::string& named);
// The same for the screen's families.
QStringList ScreenFontFamilies(const std::string& named);

// The window of the font dialog: a family list that shows the font's own family, its size and
// style, and a sample. The colour is kept.
class TFontDialogWindow : public QDialog {
  Q_OBJECT
 public:
  explicit TFontDialogWindow(const TFont& font);

  QListWidget* FamilyList;
  QSpinBox* SizeEdit;
  QCheckBox* BoldBox;
  QCheckBox* ItalicBox;
  QCheckBox* UnderlineBox;
  QCheckBox* StrikeOutBox;
  QLabel* Sample;

  void SelectFamily(const std::string& family);
  TFont ChosenFont() const;

 private:
  void ShowSample();
  TFont font_;
};

class TFontDialog : public QObject {
  Q_OBJECT
 public:
  explicit TFontDialog(QObject* owner) : QObject(owner) {}
  // Face, size and style are chosen in the dialog; the colour is kept.
  TFont Font;
  bool Execute();  // true when the user chose a font; Font then holds it
};

class TColorDialog : public QObject {
  Q_OBJECT
 public:
  explicit TColorDialog(QObject* owner) : QObject(owner) {}
  TColor Color = clBlack;
  bool Execute();  // true when the user chose a colour; Color then holds it
};

// A colour as the screen shows it: system colours (negative values) resolve through the
// platform's palette, the window colour to its base and the others to its text colour.
QColor ScreenColor(TColor color);
TColor ColorOfScreen(const QColor& color);
// A font in points as the screen shows it.
QFont ScreenFont(const TFont& font);
// Text in the font and colour on the background, as previews and viewers show it.
void ShowTextLook(QWidget& widget, const TFont& font, TColor background);

}  // namespace platform
