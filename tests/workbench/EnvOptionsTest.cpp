// The options dialog: loading from the settings, the checks on OK, writing back only on OK (and
// into the settings file at the next close), Cancel, the compiler options and the filter editor.
#include <filesystem>

#include "WorkbenchFixture.h"
#include "platform/SysUtils.h"
#include "workbench/BrowsingForm_f.h"
#include "workbench/EnvOpt.h"

using platform::ModalAnswer;
using platform::mrCancel;
using platform::mrOk;
using testsupport::ReadFile;

class EnvOptionsTest : public WorkbenchTest {
 protected:
  workbench::TEnvForm& Env() { return *workbench::EnvForm; }
  // Runs Options > Environment with the user's edits, then presses OK or Cancel.
  void RunDialog(int button, std::function<void(workbench::TEnvForm&)> edit) {
    Modal().Queue(ModalAnswer{button, "", 0, [this, button, edit](QWidget*) {
                                Env().Show();
                                edit(Env());
                                (button == mrOk ? Env().EnvOKBtn : Env().Cancel)->click();
                              }});
    Main().Environment1Click();
  }
  std::string IniValue(const std::string& key) {
    std::string text = ReadFile(temp_.File("config") + "/morvane/Morvane.ini");
    size_t at = text.find("\n" + key + "=");
    if (at == std::string::npos) return "<missing>";
    size_t start = at + key.size() + 2;
    return text.substr(start, text.find('\n', start) - start);
  }
  void SetOptions(bool g, bool o, bool verbose, bool nowarn, bool deprecation) {
    Env().coMakeDebuggingTable->setChecked(g);
    Env().coOptimizedCode->setChecked(o);
    Env().coTurnOnVerboseMode->setChecked(verbose);
    Env().coTurnOffWarning->setChecked(nowarn);
    Env().coDeprecated->setChecked(deprecation);
    Env().BuildCompileOptions();
  }
};

TEST_F(EnvOptionsTest, OkWritesEverySettingAndTheSettingsFileHoldsThemAfterClosing) {
  RunDialog(mrOk, [](workbench::TEnvForm& env) {
    EXPECT_EQ(env.EnvPage->currentIndex(), 0);
    EXPECT_EQ(env.tabsizeEdit->text().toStdString(), "8");
    EXPECT_EQ(env.ColorGrid1->ForegroundIndex(), 11);  // yellow text
    EXPECT_EQ(env.ColorGrid1->BackgroundIndex(), 4);   // on navy
    EXPECT_EQ(env.fontnameComboBox->currentText().toStdString(), "Courier New") << "also where it is substituted";
    env.FilesOnlyRadio->setChecked(true);
    env.tabsizeEdit->setText("4");
    env.gridsizeEdit->setText("12");
    env.CompNameEdit->setText("ecj");
    env.classpathCombo->setEditText(".:/opt/lib");
    env.coMakeDebuggingTable->setChecked(true);
    env.coDeprecated->setChecked(true);
    env.UseSmartTabCB->setChecked(false);
    env.fontsizeSpinEdit->setValue(14);
    env.ColorGrid1->SetForegroundIndex(15);
    env.ColorGrid1->SetBackgroundIndex(0);
    env.DefAppletHeightEdit->setText("250");
    env.DefAppletWidthEdit->setText("320");
    env.ConsoleCloseRadio->setChecked(true);
    env.AppNameEdit->setText("/opt/led/ledc");
  });
  EXPECT_FALSE(Env().isVisible());
  EXPECT_EQ(Editor().GetDesktopMode(), 1);
  EXPECT_EQ(Editor().GetTabSize(), 4);
  EXPECT_EQ(Editor().GetGridSize(), 12);
  EXPECT_EQ(Editor().GetCompilerName(), "ecj");
  EXPECT_EQ(Editor().GetClassPath(), ".:/opt/lib");
  EXPECT_EQ(Env().GetCompileOptions(), "-g -deprecation");
  EXPECT_FALSE(Editor().GetUseSmartTab());
  EXPECT_EQ(Editor().GetFontSize(), 14);
  EXPECT_EQ(Editor().GetFontName(), "Courier New");
  EXPECT_EQ(Editor().GetTextColor(), 0xFFFFFFu);
  EXPECT_EQ(Editor().GetBackgroundColor(), 0u);
  EXPECT_EQ(Editor().GetAppletHeight(), 250);
  EXPECT_EQ(Editor().GetAppletWidth(), 320);
  EXPECT_TRUE(Main().GetConsoleClosing());

  Main().close();
  EXPECT_EQ(IniValue("Save Desktop"), "1");
  EXPECT_EQ(IniValue("Tab Size"), "4");
  EXPECT_EQ(IniValue("Grid Size"), "12");
  EXPECT_EQ(IniValue("Compiler Name"), "ecj");
  EXPECT_EQ(IniValue("Class Path"), ".:/opt/lib");
  EXPECT_EQ(IniValue("Compile Option"), "-g -deprecation");
  EXPECT_EQ(IniValue("Font Size"), "14");
  EXPECT_EQ(IniValue("Use Smart Tab"), "0");
  EXPECT_EQ(IniValue("Foreground Color"), "16777215");
  EXPECT_EQ(IniValue("Background Color"), "0");
  EXPECT_EQ(IniValue("Default Applet Height"), "250");
  EXPECT_EQ(IniValue("Default Applet Width"), "320");
  EXPECT_EQ(IniValue("Console Closing"), "1");
  EXPECT_EQ(IniValue("User Tool Name"), "/opt/led/ledc");
}

