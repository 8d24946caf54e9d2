#include "modeller/codegen/ObernGen.h"

#include "modeller/codegen/Translate.h"
#include "modeller/model/Globals.h"
#include "platform/SysUtils.h"

namespace modeller {

namespace {

using platform::Trim;

std::string TypeIndent() { return IndentString + IndentString; }
std::string FieldIndent() { return IndentString + IndentString + IndentString; }
std::string ModuleName() { return PackageName.empty() ? std::string("Untitled") : PackageName; }
std::string ExportMark(bool exported) { return exported ? "*" : ""; }

std::string OberonArguments(const TGenericMethod& method) {
  return JoinArguments(method, "; ",
                       [](const TGenericArgument& a) { return a.Name() + ": " + OberonTypeName(a.Type()); });
}

std::string OberonField(const TAssociationField& field) {
  if (!field.many) return field.role + ": " + field.typeName;
  return field.role + ": ARRAY " + platform::IntToStr(field.count) + " OF " + field.typeName;
}

// The procedures of every class, then the end of the module.
void OberonTail(platform::TStringList& list, const std::vector<const TJavaClass*>& classes) {
  for (const TJavaClass* cls : classes) {
    for (const TGenericMethod* member : MethodsOf(*cls)) {
      if (auto* method = dynamic_cast<const TJavaMethod*>(member)) {
        OberonMethod(list, *method, cls->Name());
      } else {
        OberonConstructor(list, dynamic_cast<const TJavaConstructor&>(*member), cls->Name());
      }
    }
  }
  list.Add("");
  list.Add("END " + ModuleName() + ".");
}

}  // namespace

std::string OberonTypeName(const std::string& javaType) { return PrototypeTypeName(javaType, plOberon); }

void OberonHeader(platform::TStringList& list) {
  AddStarredBanner(list, "(*", "Oberon-2 Prototypes", " *)");
  list.Add("");
  list.Add("MODULE " + ModuleName() + ";");
  list.Add("");
  list.Add(IndentString + "IMPORT " + JoinLines(PackageImports, ", ") + ";");
  list.Add("");
  list.Add(IndentString + "TYPE");
}

void OberonRecord(platform::TStringList& list, const TJavaClass& cls) {
  CheckIdentifier(cls.Name());
  bool exported = cls.Access() == taPublic;
  const TJavaClass* super = SuperclassOf(cls);
  list.Add(TypeIndent() + cls.Name() + ExportMark(exported) + " = POINTER TO " + cls.Name() + "Desc;");
  list.Add(TypeIndent() + cls.Name() + "Desc" + ExportMark(exported) + " = RECORD" +
           (super != nullptr ? "(" + super->Name() + "Desc)" : ""));
  OberonComments(list, cls);
  OberonInstantiations(list, cls);
  OberonAssociations(list, cls);
  for (const TJavaAttribute* attribute : AttributesOf(cls)) OberonAttribute(list, *attribute);
  list.Add(TypeIndent() + "END;");
}

void OberonAttribute(platform::TStringList& list, const TJavaAttribute& attribute) {
  CheckIdentifier(attribute.Name());
  CheckIdentifier(attribute.Type());
  list.Add(FieldIndent() + Trim(attribute.Name()) + ExportMark(attribute.Access() == maPublic) +
           Trim(": " + OberonTypeName(attribute.Type())) + ";");
}

void OberonMethod(platform::TStringList& list, const TJavaMethod& method, const std::string& className) {
  CheckMethodIdentifiers(method);
  list.Add("");
  list.Add(IndentString + "PROCEDURE (Self:" + Trim(className) + ") " + method.Name() +
           ExportMark(method.Access() == maPublic) + "(" + OberonArguments(method) + ")" +
           (HasReturnType(method) ? ": " + OberonTypeName(method.ReturnType()) + ";" : ";"));
  list.Add(IndentString + "BEGIN");
  list.Add(IndentString + IndentString + "(* Procedure Body *)");
  list.Add(IndentString + "END " + method.Name() + ";");
}

void OberonConstructor(platform::TStringList& list, const TJavaConstructor& constructor,
                       const std::string& className) {
  CheckMethodIdentifiers(constructor);
  list.Add("");
  list.Add(IndentString + "PROCEDURE (Self:" + Trim(className) + ") New*" + "(" + OberonArguments(constructor) +
           "): " + className + ";");
  list.Add(IndentString + "BEGIN");
  list.Add(IndentString + IndentString + "(* Constructor *)");
  list.Add(IndentString + "END " + className + ";");
}

void OberonComments(platform::TStringList& list, const TJavaClass& cls) {
  for (const std::string& line : CommentLinesOf(cls)) list.Add(FieldIndent() + "(* " + line + " *)");
}

void OberonAssociations(platform::TStringList& list, const TJavaClass& cls) {
  AddAssociationFields(list, cls, FieldIndent(), OberonField);
}

void OberonInstantiations(platform::TStringList& list, const TJavaClass& cls) {
  for (const std::string& name : InstantiatedNamesOf(cls)) {
    list.Add(FieldIndent() + "(* It Creates Instance of " + name + " Record Type. *)");
  }
}

void GenerateOberonPrototypes(platform::TStringList& list) {
  GeneratePrototypes(list, {OberonHeader, OberonRecord, OberonTail});
}

}  // namespace modeller
