#include "modeller/codegen/Translate.h"

#include "modeller/codegen/JavaGen.h"
#include "modeller/model/Globals.h"
#include "modeller/model/ModelIndex.h"
#include "platform/SysUtils.h"

namespace modeller {

namespace {

std::string NameOf(const TNode* node) {
  auto* type = dynamic_cast<const TGenericType*>(node);
  return type != nullptr ? type->Name() : std::string();
}

bool BlankText(const std::string& text) { return platform::Trim(text).empty(); }


}  // namespace

std::vector<const TJavaClass*> PackageMemberClasses() {
  std::vector<const TJavaClass*> classes;
  if (!TheGraph) return classes;
  for (int i = 0; i < TheGraph->NodeCount(); ++i) {
    auto* cls = dynamic_cast<const TJavaClass*>(TheGraph->Nodes(i));
    if (cls != nullptr && cls->PackageMember()) classes.push_back(cls);
  }
  return classes;
}

const TJavaClass* SuperclassOf(const TJavaClass& cls) {
  TGenerationRun run;
  for (int index : run.Index().DirectSupertypes(run.Index().IndexOf(&cls))) {
    auto* candidate = dynamic_cast<const TJavaClass*>(TheGraph->Nodes(index));
    if (candidate != nullptr && candidate != &cls) return candidate;
  }
  return nullptr;
}

std::vector<std::string> CommentLinesOf(const TJavaClass& cls) {
  std::vector<std::string> lines;
  if (!GenIncludeCmmt) return lines;
  TGenerationRun run;
  for (const TCommentLink* link : run.Index().EdgesAt<TCommentLink>(&cls)) {
    if (link->ToNodeObject() != &cls) continue;
    auto* comment = dynamic_cast<const TComment*>(link->FromNodeObject());
    if (comment == nullptr) continue;
    for (const std::string& line : comment->Lines().Lines()) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> InstantiatedNamesOf(const TJavaClass& cls) {
  std::vector<std::string> names;
  TGenerationRun run;
  for (const TInstantiate* edge : run.Index().EdgesAt<TInstantiate>(&cls))
    if (edge->FromNodeObject() == &cls) names.push_back(NameOf(edge->ToNodeObject()));
  return names;
}

std::vector<TAssociationField> AssociationFieldsOf(const TJavaClass& cls) {
  std::vector<TAssociationField> fields;
  TGenerationRun run;
  for (const TAssociation* association : run.Index().EdgesAt<TAssociation>(&cls)) {
    TAssociationField field;
    if (association->ToNodeObject() == &cls) {
      field.atToEnd = true;
      field.role = association->FromRole();
      field.typeName = NameOf(association->FromNodeObject());
      field.many = association->Multiplicity() == mtMany;
      field.count = association->Count();
      field.access = association->FromAccess();
      field.suffix = association->Kind() == akAggregates ? " // aggregation" : " // reference";
    } else if (association->FromNodeObject() == &cls) {
      field.role = association->ToRole();
      field.typeName = NameOf(association->ToNodeObject());
      field.access = association->ToAccess();
    } else {
      continue;
    }
    if (!BlankText(field.role)) fields.push_back(field);
  }
  return fields;
}

void AddAssociationFields(platform::TStringList& list, const TJavaClass& cls, const std::string& indent,
                          std::string (*declaration)(const TAssociationField&), std::optional<int> access) {
  for (const TAssociationField& field : AssociationFieldsOf(cls)) {
    if (!access || field.access == *access) list.Add(indent + declaration(field) + ";" + field.suffix);
  }
}

std::vector<const TGenericMethod*> MethodsOf(const TGenericType& type) {
  std::vector<const TGenericMethod*> methods;
  for (int i = 0; i < type.MethodCount(); ++i) {
    const TGenericMethod* method = type.Methods(i);
    if (dynamic_cast<const TJavaMethod*>(method) != nullptr || dynamic_cast<const TJavaConstructor*>(method) != nullptr) {
      methods.push_back(method);
    }
  }
  return methods;
}

std::vector<const TJavaAttribute*> AttributesOf(const TGenericType& type) {
  std::vector<const TJavaAttribute*> attributes;
  for (int i = 0; i < type.AttributeCount(); ++i) {
    if (auto* attribute = dynamic_cast<const TJavaAttribute*>(type.Attributes(i))) attributes.push_back(attribute);
  }
  return attributes;
}

std::string JoinArguments(const TGenericMethod& method, const std::string& separator,
                          const std::function<std::string(const TGenericArgument&)>& piece) {
  std::string text;
  for (int i = 0; i < method.ArgumentCount(); ++i) {
    if (i > 0) text += separator;
    text += piece(*method.Arguments(i));
  }
  return text;
}

std::string JoinLines(const platform::TStringList& lines, const std::string& separator) {
  std::string text;
  for (int i = 0; i < lines.Count(); ++i) {
    if (i > 0) text += separator;
    text += lines[i];
  }
  return text;
}

bool HasReturnType(const TGenericMethod& method) { return !BlankText(method.ReturnType()); }

void CheckMethodIdentifiers(const TGenericMethod& method) {
  CheckIdentifier(method.Name());
  if (HasReturnType(method)) CheckIdentifier(method.ReturnType());
}

void AddStarredBanner(platform::TStringList& list, const std::string& open, const std::string& language,
                      const std::string& close) {
  list.Add(open);
  list.Add(" * This program was generated by ZELVORY");
  list.Add(" * " + language);
  list.Add(" *");
  list.Add(" * Author : " + DesignAuthor);
  list.Add(" * Title : " + DesignTitle);
  list.Add(" * Generated Date : " + ShortDateText());
  list.Add(" *");
  for (const std::string& line : DesignComments.Lines()) list.Add(" * " + line);
  list.Add(close);
}

std::string PrototypeTypeName(const std::string& javaType, TPrototypeLanguage language) {
  struct TTypeNames {
    const char* java;
    const char* names[3];  // by TPrototypeLanguage
  };
  static constexpr TTypeNames table[] = {
      {"int", {"Integer", "INTEGER", "INTEGER"}},     {"byte", {"Byte", "SHORTINT", "INTEGER"}},
      {"short", {"SmallInt", "SHORTINT", "INTEGER"}}, {"long", {"LongInt", "LONGINT", "INTEGER"}},
      {"float", {"Real", "REAL", "REAL"}},            {"double", {"Double", "LONGREAL", "REAL"}},
      {"char", {"Char", "CHAR", "CHARACTER"}},        {"boolean", {"Boolean", "BOOLEAN", "BOOLEAN"}}};
  for (const TTypeNames& row : table) {
    if (javaType == row.java) return row.names[language];
  }
  return javaType;
}

namespace {

void AddAccessSection(platform::TStringList& list, const TJavaClass& cls, int access, const TSectionWriters& writers) {
  writers.associations(list, cls, access);
  for (const TJavaAttribute* attribute : AttributesOf(cls)) writers.attribute(list, *attribute, access);
  for (const TGenericMethod* member : MethodsOf(cls)) {
    if (auto* method = dynamic_cast<const TJavaMethod*>(member)) {
      writers.method(list, *method, access);
    } else if (access == maPublic) {
      writers.constructor(list, dynamic_cast<const TJavaConstructor&>(*member));
    }
  }
}

}  // namespace

void AddAccessSections(platform::TStringList& list, const TJavaClass& cls, const TSectionWriters& writers) {
  AddAccessSection(list, cls, maPackage, writers);
  list.Add(writers.heading("public"));
  AddAccessSection(list, cls, maPublic, writers);
  list.Add(writers.heading("protected"));
  AddAccessSection(list, cls, maProtected, writers);
  list.Add(writers.heading("private"));
  AddAccessSection(list, cls, maPrivate, writers);
}

void GeneratePrototypes(platform::TStringList& list, const TPrototypeWriters& writers) {
  TGenerationRun run;  // one index of the diagram for every class
  writers.header(list);
  std::vector<const TJavaClass*> classes = PackageMemberClasses();
  for (const TJavaClass* cls : classes) {
    writers.writeClass(list, *cls);
    list.Add("");
  }
  if (writers.tail != nullptr) writers.tail(list, classes);
}

}  // namespace modeller
