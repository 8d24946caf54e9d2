#include <gtest/gtest.h>

#include <algorithm>

#include "ModellerFixture.h"
#include "modeller/codegen/CppGen.h"
#include "modeller/codegen/JavaGen.h"
#include "modeller/codegen/EfflGen.h"
#include "modeller/ui/CodeView.h"
#include "modeller/ui/GenLog.h"
#include "modeller/ui/ToolPlace.h"
#include "modeller/ui/Translators.h"
#include "platform/Clipboard.h"

using namespace modeller;
using platform::ModalAnswer;
using platform::mrOk;

namespace {

class Translators : public ModellerTest {
 protected:
  TJavaClass* AddClass(const std::string& name, int left, int top) {
    auto* cls = Make<TJavaClass>(&Graph());
    cls->Place(left, top, left, top);
    cls->SetName(name);
    return cls;
  }
  static std::vector<std::string> ViewerLines() {
    return CodeViewerForm()->CodeViewMemo->Lines().ToStringList().Lines();
  }
  // True when a line of the viewer begins with the text.
  static bool ViewerShows(const std::string& text) {
    std::vector<std::string> lines = ViewerLines();
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) { return line.rfind(text, 0) == 0; });
  }
};

}  // namespace

TEST_F(Translators, AButtonShowsTheLogThenTheTextInTheViewer) {
  AddClass("Shape", 40, 40);
  AddClass("bad name", 240, 40);
  GenerateWarnings.Add("left from an earlier run");
  Main().ToolsTranslators->Click();
  ASSERT_TRUE(TranslatorsForm()->isVisible());
  EXPECT_EQ(TranslatorsForm()->Caption(), "Translators");
  EXPECT_EQ(TranslatorsForm()->CppButton->text().toStdString(), "C++");
  EXPECT_EQ(TranslatorsForm()->DelphiButton->text().toStdString(), "Delphi Object Pascal");

  Modal().Queue(mrOk);
  TranslatorsForm()->CppButton->Click();
  EXPECT_EQ(Modal().Log().back().kind, "Form");
  EXPECT_EQ(Modal().Log().back().caption, "Generate Log");
  EXPECT_EQ(GenerateWarnings.Lines(), std::vector<std::string>{"warning : \"bad name\" is invalid identifier."});
  EXPECT_TRUE(CodeViewerForm()->isVisible());
  platform::TStringList expected;
  GenerateCppPrototypes(expected);
  EXPECT_EQ(ViewerLines(), expected.Lines());
  EXPECT_TRUE(ViewerShows("class Shape {"));

  Modal().Queue(mrOk);
  TranslatorsForm()->EiffelButton->Click();
  EXPECT_EQ(GenerateWarnings.Count(), 1) << GenerateWarnings.Text();
  expected.Clear();
  GenerateEiffelPrototypes(expected);
  EXPECT_EQ(ViewerLines(), expected.Lines());

  // "Java" shows the text Generate All would write, and its log lists the warnings.
  Modal().Queue(mrOk);
  TranslatorsForm()->JavaButton->Click();
  expected.Clear();
  GeneratePackageSource(expected);
  EXPECT_EQ(ViewerLines(), expected.Lines());
  EXPECT_TRUE(ViewerShows("class Shape {"));
  EXPECT_EQ(GenerateLogForm()->LogListBox->Items(0), "Messages : Java Code Generator");
}

TEST_F(Translators, TheViewerSavesAndCopiesItsTextUnchanged) {
  CodeViewerForm()->CodeViewMemo->Lines().Assign(platform::TStringList({"class A {", "};"}));
  Modal().Queue(ModalAnswer{mrOk, temp_.File("a.h"), 0, {}});
  CodeViewerForm()->SaveButton->Click();
  EXPECT_EQ(Modal().Log().back().kind, "SaveDialog");
  platform::TStringList saved;
  saved.LoadFromFile(temp_.File("a.h"));
  EXPECT_EQ(saved.Lines(), (std::vector<std::string>{"class A {", "};"}));

  CodeViewerForm()->CopyButton->Click();
  EXPECT_EQ(platform::Clipboard().AsText(), "class A {\n};\n");
  EXPECT_EQ(ViewerLines(), (std::vector<std::string>{"class A {", "};"}));
  EXPECT_TRUE(CodeViewerForm()->CodeViewMemo->isReadOnly());
}

TEST_F(Translators, TheViewerTakesTheCodeViewerFontFromTheOptions) {
  BrowserFont = platform::TFont{"DejaVu Sans Mono", 14, platform::clRed};
  BrowserColor = platform::RGB(255, 255, 0);
  Modal().Queue(mrOk);
  Main().ToolsOptionsClick();
  QWidget& memo = *CodeViewerForm()->CodeViewMemo;
  EXPECT_EQ(memo.font().family().toStdString(), "DejaVu Sans Mono");
  EXPECT_EQ(memo.font().pointSize(), 14);
  EXPECT_EQ(memo.palette().color(QPalette::Base), QColor(255, 255, 0));
  EXPECT_EQ(memo.palette().color(QPalette::Text), QColor(255, 0, 0));

  QColor platformText = QPalette().color(QPalette::Text);
  BrowserFont.Color = -2147483640;
  Modal().Queue(mrOk);
  Main().ToolsOptionsClick();
  EXPECT_EQ(memo.palette().color(QPalette::Text), platformText);
}

TEST_F(Translators, PlacesAreReadWhenMadeAndWrittenWhenClosed) {
  platform::TIniFile& ini = SettingsIniFile();
  ini.WriteInteger("CodeViewer", "Left", 30);
  ini.WriteInteger("CodeViewer", "Top", 40);
  ini.WriteInteger("CodeViewer", "Width", 500);
  ini.WriteInteger("CodeViewer", "Height", 300);
  ini.WriteBool("CodeViewer", "Visible", true);
  ini.WriteInteger("Translators", "Left", 60);
  ini.WriteInteger("Translators", "Top", 70);
  TCodeViewerForm viewer;
  TTranslatorsForm translators;
  EXPECT_EQ(viewer.Left(), 30);
  EXPECT_EQ(viewer.Top(), 40);
  EXPECT_EQ(viewer.Width(), 500);
  EXPECT_EQ(viewer.Height(), 300);
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_EQ(translators.Left(), 60);
  EXPECT_EQ(translators.Top(), 70);
  EXPECT_FALSE(translators.isVisible());

  viewer.SetBounds(35, 45, 520, 310);
  translators.Show();
  translators.SetBounds(65, 75, translators.Width(), translators.Height());
  viewer.close();  // the user's close box
  SetMainWindowClosing(true);
  translators.close();
  SetMainWindowClosing(false);
  platform::TIniFile written(SettingsFileName());
  EXPECT_EQ(written.ReadInteger("CodeViewer", "Left", 0), 35);
  EXPECT_EQ(written.ReadInteger("CodeViewer", "Top", 0), 45);
  EXPECT_EQ(written.ReadInteger("CodeViewer", "Width", 0), 520);
  EXPECT_EQ(written.ReadInteger("CodeViewer", "Height", 0), 310);
  EXPECT_FALSE(written.ReadBool("CodeViewer", "Visible", true)) << "closed by the user, saved closed";
  EXPECT_EQ(written.ReadInteger("Translators", "Left", 0), 65);
  EXPECT_EQ(written.ReadInteger("Translators", "Top", 0), 75);
  EXPECT_TRUE(written.ReadBool("Translators", "Visible", false)) << "open when the main window closed it";
  EXPECT_FALSE(written.ValueExists("Translators", "Width"));
}
