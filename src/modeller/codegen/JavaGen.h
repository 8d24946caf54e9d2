#pragma once
// The Java source text of the model. Every routine appends whole lines to the caller's list and
// never touches a file; names, types and return types pass CheckIdentifier, whose warnings collect
// in GenerateWarnings, and go out exactly as entered. Node order and edge order of TheGraph decide
// every ordering; the design values, the package settings, GenIncludeImpl, GenIncludeCmmt and
// IndentString of Globals shape the text.
#include <string>

#include "modeller/model/Concepts.h"
#include "platform/StringList.h"

namespace modeller {

// The banner of a generated file: author, title, date, package, imports and the description.
void WriteFileHeader(platform::TStringList& list);
// The banner and the declaration of one class or interface; any other node adds only the banner.
void GenerateTypeSource(platform::TStringList& list, const TObj* type);
// The banner and every class and interface that is a package member, in node order, each
// followed by an empty line.
void GeneratePackageSource(platform::TStringList& list);

void ClassDeclaration(platform::TStringList& list, const TJavaClass& javaClass);
void InterfaceDeclaration(platform::TStringList& list, const TJavaInterface& javaInterface);

// One member each: an attribute, an interface constant, a method, a constructor, an operation.
void AttributeDeclaration(platform::TStringList& list, const TJavaAttribute& attribute);
void MemberDeclaration(platform::TStringList& list, const TGenericAttribute& constant);
void MethodDeclaration(platform::TStringList& list, const TJavaMethod& method);
void ConstructorDeclaration(platform::TStringList& list, const TJavaConstructor& constructor);
void OperationDeclaration(platform::TStringList& list, const TGenericMethod& operation);

// "// " lines of every comment linked to the type, in edge order; none unless GenIncludeCmmt.
void CommentLines(platform::TStringList& list, const TGenericType& type);
// The fields the class's associations give it.
void AssociationFields(platform::TStringList& list, const TJavaClass& javaClass);
// One comment line per instantiation leaving the type.
void InstantiationComments(platform::TStringList& list, const TGenericType& type);

// Today's date in the short form of the process's regional settings.
std::string ShortDateText();

// The file of one type: the folder + "/" + the type's name + ".java".
std::string TypeSourceFileName(const std::string& folder, const std::string& typeName);
// The file of the whole package: named after the model file without its folder and extension,
// "noname.java" while the design is unnamed.
std::string PackageSourceFileName(const std::string& folder, const std::string& modelFileName);

}  // namespace modeller
