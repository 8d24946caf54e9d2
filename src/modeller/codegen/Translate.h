#pragma once
// What the four prototype translators share beyond the walks of ModelWalk: the pieces of text every
// banner and argument list uses, and the frame of the class sections and of the whole file.
#include <functional>
#include <string>
#include <vector>

#include "modeller/codegen/ModelWalk.h"
#include "modeller/model/Concepts.h"
#include "platform/StringList.h"

namespace modeller {

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
