// The main window: the windows made at start-up and on first use, the model commands with their save
// question, patterns, keys, inspection on double click, the splash timer, printing and the settings
// file on close.
#include <QKeyEvent>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <functional>

#include "ModellerFixture.h"
#include "modeller/ui/About.h"
#include "modeller/ui/Browser.h"
#include "modeller/ui/ClassIns.h"
#include "modeller/ui/CodeView.h"
#include "modeller/ui/DsgnInfo.h"
#include "modeller/ui/Editor.h"
#include "modeller/ui/GenLog.h"
#include "modeller/ui/Options.h"
#include "modeller/ui/Translators.h"
#include "modeller/ui/Splash.h"
#include "platform/Canvas.h"
#include "platform/Launcher.h"
#include "platform/Printing.h"

using namespace modeller;
using platform::ModalAnswer;
using platform::mrCancel;
using platform::mrNo;
using platform::mrOk;
using platform::mrYes;
using testsupport::ReadFile;

namespace {

class MainWindow : public ModellerTest {
 protected:
  void DrawClass(int x, int y) { Draw(Main().ClassButton, x, y, x, y); }
  void SaveAs(const std::string& fileName) {
    Modal().Queue(ModalAnswer{mrOk, fileName, 0, {}});
    Main().FileSaveAsClick();
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(Main().PaintBox, &event);
  }
  std::string SettingsText() { return ReadFile(SettingsFileName()); }
  // A click as a user's: on the top-level window, over a point of the diagram.
  void ClickOnWindow(int x, int y) {
    QPoint at = Main().PaintBox->mapTo(&Main(), QPoint(x, y));
    QTest::mouseClick(Main().windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
  }
  TJavaClass* ClassAt(int left, int top, const std::string& name) {
    auto* box = Make<TJavaClass>(&Graph());
    box->Place(left, top, left, top);
    box->SetName(name);
    auto* attribute = Make<TJavaAttribute>(nullptr);
    attribute->SetType("int");
    attribute->SetName("count");
    box->AddAttribute(attribute);
    return box;
  }
  // A link dragged from near the top-left corner of one box to that of another.
  template <class E = TAssociation>
  E* Link(const TNode& from, const TNode& to) {
    TRect a = from.GetBounds();
    TRect b = to.GetBounds();
    auto* edge = Make<E>(&Graph());
    edge->Place(a.Left + 12, a.Top + 12, b.Left + 12, b.Top + 12);
    return edge;
  }
  void SetDiagramSize(int width, int height) {
    DiagramWidth = width;
    DiagramHeight = height;
    Main().ApplyOptions();
    QApplication::processEvents();  // the scroll bars the new size brings
  }
  void ScrollTo(int x, int y) {
    Main().ScrollBox->horizontalScrollBar()->setValue(x);
    Main().ScrollBox->verticalScrollBar()->setValue(y);
    QApplication::processEvents();
  }
  // The pixels the diagram's view shows otherwise than the same part of the picture.
  int DifferingPixels(const platform::TCanvas& picture) {
    QImage shown = Main().ScrollBox->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QPoint scrolled(Main().ScrollBox->horizontalScrollBar()->value(), Main().ScrollBox->verticalScrollBar()->value());
    QImage expected = picture.Image().copy(QRect(scrolled, shown.size()));
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y)
      for (int x = 0; x < shown.width(); ++x) differing += shown.pixel(x, y) != expected.pixel(x, y) ? 1 : 0;
    return differing;
  }
  // The changes made to the diagram's canvas while the action runs.
  int CanvasChanges(const std::function<void()>& action) {
    platform::TCanvas& canvas = *Main().PaintBox->Canvas();
    std::function<void()> shows = canvas.OnChange;
    int changes = 0;
    canvas.OnChange = [&] {
      ++changes;
      shows();
    };
    action();
    canvas.OnChange = shows;
    return changes;
  }
  std::vector<std::string> OtherWindowCaptions() {
    std::vector<std::string> captions;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* form = dynamic_cast<platform::TForm*>(window);
      if (form != nullptr && form != Main().window()) captions.push_back(form->Caption());
    }
    std::sort(captions.begin(), captions.end());
    return captions;
  }
};

