#pragma once
// The Object Pascal prototype translator: a banner and the interface part of a unit, one class type
// per package-member class with its package part and public, protected and private sections, and an
// empty implementation part.
#include <string>

#include "modeller/model/Concepts.h"
#include "platform/StringList.h"

namespace modeller {

void GenerateDelphiPrototypes(platform::TStringList& list);

void DelphiHeader(platform::TStringList& list);
void DelphiClass(platform::TStringList& list, const TJavaClass& cls);
// The member routines write only members whose access is `access`.
void DelphiAttribute(platform::TStringList& list, const TJavaAttribute& attribute, int access);
void DelphiMethod(platform::TStringList& list, const TJavaMethod& method, int access);
void DelphiConstructor(platform::TStringList& list, const TJavaConstructor& constructor);
void DelphiComments(platform::TStringList& list, const TJavaClass& cls);
void DelphiAssociations(platform::TStringList& list, const TJavaClass& cls, int access);
void DelphiInstantiations(platform::TStringList& list, const TJavaClass& cls);
std::string DelphiTypeName(const std::string& javaType);

}  // namespace modeller
