// Model elements: registration, declaration texts, setters and their notifications, members
// joining their box and method, and the redraw of a box when a member changes.
#include "ModelFixture.h"

using namespace modeller;

TEST_F(ModelTest, ModelClassesRegisterAfterTheDiagramClassesInTheirFixedOrder) {
  TStorableRegistry registry;
  RegisterGraphClasses(registry);
  RegisterConceptClasses(registry);
  const std::vector<std::string> expected = {
      "TGraph", "TRectangularNode", "TOrthogonalEdge", "TJavaArgument", "TJavaAttribute", "TJavaConstant",
      "TJavaOperation", "TJavaMethod", "TJavaConstructor", "TJavaClass", "TJavaInterface", "TInheritance",
      "TSuperClassing", "TSubClassing", "TAssociation", "TInstantiate", "TComment", "TCommentLink", "TText"};
  ASSERT_EQ(registry.Count(), static_cast<int>(expected.size()));
  for (int i = 0; i < registry.Count(); ++i) EXPECT_EQ(registry.Entry(i).Name, expected[static_cast<size_t>(i)]);
  EXPECT_EQ(FindStorableClass("TGenericType"), nullptr) << "the generic classes are not registered";
  EXPECT_NE(FindStorableClass("TText"), nullptr) << "the program's registry holds the model classes";
}

TEST_F(ModelTest, MembersDeclareThemselvesOnOneLine) {
  auto* box = Class("Counter", 50, 50);
  EXPECT_EQ(Attribute(*box, "int", "count", "0")->Declaration(), "int count = 0");
  EXPECT_EQ(Attribute(*box, "int", "blank", "   ")->Declaration(), "int blank") << "a blank value shows no \" = \"";
  EXPECT_EQ(Attribute(*box, "String", "s", " x")->Declaration(), "String s =  x") << "the value is not trimmed";
  EXPECT_EQ(Attribute(*box, "", "untyped")->Declaration(), "untyped");
  EXPECT_EQ(Method(*box, "", "run")->Declaration(), "run()") << "no leading blank without a return type";
  EXPECT_EQ(Method(*box, "void", "stop")->Declaration(), "void stop()");
  EXPECT_EQ(Method(*box, "int", "add", {{"int", "a"}, {"", "b"}})->Declaration(), "int add(int a, b)");

  auto* constructor = Make<TJavaConstructor>(nullptr);
  auto* argument = Make<TJavaArgument>(constructor);
  argument->SetType("int");
  argument->SetName("a");
  EXPECT_EQ(constructor->Declaration(), "(int a)") << "a constructor with no class has no name";
  box->AddMethod(constructor);
  EXPECT_EQ(constructor->Declaration(), "Counter(int a)");
  constructor->SetName("ignored");
  EXPECT_EQ(constructor->Declaration(), "Counter(int a)") << "a constructor is named after its class";

  auto* face = Interface("Shape", 300, 50);
  auto* constant = Make<TJavaConstant>(face);
  constant->SetType("int");
  constant->SetName("SIDES");
  constant->SetInitialValue("4");
  auto* operation = Make<TJavaOperation>(face);
  operation->SetName("area");
  operation->SetReturnType("double");
  EXPECT_EQ(constant->Declaration(), "int SIDES = 4");
  EXPECT_EQ(operation->Declaration(), "double area()");
  EXPECT_EQ(face->AttributeCount(), 1);
  EXPECT_EQ(face->MethodCount(), 1);
}

TEST_F(ModelTest, AMemberMadeWithAnOwnerJoinsTheListOfItsClass) {
  auto* box = Class("A", 50, 50);
  auto* attribute = Make<TJavaAttribute>(box);
  auto* constant = Make<TJavaConstant>(box);
  auto* method = Make<TJavaMethod>(box);
  auto* constructor = Make<TJavaConstructor>(box);
  auto* argument = Make<TJavaArgument>(method);
  ASSERT_EQ(box->AttributeCount(), 2);
  EXPECT_EQ(box->Attributes(0), attribute);
  EXPECT_EQ(box->Attributes(1), constant);
  ASSERT_EQ(box->MethodCount(), 2);
  EXPECT_EQ(box->Methods(0), method);
  EXPECT_EQ(box->Methods(1), constructor);
  EXPECT_EQ(method->Arguments(0), argument);
  EXPECT_EQ(method->ArgumentCount(), 1);
  EXPECT_EQ(attribute->Owner(), box);
  EXPECT_EQ(argument->Owner(), method);
  EXPECT_EQ(box->Attributes(2), nullptr);

  std::unique_ptr<TJavaArgument> stray(Make<TJavaArgument>(box));
  EXPECT_EQ(method->ArgumentCount(), 1) << "an argument made with a box as owner joins nothing";
  EXPECT_FALSE(stray->HeldByOwner());

  box->RemoveMethod(method);
  EXPECT_EQ(box->MethodCount(), 1);
  EXPECT_EQ(box->Methods(0), constructor);
  EXPECT_THROW(box->AddAttribute(constant), EGraphError) << "a member held by a box is not taken twice";
}