TEST_F(EnvOptionsTest, CancelChangesNothingAndTheNextShowingStartsFromTheSettings) {
  std::string filter = Editor().GetFileFilter();
  RunDialog(mrCancel, [](workbench::TEnvForm& env) {
    env.tabsizeEdit->setText("3");
    env.gridsizeEdit->setText("4");  // refused on OK, but Cancel needs no check
    env.FilesOnlyRadio->setChecked(true);
    env.fontsizeSpinEdit->setValue(20);
    env.ColorGrid1->SetForegroundIndex(0);
    env.ConsoleCloseRadio->setChecked(true);
    env.coOptimizedCode->setChecked(true);
    env.JavahStub->setChecked(true);
    env.AppNameEdit->setText("ledc");
    env.DescriptEdit->setText("Led files (*.led)");
    env.extEdit->setText("*.led");
    env.addButtonClick();
  });
  EXPECT_FALSE(Env().isVisible());
  EXPECT_EQ(Editor().GetTabSize(), 8);
  EXPECT_EQ(Editor().GetGridSize(), 10);
  EXPECT_EQ(Editor().GetDesktopMode(), 0);
  EXPECT_EQ(Editor().GetFontSize(), 10);
  EXPECT_EQ(Editor().GetTextColor(), 65535u);
  EXPECT_FALSE(Main().GetConsoleClosing());
  EXPECT_EQ(Env().GetCompileOptions(), "");
  EXPECT_EQ(Editor().GetFileFilter(), filter);
  // What the runs and the settings file read from the dialog is back as it was too.
  EXPECT_FALSE(Env().coOptimizedCode->isChecked());
  EXPECT_TRUE(Env().JavahHeader->isChecked());
  EXPECT_EQ(Env().AppNameEdit->text().toStdString(), "");

  Env().Show();
  EXPECT_EQ(Env().tabsizeEdit->text().toStdString(), "8");
  EXPECT_EQ(Env().gridsizeEdit->text().toStdString(), "10");
  EXPECT_TRUE(Env().DesktopRadio->isChecked());
  EXPECT_EQ(Env().fontsizeSpinEdit->value(), 10);
  EXPECT_EQ(Env().ColorGrid1->ForegroundIndex(), 11);
  EXPECT_TRUE(Env().ConsolenotCloseRadio->isChecked());
  EXPECT_EQ(Env().FilterComboBox->Filter(), filter);
}

