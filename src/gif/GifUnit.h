#pragma once
// The GIF file decoder: reads GIF 87a and 89a files (colour tables, extension blocks, images with
// LZW data, interlace), decodes each image into a byte matrix of colour indexes on request, and
// turns an image into an 8-bit in-memory BMP. Free of Qt; the animated image control builds on it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SysUtils.h"

namespace gif {

// Every format error of the reader.
class EGifException : public platform::Exception { using Exception::Exception; };
class EIndexOutOfBounds : public platform::Exception { using Exception::Exception; };
class ENotEnoughMemory : public platform::Exception { using Exception::Exception; };
// Reading past the end of a file.
class EInOutError : public platform::Exception { using Exception::Exception; };

// 256 entries of R, G, B, and the number of colours in use.
struct TColorTable {
  uint8_t Entries[256][3] = {};
  uint16_t Count = 0;
};

// Stores the count; fills the entries for the three counts that have a default palette: 2 (black,
// white), 16 (the sixteen standard colours) and 256 (a grey ramp).
void MakeColorTable(TColorTable& table, int count);

// The largest block of bytes an array may take: a quarter of the physical memory, at most 1 GiB.
// Larger blocks are refused with ENotEnoughMemory instead of exhausting the system.
uint64_t MaxImageMemory();
// The most pixels one image may have, MaxImageSide squared: what its 32-bit picture may cost.
// A larger image is refused by its size when the file is read.
#ifndef GIF_MAX_IMAGE_SIDE
#define GIF_MAX_IMAGE_SIDE 4096
#endif
constexpr uint64_t MaxImageSide = GIF_MAX_IMAGE_SIDE;
constexpr uint64_t MaxImagePixels = MaxImageSide * MaxImageSide;
// Raises ENotEnoughMemory for a block of `size` bytes that cannot be had.
[[noreturn]] void RaiseNotEnoughMemory(uint64_t size);

// A zero-filled heap block of bytes with 1-based, bounds-checked access.
class TBigByteArray {
 public:
  explicit TBigByteArray(uint64_t size);
  uint64_t Size() const { return size_; }
  uint8_t GetItem(uint64_t index) const;
  void SetItem(uint64_t index, uint8_t value);
  uint8_t* Data() { return data_.get(); }
  const uint8_t* Data() const { return data_.get(); }

 private:
  struct FreeBlock {
    void operator()(uint8_t* block) const;
  };
  std::unique_ptr<uint8_t, FreeBlock> data_;
  uint64_t size_ = 0;
};

// A matrix of bytes stored row after row; rows are 1-based.
class TByteArray2D {
 public:
  TByteArray2D(uint32_t rowLength, uint32_t rowCount);
  uint32_t RowLength() const { return rowLength_; }
  uint32_t RowCount() const { return rowCount_; }
  TBigByteArray GetRow(uint32_t row) const;
  void SetRow(uint32_t row, const TBigByteArray& values);
  const uint8_t* RowData(uint32_t row) const;  // 1-based, unchecked by design of the callers
  uint8_t* RowData(uint32_t row);

 private:
  TBigByteArray bytes_;
  uint32_t rowLength_;
  uint32_t rowCount_;
};

// One image's LZW data as it came, in data sub-blocks. The chunks refer to the bytes of the file,
// which the TGifFile keeps while it lives.
class TByteBuffer {
 public:
  void Add(std::string_view chunk);
  int ChunkCount() const { return static_cast<int>(chunks_.size()); }
  uint64_t Length() const { return length_; }
  // Checks that there is data to read; a buffer that never got a chunk raises the list index error.
  void ResetRead() const;
  const std::vector<std::string_view>& Chunks() const { return chunks_; }

 private:
  std::vector<std::string_view> chunks_;
  uint64_t length_ = 0;
};

enum TExtensionKind { ekGraphicControl = 0, ekPlainText = 1, ekApplication = 2, ekComment = 3 };

// An extension block: its kind, its fixed bytes and its data sub-blocks.
struct TExtension {
  TExtensionKind Kind = ekComment;
  std::string Header;                  // the fixed-size part read after the label
  std::vector<std::string> SubBlocks;  // plain text, application and comment data
  int DelayTime() const;               // graphic control only, in 1/100 s
};

class TGifFile;
class TGifReader;
struct TFileBytes;

class TGifSubImage {
 public:
  TGifSubImage(int colorCount, TGifFile* owner);

