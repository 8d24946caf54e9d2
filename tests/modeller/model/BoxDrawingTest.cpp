// Type boxes, comments, labels and junctions on the offscreen canvas with the fixed test font
// (DejaVu Sans Mono at 10 points: lines 15 pixels high, "int count = 0" 104 pixels wide): their
// sizes and where their outlines, compartments and texts land.
#include "ModelFixture.h"

using namespace modeller;
using platform::TRect;

class BoxDrawing : public ModelTest {
 protected:
  // Pixels in the rectangle (right and bottom excluded) that are not white.
  int InkIn(const TRect& area) {
    int ink = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x)
        if (Canvas().Pixels(x, y) != platform::clWhite) ++ink;
    return ink;
  }
  bool Black(int x, int y) { return Canvas().Pixels(x, y) == platform::clBlack; }
  bool White(int x, int y) { return Canvas().Pixels(x, y) == platform::clWhite; }
  static constexpr int h = 15;
};

TEST_F(BoxDrawing, ABoxIsSizedFromItsTexts) {
  ASSERT_EQ(Canvas().TextHeight("_^"), h);
  ASSERT_EQ(Canvas().TextWidth("int count = 0"), 104);

  auto* empty = Class("noname", 52, 52);
  EXPECT_EQ(empty->GetWidth(), 110);
  EXPECT_EQ(empty->GetHeight(), h + 18);

  auto* counter = Class("Counter", 252, 52);
  Attribute(*counter, "int", "count", "0");
  Method(*counter, "", "run");
  EXPECT_EQ(counter->GetWidth(), 104 + 10) << "the widest text sets the width";
  EXPECT_EQ(counter->GetHeight(), (h + 6) + h + 6 + h + 6);
  EXPECT_EQ(counter->GetBounds(), (TRect{252, 52, 367, 117})) << "the size follows the text, snapped to the grid";

  std::string longName(30, 'N');
  auto* named = Interface(longName, 52, 252);
  EXPECT_EQ(named->GetWidth(), Canvas().TextWidth(longName) + 10);
  EXPECT_GT(named->GetWidth(), 110);
}

TEST_F(BoxDrawing, AClassShowingPublicMembersOnlyKeepsItsConstructors) {
  auto* box = Class("Hidden", 52, 52);
  Attribute(*box, "int", "secret", "", maPrivate);
  Method(*box, "void", "internalWorkWithAVeryLongName", {}, maProtected);
  box->SetShowPublicOnly(1);
  EXPECT_EQ(box->GetWidth(), 110);
  EXPECT_EQ(box->GetHeight(), h + 18) << "no public members and no constructors";
  box->AddMethod(Make<TJavaConstructor>(nullptr));
  Attribute(*box, "int", "shown", "", maPublic);
  EXPECT_EQ(box->GetHeight(), h + 18 + 2 * h) << "constructors always show, public attributes too";
  box->SetShowPublicOnly(0);
  EXPECT_EQ(box->GetHeight(), h + 18 + 4 * h);
  EXPECT_EQ(box->GetWidth(), Canvas().TextWidth("void internalWorkWithAVeryLongName()") + 10);
}

TEST_F(BoxDrawing, CompartmentsAndTextsLandWhereTheyBelong) {
  auto* box = Class("Counter", 52, 52);
  Attribute(*box, "int", "count", "0");
  Method(*box, "", "run");
  Graph().RedrawAll();
  const int left = 52, top = 52, right = 167, bottom = 117;
  ASSERT_EQ(box->GetBounds(), (TRect{left, top, right, bottom}));

  EXPECT_TRUE(Black(left, top + 30) && Black(right, top + 30)) << "the side lines";
  EXPECT_TRUE(Black(left + 50, top) && Black(left + 50, bottom)) << "the top and bottom lines";
  int nameLine = top + h + 6;
  int memberLine = top + h + 9 + h + 3;
  EXPECT_TRUE(Black(left + 1, nameLine) && Black(right - 1, nameLine)) << "the line under the name";
  EXPECT_TRUE(Black(left + 1, memberLine) && Black(right - 1, memberLine)) << "the line under the attributes";
  EXPECT_EQ(InkIn({left + 1, nameLine + 1, right, memberLine}), InkIn({left + 5, nameLine + 3, left + 5 + 104, memberLine - 3}))
      << "the attribute text stays inside its line";
  EXPECT_GT(InkIn({left + 5, nameLine + 3, left + 5 + 104, memberLine - 3}), 40);

  int nameWidth = Canvas().TextWidth("Counter");
  int nameLeft = left + (114 - nameWidth) / 2;
  EXPECT_GT(InkIn({nameLeft, top + 3, nameLeft + nameWidth, top + 3 + h}), 30) << "the name, centred";
  EXPECT_EQ(InkIn({left + 1, top + 1, nameLeft, nameLine}), 0);
  EXPECT_EQ(InkIn({nameLeft + nameWidth, top + 1, right, nameLine}), 0);

  int methodTop = memberLine + 3;
  EXPECT_GT(InkIn({left + 5, methodTop, left + 5 + Canvas().TextWidth("run()"), methodTop + h}), 15);
  EXPECT_EQ(InkIn({left + 5 + Canvas().TextWidth("run()") + 1, memberLine + 1, right, bottom}), 0);

  EXPECT_TRUE(Black(right + 1, top + 30) && Black(left + 30, bottom + 1)) << "the shadow";
  EXPECT_TRUE(White(right + 1, top)) << "the shadow starts one pixel down";
}

