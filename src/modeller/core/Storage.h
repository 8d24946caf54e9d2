#pragma once
// Persistence of the modeller: objects write themselves to a rider as tagged text (a tag line and
// a value line per item) and are made again from it by class name through the class registry.
// Model files, pattern files and the diagram clipboard all hold this text.
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "platform/SysUtils.h"

namespace modeller {

class EClassRegisterError : public platform::Exception { using Exception::Exception; };
class ERiderError : public platform::Exception { using Exception::Exception; };
class ERiderReadError : public ERiderError { using ERiderError::ERiderError; };
class ERiderWriteError : public ERiderError { using ERiderError::ERiderError; };
// A fixed-size table is full, or an index lies outside it.
class ERangeError : public platform::Exception {
 public:
  ERangeError() : Exception("Range check error") {}
};

inline constexpr const char* kInvalidSignature = "Invalid Signature!";
inline constexpr const char* kUnexpectedEnd = "Unexpected end of data!";

class TRider;

// Base of every persistent object. Store writes the fields of the class chain from the root down
// (every override calls the inherited one first); Load reads exactly what Store wrote.
class TStorable {
 public:
  explicit TStorable(TStorable* owner = nullptr) : owner_(owner) {}
  virtual ~TStorable() = default;
  TStorable(const TStorable&) = delete;
  TStorable& operator=(const TStorable&) = delete;

  TStorable* Owner() const { return owner_; }
  virtual std::string ClassName() const { return "TStorable"; }
  virtual void Store(TRider&) const {}
  virtual void Load(TRider&) {}

  // Run by Make once the object is whole, so an object that belongs in its owner's lists joins
  // them without the owner ever seeing a half-built object.
  virtual void JoinOwner() {}
  // The owner has taken the object and frees it.
  virtual bool HeldByOwner() const { return false; }

 protected:
  // For objects made without an owner that are handed to one later.
  void SetOwner(TStorable* owner) { owner_ = owner; }

 private:
  TStorable* owner_;
};

// Makes an object of class T with its owner and lets it join the owner. If joining fails, the
// object is freed and the error goes on.
template <class T>
T* Make(TStorable* owner) {
  auto object = std::make_unique<T>(owner);
  object->JoinOwner();
  return object.release();
}

// A class reference: makes an instance with an owner, as Make does.
using TStorableClass = TStorable* (*)(TStorable* owner);

template <class T>
TStorable* MakeStorable(TStorable* owner) {
  return Make<T>(owner);
}

template <class T>
constexpr TStorableClass ClassOf() {
  return &MakeStorable<T>;
}

struct TStorableClassRec {
  std::string Name;
  TStorableClass Class = nullptr;
};

// 256 entries filled from 0 in registration order; nothing is removed and names may repeat.
class TStorableRegistry {
 public:
  static constexpr int Capacity = 256;
  // Raises EClassRegisterError for an empty class, ERangeError when the table is full.
  void Register(TStorableClass storableClass);
  TStorableClass Find(const std::string& name) const;  // first exact match, or empty
  int Count() const { return count_; }
  const TStorableClassRec& Entry(int index) const { return entries_.at(static_cast<size_t>(index)); }

 private:
  std::array<TStorableClassRec, Capacity> entries_;
  int count_ = 0;
};

// The registry of the program, filled once at start-up.
TStorableRegistry& StorableRegistry();
void RegisterStorableClass(TStorableClass storableClass);
TStorableClass FindStorableClass(const std::string& name);

enum TTagCode { tcInteger = 0, tcString = 1, tcReal = 2, tcBoolean = 3, tcStorable = 4 };

// Tagged text lines with a read position. Writing appends at the end; reading takes the line at
// Position and advances it. The lines are held as one text, each ended by CR LF: a model file has
// over a million lines, and a string for each would cost more than the reading itself.
class TRider {
 public:
  TRider() = default;
  virtual ~TRider() = default;
  TRider(const TRider&) = delete;
  TRider& operator=(const TRider&) = delete;

  // Owner of every object ReadObject makes; empty after construction.
  TStorable* Owner() const { return owner_; }
  void SetOwner(TStorable* owner) { owner_ = owner; }
  int Position() const { return position_; }
  // Every line followed by CR LF.
  const std::string& Text() const { return text_; }
  // Lines may end with CR, LF or CR LF; Position goes back to 0.
  void SetText(std::string text);

  void Clear();  // no lines, Position 0
  void Reset();  // Position 0, lines kept

  void WriteTag(int code);
  void WriteInteger(int value);
  // CR and LF would split the value line, so they are written as blanks.
  void WriteString(const std::string& text);
  void WriteBoolean(bool flag);
  void WriteObject(const TStorable* object);

  int ReadTag();
  int ReadInteger();
  std::string ReadString();
  bool ReadBoolean();
  // The caller owns the result unless the object joined its owner while it was made.
  TStorable* ReadObject();

  // Deeper nesting of objects is refused as damaged data.
  static constexpr int MaxNesting = 100;

 protected:
  void ReserveText(size_t size) { text_.reserve(size); }

 private:
  void WriteLine(std::string_view line);
  std::string_view ReadLine();
  void Expect(int code);

  TStorable* owner_ = nullptr;
  int position_ = 0;
  int nesting_ = 0;
  std::string text_;
  size_t readAt_ = 0;  // where the line at Position starts in text_
};

// A count item of a list: below 0 or above the limit raises ERiderReadError "Count out of range!".
int ReadCount(TRider& rider, int limit);

enum TRiderMode { rmWrite = 0, rmRead = 1 };

// A rider over a file. Read mode loads the file; Save writes the lines back through a temporary
// file, so a failed or unfinished save leaves the old file whole. Nothing is written unless Save
// is called: a rider that only read never touches its file.
class TFileRider : public TRider {
 public:
  TFileRider(const std::string& fileName, int mode);
  const std::string& FileName() const { return fileName_; }
  void Save() const;  // raises platform::EFCreateError

 private:
  std::string fileName_;
};

// The diagram clipboard: a rider and the number of objects written to it since Clear.
class TClipBoardRider {
 public:
  TRider& Rider() { return rider_; }
  const TRider& Rider() const { return rider_; }
  // The owner objects read back join; set before every read.
  TStorable* Graph = nullptr;
  int Count() const { return count_; }

  void Clear();
  void Reset();
  void WriteObject(const TStorable* object);
  TStorable* ReadObject();

 private:
  TRider rider_;
  int count_ = 0;
};

// The one diagram clipboard of the program, private to it.
TClipBoardRider& ClipBoardRider();

}  // namespace modeller
