#pragma once
// What the four prototype translators read alike from the current diagram: the package-member
// classes in node order, a class's superclass, the comments linked to it, the classes it creates,
// the fields its associations give it, and the pieces of text every banner and argument list uses.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "modeller/model/Concepts.h"
#include "platform/StringList.h"

namespace modeller {

// The TJavaClass nodes of TheGraph marked as package members, in node order.
std::vector<const TJavaClass*> PackageMemberClasses();

// The first class in node order that is a direct supertype of the class; interfaces never are,
// nor is the class itself (a one-class cycle read from a file). Empty when there is none.
const TJavaClass* SuperclassOf(const TJavaClass& cls);

// The lines of every comment linked to the class, in edge order; none unless GenIncludeCmmt.
std::vector<std::string> CommentLinesOf(const TJavaClass& cls);

// The names of the classes the class creates, one per instantiation leaving it, in edge order.
std::vector<std::string> InstantiatedNamesOf(const TJavaClass& cls);

// A field an association gives a class. At the association's ToNode end the class holds the
// FromRole, typed by the FromNode class, single or many, with a comment after the kind; at the
// FromNode end it holds the ToRole, typed by the ToNode class, always single and plain.
struct TAssociationField {
  std::string role;
  std::string typeName;
  bool atToEnd = false;
  bool many = false;
  int count = 0;
  int access = maPackage;
  std::string suffix;  // " // reference", " // aggregation" or empty
};

// The fields of the class's associations in edge order; blank roles give none, and an association
// of the class with itself gives only its ToNode-end field.
std::vector<TAssociationField> AssociationFieldsOf(const TJavaClass& cls);
// One line per field of the class whose access is `access` (every field when it is none): the
// indent, the field as the language declares it, ";" and the field's suffix.
void AddAssociationFields(platform::TStringList& list, const TJavaClass& cls, const std::string& indent,
                          std::string (*declaration)(const TAssociationField&), std::optional<int> access = {});

// The methods and constructors of a type in member order; operations are left out.
std::vector<const TGenericMethod*> MethodsOf(const TGenericType& type);
std::vector<const TJavaAttribute*> AttributesOf(const TGenericType& type);

// The arguments of a method, each made into text by `piece`, joined by `separator`.
std::string JoinArguments(const TGenericMethod& method, const std::string& separator,
                          const std::function<std::string(const TGenericArgument&)>& piece);
std::string JoinLines(const platform::TStringList& lines, const std::string& separator);

// A return type counts when it is not blank.
bool HasReturnType(const TGenericMethod& method);
// Checks the method's name and its return type; a blank return type is written as none, so it
// is not reported either.
void CheckMethodIdentifiers(const TGenericMethod& method);

// The starred comment banner that opens the C++, Object Pascal and Oberon-2 prototypes: the opening
// and closing comment marks, and the language line, around the model's author, title, date and
// description.
void AddStarredBanner(platform::TStringList& list, const std::string& open, const std::string& language,
                      const std::string& close);

// The prototype languages whose names for Java's primitive types differ from Java's.
enum TPrototypeLanguage { plObjectPascal, plOberon, plEiffel };
// The name of a Java primitive type in the language, matched exactly; other names pass as they are.
std::string PrototypeTypeName(const std::string& javaType, TPrototypeLanguage language);

// What a prototype language writes for the members of one access of a class; the public section
// adds the constructors.
struct TSectionWriters {
  void (*associations)(platform::TStringList& list, const TJavaClass& cls, int access);
  void (*attribute)(platform::TStringList& list, const TJavaAttribute& attribute, int access);
  void (*method)(platform::TStringList& list, const TJavaMethod& method, int access);
  void (*constructor)(platform::TStringList& list, const TJavaConstructor& constructor);
  std::string (*heading)(const std::string& accessWord);  // the line that opens a section
};
// The package part, then the public, protected and private sections under their headings; each
// writes its associations, attributes and methods in list order.
void AddAccessSections(platform::TStringList& list, const TJavaClass& cls, const TSectionWriters& writers);

// A prototype file: the header, each package-member class in node order followed by an empty line,
// then the tail, if any, which gets the classes again. One generation run serves the whole file.
struct TPrototypeWriters {
  void (*header)(platform::TStringList& list);
  void (*writeClass)(platform::TStringList& list, const TJavaClass& cls);
  void (*tail)(platform::TStringList& list, const std::vector<const TJavaClass*>& classes);
};
void GeneratePrototypes(platform::TStringList& list, const TPrototypeWriters& writers);

}  // namespace modeller
