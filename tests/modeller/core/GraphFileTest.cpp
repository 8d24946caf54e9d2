// The diagram as text: exact bytes, round trips, grid snapping that settles, and refused input.
#include "DiagramFixture.h"

using namespace modeller;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

const std::vector<std::string> kTwoBoxesAndALink = {
    "<storable>", "<string>", "TGraph",
    "<integer>", "2",
    "<storable>", "<string>", "TRectangularNode",
    "<integer>", "52", "<integer>", "52", "<integer>", "152", "<integer>", "102",
    "<storable>", "<string>", "TRectangularNode",
    "<integer>", "252", "<integer>", "152", "<integer>", "352", "<integer>", "252",
    "<integer>", "1",
    "<storable>", "<string>", "TOrthogonalEdge",
    "<integer>", "1", "<integer>", "0",
    "<integer>", "3",
    "<integer>", "252", "<integer>", "202",
    "<integer>", "102", "<integer>", "202",
    "<integer>", "102", "<integer>", "102"};

// kTwoBoxesAndALink with the lines from `first` on replaced.
std::string Altered(int first, const std::vector<std::string>& replacement, int removed) {
  std::vector<std::string> lines = kTwoBoxesAndALink;
  lines.erase(lines.begin() + first, lines.begin() + first + removed);
  lines.insert(lines.begin() + first, replacement.begin(), replacement.end());
  return CrLf(lines);
}

}  // namespace

class GraphFile : public DiagramTest {
 protected:
  void BuildTwoBoxesAndALink() {
    Box(52, 52, 152, 102);
    Box(252, 152, 352, 252);
    Link(102, 77, 302, 202);
  }
  // Saves the graph through a file rider and returns the file's bytes.
  std::string Saved(const TGraph& graph, const std::string& name) {
    TFileRider rider(temp_.File(name), rmWrite);
    rider.WriteObject(&graph);
    rider.Save();
    return ReadFile(temp_.File(name));
  }
};

TEST_F(GraphFile, DiagramClassesRegisterInTheirFixedOrder) {
  TStorableRegistry registry;
  RegisterGraphClasses(registry);
  ASSERT_EQ(registry.Count(), 3);
  EXPECT_EQ(registry.Entry(0).Name, "TGraph");
  EXPECT_EQ(registry.Entry(1).Name, "TRectangularNode");
  EXPECT_EQ(registry.Entry(2).Name, "TOrthogonalEdge");
  std::unique_ptr<TStorable> made(registry.Find("TOrthogonalEdge")(&graph_));
  EXPECT_EQ(graph_.EdgeCount(), 1) << "an edge made with the graph as owner joins it";
  EXPECT_EQ(made.release(), graph_.Edges(0));
}

TEST_F(GraphFile, SmallDiagramIsStoredByteForByte) {
  BuildTwoBoxesAndALink();
  EXPECT_EQ(Saved(graph_, "two.zel"), CrLf(kTwoBoxesAndALink));

  TGraph empty;
  EXPECT_EQ(Saved(empty, "empty.zel"),
            CrLf({"<storable>", "<string>", "TGraph", "<integer>", "0", "<integer>", "0"}));
}

TEST_F(GraphFile, ReadWriteReadGivesIdenticalBytes) {
  BuildTwoBoxesAndALink();
  std::string first = Saved(graph_, "first.zel");

  TFileRider reader(temp_.File("first.zel"), rmRead);
  std::unique_ptr<TStorable> read(reader.ReadObject());
  auto* copy = dynamic_cast<TGraph*>(read.get());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->NodeCount(), 2);
  EXPECT_EQ(copy->EdgeCount(), 1);
  EXPECT_EQ(copy->Edges(0)->Graph(), copy);
  copy->SetPaintBox(paintBox_.get());
  copy->RedrawAll();
  copy->RedrawAll();
  EXPECT_EQ(Saved(*copy, "second.zel"), first);
  graph_.SetPaintBox(paintBox_.get());
  read.reset();

  std::unique_ptr<TGraph> again = GraphFrom(ReadFile(temp_.File("second.zel")));
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(TextOf(*again), CrLf(kTwoBoxesAndALink));
}

