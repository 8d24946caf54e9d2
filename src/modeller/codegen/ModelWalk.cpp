#include "modeller/codegen/ModelWalk.h"

#include "modeller/model/Globals.h"
#include "modeller/model/ModelIndex.h"
#include "platform/SysUtils.h"

namespace modeller {

bool IsPackageMember(const TObj* node) {
  if (const auto* javaClass = dynamic_cast<const TJavaClass*>(node)) return javaClass->PackageMember();
  if (const auto* javaInterface = dynamic_cast<const TJavaInterface*>(node)) return javaInterface->PackageMember();
  return false;
}

template <class T>
std::vector<const T*> PackageMembers() {
  std::vector<const T*> members;
  if (!TheGraph) return members;
  for (int i = 0; i < TheGraph->NodeCount(); ++i) {
    const TNode* node = TheGraph->Nodes(i);
    auto* member = dynamic_cast<const T*>(node);
    if (member != nullptr && IsPackageMember(node)) members.push_back(member);
  }
  return members;
}
template std::vector<const TJavaClass*> PackageMembers<TJavaClass>();
template std::vector<const TGenericType*> PackageMembers<TGenericType>();

template <class T>
std::vector<const T*> DirectSupertypesOf(const TGenericType& type) {
  std::vector<const T*> supertypes;
  TGenerationRun run;
  for (int index : run.Index().DirectSupertypes(run.Index().IndexOf(&type)))
    if (auto* supertype = dynamic_cast<const T*>(TheGraph->Nodes(index))) supertypes.push_back(supertype);
  return supertypes;
}
template std::vector<const TJavaClass*> DirectSupertypesOf<TJavaClass>(const TGenericType&);
template std::vector<const TJavaInterface*> DirectSupertypesOf<TJavaInterface>(const TGenericType&);

const TJavaClass* SuperclassOf(const TJavaClass& cls) {
  for (const TJavaClass* candidate : DirectSupertypesOf<TJavaClass>(cls))
    if (candidate != &cls) return candidate;
  return nullptr;
}

std::vector<std::string> CommentLinesOf(const TGenericType& type) {
  std::vector<std::string> lines;
  if (!GenIncludeCmmt) return lines;
  TGenerationRun run;
  for (const TCommentLink* link : run.Index().EdgesAt<TCommentLink>(&type)) {
    if (link->ToNodeObject() != &type) continue;
    auto* comment = dynamic_cast<const TComment*>(link->FromNodeObject());
    if (comment == nullptr) continue;
    for (const std::string& line : comment->Lines().Lines()) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> InstantiatedNamesOf(const TGenericType& type) {
  std::vector<std::string> names;
  TGenerationRun run;
  for (const TInstantiate* edge : run.Index().EdgesAt<TInstantiate>(&type)) {
    if (edge->FromNodeObject() != &type) continue;
    if (auto* created = dynamic_cast<const TGenericType*>(edge->ToNodeObject())) names.push_back(created->Name());
  }
  return names;
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

namespace {

// The field the association gives its ToNode end: the FromRole, with the kind after it.
TAssociationField ToEndField(const TAssociation& association) {
  TAssociationField field;
  field.atToEnd = true;
  field.role = association.FromRole();
  field.many = association.Multiplicity() == mtMany;
  field.count = association.Count();
  field.access = association.FromAccess();
  field.suffix = association.Kind() == akAggregates ? " // aggregation" : " // reference";
  return field;
}

// The field the association gives its FromNode end: the ToRole, single and plain.
TAssociationField FromEndField(const TAssociation& association) {
  TAssociationField field;
  field.role = association.ToRole();
  field.access = association.ToAccess();
  return field;
}

}  // namespace

std::vector<TAssociationField> AssociationFieldsOf(const TJavaClass& cls) {
  std::vector<TAssociationField> fields;
  TGenerationRun run;
  for (const TAssociation* association : run.Index().EdgesAt<TAssociation>(&cls)) {
    bool atToEnd = association->ToNodeObject() == &cls;
    const TNode* otherEnd = atToEnd ? association->FromNodeObject() : association->ToNodeObject();
    auto* other = dynamic_cast<const TGenericType*>(otherEnd);
    TAssociationField field = atToEnd ? ToEndField(*association) : FromEndField(*association);
    if (other == nullptr || platform::Trim(field.role).empty()) continue;
    field.typeName = other->Name();
    fields.push_back(field);
  }
  return fields;
}

void AddAssociationFields(platform::TStringList& list, const TJavaClass& cls, const std::string& indent,
                          std::string (*declaration)(const TAssociationField&), std::optional<int> access) {
  for (const TAssociationField& field : AssociationFieldsOf(cls)) {
    if (!access || field.access == *access) list.Add(indent + declaration(field) + ";" + field.suffix);
  }
}

}  // namespace modeller
