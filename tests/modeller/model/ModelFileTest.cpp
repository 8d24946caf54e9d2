// The model file: its exact bytes, round trips, loads that fail without touching the current
// model, and refused damaged files.
#include "ModelFixture.h"

using namespace modeller;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace {

using Lines = std::vector<std::string>;

Lines S(const std::string& text) { return {"<string>", text}; }
Lines I(int value) { return {"<integer>", std::to_string(value)}; }
Lines B(bool flag) { return {"<boolean>", flag ? "TRUE" : "FALSE"}; }
Lines O(const std::string& className) { return {"<storable>", "<string>", className}; }

Lines Items(std::initializer_list<Lines> parts) {
  Lines joined;
  for (const Lines& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

Lines Rect(int left, int top, int right, int bottom) { return Items({I(left), I(top), I(right), I(bottom)}); }
Lines Route(int to, int from, const std::vector<platform::TPoint>& points) {
  Lines lines = Items({I(to), I(from), I(static_cast<int>(points.size()))});
  for (const auto& point : points) lines = Items({lines, I(point.X), I(point.Y)});
  return lines;
}

// The design that BuildSmallModel makes, as its model file holds it.
const Lines kSmallModel = Items({
    S("Shapes"), S("Ann Example"), I(2), S("First line"), S(""), S("shapes"), S("src/shapes"),
    I(2), S("java.awt.*"), S("java.io.IOException"),
    O("TGraph"), I(5),
    O("TJavaClass"), Rect(52, 52, 152, 102), S("Shape"),
    I(1), O("TJavaAttribute"), S("count"), S("int"), S("0"), I(1), B(false), B(true),
    I(2), O("TJavaMethod"), S("area"), S("int"), I(1), O("TJavaArgument"), S("scale"), S("int"),
    I(3), B(false), B(true), B(true), B(false), S(""), I(1), S("return 0;"),
    O("TJavaConstructor"), S(""), S(""), I(0), I(1), S("super();"),
    I(1), B(true), B(true), I(0),
    O("TJavaClass"), Rect(52, 252, 152, 302), S("Square"),
    I(1), O("TJavaAttribute"), S("side"), S("double"), S(""), I(2), B(false), B(false),
    I(1), O("TJavaMethod"), S("draw"), S("void"), I(0), I(0), B(false), B(false), B(false), B(true),
    S("IOException"), I(0),
    I(0), B(false), B(false), I(1),
    O("TJavaInterface"), Rect(302, 52, 402, 102), S("Drawable"),
    I(1), O("TJavaConstant"), S("MAX"), S("int"), S("10"),
    I(1), O("TJavaOperation"), S("paint"), S("void"), I(1), O("TJavaArgument"), S("g"), S("Graphics"),
    I(1), B(true),
    O("TInheritance"), Rect(92, 177, 112, 197),
    O("TComment"), Rect(302, 252, 422, 282), I(2), S("Shapes are drawn."), S("Second line"),
    I(4),
    O("TSuperClassing"), Route(0, 3, {{102, 102}, {102, 177}}),
    O("TSubClassing"), Route(3, 1, {{102, 197}, {102, 252}}),
    O("TAssociation"), Route(0, 1, {{127, 102}, {127, 252}}), S("owner"), S("parts"), I(1), I(2), I(1), I(1), I(4),
    O("TCommentLink"), Route(2, 4, {{362, 102}, {362, 252}}),
});

}  // namespace

class ModelFile : public ModelTest {
 protected:
  // Boxes keep the rectangles given here: the graph has no canvas to measure their text.
  template <class T>
  T* Placed(const std::string& name, int left, int top, int right, int bottom) {
    auto* box = Make<T>(&Graph());
    box->Place(left, top, right, bottom);
    box->SetName(name);
    return box;
  }
  template <class E>
  E* Dragged(int x1, int y1, int x2, int y2) {
    auto* edge = Make<E>(&Graph());
    edge->Place(x1, y1, x2, y2);
    return edge;
  }

  void BuildSmallModel() {
    InitGlobals();
    TheGraph = std::make_unique<TGraph>();
    DesignTitle = "Shapes";
    DesignAuthor = "Ann Example";
    DesignComments.Add("First line");
    DesignComments.Add("");
    PackageName = "shapes";
    PackagePath = "src/shapes";
    PackageImports.Add("java.awt.*");
    PackageImports.Add("java.io.IOException");

    auto* shape = Placed<TJavaClass>("Shape", 52, 52, 152, 102);
    shape->SetAccess(taPublic);
    shape->SetAbstract(true);
    auto* count = Attribute(*shape, "int", "count", "0", maPrivate);
    count->SetStatic(true);
    auto* area = Method(*shape, "int", "area", {{"int", "scale"}}, maPublic);
    area->SetStatic(true);
    area->SetFinal(true);
    area->Implementation().Add("return 0;");
    auto* constructor = Make<TJavaConstructor>(shape);
    constructor->Implementation().Add("super();");

    auto* square = Placed<TJavaClass>("Square", 52, 252, 152, 302);
    square->SetPackageMember(false);
    square->SetShowPublicOnly(1);
    Attribute(*square, "double", "side", "", maProtected);
    auto* draw = Method(*square, "void", "draw");
    draw->SetSynchronized(true);
    draw->SetThrows("IOException");

    auto* drawable = Placed<TJavaInterface>("Drawable", 302, 52, 402, 102);
    drawable->SetAccess(taPublic);
    auto* max = Make<TJavaConstant>(drawable);
    max->SetType("int");
    max->SetName("MAX");
    max->SetInitialValue("10");
    auto* paint = Make<TJavaOperation>(drawable);
    paint->SetName("paint");
    paint->SetReturnType("void");
    auto* graphics = Make<TJavaArgument>(paint);
    graphics->SetName("g");
    graphics->SetType("Graphics");

    auto* junction = Make<TInheritance>(&Graph());
    junction->Place(92, 177, 0, 0);
    Dragged<TSuperClassing>(102, 177, 102, 77);
    Dragged<TSubClassing>(102, 277, 102, 182);
    auto* association = Dragged<TAssociation>(127, 277, 127, 77);
    association->SetToRole("owner");
    association->SetFromRole("parts");
    association->SetToAccess(maPrivate);
    association->SetFromAccess(maProtected);
    association->SetKind(akAggregates);
    association->SetMultiplicity(mtMany);
    association->SetCount(4);

    auto* comment = Make<TComment>(&Graph());
    comment->Place(302, 252, 422, 282);
    comment->SetLines(platform::TStringList({"Shapes are drawn.", "Second line"}));
    Dragged<TCommentLink>(362, 267, 352, 77);
  }
};

TEST_F(ModelFile, ASmallModelIsWrittenItemByItem) {
  BuildSmallModel();
  SaveModel(temp_.File("shapes.zel"));
  EXPECT_EQ(ReadFile(temp_.File("shapes.zel")), CrLf(kSmallModel));
  EXPECT_EQ(ModelFileName, temp_.File("shapes.zel"));
  EXPECT_FALSE(Graph().Modified);
}

TEST_F(ModelFile, LoadingAndSavingAgainGivesTheSameBytes) {
  WriteFile(temp_.File("in.zel"), CrLf(kSmallModel));
  LoadModel(temp_.File("in.zel"));
  EXPECT_EQ(ModelFileName, temp_.File("in.zel"));
  EXPECT_EQ(DesignTitle, "Shapes");
  EXPECT_EQ(DesignComments.Count(), 2);
  EXPECT_EQ(PackageImports[1], "java.io.IOException");
  ASSERT_EQ(Graph().NodeCount(), 5);
  ASSERT_EQ(Graph().EdgeCount(), 4);
  EXPECT_FALSE(Graph().Modified);
  auto* shape = dynamic_cast<TJavaClass*>(Graph().Nodes(0));
  ASSERT_NE(shape, nullptr);
  EXPECT_EQ(shape->Methods(1)->Declaration(), "Shape()");
  auto* area = dynamic_cast<TJavaMethod*>(shape->Methods(0));
  ASSERT_NE(area, nullptr);
  EXPECT_TRUE(area->Static() && area->Final()) << "a method can be both static and final";
  EXPECT_EQ(area->Access(), maPublic);

  SaveModel(temp_.File("out.zel"));
  EXPECT_EQ(ReadFile(temp_.File("out.zel")), CrLf(kSmallModel));
}

TEST_F(ModelFile, ADrawnModelRoundTripsAndKeepsItsOrder) {
  auto* a = Class("Alpha", 52, 52);
  Attribute(*a, "int", "x", "1", maPublic);
  Method(*a, "void", "go", {{"int", "n"}});
  auto* b = Class("Beta", 52, 252);
  auto* face = Interface("Runner", 302, 52);
  Inherit(*b, *a);
  auto* junction = Inherit(*b, *face);
  Join(*a, *junction);
  Link<TAssociation>(*a, *b);
  Link<TInstantiate>(*face, *b);
  auto* label = Make<TText>(&Graph());
  label->Place(400, 400, 400, 400);
  label->SetText("  ");
  EXPECT_EQ(label->Text(), "notext");
  DesignTitle = "Drawn";
  SaveModel(temp_.File("drawn.zel"));
  std::string saved = ReadFile(temp_.File("drawn.zel"));

  NewModel();
  LoadModel(temp_.File("drawn.zel"));
  SaveModel(temp_.File("again.zel"));
  EXPECT_EQ(ReadFile(temp_.File("again.zel")), saved);
  EXPECT_EQ(Graph().NodeCount(), 6);
  EXPECT_EQ(Graph().EdgeCount(), 7);
}

TEST_F(ModelFile, NewModelEmptiesTheDesignButKeepsThePackage) {
  BuildSmallModel();
  ModelFileName = "old.zel";
  NewModel();
  EXPECT_EQ(Graph().NodeCount(), 0);
  EXPECT_EQ(Graph().EdgeCount(), 0);
  EXPECT_FALSE(Graph().Modified);
  EXPECT_EQ(DesignTitle, "");
  EXPECT_EQ(DesignAuthor, "");
  EXPECT_EQ(ModelFileName, "");
  EXPECT_EQ(DesignComments.Count(), 0);
  EXPECT_EQ(PackageName, "shapes");
  EXPECT_EQ(PackagePath, "src/shapes");
  EXPECT_EQ(PackageImports.Count(), 2);

  SaveModel(temp_.File("empty.zel"));
  EXPECT_EQ(ReadFile(temp_.File("empty.zel")),
            CrLf(Items({S(""), S(""), I(0), S("shapes"), S("src/shapes"), I(2), S("java.awt.*"),
                       S("java.io.IOException"), O("TGraph"), I(0), I(0)})))
      << "no description lines stores the count 0 and nothing else";
}

// Loads `text` as a model file over the small model and returns the error; the small model
// must be left as it was.
class FailedLoad : public ModelFile {
 protected:
  std::string LoadOver(const std::string& text) {
    BuildSmallModel();
    SaveModel(temp_.File("current.zel"));
    TGraph* current = TheGraph.get();
    WriteFile(temp_.File("bad.zel"), text);
    std::string error = ErrorOf<platform::Exception>([&] { LoadModel(temp_.File("bad.zel")); });
    EXPECT_EQ(TheGraph.get(), current) << "the current diagram stays";
    EXPECT_EQ(ModelFileName, temp_.File("current.zel"));
    EXPECT_EQ(DesignTitle, "Shapes");
    EXPECT_EQ(PackageImports.Count(), 2);
    SaveModel();
    EXPECT_EQ(ReadFile(temp_.File("current.zel")), CrLf(kSmallModel)) << "nothing of the bad file got in";
    return error;
  }
  static Lines Replaced(size_t first, size_t removed, const Lines& replacement) {
    Lines lines = kSmallModel;
    lines.erase(lines.begin() + static_cast<long>(first), lines.begin() + static_cast<long>(first + removed));
    lines.insert(lines.begin() + static_cast<long>(first), replacement.begin(), replacement.end());
    return lines;
  }
  static size_t IndexOf(const std::string& className) {
    for (size_t i = 0; i + 1 < kSmallModel.size(); ++i)
      if (kSmallModel[i] == "<string>" && kSmallModel[i + 1] == className) return i - 1;
    return 0;
  }
};

TEST_F(FailedLoad, AFileCutShortLeavesTheCurrentModel) {
  Lines cut(kSmallModel.begin(), kSmallModel.end() - 5);
  EXPECT_EQ(LoadOver(CrLf(cut)), "Unexpected end of data!");
  EXPECT_EQ(LoadOver(CrLf({"<string>", "Other title"})), "Unexpected end of data!");
}

TEST_F(FailedLoad, AMissingFileLeavesTheCurrentModel) {
  BuildSmallModel();
  ModelFileName = "kept.zel";
  EXPECT_EQ(ErrorOf<ERiderError>([&] { LoadModel(temp_.File("missing.zel")); }), "File not found.");
  EXPECT_EQ(ModelFileName, "kept.zel");
  EXPECT_EQ(Graph().NodeCount(), 5);
}

TEST_F(FailedLoad, WrongItemsAndClassesAreRefused) {
  EXPECT_EQ(LoadOver(CrLf(Replaced(0, 2, I(3)))), "Invalid Signature!");
  EXPECT_EQ(LoadOver(CrLf(Replaced(IndexOf("TComment") + 2, 1, {"TNothing"}))), "There is no such class!");
  size_t graph = IndexOf("TGraph");
  EXPECT_EQ(LoadOver(CrLf(Replaced(graph, kSmallModel.size() - graph, Items({O("TText"), Rect(2, 2, 7, 7), S("x")})))),
            "The model holds no diagram!")
      << "a text label where the diagram belongs";
}

TEST_F(FailedLoad, MembersOutsideTheirPlaceAreRefused) {
  size_t argument = IndexOf("TJavaArgument");
  Lines argumentItem(kSmallModel.begin() + static_cast<long>(argument),
                     kSmallModel.begin() + static_cast<long>(argument) + 7);
  size_t attributes = IndexOf("TJavaAttribute") - 2;  // the count of Shape's attributes
  EXPECT_EQ(LoadOver(CrLf(Replaced(attributes, 2, Items({I(2), argumentItem})))),
            "Object is not a member of a type!")
      << "an argument in a class's attribute list";
  EXPECT_EQ(LoadOver(CrLf(Replaced(argument, 7, Items({O("TJavaAttribute"), S("a"), S("int"), S(""), I(0),
                                                        B(false), B(false)})))),
            "Object is not an argument of a method!");
}

TEST_F(FailedLoad, EdgesWithWrongNodesAreRefused) {
  size_t association = IndexOf("TAssociation");
  EXPECT_EQ(LoadOver(CrLf(Replaced(association + 3, 2, I(9)))), "Edge refers to a missing node!");
  EXPECT_EQ(LoadOver(CrLf(Replaced(association + 3, 2, I(2)))), "Edge joins nodes of the wrong kind!")
      << "an association to an interface";
  size_t superclassing = IndexOf("TSuperClassing");
  EXPECT_EQ(LoadOver(CrLf(Replaced(superclassing + 5, 2, I(1)))), "Edge joins nodes of the wrong kind!")
      << "a superclassing link that starts at a class instead of a junction";
  size_t link = IndexOf("TCommentLink");
  EXPECT_EQ(LoadOver(CrLf(Replaced(link + 3, 2, I(4)))), "Edge joins nodes of the wrong kind!")
      << "a comment link to a comment";
}
