// Model elements through the diagram clipboard and design pattern files: members travel with
// their boxes, and links between nodes of the wrong kinds are refused.
#include "ModelFixture.h"

using namespace modeller;
using testsupport::WriteFile;

TEST_F(ModelTest, PastedBoxesBringTheirMembersAndLinks) {
  auto* whole = Class("Whole", 52, 52);
  auto* method = Method(*whole, "int", "size", {{"int", "from"}}, maPublic);
  method->Implementation().Add("return 0;");
  Attribute(*whole, "int", "count", "0");
  auto* part = Class("Part", 52, 252);
  Link<TAssociation>(*part, *whole)->SetFromRole("parts");
  Graph().SelectAll();
  Graph().CopySelection();
  Graph().MoveSelection(300, 0);
  Graph().PasteClipboard();

  ASSERT_EQ(Graph().NodeCount(), 4);
  ASSERT_EQ(Graph().EdgeCount(), 2);
  auto* copy = dynamic_cast<TJavaClass*>(Graph().Nodes(2));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Name(), "Whole");
  EXPECT_EQ(copy->Left, 52) << "pasted where it was copied";
  ASSERT_EQ(copy->MethodCount(), 1);
  EXPECT_EQ(copy->Methods(0)->Declaration(), "int size(int from)");
  EXPECT_EQ(dynamic_cast<TJavaMethod*>(copy->Methods(0))->Implementation()[0], "return 0;");
  EXPECT_EQ(copy->Attributes(0)->Owner(), copy);
  auto* link = dynamic_cast<TAssociation*>(Graph().Edges(1));
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->ToNode(), 2);
  EXPECT_EQ(link->FromNode(), 3);
  EXPECT_EQ(link->FromRole(), "parts");

  copy->Attributes(0)->SetName("total");
  EXPECT_EQ(whole->Attributes(0)->Declaration(), "int count = 0") << "the copy is a separate box";
}

TEST_F(ModelTest, APatternWithALinkBetweenWrongKindsIsRefusedWhole) {
  auto* a = Class("A", 52, 52);
  auto* b = Class("B", 52, 252);
  Link<TInstantiate>(*b, *a);
  Graph().SaveDesignPattern(temp_.File("good.pat"));
  Graph().InsertDesignPattern(temp_.File("good.pat"));
  EXPECT_EQ(Graph().EdgeCount(), 2);
  EXPECT_EQ(Graph().Edges(1)->ToNode(), 2);

  auto* text = Make<TText>(&Graph());
  text->Place(302, 52, 302, 52);
  text->SetText("label");
  Make<TInstantiate>(&Graph())->Place(102, 67, 322, 57);  // from a class to a label
  Graph().SaveDesignPattern(temp_.File("bad.pat"));
  int nodes = Graph().NodeCount();
  int edges = Graph().EdgeCount();
  EXPECT_EQ(ErrorOf<ERiderReadError>([&] { Graph().InsertDesignPattern(temp_.File("bad.pat")); }),
            "Edge joins nodes of the wrong kind!");
  EXPECT_EQ(Graph().NodeCount(), nodes);
  EXPECT_EQ(Graph().EdgeCount(), edges);
}