  // Reads the image descriptor, the local colour table and the LZW data that follow the image
  // separator, and checks the image's size and its data: every error a decode could raise is
  // raised here, and no pixel is kept.
  void Read(TGifReader& reader);
  // Decodes the LZW data into a new matrix of width x height colour indexes; rows the data does
  // not reach stay 0.
  TByteArray2D DecodeLzw() const;

  int Left() const { return Descriptor[0] | Descriptor[1] << 8; }
  int Top() const { return Descriptor[2] | Descriptor[3] << 8; }
  int Width() const { return Descriptor[4] | Descriptor[5] << 8; }
  int Height() const { return Descriptor[6] | Descriptor[7] << 8; }
  int Delay() const;  // of the last graphic control extension before the image, 0 without one

  const TColorTable& Palette() const;  // the local table if the image has one, else the global one
  // The image as an 8-bit BMP file, decoded anew at each request.
  std::string GetBitmap() const;

  uint8_t LzwMinimumCodeSize = 2;
  uint8_t Descriptor[9] = {};
  bool Interlaced = false;
  bool LocalTableFlag = false;
  std::vector<TExtension> Extensions;
  uint8_t BitsPerPixel = 1;
  // Only an image with a local table has one: a file of many small images costs a few times its
  // size, not a table for each image.
  std::unique_ptr<TColorTable> LocalColorTable;
  TByteBuffer Data;

 private:
  void CheckSize() const;
  void CheckLzw() const;
  TGifFile* owner_;
};

// Called after each decoded row, so a caller can keep its window painted during long decodes.
using TRowProgress = std::function<void()>;
// Receives a warning text that does not stop loading.
using TWarning = std::function<void(const std::string&)>;

// A GIF file and its images. Loading reads and checks every image but keeps no pixels, so a file
// costs its own bytes and a small record per image, whatever sizes its images declare. The file's
// bytes stay with the object (mapped, not copied, for a file on disk) because the images' data
// buffers refer to them.
class TGifFile {
 public:
  TGifFile();
  void LoadFromFile(const std::string& fileName);
  void LoadFromBytes(const std::string& bytes);
  int ImageCount() const { return static_cast<int>(images_.size()); }
  TGifSubImage& GetSubImage(int index);  // 1-based
  // The delay shared by the frames in 1/100 s (the last nonzero one); 0 with fewer than 2 images.
  // An image without a delay, or with one that differs from the delay before, is warned of: once
  // for the whole file, one line for each of the two findings.
  int AnimationDelay(const TWarning& warn) const;

  std::string Signature = "GIF";
  std::string Version = "87a";
  uint8_t ScreenDescriptor[7] = {};
  bool GlobalTableFlag = true;
  TColorTable GlobalColorTable;
  uint16_t GlobalTableBits = 1;
  TRowProgress OnRow;

 private:
  void Load(std::shared_ptr<TFileBytes> bytes);
  void ReadExtension(TGifReader& reader, std::vector<TExtension>& into);
  std::shared_ptr<TFileBytes> source_;
  std::vector<std::unique_ptr<TGifSubImage>> images_;
};

// A bounded reader over the bytes of a file; reading past the end raises EInOutError.
class TGifReader {
 public:
  explicit TGifReader(std::string_view bytes) : bytes_(bytes) {}
  uint8_t ReadByte();
  std::string Read(size_t count);
  void ReadInto(uint8_t* into, size_t count);
  // Data sub-blocks: a length byte and that many bytes, until a length of 0; each block becomes a
  // chunk of the buffer.
  void ReadSubBlocksInto(TByteBuffer& buffer);

 private:
  std::string_view bytes_;
  size_t position_ = 0;
};

// The next row of an interlaced image (0-based) after `row`, moving `pass` (1 to 4) on as passes
// end; -1 when no row is left.
int NextInterlaceRow(int row, int height, int& pass);

// An 8-bit bottom-up BMP file of the matrix with the 256 entries of the palette.
std::string MakeBitmapFile(const TByteArray2D& pixels, const TColorTable& palette);

}  // namespace gif
