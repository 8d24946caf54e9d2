// The diagram drawn on an offscreen paint box: colours, XOR ghosts, repaint, and mouse events
// reaching the active handler.
#include <QApplication>
#include <QMouseEvent>

#include "DiagramFixture.h"

using namespace modeller;
using platform::TColor;

namespace {

constexpr TColor kXorGhostOnWhite = 0x7F7F7F;

// Records every call it receives; throws on a mouse down when asked to.
class TRecordingHandler : public THandler {
 public:
  using THandler::THandler;
  std::vector<std::string> Calls;
  bool Fail = false;
  void MouseDown(TGraph&, TMouseButton button, TShiftState shift, int x, int y) override {
    if (Fail) throw std::runtime_error("broken handler");
    Calls.push_back(Describe("down", button, shift, x, y));
  }
  void MouseMove(TGraph&, TShiftState shift, int x, int y) override {
    Calls.push_back(Describe("move", platform::mbLeft, shift, x, y));
  }
  void MouseUp(TGraph&, TMouseButton button, TShiftState shift, int x, int y) override {
    Calls.push_back(Describe("up", button, shift, x, y));
  }

 private:
  static std::string Describe(const std::string& what, TMouseButton button, TShiftState shift, int x, int y) {
    std::string text = what + " " + std::to_string(x) + "," + std::to_string(y);
    if (what != "move") text += button == platform::mbLeft ? " left" : " other";
    if (shift & platform::ssLeft) text += " +left";
    if (shift & platform::ssShift) text += " +shift";
    if (shift & platform::ssDouble) text += " +double";
    return text;
  }
};

void SendMouse(QWidget& widget, QEvent::Type type, int x, int y, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers keys = Qt::NoModifier) {
  QPointF at(x, y);
  QMouseEvent event(type, at, widget.mapToGlobal(at), button, buttons, keys);
  QApplication::sendEvent(&widget, &event);
}

}  // namespace

class Drawing : public DiagramTest {
 protected:
  // Count of pixels of one colour in the rectangle, its right and bottom lines included.
  int CountColour(const TRect& area, TColor colour) {
    int count = 0;
    for (int y = area.Top; y <= area.Bottom; ++y)
      for (int x = area.Left; x <= area.Right; ++x)
        if (Canvas().Pixels(x, y) == colour) ++count;
    return count;
  }
};

TEST_F(Drawing, SelectedObjectsAreRedOthersBlackAndErasedOnesWhite) {
  auto* box = Box(52, 52, 152, 102);
  auto* other = Box(252, 152, 352, 252);
  auto* link = Link(102, 77, 302, 202);
  graph_.RedrawAll();
  EXPECT_EQ(Canvas().Pixels(52, 70), platform::clBlack);
  EXPECT_EQ(Canvas().Pixels(152, 102), platform::clBlack);
  EXPECT_EQ(Canvas().Pixels(70, 70), platform::clWhite);
  EXPECT_EQ(Canvas().Pixels(200, 202), platform::clBlack);

  box->SetSelected(true);
  link->SetSelected(true);
  EXPECT_EQ(Canvas().Pixels(52, 70), platform::clRed);
  EXPECT_EQ(Canvas().Pixels(100, 52), platform::clRed);
  EXPECT_EQ(Canvas().Pixels(200, 202), platform::clRed);
  EXPECT_EQ(Canvas().Pixels(102, 150), platform::clRed);
  EXPECT_EQ(Canvas().Pixels(300, 152), platform::clBlack) << "the unselected box stays black";
  EXPECT_EQ(CountColour({252, 152, 352, 252}, platform::clRed), 1) << "only where the red link ends on it";
  EXPECT_EQ(Canvas().Pen.Color, platform::clBlack) << "the pen is black again after drawing";

  other->SetVisible(false);
  EXPECT_EQ(CountColour({253, 153, 352, 252}, platform::clBlack), 0);
  graph_.RemoveNode(box);
  EXPECT_EQ(CountColour({52, 52, 152, 102}, platform::clRed), 0);
  EXPECT_EQ(graph_.EdgeCount(), 0);
  EXPECT_EQ(Canvas().Pixels(200, 202), platform::clWhite) << "the removed link is erased too";
}

TEST_F(Drawing, RefreshRepaintsTheWholeDiagramThroughThePaintBox) {
  Box(52, 52, 152, 102);
  Canvas().Clear(platform::clWhite);
  EXPECT_EQ(Canvas().Pixels(52, 70), platform::clWhite);
  graph_.Refresh();
  EXPECT_EQ(Canvas().Pixels(52, 70), platform::clBlack);

  TGraph unbound;
  EXPECT_EQ(ErrorOf<EGraphError>([&] { unbound.Refresh(); }), "PaintBox property is not assigned");
}