TEST_F(BoxDrawing, SelectionColoursAndRemovalErasesEverything) {
  auto* box = Class("Counter", 52, 52);
  Attribute(*box, "int", "count", "0");
  box->SetSelected(true);
  EXPECT_EQ(Canvas().Pixels(52, 70), platform::clRed);
  EXPECT_GT(InkIn({57, 76, 159, 91}), 40);
  for (int y = 76; y < 91; ++y)
    for (int x = 57; x < 159; ++x)
      ASSERT_TRUE(White(x, y) || Canvas().Pixels(x, y) == platform::clRed) << "the text is red too";
  Graph().RemoveNode(box);
  EXPECT_EQ(InkIn({40, 40, 200, 140}), 0) << "outline, texts and shadow are gone";
}

TEST_F(BoxDrawing, BoxesOutsideThePackageAreDotted) {
  auto* inside = Class("In", 52, 52);
  auto* outside = Class("Out", 252, 52);
  outside->SetPackageMember(false);
  auto* face = Interface("Face", 452, 52);
  face->SetPackageMember(false);
  auto gaps = [&](const TGenericType& box) {
    int gaps = 0;
    for (int x = box.Left + 1; x < box.Right; ++x) gaps += White(x, box.Top) ? 1 : 0;
    return gaps;
  };
  EXPECT_EQ(gaps(*inside), 0);
  EXPECT_GT(gaps(*outside), 30);
  EXPECT_GT(gaps(*face), 30);
  EXPECT_TRUE(White(face->Right + 1, face->Top + 10)) << "an interface has no shadow";
  EXPECT_TRUE(Black(outside->Right + 1, outside->Top + 10)) << "the shadow stays solid";
}

TEST_F(BoxDrawing, CommentsAndLabelsAreSizedFromTheirLines) {
  auto* comment = Make<TComment>(&Graph());
  comment->Place(52, 52, 52, 52);
  comment->Redraw();
  EXPECT_EQ(comment->GetBounds(), (TRect{52, 52, 172, 82})) << "an empty comment is 120 by 30";
  std::string wide(20, 'w');
  comment->SetLines(platform::TStringList({"one", wide, "three"}));
  int width = Canvas().TextWidth(wide) + 20;
  TRect bounds = comment->GetBounds();
  EXPECT_NEAR(bounds.Right - bounds.Left, width, 2);
  EXPECT_NEAR(bounds.Bottom - bounds.Top, 3 * h + 10, 2);
  EXPECT_TRUE(White(bounds.Right, bounds.Bottom)) << "the lower right corner is cut off";
  EXPECT_TRUE(Black(bounds.Right - 10, bounds.Bottom) && Black(bounds.Right, bounds.Bottom - 10));
  EXPECT_TRUE(Black(bounds.Right - 5, bounds.Bottom - 10)) << "the fold";
  EXPECT_GT(InkIn({bounds.Left + 5, bounds.Top + 5 + h, bounds.Left + 5 + Canvas().TextWidth(wide), bounds.Top + 5 + 2 * h}), 60)
      << "the second line";

  auto* label = Make<TText>(&Graph());
  label->Place(302, 52, 302, 52);
  label->SetText("");
  EXPECT_EQ(label->Text(), "notext");
  bounds = label->GetBounds();
  EXPECT_NEAR(bounds.Right - bounds.Left, Canvas().TextWidth("notext"), 2);
  EXPECT_NEAR(bounds.Bottom - bounds.Top, h, 2);
  EXPECT_GT(InkIn({302, 52, 302 + Canvas().TextWidth("notext"), 52 + h}), 20);
  EXPECT_TRUE(White(302, 52 + h + 1) && White(301, 60)) << "a label has no frame";
  label->SetText("Label");
  EXPECT_EQ(label->Text(), "Label");
}

TEST_F(BoxDrawing, TheJunctionIsATriangleOfTwentyPixels) {
  auto* junction = Make<TInheritance>(&Graph());
  junction->Place(102, 102, 400, 400);
  junction->Redraw();
  EXPECT_EQ(junction->GetBounds(), (TRect{102, 102, 122, 122})) << "the end of the drag is ignored";
  EXPECT_TRUE(Black(112, 102)) << "the apex";
  EXPECT_TRUE(Black(102, 122) && Black(122, 122) && Black(112, 122)) << "the base";
  EXPECT_TRUE(White(102, 102) && White(121, 103)) << "the upper corners stay empty";
  EXPECT_TRUE(White(112, 115)) << "filled with the white brush, so it shows hollow";
}
