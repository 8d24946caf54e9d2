#pragma once
// The C++ prototype translator: a banner, then one class block per package-member class, with the
// members in a package part and the public, protected and private sections.
#include "modeller/model/Concepts.h"
#include "platform/StringList.h"

namespace modeller {

void GenerateCppPrototypes(platform::TStringList& list);

void CppHeader(platform::TStringList& list);
void CppClass(platform::TStringList& list, const TJavaClass& cls);
// The member routines write only members whose access is `access`.
void CppAttribute(platform::TStringList& list, const TJavaAttribute& attribute, int access);
void CppMethod(platform::TStringList& list, const TJavaMethod& method, int access);
void CppConstructor(platform::TStringList& list, const TJavaConstructor& constructor);
void CppComments(platform::TStringList& list, const TJavaClass& cls);
void CppAssociations(platform::TStringList& list, const TJavaClass& cls, int access);
void CppInstantiations(platform::TStringList& list, const TJavaClass& cls);

}  // namespace modeller