TEST_F(EnvOptionsTest, RefusedValuesKeepTheDialogOpenWithTheUsersInput) {
  Env().Show();
  auto refuses = [this](QLineEdit* edit, const char* text, const std::string& message) {
    std::string before = edit->text().toStdString();
    edit->setText(text);
    Modal().Queue(mrOk);
    Env().EnvOKBtn->click();
    EXPECT_EQ(LastMessage(), message) << text;
    EXPECT_TRUE(Env().isVisible()) << text;
    EXPECT_EQ(edit->text().toStdString(), text);
    edit->setText(QString::fromStdString(before));
  };
  refuses(Env().gridsizeEdit, "4", "Gridsize must be between 5 and 20 !");
  refuses(Env().gridsizeEdit, "21", "Gridsize must be between 5 and 20 !");
  refuses(Env().tabsizeEdit, "0", "Tabsize must be at least 1 !");
  refuses(Env().DefAppletHeightEdit, "99", "Applet's default height value must be more than 100 !");
  refuses(Env().DefAppletWidthEdit, "99", "Applet's default width value must be more than 100 !");
  Env().extEdit->clear();
  refuses(Env().DescriptEdit, "Led files (*.led)", "Fill Both fields in the \"Register file type\" section !");
  Env().DescriptEdit->setText("Led files (*.led)");
  EXPECT_FALSE(Env().close());  // the refused input still blocks the close box
  Env().DescriptEdit->clear();

  // Each check sets and clears its own flag: correcting the values lets OK close.
  Env().gridsizeEdit->setText("20");
  Env().DefAppletHeightEdit->setText("100");
  Env().DefAppletWidthEdit->setText("100");
  Env().EnvOKBtn->click();
  EXPECT_FALSE(Env().isVisible());
  EXPECT_EQ(Editor().GetGridSize(), 20);
  EXPECT_EQ(Editor().GetAppletHeight(), 100);

  Env().Show();
  Env().gridsizeEdit->setText("5");
  Env().tabsizeEdit->setText("eight");
  EXPECT_THROW(Env().EnvOKBtnClick(), platform::EConvertError);
  EXPECT_TRUE(Env().isVisible());
  EXPECT_EQ(Editor().GetTabSize(), 8);
}

TEST_F(EnvOptionsTest, CompilerOptionsFollowTheBoxesInTheirFixedOrder) {
  SetOptions(false, false, true, true, true);
  EXPECT_EQ(Env().GetCompileOptions(), "-verbose -nowarn");
  SetOptions(true, true, true, true, true);
  EXPECT_EQ(Env().GetCompileOptions(), "-g -O -verbose -nowarn");
  SetOptions(false, false, false, false, true);
  EXPECT_EQ(Env().GetCompileOptions(), "-deprecation");
  SetOptions(false, false, false, false, false);
  EXPECT_EQ(Env().GetCompileOptions(), "");

  Env().SetCompileOptions("-O -deprecation");
  EXPECT_FALSE(Env().coMakeDebuggingTable->isChecked());
  EXPECT_TRUE(Env().coOptimizedCode->isChecked());
  EXPECT_TRUE(Env().coDeprecated->isChecked());
  EXPECT_FALSE(Env().coTurnOffWarning->isChecked());
  EXPECT_EQ(Env().GetCompileOptions(), "-O -deprecation");  // compiles with it before any OK
  EXPECT_FALSE(Env().coNoWriting->isEnabled());
  EXPECT_FALSE(Env().coMakeExeFile->isEnabled());
}

TEST_F(EnvOptionsTest, AClassPathTypedByHandIsListedFirstNextTime) {
  RunDialog(mrOk, [](workbench::TEnvForm& env) {
    EXPECT_EQ(env.classpathCombo->count(), 4);
    env.classpathCombo->setEditText("/home/me/classes");
  });
  Env().Show();
  ASSERT_EQ(Env().classpathCombo->count(), 5);
  EXPECT_EQ(Env().classpathCombo->itemText(0).toStdString(), "/home/me/classes");
  EXPECT_EQ(Env().classpathCombo->currentText().toStdString(), "/home/me/classes");
}

