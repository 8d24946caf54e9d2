#pragma once
// The Eiffel prototype translator: a banner, then one class per package-member class with its
// export list, parent, features and routines with empty bodies.
#include <string>

#include "modeller/model/Concepts.h"
#include "platform/StringList.h"

namespace modeller {

void GenerateEiffelPrototypes(platform::TStringList& list);

void EiffelHeader(platform::TStringList& list);
void EiffelClass(platform::TStringList& list, const TJavaClass& cls);
void EiffelAttribute(platform::TStringList& list, const TJavaAttribute& attribute);
void EiffelMethod(platform::TStringList& list, const TJavaMethod& method);
void EiffelConstructor(platform::TStringList& list, const TJavaConstructor& constructor);
void EiffelComments(platform::TStringList& list, const TJavaClass& cls);
void EiffelAssociations(platform::TStringList& list, const TJavaClass& cls);
void EiffelInstantiations(platform::TStringList& list, const TJavaClass& cls);
std::string EiffelTypeName(const std::string& javaType);

}  // namespace modeller
