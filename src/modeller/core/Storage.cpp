#include "modeller/core/Storage.h"

namespace modeller {

namespace {

const char* const kTags[] = {"<integer>", "<string>", "<real>", "<boolean>", "<storable>"};
constexpr int kTagCount = 5;

int TagCodeOf(const std::string& line) {
  for (int code = 0; code < kTagCount; ++code)
    if (line == kTags[code]) return code;
  return -1;
}

}  // namespace

void TStorableRegistry::Register(TStorableClass storableClass) {
  if (storableClass == nullptr) throw EClassRegisterError("Can not \"nil\" Class Attach!");
  if (count_ >= Capacity) throw ERangeError();
  std::unique_ptr<TStorable> sample(storableClass(nullptr));
  entries_[static_cast<size_t>(count_)] = {sample->ClassName(), storableClass};
  ++count_;
}

TStorableClass TStorableRegistry::Find(const std::string& name) const {
  for (int i = 0; i < count_; ++i)
    if (entries_[static_cast<size_t>(i)].Name == name) return entries_[static_cast<size_t>(i)].Class;
  return nullptr;
}

TStorableRegistry& StorableRegistry() {
  static TStorableRegistry registry;
  return registry;
}

void RegisterStorableClass(TStorableClass storableClass) { StorableRegistry().Register(storableClass); }

TStorableClass FindStorableClass(const std::string& name) { return StorableRegistry().Find(name); }

void TRider::Clear() {
  lines_.Clear();
  position_ = 0;
}

void TRider::Reset() { position_ = 0; }

void TRider::WriteTag(int code) {
  if (code < 0 || code >= kTagCount) throw ERiderReadError(kInvalidSignature);
  lines_.Add(kTags[code]);
  ++position_;
}

void TRider::WriteInteger(int value) {
  WriteTag(tcInteger);
  lines_.Add(platform::IntToStr(value));
  ++position_;
}

void TRider::WriteString(const std::string& text) {
  std::string line = text;
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  WriteTag(tcString);
  lines_.Add(line);
  ++position_;
}

void TRider::WriteBoolean(bool flag) {
  WriteTag(tcBoolean);
  lines_.Add(flag ? "TRUE" : "FALSE");
  ++position_;
}

void TRider::WriteObject(const TStorable* object) {
  if (object == nullptr) throw ERiderWriteError("Can not store \"nil\" Object");
  WriteTag(tcStorable);
  WriteString(object->ClassName());
  object->Store(*this);
}

const std::string& TRider::ReadLine() {
  if (position_ < 0 || position_ >= lines_.Count()) throw ERiderReadError(kUnexpectedEnd);
  return lines_[position_++];
}

int TRider::ReadTag() {
  int code = TagCodeOf(ReadLine());
  if (code < 0) throw ERiderReadError(kInvalidSignature);
  return code;
}

void TRider::Expect(int code) {
  if (ReadTag() != code) throw ERiderReadError(kInvalidSignature);
}

int TRider::ReadInteger() {
  Expect(tcInteger);
  return platform::StrToInt(ReadLine());
}

std::string TRider::ReadString() {
  Expect(tcString);
  return ReadLine();
}

bool TRider::ReadBoolean() {
  Expect(tcBoolean);
  return ReadLine() == "TRUE";
}

TStorable* TRider::ReadObject() {
  Expect(tcStorable);
  TStorableClass storableClass = FindStorableClass(ReadString());
  if (storableClass == nullptr) throw EClassRegisterError("There is no such class!");
  if (nesting_ >= MaxNesting) throw ERiderReadError("Objects are nested too deeply!");
  TStorable* object = storableClass(owner_);
  ++nesting_;
  try {
    object->Load(*this);
  } catch (...) {
    --nesting_;
    if (!object->HeldByOwner()) delete object;
    throw;
  }
  --nesting_;
  return object;
}

int ReadCount(TRider& rider, int limit) {
  int count = rider.ReadInteger();
  if (count < 0 || count > limit) throw ERiderReadError("Count out of range!");
  return count;
}

TFileRider::TFileRider(const std::string& fileName, int mode) : fileName_(fileName) {
  if (mode != rmRead) return;
  if (!platform::FileExists(fileName)) throw ERiderError("File not found.");
  Lines().LoadFromFile(fileName);
  Reset();
}

void TFileRider::Save() const { Lines().SaveToFile(fileName_); }

void TClipBoardRider::Clear() {
  count_ = 0;
  rider_.Clear();
}

void TClipBoardRider::Reset() { rider_.Reset(); }

void TClipBoardRider::WriteObject(const TStorable* object) {
  rider_.WriteObject(object);
  ++count_;
}

TStorable* TClipBoardRider::ReadObject() {
  rider_.SetOwner(Graph);
  return rider_.ReadObject();
}

TClipBoardRider& ClipBoardRider() {
  static TClipBoardRider rider;
  return rider;
}

}  // namespace modeller
