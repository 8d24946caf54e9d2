#pragma once
// The Oberon-2 prototype translator: a banner and module head, one pointer and record type per
// package-member class, then a type-bound procedure with an empty body per method and constructor.
#include <string>

#include "modeller/model/Concepts.h"
#include "platform/StringList.h"

namespace modeller {

void GenerateOberonPrototypes(platform::TStringList& list);

void OberonHeader(platform::TStringList& list);
void OberonRecord(platform::TStringList& list, const TJavaClass& cls);
void OberonAttribute(platform::TStringList& list, const TJavaAttribute& attribute);
void OberonMethod(platform::TStringList& list, const TJavaMethod& method, const std::string& className);
void OberonConstructor(platform::TStringList& list, const TJavaConstructor& constructor,
                       const std::string& className);
void OberonComments(platform::TStringList& list, const TJavaClass& cls);
void OberonAssociations(platform::TStringList& list, const TJavaClass& cls);
void OberonInstantiations(platform::TStringList& list, const TJavaClass& cls);
std::string OberonTypeName(const std::string& javaType);

}  // namespace modeller
