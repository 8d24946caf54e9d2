// The Java code generator dialog run from the Tools menu with scripted answers: the list of
// package members, Generate One and Generate All writing into a temporary package folder, the
// generate log, and failed writes that keep the dialog open.
#include <QTest>
#include <filesystem>

#include "ModellerFixture.h"
#include "modeller/codegen/JavaGen.h"
#include "modeller/ui/GenLog.h"
#include "modeller/ui/JavaGen.h"
#include "platform/SysUtils.h"

using namespace modeller;
using platform::ModalAnswer;
using platform::mrCancel;
using platform::mrOk;
using testsupport::ReadFile;

namespace {

class CodeGenerator : public ModellerTest {
 protected:
  void SetUp() override {
    ModellerTest::SetUp();
    package_ = temp_.File("geo");
    std::filesystem::create_directory(package_);
    PackagePath = package_;
  }

  template <class T>
  T* Box(const std::string& name, int left) {
    auto* box = Make<T>(&Graph());
    box->Place(left, 40, left, 40);
    box->SetName(name);
    return box;
  }
  static void AddAttribute(TGenericType& box, const std::string& type, const std::string& name) {
    auto* attribute = Make<TJavaAttribute>(nullptr);
    attribute->SetType(type);
    attribute->SetName(name);
    box.AddAttribute(attribute);
  }

  // Opens the dialog from the Tools menu; `act` plays the user in it. A run that writes its file
  // shows the generate log, whose lines land in log_.
  void RunGenerator(const std::function<void(TJavaCodeGenerator&)>& act, int result = mrOk) {
    Modal().Queue(ModalAnswer{result, {}, 0, [act](QWidget* window) {
                                act(*dynamic_cast<TJavaCodeGenerator*>(window));
                              }});
    if (result == mrOk) ExpectLog();
    Main().ToolsJAVACodeGenerator->Click();
  }
  void ExpectLog() {
    Modal().Queue(ModalAnswer{mrOk, {}, 0, [this](QWidget* window) {
                                auto& log = *dynamic_cast<TGenerateLogForm*>(window);
                                log_.clear();
                                for (int i = 0; i < log.LogListBox->count(); ++i) log_.push_back(log.LogListBox->Items(i));
                              }});
  }
  static std::vector<std::string> Items(const TJavaCodeGenerator& generator) {
    std::vector<std::string> items;
    for (int i = 0; i < generator.ListBox->count(); ++i) items.push_back(generator.ListBox->Items(i));
    return items;
  }
  static std::string Source(const std::function<void(platform::TStringList&)>& write) {
    platform::TStringList list;
    list.LineBreak = "\n";
    write(list);
    return list.Text();
  }
  int ModalCount(const std::string& kind) {
    int count = 0;
    for (const auto& request : Modal().Log()) count += request.kind == kind ? 1 : 0;
    return count;
  }