TEST_F(MainWindow, StartUpMakesOnlyTheMainWindowWithTheSelectToolActive) {
  EXPECT_EQ(Main().Caption(), "Zelvory 1.0");
  EXPECT_TRUE(SelectToolActive());
  EXPECT_EQ(Graph().HandlerGroup(), Main().HandlerGroup.get());
  EXPECT_EQ(Graph().PaintBox(), Main().PaintBox);
  EXPECT_EQ(Main().PaintBox->width(), 1500);
  EXPECT_EQ(Main().PaintBox->height(), 2000);
  EXPECT_EQ(Main().StatusBar->PanelText(0), "Filename:");
  EXPECT_EQ(Main().StatusBar->PanelText(2), "Title:");
  EXPECT_TRUE(OtherWindowCaptions().empty()) << "the other windows wait until first asked for";
  auto askForSome = [] {
    return std::vector<QWidget*>{ClassInspector(), AboutBox(),       EditorForm(),  TranslatorsForm(),
                                 GenerateLogForm(), CodeViewerForm(), BrowserForm(), DesignInfoForm()};
  };
  EXPECT_EQ(askForSome(), askForSome()) << "each window is made once";
  EXPECT_EQ(OtherWindowCaptions(),
            (std::vector<std::string>{"About Zelvory 1.0 for Java", "Browser", "Class Inspector", "Code Viewer",
                                      "Design Information", "Generate Log", "Java Editor", "Translators"}));
}

TEST_F(MainWindow, TheSymbolsMenuAndThePaletteActivateOneHandlerAtATime) {
  Main().SymbolsAggregation->Click();
  EXPECT_EQ(Main().HandlerGroup->ActiveHandler(), Main().AggregationHandler);
  EXPECT_TRUE(Main().AggregationButton->isChecked());
  EXPECT_FALSE(Main().SelectButton->isChecked());
  Main().CommentLinkButton->Click();
  EXPECT_EQ(Main().HandlerGroup->ActiveHandler(), Main().CommentLinkHandler);
  EXPECT_FALSE(Main().AggregationButton->isChecked());
  Main().SymbolsSelect->Click();
  EXPECT_TRUE(SelectToolActive());
  EXPECT_FALSE(Main().CommentLinkButton->isChecked());
}

TEST_F(MainWindow, TheOptionsDialogsOkAppliesTheDiagramSize) {
  DiagramWidth = 900;
  DiagramHeight = 700;
  Modal().Queue(mrCancel);
  Main().ToolsOptionsClick();
  EXPECT_EQ(Main().PaintBox->width(), 1500);
  Modal().Queue(mrOk);
  Main().ToolsOptionsClick();
  EXPECT_EQ(Modal().Log().back().caption, "Options");
  EXPECT_EQ(Main().PaintBox->width(), 900);
  EXPECT_EQ(Main().PaintBox->height(), 700);
}

TEST_F(MainWindow, TheDrawingAreaTakesAnySizeTheOptionsGiveAndKeepsOnlyWhatIsInSight) {
  Modal().Queue(ModalAnswer{mrOk, "", 0, [](QWidget* form) {
                              auto& options = dynamic_cast<TOptionsForm&>(*form);
                              options.DiagramWidthSpinEdit->setValue(30000);
                              options.DiagramHeightSpinEdit->setValue(20000);
                            }});
  Main().ToolsOptionsClick();
  EXPECT_EQ(Main().PaintBox->width(), 30000);
  EXPECT_EQ(Main().PaintBox->height(), 20000);
  ClassAt(29702, 19702, "Far");
  ScrollTo(30000, 20000);
  EXPECT_EQ(Main().PaintBox->Canvas()->Image().size(), Main().ScrollBox->viewport()->size());
  EXPECT_EQ(Main().PaintBox->Canvas()->Pixels(29702, 19702), platform::clBlack) << "the far class shows";
}

TEST_F(MainWindow, TheDrawingAreaGrowsToHoldEveryBoxWhileTheOptionsKeepTheirSize) {
  auto holdsFarCorner = [&] {
    TPoint corner = Graph().FarCorner();
    return Main().PaintBox->width() > corner.X + 1 && Main().PaintBox->height() > corner.Y + 1;
  };
  TJavaClass* far = ClassAt(1202, 2602, "Far");
  SaveAs(temp_.File("far.zel"));
  Main().FileNewClick();
  EXPECT_EQ(Main().PaintBox->size(), QSize(1500, 2000));

  Modal().Queue(ModalAnswer{mrOk, temp_.File("far.zel"), 0, {}});
  Main().FileOpenClick();
  far = NodeAs<TJavaClass>(0);
  EXPECT_TRUE(holdsFarCorner()) << "opened";
  EXPECT_EQ(Main().PaintBox->width(), 1500) << "only as far as it must";
  EXPECT_EQ(DiagramHeight, 2000) << "the options keep their size";
  ScrollTo(Main().PaintBox->width(), Main().PaintBox->height());
  EXPECT_EQ(Main().PaintBox->Canvas()->Pixels(far->Left, far->Bottom), platform::clBlack) << "the class shows";

  SetDiagramSize(400, 300);
  EXPECT_TRUE(holdsFarCorner()) << "options applied";
  Main().EditSelectAll->Click();
  Main().EditCopy->Click();
  Main().FileNewClick();
  EXPECT_EQ(Main().PaintBox->size(), QSize(400, 300)) << "a new model";
  Main().EditPaste->Click();
  EXPECT_TRUE(holdsFarCorner()) << "pasted";

  Modal().Queue(mrNo);
  Main().FileNewClick();
  DrawClass(102, 42);
  Drag(112, 47, 512, 47);
  EXPECT_EQ(Graph().Nodes(0)->GetBounds().Left, 502);
  EXPECT_TRUE(holdsFarCorner()) << "a box dragged beyond the area";
  EXPECT_EQ(DiagramWidth, 400);
}

