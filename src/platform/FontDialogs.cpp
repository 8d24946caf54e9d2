#include "platform/FontDialogs.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QPalette>
#include <QWidget>

#include "platform/ModalService.h"

namespace platform {

namespace {

constexpr TColor kSystemColorFlag = static_cast<TColor>(0x80000000);
constexpr int kSystemWindowIndex = 5;

// Scripted, the fill of the answer plays the user's part on the dialog that was never shown.
template <class Dialog>
bool RunDialog(Dialog& dialog, const std::string& kind) {
  if (auto answer = ModalService::Instance().Take({kind, dialog.windowTitle().toStdString(), {}, {}, {}})) {
    if (answer->fill) answer->fill(&dialog);
    return answer->result == mrOk;
  }
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

bool TFontDialog::Execute() {
  QFontDialog dialog(ScreenFont(Font));
  if (!RunDialog(dialog, "FontDialog")) return false;
  Font = FontOfScreen(dialog.currentFont(), Font);
  return true;
}

bool TColorDialog::Execute() {
  QColorDialog dialog(ScreenColor(Color));
  if (!RunDialog(dialog, "ColorDialog")) return false;
  Color = ColorOfScreen(dialog.currentColor());
  return true;
}

QColor ScreenColor(TColor color) {
  if ((color & kSystemColorFlag) == 0) return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
  const bool window = (color & ~kSystemColorFlag) == kSystemWindowIndex;
  return QPalette().color(window ? QPalette::Base : QPalette::Text);
}

TColor ColorOfScreen(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

QFont ScreenFont(const TFont& font) {
  QFont shown(QString::fromStdString(font.Name));
  shown.setPointSize(font.Size > 0 ? font.Size : 10);
  shown.setBold(font.Bold);
  shown.setItalic(font.Italic);
  shown.setUnderline(font.Underline);
  shown.setStrikeOut(font.StrikeOut);
  return shown;
}

TFont FontOfScreen(const QFont& font, const TFont& like) {
  TFont result = like;
  result.Name = font.family().toStdString();
  if (font.pointSize() > 0) result.Size = font.pointSize();
  result.Bold = font.bold();
  result.Italic = font.italic();
  result.Underline = font.underline();
  result.StrikeOut = font.strikeOut();
  return result;
}

void ShowTextLook(QWidget& widget, const TFont& font, TColor background) {
  widget.setFont(ScreenFont(font));
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, ScreenColor(background));
  palette.setColor(QPalette::Text, ScreenColor(font.Color));
  widget.setPalette(palette);
}

}  // namespace platform