TEST_F(Drawing, DraggingABoxShowsAGreyXorGhostThatLeavesNoTrace) {
  auto* box = Box(52, 52, 152, 102);
  box->SetSelected(true);
  auto manipulator = box->CreateManipulator();
  BeginManipulation(*manipulator, *box, 102, 77);
  TrackManipulation(*manipulator, *box, 122, 77);
  EXPECT_EQ(Canvas().Pixels(72, 80), kXorGhostOnWhite) << "the ghost's left side";
  EXPECT_EQ(Canvas().Pixels(52, 80), platform::clRed) << "the box itself stays";
  EXPECT_EQ(Canvas().Pen.Mode, platform::pmXor);
  TrackManipulation(*manipulator, *box, 142, 97);
  EXPECT_EQ(Canvas().Pixels(72, 80), platform::clWhite) << "the old ghost is drawn away";
  EXPECT_EQ(Canvas().Pixels(92, 100), kXorGhostOnWhite);
  EndManipulation(*manipulator, *box);
  EXPECT_EQ(Canvas().Pen.Mode, platform::pmCopy);
  EXPECT_EQ(Canvas().Pen.Color, platform::clBlack);
  EXPECT_EQ(box->GetBounds(), (TRect{92, 72, 192, 122}));
  EXPECT_EQ(CountColour({0, 0, 300, 200}, kXorGhostOnWhite), 0);
  EXPECT_EQ(CountColour({52, 52, 91, 71}, platform::clRed), 0) << "the box left its old place";
  EXPECT_EQ(Canvas().Pixels(92, 100), platform::clRed);
}

TEST_F(Drawing, CanvasXorAndNotXorPensUndoThemselves) {
  platform::TCanvas& canvas = Canvas();
  canvas.Pen.Color = platform::clRed;
  canvas.Polyline({{10, 10}, {60, 10}, {60, 40}});
  canvas.Pen.Color = platform::clBlack;
  for (platform::TPenMode mode : {platform::pmXor, platform::pmNotXor}) {
    canvas.Pen.Mode = mode;
    canvas.Pen.Color = GhostColor;
    canvas.Pen.Style = platform::psDot;
    DrawRectOutline(canvas, 5, 5, 80, 30);
    TColor ghost = mode == platform::pmXor ? kXorGhostOnWhite : GhostColor;
    EXPECT_GT(CountColour({5, 5, 80, 30}, ghost), 50) << "a dotted ghost is drawn";
    DrawRectOutline(canvas, 5, 5, 80, 30);
    EXPECT_EQ(canvas.Pixels(60, 10), platform::clRed);
    EXPECT_EQ(CountColour({0, 0, 100, 50}, platform::clRed), 81);
    EXPECT_EQ(CountColour({0, 0, 100, 50}, platform::clWhite), 101 * 51 - 81);
  }
}

TEST_F(Drawing, CanvasTextSitsOnTheBrushAtItsTopLeftCorner) {
  platform::TCanvas& canvas = Canvas();
  canvas.Brush.Color = platform::RGB(0, 255, 0);
  canvas.TextOut(20, 30, "Wg");
  EXPECT_EQ(canvas.Pixels(20, 30), platform::RGB(0, 255, 0));
  int width = canvas.TextWidth("Wg");
  int height = canvas.TextHeight("_^");
  EXPECT_GT(width, 5);
  EXPECT_GT(height, 8);
  EXPECT_EQ(canvas.Pixels(20 + width, 30), platform::clWhite);
  EXPECT_EQ(canvas.Pixels(20, 30 + height), platform::clWhite);
  TRect textBox{20, 30, 20 + width - 1, 30 + height - 1};
  int inked = CountColour(textBox, platform::clBlack);
  EXPECT_GT(inked, 10);
  EXPECT_EQ(CountColour(textBox, platform::RGB(0, 255, 0)) + inked, width * height) << "no smoothing";
  canvas.Brush.Style = platform::bsClear;
  canvas.Font.Color = platform::RGB(0, 255, 0);
  canvas.TextOut(20, 30, "Wg");
  EXPECT_EQ(CountColour(textBox, platform::RGB(0, 255, 0)), width * height) << "drawn again, the text is gone";
  canvas.Brush.Style = platform::bsSolid;
  canvas.Brush.Color = platform::clWhite;
  canvas.FillRect({0, 0, 10, 10});
  canvas.MoveTo(200, 200);
  canvas.LineTo(210, 200);
  canvas.LineTo(210, 190);
  EXPECT_EQ(CountColour({200, 190, 210, 200}, platform::clBlack), 21);
  canvas.Rectangle(100, 100, 110, 105);
  EXPECT_EQ(canvas.Pixels(109, 104), platform::clBlack);
  EXPECT_EQ(canvas.Pixels(110, 105), platform::clWhite);
}