TEST_F(MainWindow, TheDiagramShowsTheSamePixelsBeforeAndAfterScrollingAsOnAPictureOfItsOwn) {
  SetDiagramSize(2400, 1800);
  TJavaClass* first = ClassAt(52, 52, "First");
  TJavaClass* wide = ClassAt(352, 402, "AClassWhoseNameIsWiderThanItsCompartments");
  TJavaClass* far = ClassAt(1852, 1402, "Far");
  Link(*first, *far)->SetKind(akAggregates);
  Link(*wide, *first)->SetMultiplicity(mtMany);
  Link<TInstantiate>(*far, *wide);
  auto* note = Make<TComment>(&Graph());
  note->Place(1202, 302, 1202, 302);
  platform::TStringList lines;
  lines.Add("a note across the middle");
  note->SetLines(lines);
  Link<TCommentLink>(*note, *far);
  auto* junction = Make<TInheritance>(&Graph());
  junction->Place(1002, 1202, 1002, 1202);
  Link<TSuperClassing>(*junction, *first);
  Link<TSubClassing>(*far, *junction);
  auto* label = Make<TText>(&Graph());
  label->Place(2002, 902, 2002, 902);
  label->SetText("a label far out");
  wide->SetSelected(true);
  Main().EditRefresh->Click();

  platform::TCanvas picture(Main().PaintBox->width(), Main().PaintBox->height());
  picture.Font = Main().PaintBox->Canvas()->Font;
  Graph().SetCanvas(&picture);
  Graph().RedrawAll();
  Graph().SetPaintBox(Main().PaintBox);
  EXPECT_EQ(DifferingPixels(picture), 0) << "before scrolling";
  for (QPoint to : {QPoint(1000, 700), QPoint(2400, 1800), QPoint(300, 1200), QPoint(0, 0)}) {
    ScrollTo(to.x(), to.y());
    EXPECT_EQ(DifferingPixels(picture), 0) << "scrolled to " << to.x() << ", " << to.y();
  }
}

// A diagram read from a file whose boxes and links are not yet where drawing puts them, worked on in
// the window, which shows a part of it, and in a twin read from the same text that draws on a
// picture of the whole: every step shows the same pixels in the window as on the twin's picture, and
// both end with the same stored values.
TEST_F(MainWindow, ADiagramInPartShowsAndKeepsWhatTheWholeDrawnEveryTimeDoes) {
  SetDiagramSize(2400, 1800);
  std::vector<TJavaClass*> boxes;
  for (int i = 0; i < 24; ++i) boxes.push_back(ClassAt(52 + i % 6 * 390, 52 + i / 6 * 440, "Box" + std::to_string(i)));
  for (int i = 0; i + 7 < 24; i += 2) Link(*boxes[i], *boxes[i + 7]);
  Link<TInstantiate>(*boxes[23], *boxes[0]);
  for (int i = 0; i < 24; i += 3) boxes[i]->Right = boxes[i]->Left + 1;  // sized anew when drawn
  for (int i = 0; i < Graph().EdgeCount(); i += 2) {
    auto& edge = dynamic_cast<TOrthogonalEdge&>(*Graph().Edges(i));
    edge.Points.SetPoint(0, {edge.Points.Point(0).X + 3, edge.Points.Point(0).Y});  // off the grid
  }
  TRider text;
  text.WriteObject(&Graph());
  const std::string file = temp_.File("parts.zel");
  SaveModel(file);
  Modal().Queue(ModalAnswer{mrOk, file, 0, {}});
  Main().FileOpenClick();
  text.Reset();
  std::unique_ptr<TGraph> twin(dynamic_cast<TGraph*>(text.ReadObject()));
  platform::TCanvas picture(Main().PaintBox->width(), Main().PaintBox->height());
  picture.Font = Main().PaintBox->Canvas()->Font;
  twin->SetCanvas(&picture);
  twin->RedrawAll();

  struct Step {
    const char* name;
    std::function<void(TGraph&)> run;
    QPoint scrollTo{-1, -1};
  };
  auto refresh = [&](TGraph& graph) {
    if (&graph == twin.get()) picture.Clear(platform::clWhite);
    graph.Canvas() == &picture ? graph.RedrawAll() : graph.Refresh();
  };
  // A part scrolled into sight is made anew, where the whole picture keeps the marks its erasing
  // left: so a scroll follows a refresh, when neither has any.
  const Step steps[] = {
      {"opened", [](TGraph&) {}},
      {"Select All", [](TGraph& graph) { graph.SelectAll(); }},
      {"a click on an empty spot",
       [](TGraph& graph) {
         graph.DeselectAll();
         graph.SelectInRect(352, 402, 352, 402);
         graph.RedrawAll();
       }},
      {"one box moved",
       [](TGraph& graph) {
         graph.Nodes(7)->SetSelected(true);
         graph.MoveSelection(40, 40);
       }},
      {"refreshed", refresh},
      {"scrolled", [](TGraph&) {}, {1000, 700}},
      {"everything moved",
       [](TGraph& graph) {
         graph.SelectAll();
         graph.MoveSelection(-20, 30);
       }},
      {"everything deselected", [](TGraph& graph) { graph.DeselectAll(); }},
      {"refreshed again", refresh},
      {"scrolled further", [](TGraph&) {}, {1400, 1100}},
      {"Select All there", [](TGraph& graph) { graph.SelectAll(); }},
  };
  for (const Step& step : steps) {
    step.run(Graph());
    step.run(*twin);
    if (step.scrollTo.x() >= 0) ScrollTo(step.scrollTo.x(), step.scrollTo.y());
    QApplication::processEvents();
    EXPECT_EQ(DifferingPixels(picture), 0) << step.name;
  }
  TRider shown, whole;
  shown.WriteObject(&Graph());
  whole.WriteObject(twin.get());
  EXPECT_EQ(shown.Text(), whole.Text());
}

