// The modeller's tool windows through their real dialogs: the options and the settings file, the
// package and design information reaching the generated Java, and the browser.
#include <QColorDialog>
#include <QStandardPaths>
#include <filesystem>

#include "ModellerFixture.h"
#include "modeller/codegen/JavaGen.h"
#include "modeller/ui/Browser.h"
#include "modeller/ui/CodeView.h"
#include "modeller/ui/CompMsg.h"
#include "modeller/ui/DirBrwsr.h"
#include "modeller/ui/DsgnInfo.h"
#include "modeller/ui/Editor.h"
#include "modeller/ui/GenLog.h"
#include "modeller/ui/ImptForm.h"
#include "modeller/ui/JavaGen.h"
#include "modeller/ui/Options.h"
#include "modeller/ui/PackForm.h"
#include "modeller/ui/SettingsFile.h"

using namespace modeller;
using platform::ModalAnswer;
using platform::mrCancel;
using platform::mrOk;

namespace {

template <class Window>
ModalAnswer Answer(int result, std::function<void(Window&)> act) {
  return ModalAnswer{result, {}, 0, [act](QWidget* window) { act(dynamic_cast<Window&>(*window)); }};
}

class ToolWindows : public ModellerTest {
 protected:
  TJavaClass* AddClass(const std::string& name, int left) {
    auto* box = Make<TJavaClass>(&Graph());
    box->Place(left, 40, left, 40);
    box->SetName(name);
    return box;
  }
  static TJavaAttribute* AddAttribute(TGenericType& box, const std::string& type, const std::string& name) {
    auto* attribute = Make<TJavaAttribute>(nullptr);
    attribute->SetType(type);
    attribute->SetName(name);
    box.AddAttribute(attribute);
    return attribute;
  }
  static std::vector<std::string> Viewer() { return CodeViewerForm()->CodeViewMemo->Lines().ToStringList().Lines(); }
  static void ClickNode(QTreeWidgetItem* node) {
    BrowserForm()->TypeTreeView->setCurrentItem(node);
    BrowserForm()->TypeTreeViewClick();
  }
  static void ChooseFont(QPushButton& button, const std::string& family, int size) {
    platform::ModalService::Instance().Queue(
        Answer<platform::TFontDialogWindow>(mrOk, [family, size](platform::TFontDialogWindow& dialog) {
          dialog.SelectFamily(family);
          dialog.SizeEdit->setValue(size);
        }));
    button.click();
  }
  static void ChooseColor(QPushButton& button, const QColor& color) {
    platform::ModalService::Instance().Queue(
        Answer<QColorDialog>(mrOk, [color](QColorDialog& dialog) { dialog.setCurrentColor(color); }));
    button.click();
  }
};

TEST_F(ToolWindows, OptionsOkAndCancelRoundTripThroughTheSettingsFile) {
  Modal().Queue(Answer<TOptionsForm>(mrOk, [&](TOptionsForm& options) {
    EXPECT_TRUE(options.JavaCompilerPathEdit->text().isEmpty()) << "the layout text is replaced";
    EXPECT_EQ(options.IndentationSpinEdit->value(), 8);
    EXPECT_EQ(options.IndentationSpinEdit->maximum(), kMaxIndentation);
    EXPECT_EQ(options.DiagramHeightSpinEdit->maximum(), kMaxDiagramSize);
    options.JavaCompilerPathEdit->setText("/opt/jdk/bin/javac");
    Modal().Queue(ModalAnswer{mrOk, "/opt/jdk/bin/java", 0, {}});
    options.JavaInterpreterPathBrowseButton->click();
    options.IncludeImplementationCheckBox->setChecked(false);
    options.IndentationSpinEdit->setValue(4);
    ChooseFont(*options.EnvironmentBrowserFontButton, "DejaVu Sans Mono", 13);
    ChooseColor(*options.EditorColorButton, QColor(255, 255, 0));
    options.DiagramWidthSpinEdit->setValue(1800);
    options.DiagramBoldCheckBox->setChecked(true);
    EXPECT_EQ(EditorColor, platform::clWhite) << "only the previews change until OK";
  }));
  Main().ToolsOptions->Click();
  EXPECT_EQ(JavaCompilerPath, "/opt/jdk/bin/javac");
  EXPECT_EQ(JavaInterpreterPath, "/opt/jdk/bin/java");
  EXPECT_FALSE(GenIncludeImpl);
  EXPECT_EQ(IndentString, "    ");
  EXPECT_EQ(BrowserFont.Name, "DejaVu Sans Mono");
  EXPECT_EQ(BrowserFont.Size, 13);
  EXPECT_EQ(EditorColor, platform::RGB(255, 255, 0));
  EXPECT_TRUE(DiagramFont.Bold);
  EXPECT_EQ(Main().PaintBox->width(), 1800) << "OK applies the options";
  EXPECT_EQ(CodeViewerForm()->CodeViewMemo->font().family().toStdString(), "DejaVu Sans Mono");
  EXPECT_EQ(EditorForm()->NewPage()->Memo->palette().color(QPalette::Base), QColor(255, 255, 0));

  Modal().Queue(Answer<TOptionsForm>(mrCancel, [](TOptionsForm& options) {
    options.JavaCompilerPathEdit->setText("other");
    ChooseFont(*options.EditorFontButton, "DejaVu Sans", 20);
    ChooseColor(*options.EnvironmentBrowserColorButton, QColor(0, 0, 255));
    options.DiagramWidthSpinEdit->setValue(900);
  }));
  Main().ToolsOptions->Click();
  EXPECT_EQ(JavaCompilerPath, "/opt/jdk/bin/javac");
  EXPECT_EQ(EditorFont.Size, 10);
  EXPECT_EQ(BrowserColor, platform::clWhite);
  EXPECT_EQ(DiagramWidth, 1800);

  Main().SaveSettings();
  platform::TIniFile written(SettingsFileName());
  EXPECT_EQ(written.ReadString("Environment Options", "JavaInterpreterPath", ""), "/opt/jdk/bin/java");
  EXPECT_EQ(written.ReadInteger("Environment Options", "BrowserFontHeight", 0), FontHeightOfSize(13));
  EXPECT_EQ(written.ReadInteger("Editor Options", "Color", 0), platform::RGB(255, 255, 0));
  EXPECT_EQ(written.ReadInteger("Diagram Options", "FontColor", 0), -2147483640);
  InitGlobals();
  Main().LoadSettings();
  EXPECT_EQ(JavaCompilerPath, "/opt/jdk/bin/javac");
  EXPECT_EQ(IndentString, "    ");
  EXPECT_EQ(BrowserFont.Name, "DejaVu Sans Mono");
  EXPECT_EQ(BrowserFont.Size, 13);
  EXPECT_EQ(DiagramWidth, 1800);
  EXPECT_TRUE(DiagramFont.Bold);
}

// "Arial" and "Courier New" may be drawn here with other families; the lists show them all the same,
// each family once, and OK keeps the names.
TEST_F(ToolWindows, FontListsShowTheNamedFamilyAndEachFamilyOnce) {
  Modal().Queue(Answer<TOptionsForm>(mrOk, [&](TOptionsForm& options) {
    QComboBox& names = *options.DiagramFontNameComboBox;
    EXPECT_EQ(names.currentText().toStdString(), "Arial");
    QStringList families;
    for (int i = 0; i < names.count(); ++i) families << names.itemText(i);
    EXPECT_FALSE(families.join('|').contains(" [")) << "no foundry names";
    EXPECT_EQ(families.removeDuplicates(), 0);
    Modal().Queue(Answer<platform::TFontDialogWindow>(mrOk, [](platform::TFontDialogWindow& dialog) {
      ASSERT_NE(dialog.FamilyList->currentItem(), nullptr);
      EXPECT_EQ(dialog.FamilyList->currentItem()->text().toStdString(), "Courier New");
      EXPECT_TRUE(dialog.FamilyList->findItems(" [", Qt::MatchContains).isEmpty());
      dialog.BoldBox->setChecked(true);
    }));
    options.EditorFontButton->click();
  }));
  Main().ToolsOptions->Click();
  EXPECT_EQ(DiagramFont.Name, "Arial");
  EXPECT_EQ(EditorFont.Name, "Courier New");
  EXPECT_TRUE(EditorFont.Bold);
}

TEST_F(ToolWindows, PackageAndDesignInformationReachTheGeneratedJavaWhichCompiles) {
  if (QStandardPaths::findExecutable("javac").isEmpty()) GTEST_SKIP() << "no javac on PATH";
  AddAttribute(*AddClass("Stack", 40), "Vector", "items");
  const std::string folder = temp_.File("stacks");
  std::filesystem::create_directory(folder);
  Graph().Modified = false;

  Modal().Queue(Answer<TPackageForm>(mrOk, [&](TPackageForm& package) {
    package.NameEdit->setText("stacks");
    Modal().Queue(Answer<TDirectoryBrowser>(mrOk, [&](TDirectoryBrowser& browser) {
      browser.SetDirectory(temp_.Path());
      browser.DirectoryOutline->setCurrentItem(browser.DirectoryOutline->findItems("stacks", Qt::MatchExactly)[0]);
    }));
    package.PathBrowseButton->click();
    Modal().Queue(Answer<TImportForm>(mrOk, [](TImportForm& import) {
      import.ImportListBox->setCurrentRow(7);
      import.ImportListBoxClick();
    }));
    package.AddButton->click();
    Modal().Queue(Answer<TImportForm>(mrOk, [](TImportForm& import) { import.ImportEdit->clear(); }));
    Modal().Queue(mrOk);
    package.AddButton->click();
    EXPECT_EQ(LastMessage(), "Enter the package or class to import.") << "an empty import is refused";
  }));
  Main().ViewPackage->Click();
  EXPECT_EQ(PackageName, "stacks");
  EXPECT_EQ(PackagePath, folder);
  EXPECT_EQ(PackageImports.Lines(), std::vector<std::string>{"java.util.*"});
  EXPECT_TRUE(Graph().Modified) << "a package change is a change of the model";

  Graph().Modified = false;
  Modal().Queue(mrOk);
  Main().ViewPackage->Click();
  EXPECT_FALSE(Graph().Modified) << "OK without a change";
  Modal().Queue(Answer<TDesignInfoForm>(mrCancel, [](TDesignInfoForm& info) { info.TitleEdit->setText("No"); }));
  Main().ViewDesignInformation->Click();
  Modal().Queue(Answer<TDesignInfoForm>(mrOk, [](TDesignInfoForm& info) {
    EXPECT_EQ(info.MoreInfoStringGrid->Cells(1, 3), "1") << "total classes";
    info.TitleEdit->setText("Stacks");
    info.AuthorEdit->setText("Ann");
    info.CommentsMemo->setPlainText("A stack of things */ to compile.");
  }));
  Main().ViewDesignInformation->Click();
  EXPECT_EQ(DesignTitle, "Stacks");
  EXPECT_EQ(Main().StatusBar->PanelText(3), "Stacks");
  EXPECT_TRUE(Graph().Modified);

  // Generate One with the class selected but no item current, then Compile with javac from PATH.
  JavaCompilerPath.clear();
  Modal().Queue(Answer<TJavaCodeGenerator>(mrOk, [](TJavaCodeGenerator& generator) {
    generator.ListBox->item(0)->setSelected(true);
    generator.ListBox->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    ASSERT_EQ(generator.ListBox->currentRow(), -1);
    generator.GenerateOneButton->click();
  }));
  Modal().Queue(mrOk);  // the generate log
  Main().ToolsJAVACodeGenerator->Click();
  const std::string source = testsupport::ReadFile(folder + "/Stack.java");
  for (const char* line : {"\n * Author : Ann\n", "\n * Title : Stacks\n", "\npackage stacks;\n",
                           "\nimport java.util.*;\n", "\n * A stack of things *\\/ to compile.\n"})
    EXPECT_NE(source.find(line), std::string::npos) << line << " in\n" << source;
  EditorForm()->CompileCompileItemClick();
  EXPECT_EQ(CompileMsgForm()->StatusLabel->text().toStdString(), "compile successfully!");
  EXPECT_TRUE(std::filesystem::exists(folder + "/Stack.class"));
}

TEST_F(ToolWindows, DesignInformationCountsTheSymbols) {
  Draw(Main().InterfaceButton, 102, 42, 102, 42);
  for (int x : {102, 302, 502}) Draw(Main().ClassButton, x, 302, x, 302);
  Draw(Main().InheritanceButton, 152, 312, 152, 52);
  Draw(Main().InheritanceButton, 352, 312, 152, 192);
  Draw(Main().InheritanceButton, 552, 312, 152, 192);
  NodeAs<TJavaClass>(2)->SetPackageMember(false);
  Make<TComment>(&Graph())->Place(702, 42, 702, 42);
  EXPECT_EQ(CountDesignSymbols(Graph()), (TDesignCounts{2, 1, 3, 1, 0, 3, 0, 1}));
}

TEST_F(ToolWindows, TheBrowserShowsTypesAndMembersAndForgetsDeletedOnes) {
  TJavaClass* stack = AddClass("Stack", 40);
  TJavaAttribute* top = AddAttribute(*stack, "int", "top");
  auto* push = Make<TJavaMethod>(nullptr);
  push->SetName("push");
  stack->AddMethod(push);
  auto* shape = Make<TJavaInterface>(&Graph());
  shape->Place(300, 40, 300, 40);
  shape->SetName("Shape");
  Main().ViewBrowser->Click();
  QTreeWidget& tree = *BrowserForm()->TypeTreeView;
  ASSERT_EQ(tree.topLevelItemCount(), 2);
  QTreeWidgetItem* stackNode = tree.topLevelItem(0);
  ASSERT_EQ(stackNode->childCount(), 2);
  EXPECT_EQ(stackNode->child(0)->text(0).toStdString(), top->Declaration());
  EXPECT_EQ(BrowserImageOf(*push), biMethod);
  EXPECT_EQ(BrowserImageOf(*shape), biInterface);
  BrowserForm()->ExpandButton->click();
  EXPECT_TRUE(stackNode->isExpanded());

  ClickNode(stackNode->child(0));
  EXPECT_TRUE(CodeViewerForm()->isVisible());
  EXPECT_EQ(Viewer(), std::vector<std::string>{"        int top;"});
  ClickNode(stackNode);
  platform::TStringList text;
  ClassDeclaration(text, *stack);
  EXPECT_EQ(Viewer(), text.Lines());

  Graph().DeselectAll();
  stack->SetSelected(true);
  Graph().DeleteSelection();
  ClickNode(stackNode->child(0));
  EXPECT_TRUE(Viewer().empty()) << "a deleted element shows nothing";
  ASSERT_EQ(tree.topLevelItemCount(), 1) << "and the tree is rebuilt";
  Modal().Queue(platform::mrNo);  // not saved
  Main().FileNewClick();
  ClickNode(tree.topLevelItem(0));
  EXPECT_EQ(tree.topLevelItemCount(), 0);

  BrowserForm()->SetBounds(20, 30, 300, 400);
  BrowserForm()->close();
  platform::TIniFile written(SettingsFileName());
  EXPECT_EQ(written.ReadInteger("Browser", "Top", 0), 30);
  EXPECT_EQ(written.ReadInteger("Browser", "Width", 0), 300);
}

TEST_F(ToolWindows, OpenAddsTheModelExtensionAndShowsEachFilterOnce) {
  AddClass("Saved", 40);
  ModelFileName = temp_.File("model.zel");
  modeller::SaveModel();
  NewModel();
  Modal().Queue(ModalAnswer{mrOk, temp_.File("model"), 0, {}});
  Main().FileOpenClick();
  EXPECT_EQ(ModelFileName, temp_.File("model.zel"));
  EXPECT_EQ(Graph().NodeCount(), 1);
  EXPECT_EQ(platform::NameFilters("Zelvory File. (*.zel)|*.zel|Any|*.a; *.b|All File (*.*)|*.*"),
            (QStringList{"Zelvory File. (*.zel) (*.zel)", "Any (*.a *.b)", "All File (*.*) (*)"}));
}

}  // namespace
