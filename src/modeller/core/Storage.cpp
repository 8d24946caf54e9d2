#include "modeller/core/Storage.h"

#include <charconv>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace modeller {

namespace {

const std::string_view kTags[] = {"<integer>", "<string>", "<real>", "<boolean>", "<storable>"};
constexpr int kTagCount = 5;
constexpr std::string_view kLineBreak = "\r\n";

int TagCodeOf(std::string_view line) {
  for (int code = 0; code < kTagCount; ++code)
    if (line == kTags[code]) return code;
  return -1;
}

// True when every CR is followed by LF, every LF follows a CR and the text ends with a line break.
bool EndsEveryLineWithCrLf(const std::string& text) {
  if (text.empty()) return true;
  if (text.size() < 2 || text.compare(text.size() - 2, 2, kLineBreak) != 0) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && text[i + 1] != '\n') return false;
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
  }
  return true;
}

// The lines of a text split at CR, LF or CR LF, each ended with CR LF; a last line without a
// break keeps its text.
std::string WithCrLfLines(std::string text) {
  if (EndsEveryLineWithCrLf(text)) return text;
  std::string result;
  result.reserve(text.size() + text.size() / 8 + 2);
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c != '\r' && c != '\n') {
      result += c;
      continue;
    }
    result.append(kLineBreak);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  if (!result.empty() && result.back() != '\n') result.append(kLineBreak);
  return result;
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
  text_.clear();
  Reset();
}

void TRider::Reset() {
  position_ = 0;
  readAt_ = 0;
}

void TRider::SetText(std::string text) {
  text_ = WithCrLfLines(std::move(text));
  Reset();
}

void TRider::WriteLine(std::string_view line) {
  text_.append(line).append(kLineBreak);
  readAt_ = text_.size();
  ++position_;
}

void TRider::WriteTag(int code) {
  if (code < 0 || code >= kTagCount) throw ERiderReadError(kInvalidSignature);
  WriteLine(kTags[code]);
}

void TRider::WriteInteger(int value) {
  WriteTag(tcInteger);
  char digits[16];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  WriteLine(std::string_view(digits, static_cast<size_t>(result.ptr - digits)));
}

void TRider::WriteString(const std::string& text) {
  WriteTag(tcString);
  size_t start = text_.size();
  WriteLine(text);
  for (size_t i = start; i < start + text.size(); ++i)
    if (text_[i] == '\r' || text_[i] == '\n') text_[i] = ' ';
}

void TRider::WriteBoolean(bool flag) {
  WriteTag(tcBoolean);
  WriteLine(flag ? "TRUE" : "FALSE");
}

void TRider::WriteObject(const TStorable* object) {
  if (object == nullptr) throw ERiderWriteError("Can not store \"nil\" Object");
  WriteTag(tcStorable);
  WriteString(object->ClassName());
  object->Store(*this);
}

std::string_view TRider::ReadLine() {
  if (readAt_ >= text_.size()) throw ERiderReadError(kUnexpectedEnd);
  // Every line of text_ ends with CR LF, and no CR stands elsewhere.
  const char* start = text_.data() + readAt_;
  const char* end = static_cast<const char*>(std::memchr(start, '\r', text_.size() - readAt_));
  std::string_view line(start, static_cast<size_t>(end - start));
  readAt_ += line.size() + kLineBreak.size();
  ++position_;
  return line;
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
  return platform::StrToInt(std::string(ReadLine()));
}

std::string TRider::ReadString() {
  Expect(tcString);
  return std::string(ReadLine());
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
  if (mode != rmRead) {
    // A save mostly replaces a file of about the same size: room for it at once spares the text
    // growing step by step through fresh memory.
    std::error_code error;
    auto size = std::filesystem::file_size(fileName, error);
    if (!error) ReserveText(static_cast<size_t>(size) + size / 8);
    return;
  }
  if (!platform::FileExists(fileName)) throw ERiderError("File not found.");
  SetText(platform::ReadFileBytes(fileName));
}

void TFileRider::Save() const { platform::WriteFileAtomic(fileName_, Text()); }

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