TEST_F(MainWindow, AClickOrSelectAllDrawsNothingOfWhatLiesOutOfSight) {
  SetDiagramSize(6000, 6000);
  ClassAt(102, 42, "Near");
  auto clickAndSelect = [&] {
    return std::vector<int>{CanvasChanges([&] { ClickOnWindow(402, 302); }),
                            CanvasChanges([&] { Main().EditSelectAll->Click(); }),
                            CanvasChanges([&] { ClickOnWindow(402, 302); })};
  };
  std::vector<int> alone = clickAndSelect();
  EXPECT_GT(alone[1], 0);
  TJavaClass* previous = nullptr;
  for (int i = 0; i < 40; ++i) {
    TJavaClass* box = ClassAt(3002 + i % 8 * 250, 3002 + i / 8 * 200, "Far" + std::to_string(i));
    if (previous != nullptr) Link(*previous, *box);
    previous = box;
  }
  EXPECT_EQ(clickAndSelect(), alone) << "the boxes and links out of sight are not drawn";
  EXPECT_EQ(Graph().SelectedCount(), 0);
}

TEST_F(MainWindow, TheSettingsFileIsReadWhenTheWindowsAreMade) {
  std::filesystem::create_directories(temp_.File("config/zelvory"));
  testsupport::WriteFile(SettingsFileName(),
                         "[MainForm]\nLeft=30\nTop=40\nWidth=720\nHeight=500\n"
                         "[Environment Options]\nIndentation=4\nJavaCompilerPath=/opt/jdk/bin/javac\n"
                         "[Diagram Options]\nWidth=900\nHeight=700\nFontName=DejaVu Sans\n"
                         "[Browser]\nVisible=1\n"
                         "[CodeViewer]\nLeft=5\nTop=6\nWidth=3\nHeight=4\nVisible=0\n");
  DestroyModellerWindows();
  DoneGlobals();
  InitGlobals();
  CreateModellerWindows();
  Main().Show();
  EXPECT_EQ(Main().Left(), 30);
  EXPECT_EQ(Main().Width(), 720);
  EXPECT_EQ(IndentString, "    ");
  EXPECT_EQ(JavaCompilerPath, "/opt/jdk/bin/javac");
  EXPECT_EQ(Main().PaintBox->width(), 900);
  EXPECT_EQ(Main().PaintBox->Canvas()->Font.Name, "DejaVu Sans");
  EXPECT_EQ(OtherWindowCaptions(), std::vector<std::string>{"Browser"}) << "the one tool window shown";
  EXPECT_TRUE(Main().close());
  EXPECT_EQ(OtherWindowCaptions(), (std::vector<std::string>{"Browser", "Java Editor", "Translators"}))
      << "only tool windows whose place lacks a key are made to write it";
  const std::string text = SettingsText();
  EXPECT_NE(text.find("[CodeViewer]\nLeft=5\nTop=6\nWidth=3\nHeight=4\nVisible=0\n"), std::string::npos);
  EXPECT_NE(text.find("Indentation=4\n"), std::string::npos);
  EXPECT_NE(text.find("JavaCompilerPath=/opt/jdk/bin/javac\n"), std::string::npos);
}