  std::string package_;
  std::vector<std::string> log_;
};

TEST_F(CodeGenerator, EscapeClosesTheGenerator) {
  Modal().Queue(platform::ModalAnswer{platform::mrNone, {}, 0, [](QWidget*) {
                                        TJavaCodeGenerator& generator = *JavaCodeGenerator();
                                        generator.Show();
                                        generator.ListBox->setFocus();
                                        QTest::keyClick(generator.windowHandle(), Qt::Key_Escape);
                                      }});
  EXPECT_EQ(JavaCodeGenerator()->Execute(), platform::mrCancel);
  EXPECT_FALSE(JavaCodeGenerator()->isVisible());
}

TEST_F(CodeGenerator, ListsThePackageMembersAndOffersGenerateOneOnlyForASelection) {
  Box<TJavaClass>("Square", 20);
  Box<TJavaClass>("Hidden", 160)->SetPackageMember(false);
  Box<TJavaInterface>("Shape", 300);
  Make<TComment>(&Graph())->Place(440, 40, 440, 40);
  Box<TJavaInterface>("Secret", 580)->SetPackageMember(false);

  RunGenerator(
      [this](TJavaCodeGenerator& generator) {
        EXPECT_EQ(Items(generator), (std::vector<std::string>{"Square", "Shape"}));
        EXPECT_EQ(generator.DirectoryListBox->Directory(), package_) << "the package path is the destination";
        EXPECT_FALSE(generator.GenerateOneButton->isEnabled());
        EXPECT_TRUE(generator.GenerateAllButton->isEnabled());
        generator.ListBox->item(1)->setSelected(true);
        EXPECT_TRUE(generator.GenerateOneButton->isEnabled());
        generator.ListBox->item(1)->setSelected(false);
        EXPECT_FALSE(generator.GenerateOneButton->isEnabled());
      },
      mrCancel);

  Graph().Clear();
  PackagePath.clear();
  RunGenerator(
      [this](TJavaCodeGenerator& generator) {
        EXPECT_TRUE(Items(generator).empty()) << "the list is filled afresh each time";
        EXPECT_FALSE(generator.GenerateOneButton->isEnabled());
        EXPECT_EQ(generator.DirectoryListBox->Directory(), package_) << "an empty path leaves the folder";
      },
      mrCancel);
  EXPECT_FALSE(std::filesystem::exists(package_ + "/Square.java")) << "cancel writes nothing";
}

TEST_F(CodeGenerator, GenerateOneWritesTheFocusedTypeAndShowsItsWarnings) {
  auto* square = Box<TJavaClass>("Square", 20);
  auto* shape = Box<TJavaInterface>("Shape", 300);
  AddAttribute(*square, "int[]", "sides");
  AddAttribute(*shape, "int", "size$");
  GenerateWarnings.Add("an old warning");

  RunGenerator([](TJavaCodeGenerator& generator) {
    generator.ListBox->item(0)->setSelected(true);
    generator.ListBox->item(1)->setSelected(true);
    generator.ListBox->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    generator.GenerateOneButton->click();
    EXPECT_EQ(generator.ModalResult(), mrOk) << "the dialog closes";
    EXPECT_EQ(generator.OutputLines, nullptr) << "the run's text is freed";
  });

  EXPECT_EQ(log_, (std::vector<std::string>{"Messages : Java Code Generator", "warning : \"int[]\" is invalid identifier.",
                                            "Generated with 1 Warnnings."}));
  EXPECT_FALSE(std::filesystem::exists(package_ + "/Shape.java")) << "only the focused item is written";
  EXPECT_EQ(ReadFile(package_ + "/Square.java"), Source([square](auto& list) { GenerateTypeSource(list, square); }));
  EXPECT_NE(ReadFile(package_ + "/Square.java").find("class Square {\n        int[] sides;\n}\n"), std::string::npos);
}

TEST_F(CodeGenerator, GenerateAllWritesEveryMemberIntoAFileNamedAfterTheModel) {
  Box<TJavaClass>("Square", 20);
  Box<TJavaInterface>("Shape", 300);
  ModelFileName = temp_.File("shapes.zel");
  testsupport::WriteFile(package_ + "/shapes.java", "old text");

  RunGenerator([](TJavaCodeGenerator& generator) { generator.GenerateAllButton->click(); });
  EXPECT_EQ(log_, (std::vector<std::string>{"Messages : Java Code Generator", "Generated Completely."}));
  EXPECT_EQ(ReadFile(package_ + "/shapes.java"), Source([](auto& list) { GeneratePackageSource(list); }))
      << "an existing file is replaced";

  ModelFileName.clear();
  Graph().Clear();
  RunGenerator([](TJavaCodeGenerator& generator) { generator.GenerateAllButton->click(); });
  std::string unnamed = ReadFile(package_ + "/noname.java");
  EXPECT_EQ(unnamed, Source([](auto& list) { WriteFileHeader(list); })) << "a model without members gives the banner";
}

TEST_F(CodeGenerator, AFileThatCannotBeWrittenIsReportedAndTheDialogStaysOpen) {
  Box<TJavaClass>("Square", 20);
  Box<TJavaClass>("../Escape", 160);
  ASSERT_TRUE(testsupport::MakeFolderReadOnly(package_));

  Modal().Queue(ModalAnswer{mrCancel, {}, 0, [](QWidget* window) {
                              auto& generator = *dynamic_cast<TJavaCodeGenerator*>(window);
                              generator.GenerateAllButton->click();
                              EXPECT_EQ(generator.ModalResult(), platform::mrNone) << "the dialog stays open";
                              generator.ListBox->item(1)->setSelected(true);
                              generator.ListBox->setCurrentRow(1, QItemSelectionModel::NoUpdate);
                              generator.GenerateOneButton->click();
                              EXPECT_EQ(generator.ModalResult(), platform::mrNone);
                            }});
  Modal().Queue(mrOk);  // the two error boxes
  Modal().Queue(mrOk);
  Main().ToolsJAVACodeGenerator->Click();
  testsupport::MakeFolderWritable(package_);

  EXPECT_EQ(ModalCount("MessageBox"), 2);
  EXPECT_NE(LastMessage().find("Escape.java"), std::string::npos) << LastMessage();
  EXPECT_EQ(ModalCount("Form"), 1) << "no generate log after a failed write";
  EXPECT_FALSE(std::filesystem::exists(package_ + "/noname.java"));
  EXPECT_FALSE(std::filesystem::exists(temp_.File("Escape.java"))) << "a name cannot leave the folder";
  EXPECT_TRUE(std::filesystem::is_empty(package_));
}

}  // namespace

TEST_F(CodeGenerator, TheDestinationListWalksIntoSubfoldersAndRefusesMissingOnes) {
  std::filesystem::create_directory(package_ + "/shapes");
  PackagePath = package_ + "/missing";
  RunGenerator(
      [this](TJavaCodeGenerator& generator) {
        TDirectoryListBox& folders = *generator.DirectoryListBox;
        EXPECT_NE(folders.Directory(), package_ + "/missing") << "a missing package path is not taken";
        ASSERT_TRUE(folders.SetDirectory(package_));
        EXPECT_FALSE(folders.SetDirectory(package_ + "/missing"));
        EXPECT_EQ(folders.Directory(), package_);
        QListWidgetItem* last = folders.item(folders.count() - 1);
        EXPECT_EQ(last->text().trimmed().toStdString(), "shapes");
        emit folders.itemDoubleClicked(last);
        EXPECT_EQ(folders.Directory(), package_ + "/shapes");
        emit folders.itemDoubleClicked(folders.item(0));
        EXPECT_EQ(folders.Directory(), "/");
      },
      mrCancel);
}
