#include "modeller/codegen/Translate.h"

#include <ctime>

#include "modeller/model/Globals.h"
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
  if (!TheGraph) return nullptr;
  for (int i = 0; i < TheGraph->NodeCount(); ++i) {
    auto* candidate = dynamic_cast<const TJavaClass*>(TheGraph->Nodes(i));
    if (candidate != nullptr && candidate != &cls && IsDirectSuperclass(candidate, &cls)) return candidate;
  }
  return nullptr;
}

std::vector<std::string> CommentLinesOf(const TJavaClass& cls) {
  std::vector<std::string> lines;
  if (!GenIncludeCmmt || !TheGraph) return lines;
  for (int i = 0; i < TheGraph->EdgeCount(); ++i) {
    auto* link = dynamic_cast<const TCommentLink*>(TheGraph->Edges(i));
    if (link == nullptr || link->ToNodeObject() != &cls) continue;
    auto* comment = dynamic_cast<const TComment*>(link->FromNodeObject());
    if (comment == nullptr) continue;
    for (const std::string& line : comment->Lines().Lines()) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> InstantiatedNamesOf(const TJavaClass& cls) {
  std::vector<std::string> names;
  if (!TheGraph) return names;
  for (int i = 0; i < TheGraph->EdgeCount(); ++i) {
    auto* edge = dynamic_cast<const TInstantiate*>(TheGraph->Edges(i));
    if (edge != nullptr && edge->FromNodeObject() == &cls) names.push_back(NameOf(edge->ToNodeObject()));
  }
  return names;
}

std::vector<TAssociationField> AssociationFieldsOf(const TJavaClass& cls) {
  std::vector<TAssociationField> fields;
  if (!TheGraph) return fields;
  for (int i = 0; i < TheGraph->EdgeCount(); ++i) {
    auto* association = dynamic_cast<const TAssociation*>(TheGraph->Edges(i));
    if (association == nullptr) continue;
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

std::string BannerDate() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[64];
  size_t length = std::strftime(text, sizeof text, "%x", &local);
  return std::string(text, length);
}

void AddStarredBanner(platform::TStringList& list, const std::string& open, const std::string& language,
                      const std::string& close) {
  list.Add(open);
  list.Add(" * This program was generated by ZELVORY");
  list.Add(" * " + language);
  list.Add(" *");
  list.Add(" * Author : " + DesignAuthor);
  list.Add(" * Title : " + DesignTitle);
  list.Add(" * Generated Date : " + BannerDate());
  list.Add(" *");
  for (const std::string& line : DesignComments.Lines()) list.Add(" * " + line);
  list.Add(close);
}

std::string MapTypeName(const std::string& javaType,
                        const std::vector<std::pair<std::string, std::string>>& table) {
  for (const auto& [java, mapped] : table) {
    if (java == javaType) return mapped;
  }
  return javaType;
}

}  // namespace modeller