TEST_F(MainWindow, AToolWindowTheUserClosedStaysClosedAtTheNextStart) {
  auto restart = [this] {
    EXPECT_TRUE(Main().close());
    DestroyModellerWindows();
    DoneGlobals();
    InitGlobals();
    CreateModellerWindows();
    Main().Show();
  };
  Main().ViewBrowserClick();
  BrowserForm()->SetBounds(40, 50, 300, 320);
  BrowserForm()->close();
  restart();
  EXPECT_TRUE(OtherWindowCaptions().empty()) << "the browser the user closed is not shown";
  EXPECT_NE(SettingsText().find("[Browser]\nLeft=40\nTop=50\nWidth=300\nHeight=320\nVisible=0\n"), std::string::npos);

  Main().ViewBrowserClick();
  EXPECT_EQ(BrowserForm()->Left(), 40) << "shown again where it was";
  EXPECT_EQ(BrowserForm()->Top(), 50);
  restart();
  EXPECT_EQ(OtherWindowCaptions(), std::vector<std::string>{"Browser"}) << "open when the main window closed";
  EXPECT_TRUE(BrowserForm()->isVisible());
}

TEST_F(MainWindow, TheSplashGoesAtTheFirstTickOfItsTimer) {
  SplashForm = new TSplashForm();
  SplashForm->Show();
  Main().hide();
  Main().Show();
  EXPECT_TRUE(Main().SplashTimer->Enabled());
  EXPECT_EQ(Main().SplashTimer->Interval(), 1000);
  Main().SplashTimerTimer();
  EXPECT_EQ(SplashForm, nullptr);
  EXPECT_FALSE(Main().SplashTimer->Enabled());
}

TEST_F(MainWindow, AModelSavedIsOpenedAgainWithItsDiagramAndName) {
  DrawClass(102, 42);
  DrawClass(102, 302);
  Draw(Main().InheritanceButton, 152, 312, 152, 52);
  const std::string file = temp_.File("shapes");
  SaveAs(file);
  EXPECT_TRUE(std::filesystem::exists(file + ".zel")) << "the dialog's default extension is added";
  EXPECT_EQ(ModelFileName, file + ".zel");
  EXPECT_EQ(Main().StatusBar->PanelText(1), "shapes.zel");
  EXPECT_FALSE(Graph().Modified);
  const std::string saved = ReadFile(file + ".zel");
  EXPECT_NE(saved.find("<storable>\r\n<string>\r\nTGraph\r\n"), std::string::npos);

  Main().FileNewClick();
  EXPECT_EQ(Graph().NodeCount(), 0);
  EXPECT_EQ(Main().StatusBar->PanelText(1), "");

  Modal().Queue(ModalAnswer{mrOk, file + ".zel", 0, {}});
  Main().FileOpenClick();
  ASSERT_EQ(Graph().NodeCount(), 3);
  EXPECT_EQ(Graph().EdgeCount(), 2);
  EXPECT_EQ(Main().StatusBar->PanelText(1), "shapes.zel");
  EXPECT_EQ(Graph().PaintBox(), Main().PaintBox) << "the new diagram is shown";
  Drag(132, 52, 332, 52);
  EXPECT_TRUE(Graph().Nodes(0)->Selected()) << "and takes the mouse";
  EXPECT_EQ(Graph().Nodes(0)->GetBounds().Left, 302);
  Main().FileSaveClick();
  EXPECT_NE(ReadFile(file + ".zel"), saved);
}

TEST_F(MainWindow, NewOnAModifiedModelAsksAndYesSavesWithoutStartingANewModel) {
  DrawClass(102, 42);
  Modal().Queue(mrCancel);
  Main().FileNewClick();
  EXPECT_EQ(LastMessage(), "Data has changed. do you want to save it?");
  EXPECT_EQ(Graph().NodeCount(), 1);

  Modal().Queue(mrYes);
  Modal().Queue(ModalAnswer{mrOk, temp_.File("kept.zel"), 0, {}});
  Main().FileNewClick();
  EXPECT_EQ(Graph().NodeCount(), 1) << "the saved model stays open";
  EXPECT_TRUE(std::filesystem::exists(temp_.File("kept.zel")));
  Main().FileNewClick();
  EXPECT_EQ(Graph().NodeCount(), 0) << "the second New asks nothing";

  DrawClass(102, 42);
  Modal().Queue(mrNo);
  Main().FileNewClick();
  EXPECT_EQ(Graph().NodeCount(), 0);
}

