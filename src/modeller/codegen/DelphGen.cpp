#include "modeller/codegen/DelphGen.h"

#include "modeller/codegen/Translate.h"
#include "modeller/model/Globals.h"
#include "platform/SysUtils.h"

namespace modeller {

namespace {

using platform::Trim;

std::string MemberIndent() { return IndentString + IndentString; }

std::string DelphiArguments(const TGenericMethod& method) {
  return JoinArguments(method, "; ",
                       [](const TGenericArgument& a) { return a.Name() + ": " + DelphiTypeName(a.Type()); });
}

std::string DelphiField(const TAssociationField& field) {
  if (!field.many) return field.role + ": " + field.typeName;
  // Object Pascal names an array's bounds, not its length: n elements run from 0 to n - 1.
  return field.role + ": array[0.." + platform::IntToStr(field.count - 1) + "] of " + field.typeName;
}

std::string DelphiHeading(const std::string& accessWord) { return IndentString + accessWord; }

void DelphiTail(platform::TStringList& list, const std::vector<const TJavaClass*>&) {
  list.Add("");
  list.Add("implementation");
  list.Add("");
  list.Add("(* implementations *)");
  list.Add("");
  list.Add("end.");
}

}  // namespace

std::string DelphiTypeName(const std::string& javaType) { return PrototypeTypeName(javaType, plObjectPascal); }

void DelphiHeader(platform::TStringList& list) {
  AddStarredBanner(list, "(*", "Delphi Object Pascal Prototypes", " *)");
  list.Add("");
  list.Add("unit " + (PackageName.empty() ? std::string("untitled") : PackageName) + ";");
  list.Add("");
  list.Add("interface");
  list.Add("");
  list.Add("uses " + JoinLines(PackageImports, ", ") + ";");
  list.Add("");
  list.Add("type");
}

void DelphiClass(platform::TStringList& list, const TJavaClass& cls) {
  CheckIdentifier(cls.Name());
  const TJavaClass* super = SuperclassOf(cls);
  list.Add(IndentString + cls.Name() + " = class" + (super != nullptr ? "(" + super->Name() + ")" : ""));
  DelphiComments(list, cls);
  DelphiInstantiations(list, cls);
  AddAccessSections(list, cls, {DelphiAssociations, DelphiAttribute, DelphiMethod, DelphiConstructor, DelphiHeading});
  list.Add(IndentString + "end;");
}

void DelphiAttribute(platform::TStringList& list, const TJavaAttribute& attribute, int access) {
  if (attribute.Access() != access) return;
  CheckIdentifier(attribute.Name());
  CheckIdentifier(attribute.Type());
  list.Add(MemberIndent() + Trim(attribute.Name() + ": " + DelphiTypeName(attribute.Type())) + ";");
}

void DelphiMethod(platform::TStringList& list, const TJavaMethod& method, int access) {
  if (method.Access() != access) return;
  CheckMethodIdentifiers(method);
  bool function = HasReturnType(method);
  list.Add(MemberIndent() + (function ? "function " : "procedure ") + method.Name() + "(" + DelphiArguments(method) +
           ")" + (function ? ": " + DelphiTypeName(method.ReturnType()) + ";" : ";") + " virtual;" +
           (method.Abstract() ? " abstract;" : ""));
}

void DelphiConstructor(platform::TStringList& list, const TJavaConstructor& constructor) {
  list.Add(MemberIndent() + "constructor Create(" + DelphiArguments(constructor) + "); virtual;");
}

void DelphiComments(platform::TStringList& list, const TJavaClass& cls) {
  for (const std::string& line : CommentLinesOf(cls)) list.Add(MemberIndent() + "// " + line);
}

void DelphiAssociations(platform::TStringList& list, const TJavaClass& cls, int access) {
  AddAssociationFields(list, cls, MemberIndent(), DelphiField, access);
}

void DelphiInstantiations(platform::TStringList& list, const TJavaClass& cls) {
  for (const std::string& name : InstantiatedNamesOf(cls)) {
    list.Add(MemberIndent() + "// It Creates Instance of " + name + " Class.");
  }
}

void GenerateDelphiPrototypes(platform::TStringList& list) {
  GeneratePrototypes(list, {DelphiHeader, DelphiClass, DelphiTail});
}

}  // namespace modeller
