// Both programs as a user first sees them: every window's captions fit their controls, Korean text
// is drawn in a face that has its letters, and every speed button, tool and marker shows one of our
// pictures.
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QXmlStreamReader>
#include <limits>

#include "BothPrograms.h"

namespace {

// The caption as drawn: "&&" is an ampersand, a single "&" marks the next letter.
QString Drawn(QString text) { return text.replace("&&", "\x01").remove('&').replace('\x01', '&'); }

std::string Where(const QWidget* control, const QString& text) {
  return control->window()->objectName().toStdString() + " / " + control->metaObject()->className() + " " +
         control->objectName().toStdString() + " \"" + text.toStdString() + "\" in " +
         std::to_string(control->width()) + " x " + std::to_string(control->height());
}

constexpr int kNoCaption = std::numeric_limits<int>::min();

// The width a label, button, check box or radio button has for its caption (negative when it has
// none left), kNoCaption for other controls.
int RoomForText(const QWidget* control) {
  if (auto* label = qobject_cast<const QLabel*>(control))
    return label->contentsRect().width() - 2 * label->margin() - std::max(label->indent(), 0);
  if (auto* tool = qobject_cast<const QToolButton*>(control))  // its size hint is its text and picture
    return tool->toolButtonStyle() == Qt::ToolButtonIconOnly
               ? kNoCaption
               : tool->width() - tool->sizeHint().width() + tool->fontMetrics().horizontalAdvance(Drawn(tool->text()));
  auto* button = qobject_cast<const QAbstractButton*>(control);
  if (button == nullptr) return kNoCaption;
  QStyleOptionButton option;
  option.initFrom(control);
  option.text = button->text();
  const QStyle::SubElement contents = qobject_cast<const QCheckBox*>(control)      ? QStyle::SE_CheckBoxContents
                                      : qobject_cast<const QRadioButton*>(control) ? QStyle::SE_RadioButtonContents
                                                                                    : QStyle::SE_PushButtonContents;
  const int icon = contents == QStyle::SE_PushButtonContents && !button->icon().isNull() ? button->iconSize().width() + 4 : 0;
  return control->style()->subElementRect(contents, &option, control).width() - icon;
}

// Every caption of the window's shown controls that is wider than the room its control gives it.
void CollectCutCaptions(const QWidget* window, std::vector<std::string>& cut) {
  for (const QWidget* control : window->findChildren<QWidget*>()) {
    if (!control->isVisibleTo(window)) continue;
    if (auto* bar = qobject_cast<const QTabBar*>(control)) {
      const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
      for (int i = 0; i < bar->count(); ++i)
        if (bar->fontMetrics().horizontalAdvance(Drawn(bar->tabText(i))) + padding > bar->tabRect(i).width())
          cut.push_back(Where(bar, bar->tabText(i)));
      continue;
    }
    if (auto* group = qobject_cast<const QGroupBox*>(control)) {
      QStyleOptionGroupBox option;
      option.initFrom(group);
      option.text = group->title();
      option.subControls = QStyle::SC_GroupBoxLabel;
      QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
      if (!group->title().isEmpty() && !group->rect().contains(label)) cut.push_back(Where(group, group->title()));
      continue;
    }
    auto* label = qobject_cast<const QLabel*>(control);
    auto* button = qobject_cast<const QAbstractButton*>(control);
    const QString text = Drawn(label ? label->text() : button ? button->text() : QString());
    const int room = RoomForText(control);
    if (text.isEmpty() || room == kNoCaption || Qt::mightBeRichText(text)) continue;
    const QFontMetrics metrics = control->fontMetrics();
    int lines = 0, widest = 0;
    for (const QString& line : text.split('\n')) {
      widest = std::max(widest, metrics.horizontalAdvance(line));
      ++lines;
    }
    bool fits = label && label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                           : widest <= room && (!label || lines * metrics.height() <= label->contentsRect().height() + 2);
    // A data cell too narrow for its value elides it and holds the whole value as its tool tip.
    if (!fits && !(label && label->toolTip() == label->text())) cut.push_back(Where(control, text));
  }
}

// Every top-level window of both programs, each of its tab pages in turn, laid out as when shown.
std::vector<std::string> CutCaptionsOfEveryWindow() {
  std::vector<std::string> cut;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip) continue;
    window->grab();  // lays a hidden window out as showing it would
    CollectCutCaptions(window, cut);
    for (QTabWidget* pages : window->findChildren<QTabWidget*>()) {
      const int shown = pages->currentIndex();
      for (int i = 0; i < pages->count(); ++i) {
        if (i == shown) continue;
        pages->setCurrentIndex(i);
        window->grab();
        CollectCutCaptions(pages->widget(i), cut);
      }
      pages->setCurrentIndex(shown);
    }
  }
  return cut;
}