TEST_F(MainWindow, OpenAsksOnlyAfterAFileWasChosen) {
  DrawClass(102, 42);
  SaveAs(temp_.File("one.zel"));
  DrawClass(302, 42);
  Modal().Queue(mrCancel);
  Main().FileOpenClick();
  EXPECT_EQ(Modal().Log().back().kind, "OpenDialog");
  EXPECT_EQ(Graph().NodeCount(), 2);

  Modal().Queue(ModalAnswer{mrOk, temp_.File("one.zel"), 0, {}});
  Modal().Queue(mrNo);
  Main().FileOpenClick();
  EXPECT_EQ(Graph().NodeCount(), 1);
}

TEST_F(MainWindow, ABrokenModelFileIsReportedAndTheModelStays) {
  DrawClass(102, 42);
  SaveAs(temp_.File("good.zel"));
  testsupport::WriteFile(temp_.File("bad.zel"), "<string>\r\nno\r\n<integer>\r\nx\r\n");
  testsupport::WriteFile(temp_.File("bad.pat"), "<integer>\r\nx\r\n");
  // Opening a model and inserting a pattern each name the file they could not read.
  const std::pair<std::string, std::function<void()>> reads[] = {
      {temp_.File("bad.zel"),
       [&] {
         Modal().Queue(ModalAnswer{mrOk, temp_.File("bad.zel"), 0, {}});
         Modal().Queue(mrOk);
         Main().FileOpenClick();
       }},
      {temp_.File("bad.pat"),
       [&] {
         Modal().Queue(ModalAnswer{mrOk, temp_.File("bad.pat"), 0, {}});
         Modal().Queue(mrOk);
         Main().PatternsInsertDesignPatternClick();
       }},
  };
  for (const auto& [file, read] : reads) {
    read();
    EXPECT_EQ(Modal().Log().back().kind, "MessageBox");
    EXPECT_EQ(LastMessage().rfind(file + ": ", 0), 0u) << LastMessage();
    EXPECT_EQ(Graph().NodeCount(), 1);
    EXPECT_EQ(Main().StatusBar->PanelText(1), "good.zel");
  }
}

TEST_F(MainWindow, ClosingAModifiedModelStaysOpenUnlessTheSaveHappened) {
  DrawClass(102, 42);
  Modal().Queue(mrYes);
  Modal().Queue(mrCancel);
  EXPECT_FALSE(Main().close()) << "Yes and then a cancelled Save As keeps the window open";
  EXPECT_TRUE(Main().isVisible());
  Modal().Queue(mrCancel);
  EXPECT_FALSE(Main().close());

  Modal().Queue(mrYes);
  Modal().Queue(ModalAnswer{mrOk, temp_.File("closed.zel"), 0, {}});
  EXPECT_TRUE(Main().close());
  EXPECT_TRUE(std::filesystem::exists(temp_.File("closed.zel")));
}

TEST_F(MainWindow, ASaveThatFailsKeepsTheWindowOpen) {
  DrawClass(102, 42);
  std::filesystem::create_directory(temp_.File("locked"));
  ASSERT_TRUE(testsupport::MakeFolderReadOnly(temp_.File("locked")));
  Modal().Queue(mrYes);
  Modal().Queue(ModalAnswer{mrOk, temp_.File("locked/m.zel"), 0, {}});
  Modal().Queue(mrOk);
  EXPECT_FALSE(Main().close());
  testsupport::MakeFolderWritable(temp_.File("locked"));
  EXPECT_TRUE(Graph().Modified);
  EXPECT_EQ(ModelFileName, "");
}