TEST_F(GraphFile, SnappingPutsEveryCoordinateOnItsCellCentreOnce) {
  auto snapped = [&](int value) {
    graph_.SnapToGrid(value);
    return value;
  };
  EXPECT_EQ(snapped(0), 2);
  EXPECT_EQ(snapped(4), 2);
  EXPECT_EQ(snapped(5), 7);
  EXPECT_EQ(snapped(10), 12);
  EXPECT_EQ(snapped(12), 12);
  EXPECT_EQ(snapped(14), 12);
  EXPECT_EQ(snapped(-1), -3);
  EXPECT_EQ(snapped(-3), -3);
  EXPECT_EQ(snapped(-5), -3);
  EXPECT_EQ(snapped(-6), -8);
  EXPECT_EQ(snapped(-8), -8);
  EXPECT_EQ(snapped(-10), -8);
  for (int value = -40; value <= 40; ++value) EXPECT_EQ(snapped(snapped(value)), snapped(value)) << value;
  for (int value : {MaxCoordinate, MaxCoordinate - 3, -MaxCoordinate, -MaxCoordinate + 1}) {
    EXPECT_TRUE(CoordinateInRange(snapped(value))) << value;
    EXPECT_EQ(snapped(snapped(value)), snapped(value)) << value;
  }
}

TEST_F(GraphFile, RedrawingAnUnsnappedDiagramMovesItOnceAndNeverAgain) {
  Box(-8, -13, 40, 21);
  Box(100, 151, 160, 203);
  Link(10, 0, 130, 180);
  graph_.RedrawAll();
  std::string settled = TextOf(graph_);
  EXPECT_EQ(graph_.Nodes(0)->GetBounds(), (TRect{-8, -13, 42, 22}));
  for (int i = 0; i < 3; ++i) {
    graph_.RedrawAll();
    EXPECT_EQ(TextOf(graph_), settled);
  }
  std::unique_ptr<TGraph> reread = GraphFrom(settled);
  reread->SetPaintBox(paintBox_.get());
  reread->RedrawAll();
  EXPECT_EQ(TextOf(*reread), settled);
  graph_.SetPaintBox(paintBox_.get());
}

TEST_F(GraphFile, MalformedDiagramTextRaisesItsReadError) {
  struct Case {
    std::string text;
    std::string message;
  };
  const std::vector<Case> cases = {
      {Altered(37, {"257"}, 1), "Count out of range!"},
      {Altered(37, {"-1"}, 1), "Count out of range!"},
      {Altered(4, {"-1"}, 1), "Count out of range!"},
      {Altered(33, {"2"}, 1), "Edge refers to a missing node!"},
      {Altered(35, {"-1"}, 1), "Edge refers to a missing node!"},
      {Altered(9, {"268435457"}, 1), "Coordinate out of range!"},
      {Altered(43, {"-268435457"}, 1), "Coordinate out of range!"},
      {Altered(4, {"1", "<storable>", "<string>", "TGraph", "<integer>", "0", "<integer>", "0"}, 1),
       "Object is not part of a diagram!"},
      {Altered(7, {"TNothing"}, 1), "There is no such class!"},
      {Altered(8, {"<string>"}, 1), "Invalid Signature!"},
      {Altered(48, {}, 2), "Unexpected end of data!"},
      {CrLf({"<storable>", "<string>", "TGraph", "<integer>"}), "Unexpected end of data!"},
  };
  for (const Case& test : cases) {
    std::string message;
    try {
      GraphFrom(test.text);
      message = "(no error)";
    } catch (const platform::Exception& error) {
      message = error.Message();
    }
    EXPECT_EQ(message, test.message) << test.text;
  }
}