TEST_F(BothPrograms, NoCaptionOfAnyWindowIsCutOff) {
  std::vector<std::string> cut = CutCaptionsOfEveryWindow();
  std::string list;
  for (const std::string& entry : cut) list += entry + "\n";
  EXPECT_TRUE(cut.empty()) << list;
}

TEST_F(BothPrograms, TheAboutAndCreditsBoxesDrawTheirKoreanTextInAFaceThatHasItsLetters) {
  for (const QPlainTextEdit* memo : {workbench::AboutForm->KoreanMemo, workbench::MoreAboutForm->KoreanMemo}) {
    const QRawFont face = QRawFont::fromFont(memo->font());  // the face itself, without Qt's fallbacks
    int letters = 0, missing = 0;
    for (char32_t letter : memo->toPlainText().toUcs4()) {
      if (letter < 0xAC00 || letter > 0xD7A3) continue;  // the Hangul syllables
      ++letters;
      if (!face.supportsCharacter(letter)) ++missing;
    }
    EXPECT_GT(letters, 20) << memo->window()->objectName().toStdString();
    EXPECT_EQ(missing, 0) << memo->window()->objectName().toStdString() << " in " << memo->font().family().toStdString();
  }
}

// A picture drawn at 16 pixels that shows something, and shows it greyed when its control is disabled.
void ExpectPicture(const QIcon& icon, const std::string& where) {
  ASSERT_FALSE(icon.isNull()) << where;
  QImage normal = icon.pixmap(16, 16).toImage();
  QImage greyed = icon.pixmap(16, 16, QIcon::Disabled).toImage();
  bool drawn = false, grey = true;
  for (int y = 0; y < normal.height(); ++y)
    for (int x = 0; x < normal.width(); ++x) {
      drawn = drawn || qAlpha(normal.pixel(x, y)) > 0;
      QRgb pixel = greyed.pixel(x, y);
      grey = grey && std::abs(qRed(pixel) - qGreen(pixel)) < 8 && std::abs(qGreen(pixel) - qBlue(pixel)) < 8;
    }
  EXPECT_TRUE(drawn) << where;
  EXPECT_TRUE(grey) << where;
}

TEST_F(BothPrograms, EverySpeedButtonToolAndMarkerShowsAPicture) {
  int pictures = 0;
  for (QWidget* window : QApplication::topLevelWidgets())
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      auto* speed = qobject_cast<platform::TSpeedButton*>(button);
      // Speed buttons, the designer's markers and the inspector's small editor buttons; a flat
      // button captioned by its window, as the translators' are, keeps its caption alone.
      bool tool = speed || button->inherits("platform::TBitBtn") || qobject_cast<QToolButton*>(button);
      if (!tool || (speed && !speed->text().isEmpty() && speed->icon().isNull() && speed->width() > 24)) continue;
      if (button->parentWidget()->inherits("QTabBar")) continue;  // Qt's scroll arrows of a crowded tab bar
      ExpectPicture(button->icon(), Where(button, button->toolTip()));
      ++pictures;
    }
  EXPECT_GT(pictures, 80);
}

TEST(Pictures, EveryPictureFileIsValidSvgCompiledIntoItsProgram) {
  const QString source = QStringLiteral(TEST_DATA_DIR "/../../src/");
  int files = 0;
  for (const auto& [folder, program] : {std::pair{"workbench/images", "morvane"}, {"modeller/ui/images", "zelvory"}}) {
    QDir dir(source + folder);
    for (const QString& name : dir.entryList({"*.svg"})) {
      QFile file(dir.filePath(name));
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
      QXmlStreamReader xml(&file);
      ASSERT_TRUE(xml.readNextStartElement()) << name.toStdString();
      EXPECT_EQ(xml.name(), QStringLiteral("svg")) << name.toStdString();
      while (!xml.atEnd()) xml.readNext();
      EXPECT_FALSE(xml.hasError()) << name.toStdString() << ": " << xml.errorString().toStdString();
      QImageReader picture(dir.filePath(name), "svg");
      EXPECT_FALSE(picture.read().isNull()) << name.toStdString() << ": " << picture.errorString().toStdString();
      EXPECT_TRUE(QFile::exists(QString(":/%1/%2").arg(program, name))) << name.toStdString() << " not compiled in";
      ++files;
    }
  }
  EXPECT_GT(files, 70);
}

}  // namespace