// Stored places no window can take are used as the nearest usable ones and told in one message
// naming file, line and value: those read at start-up when the main window shows, a tool window's
// own when it is first made later. Usable places tell nothing.
TEST_F(MainWindow, PlacesNoWindowCanTakeAreToldInOneMessage) {
  struct Row {
    std::string section;
    std::string key;
    std::string value;
    std::function<int()> used;
  };
  const std::vector<Row> atStart = {
      {"MainForm", "Height", "-400", [this] { return Main().Height(); }},
      {"Editor", "Left", "100000", [] { return EditorForm()->Left(); }},
      {"CodeViewer", "Width", "2147483647", [] { return CodeViewerForm()->Width(); }},
  };
  const Row later{"Browser", "Top", "-5000", [] { return BrowserForm()->Top(); }};
  const std::vector<std::string> sections = {"MainForm", "Editor", "CodeViewer", "Browser"};
  auto fileText = [&](const std::vector<Row>& bad) {
    std::vector<std::string> lines;
    for (const std::string& section : sections) {
      lines.push_back("[" + section + "]");
      for (std::string line : {"Left=10", "Top=20", "Width=760", "Height=500"}) {
        for (const Row& row : bad)
          if (row.section == section && line.starts_with(row.key + "=")) line = row.key + "=" + row.value;
        lines.push_back(line);
      }
      lines.push_back(section == "Browser" ? "Visible=0" : "Visible=1");
    }
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
  };
  auto restartWith = [this](const std::string& text) {
    DestroyModellerWindows();
    DoneGlobals();
    std::filesystem::create_directories(temp_.File("config/zelvory"));
    testsupport::WriteFile(SettingsFileName(), text);
    InitGlobals();
    CreateModellerWindows();
    Main().Show();
  };
  auto messages = [this] {
    std::vector<std::string> texts;
    for (const platform::ModalRequest& request : Modal().Log())
      if (request.kind == "MessageBox") texts.push_back(request.text);
    return texts;
  };
  auto told = [this](const std::string& message, const Row& row, const std::string& text) {
    const size_t at = text.find("[" + row.section + "]\n");
    const int line = static_cast<int>(std::count(text.begin(), text.begin() + text.find(row.key + "=", at), '\n')) + 1;
    return message.find(SettingsFileName() + ", line " + std::to_string(line) + ": " + row.key + " = " + row.value +
                        " does not fit a window on this screen; " + std::to_string(row.used()) +
                        " is used instead") != std::string::npos;
  };
  Modal().Reset();
  restartWith(fileText({}));
  EXPECT_TRUE(messages().empty()) << "usable places";

  std::vector<Row> bad = atStart;
  bad.push_back(later);
  const std::string text = fileText(bad);
  Modal().Reset();
  Modal().Queue(mrOk);
  restartWith(text);
  ASSERT_EQ(messages().size(), 1u);
  for (const Row& row : atStart) EXPECT_TRUE(told(messages()[0], row, text)) << row.key << " in " << messages()[0];
  EXPECT_EQ(messages()[0].find(later.key + " = " + later.value), std::string::npos) << "the browser is not made yet";
  EXPECT_EQ(SettingsText(), text) << "reading changes no byte of the file";
  const QRect screen = Main().screen()->availableGeometry();
  EXPECT_TRUE(Main().Height() > 0 && Main().Height() <= screen.height());
  EXPECT_LT(EditorForm()->Left(), screen.right());
  EXPECT_LE(CodeViewerForm()->Width(), screen.width());

  Modal().Queue(mrOk);
  Main().ViewBrowserClick();
  ASSERT_EQ(messages().size(), 2u);
  EXPECT_TRUE(told(messages()[1], later, text)) << messages()[1];
  EXPECT_GE(BrowserForm()->Top(), screen.top());
}

TEST_F(MainWindow, ClosingWritesTheSettingsFileInItsOrder) {
  Main().SetBounds(10, 20, 900, 640);
  EXPECT_TRUE(Main().close());
  // The tool windows closed with the main window write their places after these sections.
  const std::string mainSections =
            "[MainForm]\n"
            "Left=10\nTop=20\nWidth=900\nHeight=640\nMaximized=0\n\n"
            "[Environment Options]\n"
            "JavaCompilerPath=\nJavaInterpreterPath=\nGenIncludeImpl=1\nGenIncludeCmmt=1\nIndentation=8\n"
            "BrowserFontName=Courier New\nBrowserFontSize=10\nBrowserFontColor=-2147483640\nBrowserFontHeight=-13\n"
            "BrowserFontBold=0\nBrowserFontItalic=0\nBrowserFontUnderline=0\nBrowserFontStrikeOut=0\n"
            "BrowserColor=16777215\n\n"
            "[Diagram Options]\n"
            "FontName=Arial\nFontSize=10\nFontColor=-2147483640\nFontHeight=-13\n"
            "FontBold=0\nFontItalic=0\nFontUnderline=0\nFontStrikeOut=0\nWidth=1500\nHeight=2000\n\n"
            "[Editor Options]\n"
            "FontName=Courier New\nFontSize=10\nFontColor=-2147483640\nFontHeight=-13\n"
            "FontBold=0\nFontItalic=0\nFontUnderline=0\nFontStrikeOut=0\nColor=16777215\n";
  EXPECT_EQ(SettingsText().substr(0, mainSections.size()), mainSections);
}

TEST_F(MainWindow, PatternsAreSavedWholeAndInsertedSelected) {
  DrawClass(102, 42);
  DrawClass(302, 42);
  Modal().Queue(ModalAnswer{mrOk, temp_.File("pair"), 0, {}});
  Main().PatternsSaveAsDesignPatternClick();
  EXPECT_EQ(Modal().Log().back().caption, "Save As Design Pattern");
  ASSERT_TRUE(std::filesystem::exists(temp_.File("pair.pat")));
  EXPECT_EQ(ReadFile(temp_.File("pair.pat")).rfind("<integer>\r\n2\r\n<storable>\r\n", 0), 0u);

  Modal().Queue(ModalAnswer{mrOk, temp_.File("pair.pat"), 0, {}});
  Main().PatternsInsertDesignPatternClick();
  EXPECT_EQ(Modal().Log().back().caption, "Insert Design Pattern");
  ASSERT_EQ(Graph().NodeCount(), 4);
  EXPECT_FALSE(Graph().Nodes(0)->Selected());
  EXPECT_TRUE(Graph().Nodes(3)->Selected());
}

