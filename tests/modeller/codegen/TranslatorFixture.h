#pragma once
// A small model for the translators: an abstract class Shape with a comment, a constant, a field,
// methods and a constructor; a class Circle that extends Shape and implements Drawable; an
// aggregation of many Circles in a Shape; Shape creating Circles. Indentation two blanks.
#include <string>
#include <vector>

#include "../model/ModelFixture.h"
#include "modeller/codegen/JavaGen.h"
#include "modeller/codegen/Translate.h"

class TranslatorTest : public ModelTest {
 protected:
  void SetUp() override {
    ModelTest::SetUp();
    modeller::SetIndent(2);
    modeller::DesignAuthor = "Ann";
    modeller::DesignTitle = "Shapes";
    modeller::DesignComments = platform::TStringList({"First line"});
    modeller::PackageName = "shapes";
    modeller::PackageImports = platform::TStringList({"java.awt.*", "java.util.*"});
  }

  void BuildShapes() {
    shape_ = Class("Shape", 50, 50);
    shape_->SetAbstract(true);
    shape_->SetAccess(modeller::taPublic);
    Attribute(*shape_, "int", "x", "", modeller::maProtected);
    auto* pi = Attribute(*shape_, "double", "PI", " 3.14 ", modeller::maPublic);
    pi->SetStatic(true);
    pi->SetFinal(true);
    Method(*shape_, "double", "area", {}, modeller::maPublic)->SetAbstract(true);
    Method(*shape_, " ", "moveTo", {{"int", "x"}, {"int", "y"}}, modeller::maPublic);
    Constructor(*shape_, {{"int", "x"}});

    circle_ = Class("Circle", 50, 300);
    Attribute(*circle_, "double", "radius", "", modeller::maPrivate);
    Method(*circle_, "boolean", "contains", {{"int", "px"}, {"int", "py"}}, modeller::maPublic);
    Method(*circle_, "int", "count", {}, modeller::maProtected)->SetStatic(true);

    drawable_ = Interface("Drawable", 350, 300);
    Inherit(*circle_, *shape_);
    Inherit(*circle_, *drawable_);

    auto* parts = Link<modeller::TAssociation>(*circle_, *shape_);
    parts->SetFromRole("parts");
    parts->SetFromAccess(modeller::maPrivate);
    parts->SetKind(modeller::akAggregates);
    parts->SetMultiplicity(modeller::mtMany);
    parts->SetCount(5);
    parts->SetToRole("owner");
    parts->SetToAccess(modeller::maPublic);
    Link<modeller::TInstantiate>(*shape_, *circle_);

    auto* comment = modeller::Make<modeller::TComment>(&Graph());
    comment->Place(350, 50, 350, 50);
    comment->SetLines(platform::TStringList({"A shape."}));
    Graph().RedrawAll();
    Link<modeller::TCommentLink>(*comment, *shape_);
  }

  static modeller::TJavaConstructor* Constructor(modeller::TGenericType& box,
                                                 const std::vector<std::pair<std::string, std::string>>& arguments) {
    auto* constructor = modeller::Make<modeller::TJavaConstructor>(nullptr);
    for (const auto& [type, name] : arguments) {
      auto* argument = modeller::Make<modeller::TJavaArgument>(nullptr);
      argument->SetType(type);
      argument->SetName(name);
      constructor->AddArgument(argument);
    }
    box.AddMethod(constructor);
    return constructor;
  }

  // The lines joined by line feeds, so a failing comparison shows both texts.
  static std::string Text(const platform::TStringList& list) {
    std::string text;
    for (const std::string& line : list.Lines()) text += line + "\n";
    return text;
  }
  static std::string Text(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
  }

  modeller::TJavaClass* shape_ = nullptr;
  modeller::TJavaClass* circle_ = nullptr;
  modeller::TJavaInterface* drawable_ = nullptr;
};