TEST_F(Drawing, MouseEventsReachTheActiveHandlerSnappedAndMovesOnlyWithAButton) {
  THandlerGroup group;
  auto* handler = group.Add<TRecordingHandler>();
  handler->Activate();
  graph_.SetHandlerGroup(&group);
  paintBox_->OnDblClick = [&] { handler->Calls.push_back("double click"); };
  SendMouse(*paintBox_, QEvent::MouseMove, 40, 40, Qt::NoButton, Qt::NoButton);
  SendMouse(*paintBox_, QEvent::MouseButtonPress, 10, 21, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
  SendMouse(*paintBox_, QEvent::MouseMove, 33, -1, Qt::NoButton, Qt::LeftButton);
  SendMouse(*paintBox_, QEvent::MouseButtonRelease, 34, 4, Qt::LeftButton, Qt::NoButton);
  SendMouse(*paintBox_, QEvent::MouseButtonDblClick, 10, 21, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(handler->Calls, (std::vector<std::string>{"down 12,22 left +left +shift", "move 32,-3 +left",
                                                      "up 32,2 left", "double click",
                                                      "down 12,22 left +left +double"}));
}

TEST_F(Drawing, AFailingOrMissingHandlerIsReportedAsAHandlerGroupError) {
  THandlerGroup group;
  graph_.SetHandlerGroup(&group);
  EXPECT_EQ(ErrorOf<EGraphError>([&] { graph_.PaintBoxMouseDown(platform::mbLeft, platform::ssLeft, 1, 1); }),
            "HandlerGroup Error!");
  auto* handler = group.Add<TRecordingHandler>();
  handler->Activate();
  handler->Fail = true;
  EXPECT_EQ(ErrorOf<EGraphError>([&] { graph_.PaintBoxMouseDown(platform::mbLeft, platform::ssLeft, 1, 1); }),
            "HandlerGroup Error!");

  Modal().Queue(platform::mrOk);
  SendMouse(*paintBox_, QEvent::MouseButtonPress, 10, 10, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(LastMessage(), "HandlerGroup Error!") << "the message loop shows it";
}

TEST_F(Drawing, HandlersHandOverActivation) {
  THandlerGroup group;
  auto* first = group.Add<TRecordingHandler>();
  auto* second = group.Add<TRecordingHandler>();
  std::vector<std::string> events;
  first->OnActivate = [&](THandler*) { events.push_back("first on"); };
  first->OnDeactivate = [&](THandler*) { events.push_back("first off"); };
  second->OnActivate = [&](THandler*) { events.push_back("second on"); };
  first->Activate();
  first->Activate();
  second->Activate();
  EXPECT_EQ(events, (std::vector<std::string>{"first on", "first on", "first off", "second on"}));
  EXPECT_EQ(group.ActiveHandler(), second);
}

TEST_F(Drawing, ObjectsFireTheirHooksAndADoubleClickWithTheLeftButton) {
  auto* box = Box(52, 52, 152, 102);
  std::vector<std::string> events;
  box->OnMouseDown = [&](TObj*, TMouseButton, TShiftState, int, int) { events.push_back("down"); };
  box->OnDblClick = [&](TObj*) { events.push_back("double"); };
  box->OnMouseUp = [&](TObj*, TMouseButton, TShiftState, int, int) { events.push_back("up"); };
  box->MouseDown(platform::mbRight, platform::ssRight | platform::ssDouble, 60, 60);
  EXPECT_EQ(box->Manipulator(), nullptr) << "only the left button starts a drag";
  box->MouseDown(platform::mbLeft, platform::ssLeft | platform::ssDouble, 60, 60);
  EXPECT_NE(box->Manipulator(), nullptr);
  box->MouseUp(platform::mbLeft, 0, 60, 60);
  EXPECT_EQ(box->Manipulator(), nullptr);
  EXPECT_EQ(events, (std::vector<std::string>{"down", "down", "double", "up"}));
}

TEST_F(Drawing, APaintBoxOutlivingItsGraphStopsCallingIt) {
  auto graph = std::make_unique<TGraph>();
  Box(*graph, 52, 52, 152, 102);
  graph->SetPaintBox(paintBox_.get());
  graph.reset();
  paintBox_->Refresh();
  SendMouse(*paintBox_, QEvent::MouseButtonPress, 10, 10, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(Canvas().Pixels(52, 70), platform::clWhite);
}