TEST_F(MainWindow, KeysCopyPasteCutAndDeleteTheSelection) {
  DrawClass(102, 42);
  Click(112, 47);
  Key(Qt::Key_C, Qt::ControlModifier);
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Graph().NodeCount(), 2);
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(Graph().NodeCount(), 1);
  Click(112, 47);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Graph().NodeCount(), 0);
}

TEST_F(MainWindow, DoubleClickInspectsClassesButNotJunctions) {
  DrawClass(102, 42);
  DrawClass(102, 302);
  Draw(Main().InheritanceButton, 152, 312, 152, 52);
  modeller::TStorable* inspected = nullptr;
  Modal().Queue(ModalAnswer{mrCancel, "", 0, [&](QWidget*) { inspected = ClassInspector()->Element(); }});
  DoubleClick(112, 47);
  EXPECT_EQ(Modal().Log().back().kind, "Form");
  EXPECT_EQ(Modal().Log().back().caption, "Class Inspector");
  EXPECT_EQ(inspected, Graph().Nodes(0));

  const size_t shown = Modal().Log().size();
  DoubleClick(152, 192);
  EXPECT_TRUE(Graph().Nodes(2)->Selected());
  EXPECT_EQ(Modal().Log().size(), shown) << "a junction opens nothing";
}

TEST_F(MainWindow, HelpOpensTheHelpFileBesideTheProgram) {
  Main().HelpContentsClick();
  ASSERT_EQ(platform::Launcher::Instance().Launched().size(), 1u);
  const std::string launched = platform::Launcher::Instance().Launched()[0];
  EXPECT_NE(launched.find("Help/Zelvory.html"), std::string::npos) << launched;
  EXPECT_NE(launched.find("IDH_MAIN"), std::string::npos) << launched;
  EXPECT_TRUE(std::filesystem::exists(std::string(TEST_BIN_DIR) + "/zelvory/Help/Zelvory.html"));
}

class Printing : public MainWindow {
 protected:
  void SetUp() override {
    MainWindow::SetUp();
    platform::Printer().setOutputFormat(QPrinter::PdfFormat);
    platform::Printer().setOutputFileName(QString::fromStdString(temp_.File("diagram.pdf")));
  }
  void TearDown() override {
    platform::Printer().setOutputFileName({});
    MainWindow::TearDown();
  }
};

TEST_F(Printing, TheDiagramPrintsOnOnePageAndLosesItsSelection) {
  DrawClass(102, 42);
  DrawClass(402, 302);
  Graph().SelectAll();
  SaveAs(temp_.File("printed.zel"));
  Modal().Queue(mrOk);
  Main().FilePrintClick();
  EXPECT_EQ(Modal().Log().back().kind, "PrintDialog");
  ASSERT_TRUE(std::filesystem::exists(temp_.File("diagram.pdf")));
  EXPECT_GT(std::filesystem::file_size(temp_.File("diagram.pdf")), 1000u);
  EXPECT_EQ(platform::Printer().docName().toStdString(), "Zelvory 1.0 - printed.zel");
  EXPECT_EQ(Graph().SelectedCount(), 0);
  EXPECT_EQ(Graph().Canvas(), Main().PaintBox->Canvas()) << "the diagram draws on the screen again";
  EXPECT_EQ(testsupport::RunShell("pdfinfo '" + temp_.File("diagram.pdf") + "' | grep -q '^Pages: *1$'"), 0);
}

TEST_F(Printing, AnEmptyDiagramPrintsAnEmptyPage) {
  Modal().Queue(mrOk);
  Main().FilePrintClick();
  EXPECT_TRUE(std::filesystem::exists(temp_.File("diagram.pdf")));

  std::filesystem::remove(temp_.File("diagram.pdf"));
  Modal().Queue(mrCancel);
  Main().FilePrintClick();
  EXPECT_FALSE(std::filesystem::exists(temp_.File("diagram.pdf"))) << "a cancelled dialog prints nothing";
}

TEST_F(Printing, ADiagramTooLargeForAPictureIsReportedAndNothingPrinted) {
  DrawClass(102, 42);
  Graph().Nodes(0)->MoveBy(100000000, 50000000);
  Modal().Queue(mrOk);
  std::string error;
  try {
    Main().FilePrintClick();
  } catch (const platform::Exception& raised) {
    error = raised.Message();
  }
  EXPECT_EQ(error, "The diagram is too large to print.");
  EXPECT_EQ(Graph().Canvas(), Main().PaintBox->Canvas());
  EXPECT_FALSE(std::filesystem::exists(temp_.File("diagram.pdf")));
}

}  // namespace
