#pragma once
// What every generator reads from the diagram, one walk each for the Java generator and the
// prototype translators alike: the package members in node order, a type's direct supertypes, the
// comments linked to it, the classes it creates, its members and the fields its associations give
// it. Each generator words these in its own language. The walks go through the index of the
// current generation run, so a whole run stays linear.
#include <optional>
#include <string>
#include <vector>

#include "modeller/model/Concepts.h"
#include "platform/StringList.h"

namespace modeller {

// A class or interface whose package-member flag is set.
bool IsPackageMember(const TObj* node);

// The package members of TheGraph of kind T, in node order: TJavaClass for the classes only,
// TGenericType for the classes and interfaces together.
template <class T>
std::vector<const T*> PackageMembers();

// The direct supertypes of the type of kind T (TJavaClass or TJavaInterface), in node order. A
// type that is its own direct supertype (a one-class cycle read from a file) is among them.
template <class T>
std::vector<const T*> DirectSupertypesOf(const TGenericType& type);

// The first class in node order that is a direct supertype of the class; interfaces never are,
// nor is the class itself. Empty when there is none.
const TJavaClass* SuperclassOf(const TJavaClass& cls);

// The lines of every comment linked to the type, in edge order; none unless GenIncludeCmmt.
std::vector<std::string> CommentLinesOf(const TGenericType& type);

// The names of the classes the type creates, one per instantiation leaving it, in edge order.
std::vector<std::string> InstantiatedNamesOf(const TGenericType& type);

// The methods and constructors of a type in member order; operations are left out.
std::vector<const TGenericMethod*> MethodsOf(const TGenericType& type);
std::vector<const TJavaAttribute*> AttributesOf(const TGenericType& type);

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

}  // namespace modeller
