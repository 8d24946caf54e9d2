// Inheritance queries on a small hierarchy and on a cyclic one read from a file, the identifier
// check of the generators and the shared settings.
#include "ModelFixture.h"

using namespace modeller;

class Queries : public ModelTest {
 protected:
  // Object <- Shape <- Square, Circle (sharing Shape's junction); Square implements Drawable and
  // Serializable; Drawable extends Printable.
  void SetUp() override {
    ModelTest::SetUp();
    object_ = Class("Object", 52, 22);
    shape_ = Class("Shape", 52, 152);
    square_ = Class("Square", 52, 352);
    circle_ = Class("Circle", 252, 352);
    drawable_ = Interface("Drawable", 452, 152);
    printable_ = Interface("Printable", 452, 22);
    serializable_ = Interface("Serializable", 652, 152);
    Inherit(*shape_, *object_);
    auto* shapes = Inherit(*square_, *shape_);
    Join(*circle_, *shapes);
    Inherit(*square_, *drawable_);
    Inherit(*drawable_, *printable_);
    Inherit(*square_, *serializable_);
  }
  TJavaClass* object_ = nullptr;
  TJavaClass* shape_ = nullptr;
  TJavaClass* square_ = nullptr;
  TJavaClass* circle_ = nullptr;
  TJavaInterface* drawable_ = nullptr;
  TJavaInterface* printable_ = nullptr;
  TJavaInterface* serializable_ = nullptr;
};

TEST_F(Queries, DirectSupertypesAreThoseBehindTheSubtypesJunctions) {
  EXPECT_TRUE(IsDirectSuperclass(shape_, square_));
  EXPECT_TRUE(IsDirectSuperclass(shape_, circle_)) << "a subtype that joined the junction";
  EXPECT_TRUE(IsDirectSuperclass(drawable_, square_));
  EXPECT_TRUE(IsDirectSuperclass(printable_, drawable_));
  EXPECT_FALSE(IsDirectSuperclass(object_, square_)) << "a grandparent is no direct supertype";
  EXPECT_FALSE(IsDirectSuperclass(square_, shape_)) << "the direction counts";
  EXPECT_FALSE(IsDirectSuperclass(drawable_, circle_));

  EXPECT_EQ(SuperclassCount(square_), 3) << "one class and two interfaces";
  EXPECT_EQ(SuperclassCount(circle_), 1);
  EXPECT_EQ(SuperclassCount(object_), 0);
  EXPECT_EQ(SuperclassCount(drawable_), 1);
}

TEST_F(Queries, AncestorsAreFoundAtAnyDepthAndOnlyUpwards) {
  EXPECT_TRUE(IsAncestor(shape_, square_));
  EXPECT_TRUE(IsAncestor(object_, square_));
  EXPECT_TRUE(IsAncestor(object_, circle_));
  EXPECT_TRUE(IsAncestor(printable_, square_)) << "through an interface's own supertype";
  EXPECT_FALSE(IsAncestor(square_, object_));
  EXPECT_FALSE(IsAncestor(circle_, square_)) << "siblings are not related";
  EXPECT_FALSE(IsAncestor(square_, square_));
  EXPECT_FALSE(IsAncestor(serializable_, circle_));
}

TEST_F(Queries, EmptyOrForeignObjectsAreNeverRelated) {
  EXPECT_FALSE(IsDirectSuperclass(nullptr, square_));
  EXPECT_FALSE(IsAncestor(shape_, nullptr));
  EXPECT_EQ(SuperclassCount(nullptr), 0);
  TJavaClass stranger;
  EXPECT_FALSE(IsAncestor(&stranger, square_)) << "a box outside the diagram";
  EXPECT_FALSE(IsAncestor(object_, Graph().Edges(0))) << "an edge is no type";
  TGraph* other = TheGraph.get();
  EXPECT_TRUE(IsAncestor(other, object_, square_));
  auto kept = std::move(TheGraph);
  EXPECT_FALSE(IsAncestor(object_, square_)) << "no current diagram";
  EXPECT_EQ(SuperclassCount(square_), 0);
  TheGraph = std::move(kept);
}

TEST_F(Queries, ACyclicInheritanceFromAFileLoadsAndEveryQueryEnds) {
  auto* a = Class("A", 52, 500);
  auto* b = Class("B", 252, 650);
  auto* c = Class("C", 452, 800);
  Inherit(*b, *a);
  Inherit(*a, *b);
  Inherit(*c, *a);
  SaveModel(temp_.File("cycle.zel"));
  LoadModel(temp_.File("cycle.zel"));
  auto named = [](const std::string& name) -> TNode* {
    for (int i = 0; i < TheGraph->NodeCount(); ++i)
      if (auto* type = dynamic_cast<TGenericType*>(TheGraph->Nodes(i)); type != nullptr && type->Name() == name)
        return type;
    return nullptr;
  };
  ASSERT_NE(named("C"), nullptr);
  EXPECT_TRUE(IsAncestor(named("A"), named("B")));
  EXPECT_TRUE(IsAncestor(named("B"), named("A")));
  EXPECT_TRUE(IsAncestor(named("A"), named("A"))) << "a type in a cycle is its own ancestor";
  EXPECT_TRUE(IsAncestor(named("B"), named("C")));
  EXPECT_FALSE(IsAncestor(named("C"), named("A")));
  EXPECT_FALSE(IsAncestor(named("Object"), named("C")));
  EXPECT_EQ(SuperclassCount(named("A")), 1);
}

TEST_F(ModelTest, InvalidIdentifiersAddOneWarningEach) {
  for (const char* valid : {"_x1", "", "class", "Abc_9"}) CheckIdentifier(valid);
  EXPECT_EQ(GenerateWarnings.Count(), 0) << "keywords pass; an empty name is accepted silently";
  for (const char* invalid : {"1x", "a b", "x$", "int[]", "java.io", "\xc3\xa9t\xc3\xa9", "1x"}) CheckIdentifier(invalid);
  ASSERT_EQ(GenerateWarnings.Count(), 7) << "the same name checked twice warns twice";
  EXPECT_EQ(GenerateWarnings[0], "warning : \"1x\" is invalid identifier.");
  EXPECT_EQ(GenerateWarnings[3], "warning : \"int[]\" is invalid identifier.");
}

TEST_F(ModelTest, SharedSettingsStartAtTheirDefaults) {
  EXPECT_EQ(IndentString, "        ");
  SetIndent(3);
  EXPECT_EQ(IndentString, "   ");
  SetIndent(0);
  EXPECT_EQ(IndentString, "");
  SetIndent(-4);
  EXPECT_EQ(IndentString, "");
  EXPECT_TRUE(GenIncludeImpl);
  EXPECT_TRUE(GenIncludeCmmt);
  EXPECT_EQ(DiagramFont.Name, "Arial");
  EXPECT_EQ(BrowserFont.Name, "Courier New");
  EXPECT_EQ(EditorFont.Size, 10);
  EXPECT_EQ(DiagramWidth, 1500);
  EXPECT_EQ(DiagramHeight, 2000);
  EXPECT_EQ(BrowserColor, platform::clWhite);
  EXPECT_EQ(SettingsIniFile().FileName(), temp_.File("config") + "/zelvory/zelvory.ini");
}
