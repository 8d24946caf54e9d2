#pragma once
// The font and colour dialogs, and the screen look of the layer's fonts and colours. Execute goes
// through the modal service like every dialog: live the real dialog runs; scripted, the real dialog
// is made and loaded but not shown, the answer's fill runs on it as the user's choice would, and
// OK takes what the dialog then holds.
#include <QColor>
#include <QFont>
#include <QObject>

#include "platform/Canvas.h"

class QWidget;

namespace platform {

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
// A font in points as the screen shows it, and back (the colour of `like` is kept).
QFont ScreenFont(const TFont& font);
TFont FontOfScreen(const QFont& font, const TFont& like);
// Text in the font and colour on the background, as previews and viewers show it.
void ShowTextLook(QWidget& widget, const TFont& font, TColor background);

}  // namespace platform
