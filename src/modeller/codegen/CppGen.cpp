#include "modeller/codegen/CppGen.h"

#include "modeller/codegen/Translate.h"
#include "modeller/model/Globals.h"
#include "modeller/model/ModelIndex.h"
#include "platform/SysUtils.h"

namespace modeller {

namespace {

using platform::Trim;

std::string CppArguments(const TGenericMethod& method) {
  return JoinArguments(method, ", ", [](const TGenericArgument& a) { return a.Type() + " " + a.Name(); });
}

// Associations, attributes and methods of one access, each in list order; the public section
// adds the constructors among its methods.
void CppSection(platform::TStringList& list, const TJavaClass& cls, int access) {
  CppAssociations(list, cls, access);
  for (const TJavaAttribute* attribute : AttributesOf(cls)) CppAttribute(list, *attribute, access);
  for (const TGenericMethod* member : MethodsOf(cls)) {
    if (auto* method = dynamic_cast<const TJavaMethod*>(member)) {
      CppMethod(list, *method, access);
    } else if (access == maPublic) {
      CppConstructor(list, dynamic_cast<const TJavaConstructor&>(*member));
    }
  }
}

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
  CppSection(list, cls, maPackage);
  list.Add("public:");
  CppSection(list, cls, maPublic);
  list.Add("protected:");
  CppSection(list, cls, maProtected);
  list.Add("private:");
  CppSection(list, cls, maPrivate);
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
  for (const TAssociationField& field : AssociationFieldsOf(cls)) {
    if (field.access != access) continue;
    if (!field.atToEnd) {
      list.Add(IndentString + field.typeName + " " + field.role + ";");
    } else if (field.many) {
      list.Add(IndentString + field.typeName + "* " + field.role + "[" + platform::IntToStr(field.count) + "];" +
               field.suffix);
    } else {
      list.Add(IndentString + field.typeName + "* " + field.role + ";" + field.suffix);
    }
  }
}

void CppInstantiations(platform::TStringList& list, const TJavaClass& cls) {
  for (const std::string& name : InstantiatedNamesOf(cls)) {
    list.Add(IndentString + "// It Creates Instance of " + name + " Class.");
  }
}

void GenerateCppPrototypes(platform::TStringList& list) {
  TGenerationRun run;  // one index of the diagram for every class
  CppHeader(list);
  for (const TJavaClass* cls : PackageMemberClasses()) {
    CppClass(list, *cls);
    list.Add("");
  }
}

}  // namespace modeller