TEST_F(EnvOptionsTest, TheFilterEditorAddsBeforeAnyFileAndRemovesTheSelectedEntry) {
  Env().Show();
  EXPECT_EQ(Env().DescriptEdit->text().toStdString(), "Java files (*.java)");
  EXPECT_EQ(Env().extEdit->text().toStdString(), "*.java");
  EXPECT_TRUE(Env().removeButton->isEnabled());
  Env().FilterComboBox->setCurrentIndex(Env().FilterComboBox->count() - 1);
  EXPECT_EQ(Env().extEdit->text().toStdString(), "*.*");
  EXPECT_FALSE(Env().removeButton->isEnabled());

  Env().DescriptEdit->setText("Led files (*.led)");
  Env().extEdit->setText("*.led");
  Env().addButtonClick();
  Env().addButtonClick();  // a mask already there is not added again
  EXPECT_EQ(Env().FilterComboBox->Filter(),
            "Java files (*.java)|*.java|HTML files (*.html)|*.html|Text files (*.txt)|*.txt|"
            "Led files (*.led)|*.led|Any file (*.*)|*.*");
  Env().FilterComboBox->setCurrentIndex(1);
  EXPECT_EQ(Env().extEdit->text().toStdString(), "*.html");
  Env().removeButtonClick();
  EXPECT_EQ(Env().FilterComboBox->Filter(),
            "Java files (*.java)|*.java|Text files (*.txt)|*.txt|Led files (*.led)|*.led|Any file (*.*)|*.*");
  Env().resetButtonClick();
  EXPECT_EQ(Env().FilterComboBox->Filter(), Editor().GetFileFilter());
  EXPECT_EQ(Env().FilterComboBox->count(), 4);

  Env().removeButtonClick();  // Java files
  Env().EnvOKBtn->click();    // the edits show the removed entry: both filled, so OK passes
  EXPECT_EQ(Editor().GetFileFilter(), "HTML files (*.html)|*.html|Text files (*.txt)|*.txt|Any file (*.*)|*.*");
}

TEST_F(EnvOptionsTest, BrowseSetsTheWorkingDirectoryUnlessCancelled) {
  std::string folder = std::filesystem::canonical(temp_.Path()).string();
  std::filesystem::create_directories(folder + "/src");
  Env().Show();
  Env().workdirEdit->setText(QString::fromStdString(folder));
  Modal().Queue(ModalAnswer{mrOk, "", 0, [](QWidget*) {
                              auto* list = workbench::BrowsingForm->DirectoryListBox1;
                              EXPECT_TRUE(list->findItems("src", Qt::MatchExactly).size() == 1);
                              list->SetDirectory(list->Directory() + "/src");
                            }});
  Env().BButtonClick();
  EXPECT_EQ(Env().workdirEdit->text().toStdString(), folder + "/src");
  EXPECT_EQ(workbench::BrowsingForm->DirLabel->text().toStdString(), folder + "/src");
  Modal().Queue(ModalAnswer{mrCancel, "", 0, [&](QWidget*) { workbench::BrowsingForm->DirectoryListBox1->SetDirectory(folder); }});
  Env().BButtonClick();
  EXPECT_EQ(Env().workdirEdit->text().toStdString(), folder + "/src");
  Env().EnvOKBtn->click();
  EXPECT_EQ(Editor().GetWorkingDir(), folder + "/src");
}

TEST_F(EnvOptionsTest, TheCloseBoxKeepsTheRunChoicesAColourBesideTheGridStaysAndABarIsRefused) {
  Env().Show();
  Env().JavahStub->setChecked(true);
  Env().OptionEdit->setText("-x");
  Env().close();
  EXPECT_TRUE(Env().JavahHeader->isChecked());
  EXPECT_EQ(Env().OptionEdit->text().toStdString(), "");

  Editor().SetTextColor(0x123456);
  Editor().SetBackgroundColor(0x654321);
  RunDialog(mrOk, [](workbench::TEnvForm& env) { env.tabsizeEdit->setText("4"); });
  EXPECT_EQ(Editor().GetTextColor(), 0x123456u);
  EXPECT_EQ(Editor().GetBackgroundColor(), 0x654321u);

  Env().Show();
  std::string filter = Env().FilterComboBox->Filter();
  Env().DescriptEdit->setText("Bar files (*.a|b)");
  Env().extEdit->setText("*.a|b");
  Modal().Queue(mrOk);
  Env().addButtonClick();
  EXPECT_EQ(LastMessage(), "A description or a mask cannot hold \"|\": it separates the entries of the filter.");
  EXPECT_EQ(Env().FilterComboBox->Filter(), filter);
}