TEST_F(ModelTest, SettersNotifyOnlyWhenTheValueChanges) {
  auto* attribute = Make<TJavaAttribute>(nullptr);
  std::unique_ptr<TJavaAttribute> owned(attribute);
  std::vector<std::string> events;
  attribute->OnChanging = [&](TElement*) { events.push_back("changing " + attribute->Type()); };
  attribute->OnChanged = [&](TElement*) { events.push_back("changed " + attribute->Type()); };
  attribute->SetType("int");
  attribute->SetType("int");
  attribute->SetStatic(false);
  attribute->SetFinal(true);
  EXPECT_EQ(events, (std::vector<std::string>{"changing ", "changed int", "changing int", "changed int"}));

  auto* method = Make<TJavaMethod>(nullptr);
  std::unique_ptr<TJavaMethod> ownedMethod(method);
  int methodChanges = 0;
  method->OnChanged = [&](TElement*) { ++methodChanges; };
  auto* argument = Make<TJavaArgument>(nullptr);
  method->AddArgument(argument);
  argument->SetName("x");
  argument->SetName("x");
  method->RemoveArgument(argument);
  EXPECT_EQ(methodChanges, 3) << "adding, editing and removing an argument change its method";
  EXPECT_EQ(method->ArgumentCount(), 0);
}

TEST_F(ModelTest, EditingAMemberRedrawsItsBoxToFitTheNewText) {
  auto* box = Class("A", 52, 52);
  auto* method = Method(*box, "", "run");
  int before = box->Right;
  std::string longName(40, 'x');
  auto* argument = Make<TJavaArgument>(nullptr);
  argument->SetType("int");
  argument->SetName("a");
  method->AddArgument(argument);
  argument->SetName(longName);
  EXPECT_EQ(box->GetWidth(), Canvas().TextWidth("run(int " + longName + ")") + 10);
  EXPECT_GT(box->Right, before) << "the box grew with its method's argument";
  argument->SetName("a");
  EXPECT_EQ(box->GetWidth(), 110);
  EXPECT_EQ(Canvas().Pixels(box->Left + 5 + Canvas().TextWidth("run(int a)") + 40, box->Top + box->GetHeight() - 8),
            platform::clWhite)
      << "the long text was erased";
}

TEST_F(ModelTest, EditsOfTheModelsContentMarkTheDiagramModified) {
  auto* box = Class("A", 52, 52);
  auto* attribute = Attribute(*box, "int", "a");
  auto* link = Link<TAssociation>(*box, *box);
  auto* comment = Make<TComment>(&Graph());
  comment->SetLines(platform::TStringList({"note"}));
  auto* label = Make<TText>(&Graph());
  label->SetText("label");
  auto expectModifiedBy = [&](const std::string& edit, const std::function<void()>& action, bool modified) {
    Graph().Modified = false;
    action();
    EXPECT_EQ(Graph().Modified, modified) << edit;
  };
  expectModifiedBy("a member renamed", [&] { attribute->SetName("b"); }, true);
  expectModifiedBy("a member given its own name", [&] { attribute->SetName("b"); }, false);
  expectModifiedBy("a box renamed", [&] { box->SetName("B"); }, true);
  expectModifiedBy("a flag of a box", [&] { box->SetAbstract(true); }, true);
  expectModifiedBy("a member removed", [&] { box->RemoveAttribute(attribute); }, true);
  expectModifiedBy("a role", [&] { link->SetToRole("r"); }, true);
  expectModifiedBy("the same comment lines", [&] { comment->SetLines(platform::TStringList({"note"})); }, false);
  expectModifiedBy("other comment lines", [&] { comment->SetLines(platform::TStringList({"other"})); }, true);
  expectModifiedBy("a label", [&] { label->SetText("other"); }, true);
}
