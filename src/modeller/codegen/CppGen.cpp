#include "modeller/codegen/CppGen.h"

#include "modeller/codegen/Translate.h"
#include "modeller/model/Globals.h"
#include "platform/SysUtils.h"

namespace modeller {

namespace {

using platform::Trim;

std::string CppArguments(const TGenericMethod& method) {
  return JoinArguments(method, ", ", [](const TGenericArgument& a) { return a.Type() + " " + a.Name(); });
}

std::string CppField(const TAssociationField& field) {
  if (!field.atToEnd) return field.typeName + " " + field.role;
  return field.typeName + "* " + field.role + (field.many ? "[" + platform::IntToStr(field.count) + "]" : "");
}

std::string CppHeading(const std::string& accessWord) { return accessWord + ":"; }

}  // namespace

void CppHeader(platform::TStringList& list) {
  AddStarredBanner(list, "/*", "C++ Prototypes", " */");
  list.Add("");
}

void CppClass(platform::TStringList& list, const TJavaClass& cls) {
  CheckIdentifier(cls.Name());
  const TJavaClass* super = SuperclassOf(cls);
  list.Add("class " + cls.Name() + " " + (super != nullptr ? ": public " + super->Name() + " " : "") + "{");
  CppComments(list, cls);
  CppInstantiations(list, cls);
  AddAccessSections(list, cls, {CppAssociations, CppAttribute, CppMethod, CppConstructor, CppHeading});
  list.Add("};");
}

void CppAttribute(platform::TStringList& list, const TJavaAttribute& attribute, int access) {
  if (attribute.Access() != access) return;
  CheckIdentifier(attribute.Name());
  CheckIdentifier(attribute.Type());
  std::string value = Trim(attribute.InitialValue());
  list.Add(IndentString + (attribute.Static() ? "static " : "") + (attribute.Final() ? "const " : "") +
           Trim(attribute.Type() + " " + attribute.Name()) + (value.empty() ? "" : " = " + value) + ";");
}

void CppMethod(platform::TStringList& list, const TJavaMethod& method, int access) {
  if (method.Access() != access) return;
  CheckMethodIdentifiers(method);
  std::string returnType = HasReturnType(method) ? method.ReturnType() + " " : "void ";
  list.Add(IndentString + (method.Static() ? "static " : "") + "virtual " + returnType + method.Name() + "(" +
           CppArguments(method) + ")" + (method.Abstract() ? " = 0;" : ";"));
}

void CppConstructor(platform::TStringList& list, const TJavaConstructor& constructor) {
  list.Add(IndentString + constructor.OwnerClassName() + "(" + CppArguments(constructor) + ");");
}

void CppComments(platform::TStringList& list, const TJavaClass& cls) {
  for (const std::string& line : CommentLinesOf(cls)) list.Add(IndentString + "// " + line);
}

void CppAssociations(platform::TStringList& list, const TJavaClass& cls, int access) {
  AddAssociationFields(list, cls, IndentString, CppField, access);
}

void CppInstantiations(platform::TStringList& list, const TJavaClass& cls) {
  for (const std::string& name : InstantiatedNamesOf(cls)) {
    list.Add(IndentString + "// It Creates Instance of " + name + " Class.");
  }
}

void GenerateCppPrototypes(platform::TStringList& list) {
  GeneratePrototypes(list, {CppHeader, CppClass, nullptr});
}

}  // namespace modeller