TEST_F(GraphFile, AFailedReadKeepsOnlyTheObjectsReadWhole) {
  TGraph graph;
  TRider rider;
  rider.SetText(Altered(33, {"7"}, 1));
  rider.Reset();
  ASSERT_EQ(rider.ReadTag(), tcStorable);
  ASSERT_EQ(rider.ReadString(), "TGraph");
  EXPECT_THROW(graph.Load(rider), ERiderReadError);
  EXPECT_EQ(graph.NodeCount(), 2);
  EXPECT_EQ(graph.EdgeCount(), 0) << "the edge naming a missing node is refused";

  rider.SetText(Altered(44, {"<string>"}, 1));
  rider.Reset();
  rider.ReadTag();
  rider.ReadString();
  TGraph second;
  EXPECT_THROW(second.Load(rider), ERiderReadError);
  EXPECT_EQ(second.NodeCount(), 2);
  EXPECT_EQ(second.EdgeCount(), 0) << "a half-read edge is taken back";
}

TEST_F(GraphFile, DesignPatternHoldsTheWholeDiagramAndInsertsWithOffsetIndexes) {
  BuildTwoBoxesAndALink();
  std::string name = temp_.File("two.pat");
  graph_.SaveDesignPattern(name);
  std::vector<std::string> pattern = {"<integer>", "3"};
  pattern.insert(pattern.end(), kTwoBoxesAndALink.begin() + 5, kTwoBoxesAndALink.begin() + 27);
  pattern.insert(pattern.end(), kTwoBoxesAndALink.begin() + 29, kTwoBoxesAndALink.end());
  EXPECT_EQ(ReadFile(name), CrLf(pattern)) << "nothing was selected, and everything is saved";

  graph_.Modified = false;
  graph_.InsertDesignPattern(name);
  ASSERT_EQ(graph_.NodeCount(), 4);
  ASSERT_EQ(graph_.EdgeCount(), 2);
  EXPECT_EQ(graph_.Edges(1)->ToNode(), 3);
  EXPECT_EQ(graph_.Edges(1)->FromNode(), 2);
  EXPECT_TRUE(graph_.Modified);
  EXPECT_FALSE(graph_.Nodes(0)->Selected());
  EXPECT_TRUE(graph_.Nodes(2)->Selected());
  EXPECT_TRUE(graph_.Edges(1)->Selected());
  EXPECT_EQ(graph_.SelectedCount(), 3);
}

TEST_F(GraphFile, AFailedPatternInsertTakesBackWhatItAdded) {
  Box(2, 2, 22, 22);
  std::vector<std::string> broken = {"<integer>", "3"};
  broken.insert(broken.end(), kTwoBoxesAndALink.begin() + 5, kTwoBoxesAndALink.begin() + 27);
  broken.insert(broken.end(), {"<storable>", "<string>", "TOrthogonalEdge", "<integer>", "5", "<integer>", "0",
                               "<integer>", "0"});
  WriteFile(temp_.File("broken.pat"), CrLf(broken));
  graph_.Modified = false;
  EXPECT_EQ(ErrorOf<ERiderReadError>([&] { graph_.InsertDesignPattern(temp_.File("broken.pat")); }),
            "Edge refers to a missing node!");
  EXPECT_EQ(graph_.NodeCount(), 1);
  EXPECT_EQ(graph_.EdgeCount(), 0);

  WriteFile(temp_.File("short.pat"), CrLf({"<integer>", "2", "<storable>", "<string>", "TRectangularNode"}));
  EXPECT_EQ(ErrorOf<ERiderReadError>([&] { graph_.InsertDesignPattern(temp_.File("short.pat")); }),
            "Unexpected end of data!");
  EXPECT_EQ(graph_.NodeCount(), 1);
  EXPECT_EQ(ErrorOf<ERiderError>([&] { graph_.InsertDesignPattern(temp_.File("none.pat")); }), "File not found.");
}
