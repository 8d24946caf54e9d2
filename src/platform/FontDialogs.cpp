#include "platform/FontDialogs.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cctype>

#include "platform/HandlerGuard.h"
#include "platform/ModalService.h"
#include "platform/WindowFocus.h"

namespace platform {

namespace {

constexpr TColor kSystemColorFlag = static_cast<TColor>(0x80000000);
constexpr int kSystemWindowIndex = 5;
constexpr int kMaxFontSize = 127;
constexpr const char* kSampleText = "AaBbYyZz";

// "Nimbus Sans [urw]" names the family "Nimbus Sans" as one maker's files hold it.
std::string WithoutFoundry(const std::string& family) {
  size_t bracket = family.rfind(" [");
  if (bracket == std::string::npos || !family.ends_with(']')) return family;
  return family.substr(0, bracket);
}

std::string Lowered(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// Font systems match family names without regard to case.
bool SameFamily(const std::string& a, const std::string& b) { return Lowered(a) == Lowered(b); }

// Scripted, the fill of the answer plays the user's part on the dialog that was never shown.
template <class Dialog>
bool RunDialog(Dialog& dialog, const std::string& kind) {
  if (auto answer = ModalService::Instance().Take({kind, dialog.windowTitle().toStdString(), {}, {}, {}})) {
    if (answer->fill) answer->fill(&dialog);
    return answer->result == mrOk;
  }
  return ExecAboveOwner(dialog) == QDialog::Accepted;
}

}  // namespace

std::vector<std::string> ListedFontFamilies(const std::vector<std::string>& installed, const std::string& named) {
  std::vector<std::string> listed;
  if (!named.empty()) listed.push_back(named);
  for (const std::string& family : installed) {
    std::string name = WithoutFoundry(family);
    auto same = [&](const std::string& other) { return SameFamily(other, name); };
    if (std::none_of(listed.begin(), listed.end(), same)) listed.push_back(name);
  }
  std::sort(listed.begin(), listed.end(),
            [](const std::string& a, const std::string& b) { return Lowered(a) < Lowered(b); });
  return listed;
}

QStringList ScreenFontFamilies(const std::string& named) {
  std::vector<std::string> installed;
  for (const QString& family : QFontDatabase::families())
    if (!QFontDatabase::isPrivateFamily(family)) installed.push_back(family.toStdString());
  QStringList listed;
  for (const std::string& family : ListedFontFamilies(installed, named)) listed << QString::fromStdString(family);
  return listed;
}

TFontDialogWindow::TFontDialogWindow(const TFont& font) : font_(font) {
  setWindowTitle("Font");
  auto* grid = new QGridLayout(this);
  FamilyList = new QListWidget(this);
  FamilyList->addItems(ScreenFontFamilies(font.Name));
  SizeEdit = new QSpinBox(this);
  SizeEdit->setRange(1, kMaxFontSize);
  BoldBox = new QCheckBox("Bold", this);
  ItalicBox = new QCheckBox("Italic", this);
  UnderlineBox = new QCheckBox("Underline", this);
  StrikeOutBox = new QCheckBox("Strikeout", this);
  Sample = new QLabel(kSampleText, this);
  Sample->setFixedHeight(48);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  grid->addWidget(new QLabel("Font:", this), 0, 0);
  grid->addWidget(FamilyList, 1, 0, 6, 1);
  grid->addWidget(new QLabel("Size:", this), 0, 1);
  grid->addWidget(SizeEdit, 1, 1);
  grid->addWidget(BoldBox, 2, 1);
  grid->addWidget(ItalicBox, 3, 1);
  grid->addWidget(UnderlineBox, 4, 1);
  grid->addWidget(StrikeOutBox, 5, 1);
  grid->addWidget(Sample, 7, 0, 1, 2);
  grid->addWidget(buttons, 8, 0, 1, 2);
  SelectFamily(font.Name);
  SizeEdit->setValue(font.Size > 0 ? font.Size : 10);
  BoldBox->setChecked(font.Bold);
  ItalicBox->setChecked(font.Italic);
  UnderlineBox->setChecked(font.Underline);
  StrikeOutBox->setChecked(font.StrikeOut);
  ShowSample();
  Connect(buttons, &QDialogButtonBox::accepted, this, [this] { accept(); });
  Connect(buttons, &QDialogButtonBox::rejected, this, [this] { reject(); });
  Connect(FamilyList, &QListWidget::currentRowChanged, this, [this] { ShowSample(); });
  Connect(SizeEdit, &QSpinBox::valueChanged, this, [this] { ShowSample(); });
  for (QCheckBox* box : {BoldBox, ItalicBox, UnderlineBox, StrikeOutBox})
    Connect(box, &QCheckBox::toggled, this, [this] { ShowSample(); });
  resize(360, 320);
}

void TFontDialogWindow::SelectFamily(const std::string& family) {
  QList<QListWidgetItem*> found = FamilyList->findItems(QString::fromStdString(family), Qt::MatchFixedString);
  if (!found.isEmpty()) FamilyList->setCurrentItem(found.first());
}

// A family that nobody chose stays the font's own, so a setting keeps the name it was given.
TFont TFontDialogWindow::ChosenFont() const {
  TFont chosen = font_;
  if (QListWidgetItem* family = FamilyList->currentItem()) chosen.Name = family->text().toStdString();
  chosen.Size = SizeEdit->value();
  chosen.Bold = BoldBox->isChecked();
  chosen.Italic = ItalicBox->isChecked();
  chosen.Underline = UnderlineBox->isChecked();
  chosen.StrikeOut = StrikeOutBox->isChecked();
  return chosen;
}

void TFontDialogWindow::ShowSample() { Sample->setFont(ScreenFont(ChosenFont())); }

bool TFontDialog::Execute() {
  TFontDialogWindow dialog(Font);
  if (!RunDialog(dialog, "FontDialog")) return false;
  Font = dialog.ChosenFont();
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

void ShowTextLook(QWidget& widget, const TFont& font, TColor background) {
  widget.setFont(ScreenFont(font));
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, ScreenColor(background));
  palette.setColor(QPalette::Text, ScreenColor(font.Color));
  widget.setPalette(palette);
}

}  // namespace platform
