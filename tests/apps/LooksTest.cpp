// Both programs as a user first sees them: every window's captions fit their controls and show no
// access-key "&", message boxes and file dialogs show their captions and columns whole, Korean text
// is drawn in a face that has its letters, and every speed button, tool and marker shows one of our
// pictures.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QStatusBar>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QXmlStreamReader>
#include <filesystem>
#include <functional>
#include <limits>

#include "BothPrograms.h"
#include "designer/FormDesigner_f.h"
#include "designer/Lib.h"
#include "platform/Dialogs.h"
#include "platform/FileDialogs.h"

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

// A label shows the "&" of its caption unless it names the control its access key moves to.
bool ShowsAccessMark(const QLabel* label) {
  const QString text = label->text();
  return label->buddy() == nullptr && !Qt::mightBeRichText(text) && Drawn(text) != QString(text).replace("&&", "&");
}

// Every caption of the window's shown controls that is wider than the room its control gives it,
// or that shows its access mark.
void CollectCutCaptions(const QWidget* window, std::vector<std::string>& cut) {
  for (const QWidget* control : window->findChildren<QWidget*>()) {
    if (!control->isVisibleTo(window)) continue;
    if (auto* bar = qobject_cast<const QTabBar*>(control)) {
      const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
      // A tab scrolled out of the bar, behind its arrows, is cut off too.
      for (int i = 0; i < bar->count(); ++i)
        if (bar->fontMetrics().horizontalAdvance(Drawn(bar->tabText(i))) + padding > bar->tabRect(i).width() ||
            !bar->rect().contains(bar->tabRect(i)))
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
    if (label && qobject_cast<const QStatusBar*>(label->parentWidget()) && !label->toolTip().isEmpty())
      cut.push_back(Where(label, label->toolTip()) + " is elided in its status panel");
    if (label && ShowsAccessMark(label)) cut.push_back(Where(label, label->text()) + " shows its \"&\"");
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

// One component of every captioned kind dropped on the design surface, as a user drops it: the
// palette tool, then a click on the frame.
void DropEveryCaptionedKind() {
  designer::TFrame& frame = *workbench::MainForm->FCurrentFrame;
  frame.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return frame.HookInstalled(); }));
  int top = 8;
  for (int kind : {designer::ckButton, designer::ckLabel, designer::ckCheckbox, designer::ckRadioButton}) {
    workbench::MainForm->FSelectedTool = kind;
    QTest::mouseClick(frame.windowHandle(), Qt::LeftButton, {}, frame.ClientArea()->mapTo(&frame, QPoint(8, top)));
    top += 32;
  }
}

TEST_F(BothPrograms, NoCaptionOfAnyWindowIsCutOffOrShowsItsAccessMark) {
  DropEveryCaptionedKind();
  std::vector<std::string> cut = CutCaptionsOfEveryWindow();
  std::string list;
  for (const std::string& entry : cut) list += entry + "\n";
  EXPECT_TRUE(cut.empty()) << list;
}

// A title bar draws the caption in a bold face larger than the window's text, beside the window's
// icon and its three buttons.
int TitleBarNeeds(const QString& caption) {
  QFont titleFace = QApplication::font();
  titleFace.setBold(true);
  titleFace.setPixelSize(14);
  return QFontMetrics(titleFace).horizontalAdvance(caption) + 4 * 24;
}

TEST_F(BothPrograms, TheAboutBoxesAreWideEnoughForTheirCaptionsAndTheStatusBarsCaptionsHaveNoBevel) {
  for (QWidget* about : std::initializer_list<QWidget*>{workbench::AboutForm.Get(), workbench::MoreAboutForm.Get(),
                                                        modeller::AboutBox(), modeller::EditorAboutForm()}) {
    about->grab();  // laid out as shown
    EXPECT_GE(about->width(), TitleBarNeeds(about->windowTitle())) << about->windowTitle().toStdString();
  }
  std::vector<std::string> bevelled;
  for (const QLabel* panel : modeller::MainForm->StatusBar->findChildren<QLabel*>())
    if (panel->text().endsWith(':') && panel->frameShape() != QFrame::NoFrame) bevelled.push_back(panel->text().toStdString());
  EXPECT_TRUE(bevelled.empty()) << bevelled.front();
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

// Message boxes and file dialogs as they open live, the modal service letting them run.
template <class Fixture>
class Live : public Fixture {
 protected:
  void SetUp() override {
    Fixture::SetUp();
    this->Modal().SetScripted(false);
  }
  void TearDown() override {
    this->Modal().SetScripted(true);
    Fixture::TearDown();
  }
  // Runs look on the dialog that opens next, once it shows, and then cancels it.
  static void WhenOpen(const std::function<void(QDialog&)>& look) {
    QTimer::singleShot(0, [look] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      look(*dialog);
      dialog->reject();
    });
  }
};
using LiveDialogs = Live<testsupport::ScriptedTest>;
using BothProgramsLive = Live<BothPrograms>;  // every window of both programs made

TEST_F(LiveDialogs, AMessageBoxIsWideEnoughForItsCaptionInAWindowManagersTitleBar) {
  for (auto [type, caption] : {std::pair{platform::mtInformation, "Information"}, {platform::mtConfirmation, "Confirmation"},
                               {platform::mtWarning, "Warning"}}) {
    int width = 0;
    WhenOpen([&](QDialog& box) { width = box.width(); });
    platform::MessageDlg("x", type, platform::mbOK);
    EXPECT_GE(width, TitleBarNeeds(caption)) << caption;
  }
}

TEST_F(LiveDialogs, AMessageBoxLooksTheSameWhicheverWindowRaisesIt) {
  QWidget styled;  // a window that gives its own buttons a look, as a design surface does
  styled.setStyleSheet("QPushButton { background: #c0c0c0; border: 2px outset #f0f0f0; }");
  styled.show();
  QImage okButton[2];
  for (int raisedFromStyled : {0, 1}) {
    if (raisedFromStyled) {
      styled.activateWindow();
      ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &styled; }));
    }
    WhenOpen([&](QDialog& box) {
      box.grab();  // laid out as shown
      okButton[raisedFromStyled] = box.findChild<QPushButton*>()->grab().toImage();
    });
    platform::MessageDlg("x", platform::mtInformation, platform::mbOK);
  }
  EXPECT_FALSE(okButton[0].isNull());
  EXPECT_TRUE(okButton[0] == okButton[1]) << "the box raised from the styled window took its look";
}

TEST_F(LiveDialogs, TheFileDialogShowsItsSizeTypeAndDateColumnsWhole) {
  const std::string folder = temp_.File("sources");
  std::filesystem::create_directory(folder);
  testsupport::WriteFile(folder + "/Applet1.java", std::string(123456, 'x'));
  testsupport::WriteFile(folder + "/notes.txt", "x");
  platform::TOpenDialog open(nullptr);
  open.Filter = "Any file (*.*)|*.*";
  open.InitialDir = folder;
  std::vector<std::string> cut;
  WhenOpen([&](QDialog& dialog) {
    auto* details = dialog.findChild<QTreeView*>("treeView");
    ASSERT_NE(details, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return details->model()->rowCount(details->rootIndex()) == 2; }));
    dialog.grab();  // laid out and painted as shown
    QHeaderView* header = details->header();
    for (int column = 1; column < header->count(); ++column) {
      const int values = static_cast<QAbstractItemView*>(details)->sizeHintForColumn(column);
      const int needed = std::max(values, header->sectionSizeHint(column));
      if (header->sectionSize(column) < needed)
        cut.push_back(header->model()->headerData(column, Qt::Horizontal).toString().toStdString() + " " +
                      std::to_string(header->sectionSize(column)) + " < " + std::to_string(needed));
    }
  });
  EXPECT_FALSE(open.Execute());
  std::string list;
  for (const std::string& column : cut) list += column + "\n";
  EXPECT_TRUE(cut.empty()) << list;
}

// The names a file dialog lists in its folder, once its folder is read.
QStringList ListedNames(QFileDialog& dialog) {
  auto* details = dialog.findChild<QTreeView*>("treeView");
  QStringList names;
  if (details == nullptr) return names;
  if (!QTest::qWaitFor([&] { return details->model()->rowCount(details->rootIndex()) > 0; })) return names;
  for (int row = 0; row < details->model()->rowCount(details->rootIndex()); ++row)
    names << details->model()->index(row, 0, details->rootIndex()).data().toString();
  return names;
}

TEST_F(BothProgramsLive, EveryFileDialogListsEachFilterLabelOnceAndAllFilesIncludeOnesWithoutAnExtension) {
  const std::string folder = temp_.File("files");
  std::filesystem::create_directory(folder);
  testsupport::WriteFile(folder + "/README", "x");
  int dialogs = 0, everyFile = 0;
  for (QWidget* window : QApplication::topLevelWidgets())
    for (platform::TFileDialog* fileDialog : window->findChildren<platform::TFileDialog*>()) {
      const std::string where = window->objectName().toStdString() + " / " + fileDialog->Filter;
      QStringList labels;
      const QStringList parts = QString::fromStdString(fileDialog->Filter).split('|');
      for (int i = 0; i + 1 < parts.size(); i += 2) labels << parts[i].trimmed();
      fileDialog->InitialDir = folder;
      fileDialog->FileName.clear();
      WhenOpen([&](QDialog& opened) {
        auto* dialog = qobject_cast<QFileDialog*>(&opened);
        ASSERT_NE(dialog, nullptr) << where;
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr) << where;
        QStringList listed;
        for (int i = 0; i < types->count(); ++i) listed << types->itemText(i);
        EXPECT_EQ(listed, labels) << where;
        for (int i = 0; i < labels.size(); ++i)
          if (parts[2 * i + 1].trimmed() == "*.*") {
            dialog->selectNameFilter(dialog->nameFilters()[i]);
            EXPECT_TRUE(ListedNames(*dialog).contains("README")) << where << ": " << labels[i].toStdString();
            ++everyFile;
          }
      });
      EXPECT_FALSE(fileDialog->Execute()) << where;
      ++dialogs;
    }
  EXPECT_GE(dialogs, 12);
  EXPECT_GE(everyFile, 5);
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
