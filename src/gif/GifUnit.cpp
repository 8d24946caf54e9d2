#include "gif/GifUnit.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace gif {

namespace {

constexpr uint8_t ExtensionIntroducer = 0x21;  // "!"
constexpr uint8_t ImageSeparator = 0x2C;       // ","
constexpr uint8_t Trailer = 0x3B;              // ";"
constexpr int LzwTableSize = 4096;

const uint8_t StandardColors16[16][3] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},     {128, 128, 0}, {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {128, 128, 128}, {192, 192, 192}, {255, 0, 0},   {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255},   {255, 255, 255}};

[[noreturn]] void RaiseIndexOutOfBounds() { throw EIndexOutOfBounds("Dynamic array index out of bounds"); }

// Data sub-blocks: a length byte, that many bytes, until a length of 0.
std::vector<std::string> ReadSubBlockList(TGifReader& reader) {
  std::vector<std::string> chunks;
  for (uint8_t length = reader.ReadByte(); length != 0; length = reader.ReadByte())
    chunks.push_back(reader.Read(length));
  return chunks;
}

int BitsForColorCount(int count) {
  for (int bits = 1; bits <= 8; ++bits)
    if (count == 1 << bits) return bits;
  return 0;
}

std::string HexByte(uint8_t value) {
  char text[3];
  std::snprintf(text, sizeof text, "%02X", value);
  return text;
}

void PutU16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

void PutU32(std::string& out, uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

}  // namespace

void MakeColorTable(TColorTable& table, int count) {
  table.Count = static_cast<uint16_t>(count);
  if (count == 2) {
    std::memset(table.Entries[0], 0, 3);
    std::memset(table.Entries[1], 255, 3);
  } else if (count == 16) {
    std::memcpy(table.Entries, StandardColors16, sizeof StandardColors16);
  } else if (count == 256) {
    for (int i = 0; i < 256; ++i) std::memset(table.Entries[i], i, 3);
  }
}

void RaiseNotEnoughMemory(uint64_t size) {
  throw ENotEnoughMemory(
      "error in TBigByteArray.create: Not enough contiguous memory available\r\n requested memory block: " +
      std::to_string(size) + " bytes");
}

// Asked once: every call of sysconf for the physical pages is a system call.
uint64_t MaxImageMemory() {
  static const uint64_t limit = [] {
    constexpr uint64_t ceiling = uint64_t{1} << 30;
    long pages = sysconf(_SC_PHYS_PAGES);
    long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0) return ceiling;
    return std::min(ceiling, static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize) / 4);
  }();
  return limit;
}

// ---- TBigByteArray ----

void TBigByteArray::FreeBlock::operator()(uint8_t* block) const { std::free(block); }

TBigByteArray::TBigByteArray(uint64_t size) : size_(size) {
  if (size == 0) return;
  if (size > MaxImageMemory()) RaiseNotEnoughMemory(size);
  // calloc leaves large blocks untouched until written, so rows never decoded cost nothing.
  data_.reset(static_cast<uint8_t*>(std::calloc(size, 1)));
  if (!data_) RaiseNotEnoughMemory(size);
}

uint8_t TBigByteArray::GetItem(uint64_t index) const {
  if (index < 1 || index > size_) RaiseIndexOutOfBounds();
  return data_.get()[index - 1];
}

void TBigByteArray::SetItem(uint64_t index, uint8_t value) {
  if (index < 1 || index > size_) RaiseIndexOutOfBounds();
  data_.get()[index - 1] = value;
}

// ---- TByteArray2D ----

TByteArray2D::TByteArray2D(uint32_t rowLength, uint32_t rowCount)
    : bytes_(uint64_t{rowLength} * rowCount), rowLength_(rowLength), rowCount_(rowCount) {}

TBigByteArray TByteArray2D::GetRow(uint32_t row) const {
  if (row < 1 || row > rowCount_) RaiseIndexOutOfBounds();
  TBigByteArray copy(rowLength_);
  if (rowLength_ > 0) std::memcpy(copy.Data(), RowData(row), rowLength_);
  return copy;
}

void TByteArray2D::SetRow(uint32_t row, const TBigByteArray& values) {
  if (row < 1 || row > rowCount_) RaiseIndexOutOfBounds();
  if (values.Size() != rowLength_)
    throw platform::Exception("Row doesn't have equal number of elements as Matrix row");
  if (rowLength_ > 0) std::memcpy(RowData(row), values.Data(), rowLength_);
}

const uint8_t* TByteArray2D::RowData(uint32_t row) const {
  return bytes_.Data() + uint64_t{row - 1} * rowLength_;
}

uint8_t* TByteArray2D::RowData(uint32_t row) { return bytes_.Data() + uint64_t{row - 1} * rowLength_; }

// ---- TByteBuffer ----

void TByteBuffer::Add(std::string_view chunk) {
  chunks_.push_back(chunk);
  length_ += chunk.size();
}

void TByteBuffer::ResetRead() const {
  if (chunks_.empty()) throw platform::Exception("List index out of bounds (0)");
}

// ---- TExtension ----

int TExtension::DelayTime() const {
  if (Kind != ekGraphicControl || Header.size() < 4) return 0;
  return static_cast<uint8_t>(Header[2]) | static_cast<uint8_t>(Header[3]) << 8;
}

// ---- TGifReader ----

uint8_t TGifReader::ReadByte() {
  if (position_ >= bytes_.size()) throw EInOutError("Read beyond end of file");
  return static_cast<uint8_t>(bytes_[position_++]);
}

std::string TGifReader::Read(size_t count) {
  if (count > bytes_.size() - position_) throw EInOutError("Read beyond end of file");
  std::string part(bytes_.substr(position_, count));
  position_ += count;
  return part;
}

void TGifReader::ReadSubBlocksInto(TByteBuffer& buffer) {
  for (uint8_t length = ReadByte(); length != 0; length = ReadByte()) {
    if (length > bytes_.size() - position_) throw EInOutError("Read beyond end of file");
    buffer.Add(bytes_.substr(position_, length));
    position_ += length;
  }
}

void TGifReader::ReadInto(uint8_t* into, size_t count) {
  if (count > bytes_.size() - position_) throw EInOutError("Read beyond end of file");
  std::memcpy(into, bytes_.data() + position_, count);
  position_ += count;
}

// ---- TGifSubImage ----

TGifSubImage::TGifSubImage(int colorCount, TGifFile* owner) : owner_(owner) {
  int bits = BitsForColorCount(colorCount);
  if (bits == 0)
    throw EGifException("Number of colors (" + std::to_string(colorCount) + ") wrong; must be a power of 2");
  BitsPerPixel = static_cast<uint8_t>(bits);
  LzwMinimumCodeSize = static_cast<uint8_t>(bits == 1 ? 2 : bits);
}

void TGifSubImage::Read(TGifReader& reader) {
  reader.ReadInto(Descriptor, sizeof Descriptor);
  uint8_t packed = Descriptor[8];
  LocalTableFlag = (packed & 0x80) != 0;
  Interlaced = (packed & 0x40) != 0;
  BitsPerPixel = static_cast<uint8_t>((packed & 7) + 1);
  if (LocalTableFlag) {
    LocalColorTable = std::make_unique<TColorTable>();
    LocalColorTable->Count = static_cast<uint16_t>(1 << BitsPerPixel);
    reader.ReadInto(&LocalColorTable->Entries[0][0], LocalColorTable->Count * 3u);
  }
  CheckSize();

  LzwMinimumCodeSize = reader.ReadByte();
  reader.ReadSubBlocksInto(Data);
  CheckLzw();
}

void TGifSubImage::CheckSize() const {
  if (uint64_t(Width()) * uint64_t(Height()) <= MaxImagePixels) return;
  const std::string side = std::to_string(MaxImageSide);
  throw EGifException("The image is " + std::to_string(Width()) + " x " + std::to_string(Height()) +
                      " pixels: larger than the " + side + " x " + side + " pixels (" +
                      std::to_string(MaxImagePixels) + " in all) an image may have");
}

int TGifSubImage::Delay() const {
  for (auto it = Extensions.rbegin(); it != Extensions.rend(); ++it)
    if (it->Kind == ekGraphicControl) return it->DelayTime();
  return 0;
}

const TColorTable& TGifSubImage::Palette() const {
  return LocalTableFlag ? *LocalColorTable : owner_->GlobalColorTable;
}

std::string TGifSubImage::GetBitmap() const { return MakeBitmapFile(DecodeLzw(), Palette()); }

namespace {

// Eight bytes as one number, the first byte lowest: moved in one load or store where the processor
// orders bytes that way, else byte by byte.
constexpr int BlockBytes = 8;

inline uint64_t LoadBlock(const uint8_t* from) {
  uint64_t block = 0;
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(&block, from, BlockBytes);
  } else {
    for (int i = 0; i < BlockBytes; ++i) block |= uint64_t{from[i]} << (8 * i);
  }
  return block;
}

inline void StoreBlock(uint8_t* at, uint64_t block) {
  if constexpr (std::endian::native == std::endian::little) {
    std::memcpy(at, &block, BlockBytes);
  } else {
    for (int i = 0; i < BlockBytes; ++i) at[i] = static_cast<uint8_t>(block >> (8 * i));
  }
}

// The LZW code reader and string table of one image. Codes are packed least significant bit first
// across the data sub-blocks.
//
// Most strings of a photograph are a few bytes long, so each entry keeps the last bytes of its
// string (up to a block of 8) itself, and points to the entry for the rest of the string, whose
// length is a whole number of blocks. A short string is thus written in one store, without walking
// a chain of entries whose length the processor cannot predict; a long one takes a store per block.
class TLzwDecoder {
 public:
  TLzwDecoder(const std::vector<std::string_view>& chunks, int minimumCodeSize)
      : chunks_(chunks),
        codeSize_(minimumCodeSize),
        clear_(1 << minimumCodeSize),
        end_(clear_ + 1),
        table_(std::make_unique_for_overwrite<TEntry[]>(LzwTableSize)) {
    // Only the single-byte strings need setting: an entry above them is written before it is read.
    for (int code = 0; code < clear_; ++code) table_[code] = {uint8_t(code), 0, 1, uint8_t(code)};
    StartTable();
  }

  // False when the data runs out.
  bool ReadCode(int& code) {
    if (chunkEnd_ - position_ >= BlockBytes) {
      // Tops the bit buffer up to at least 56 bits from 8 bytes read at once; the bits past the
      // whole bytes taken are the stream's next bits, so reading them again later does no harm.
      bits_ |= LoadBlock(position_) << bitCount_;
      position_ += (63 - bitCount_) >> 3;
      bitCount_ |= 56;
    } else {
      while (bitCount_ < width_) {
        if (position_ == chunkEnd_ && !NextChunk()) return false;
        bits_ |= uint64_t{*position_++} << bitCount_;
        bitCount_ += 8;
      }
    }
    code = static_cast<int>(bits_ & ((1u << width_) - 1));
    bits_ >>= width_;
    bitCount_ -= width_;
    return true;
  }

  // Takes a code that is not the end code and returns the code whose string is to be output next,
  // or -1 when the data ran out after a clear code.
  int Decode(int code) {
    if (code == clear_) {
      StartTable();
      do {
        if (!ReadCode(code)) return -1;
      } while (code == clear_);
      if (code == end_) throw EGifException("Bad code");
      return StartString(code);
    }
    if (previous_ < 0) return StartString(code);  // a stream that does not open with a clear code
    if (code < next_) {
      AddEntry(table_[code].first);
    } else {
      if (code != next_) throw EGifException("Bad code");
      AddEntry(table_[previous_].first);
    }
    previous_ = code;
    return code;
  }

  int End() const { return end_; }
  int Length(int code) const { return table_[code].length; }

  // Writes the string of the code from `at` on, and up to a block's bytes past its end.
  void WriteString(int code, uint8_t* at) const {
    const TEntry* entry = &table_[code];
    uint8_t* block = at + ((entry->length - 1u) & ~(BlockBytes - 1u));
    StoreBlock(block, entry->tail);
    while (block != at) {
      block -= BlockBytes;
      entry = &table_[entry->rest];
      StoreBlock(block, entry->tail);
    }
  }

 private:
  struct TEntry {
    uint64_t tail;  // the last bytes of the string, from 1 to a whole block of them
    uint16_t rest;  // the entry of the string without its tail
    uint16_t length;
    uint8_t first;  // the first byte of the string
  };

  bool NextChunk() {
    if (chunk_ >= chunks_.size()) return false;
    position_ = reinterpret_cast<const uint8_t*>(chunks_[chunk_].data());
    chunkEnd_ = position_ + chunks_[chunk_].size();
    ++chunk_;
    return position_ != chunkEnd_;
  }

  void StartTable() {
    width_ = codeSize_ + 1;
    next_ = end_ + 1;
    limit_ = 1 << width_;
    previous_ = -1;
  }

  int StartString(int code) {
    if (code >= next_) code = 0;
    previous_ = code;
    return code;
  }

  // Once the table holds 4096 entries it stays as it is until the encoder sends a clear code.
  void AddEntry(uint8_t lastByte) {
    if (next_ >= LzwTableSize) return;
    const TEntry& previous = table_[previous_];
    TEntry& entry = table_[next_];
    const int used = previous.length % BlockBytes;  // bytes of the previous tail; 0 when it is whole
    if (used == 0) {
      entry.tail = lastByte;
      entry.rest = static_cast<uint16_t>(previous_);
    } else {
      entry.tail = previous.tail | uint64_t{lastByte} << (8 * used);
      entry.rest = previous.rest;
    }
    entry.length = static_cast<uint16_t>(previous.length + 1);
    entry.first = previous.first;
    ++next_;
    if (next_ >= limit_ && width_ < 12) {
      limit_ *= 2;
      ++width_;
    }
  }

  const std::vector<std::string_view>& chunks_;
  size_t chunk_ = 0;
  const uint8_t* position_ = nullptr;
  const uint8_t* chunkEnd_ = nullptr;
  uint64_t bits_ = 0;
  int bitCount_ = 0;
  const int codeSize_, clear_, end_;
  int width_ = 0, next_ = 0, limit_ = 0, previous_ = -1;
  // On the heap: 64 KiB is much for the stack, where the decoder itself lives so that the compiler
  // may keep its counters in registers.
  std::unique_ptr<TEntry[]> table_;
};

// Runs the image's LZW codes through a decoder and hands the string of each code to `output`:
// output.Take (decoder, code) returns false once the image has all its pixels, so that surplus data
// is ignored; output.Stop () ends a run whose data ran out or reached the end code.
template <typename Output>
void RunLzw(const TByteBuffer& data, int minimumCodeSize, Output& output) {
  TLzwDecoder decoder(data.Chunks(), minimumCodeSize);
  int code;
  if (!decoder.ReadCode(code)) return output.Stop();
  while (code != decoder.End()) {
    int string = decoder.Decode(code);
    if (string < 0) return output.Stop();
    if (!output.Take(decoder, string)) return;
    if (!decoder.ReadCode(code)) return output.Stop();
  }
  output.Stop();
}

// Strings are written straight into the rows of the matrix while a block's bytes of the row are
// left after them, as WriteString stores whole blocks; other strings go through a buffer and are
// split. A row left partly filled when the data stops is cleared, so only whole rows are kept.
class TRowWriter {
 public:
  TRowWriter(TByteArray2D& pixels, bool interlaced, const TRowProgress& onRow)
      : pixels_(pixels), width_(static_cast<int>(pixels.RowLength())), height_(static_cast<int>(pixels.RowCount())),
        interlaced_(interlaced), onRow_(onRow), rowBytes_(pixels.RowData(1)) {}

  bool Take(const TLzwDecoder& decoder, int code) {
    int length = decoder.Length(code);
    if (column_ + length + BlockBytes <= width_) {
      decoder.WriteString(code, rowBytes_ + column_);
      column_ += length;
      return true;
    }
    decoder.WriteString(code, spill_);
    for (int done = 0; done < length;) {
      int count = std::min(length - done, width_ - column_);
      std::memcpy(rowBytes_ + column_, spill_ + done, count);
      done += count;
      column_ += count;
      if (column_ == width_ && !NextRow()) return false;
    }
    return true;
  }

  void Stop() { std::memset(rowBytes_, 0, column_); }

 private:
  // Moves on to the next row; false when every row is filled.
  bool NextRow() {
    if (onRow_) onRow_();
    row_ = interlaced_ ? NextInterlaceRow(row_, height_, pass_) : row_ + 1;
    if (row_ < 0 || row_ >= height_) return false;
    rowBytes_ = pixels_.RowData(row_ + 1);
    column_ = 0;
    return true;
  }

  TByteArray2D& pixels_;
  const int width_, height_;
  const bool interlaced_;
  const TRowProgress& onRow_;
  uint8_t* rowBytes_;
  int row_ = 0, pass_ = 1, column_ = 0;
  uint8_t spill_[LzwTableSize + BlockBytes];
};

// Counts the pixels the strings would fill instead of writing them: the decoder raises the same
// errors at the same codes as in a decode, without the image's memory.
class TPixelCounter {
 public:
  TPixelCounter(uint64_t pixels, const TRowProgress& onRow) : left_(pixels), onRow_(onRow) {}

  bool Take(const TLzwDecoder& decoder, int code) {
    uint64_t length = static_cast<uint64_t>(decoder.Length(code));
    if (length >= left_) return false;
    left_ -= length;
    // Calls back about as often as a decode of rows a few thousand pixels wide would.
    if (onRow_ && ++strings_ % 4096 == 0) onRow_();
    return true;
  }

  void Stop() {}

 private:
  uint64_t left_;
  const TRowProgress& onRow_;
  uint64_t strings_ = 0;
};

void CheckCodeSize(int size) {
  if (size < 2 || size > 9) throw EGifException("Bad code Size");
}

}  // namespace

void TGifSubImage::CheckLzw() const {
  CheckCodeSize(LzwMinimumCodeSize);
  Data.ResetRead();
  if (Width() == 0 || Height() == 0) return;
  TPixelCounter counter(uint64_t(Width()) * uint64_t(Height()), owner_->OnRow);
  RunLzw(Data, LzwMinimumCodeSize, counter);
}

TByteArray2D TGifSubImage::DecodeLzw() const {
  CheckCodeSize(LzwMinimumCodeSize);
  Data.ResetRead();
  TByteArray2D pixels(Width(), Height());
  if (Width() == 0 || Height() == 0) return pixels;
  TRowWriter writer(pixels, Interlaced, owner_->OnRow);
  RunLzw(Data, LzwMinimumCodeSize, writer);
  return pixels;
}

int NextInterlaceRow(int row, int height, int& pass) {
  static const int step[5] = {0, 8, 8, 4, 2};
  static const int start[5] = {0, 0, 4, 2, 1};
  int next = row + step[pass];
  while (next >= height) {
    if (pass >= 4) return -1;
    ++pass;
    next = start[pass];
  }
  return next;
}

// ---- TGifFile ----

TGifFile::TGifFile() { MakeColorTable(GlobalColorTable, 2); }

// The bytes of a loaded file, which the images' data buffers refer to: a read-only mapping of the
// file, or a copy of bytes given in memory.
struct TFileBytes {
  std::string copy;
  void* mapping = MAP_FAILED;
  size_t mappedSize = 0;
  std::string_view View() const {
    if (mapping == MAP_FAILED) return copy;
    return {static_cast<const char*>(mapping), mappedSize};
  }
  ~TFileBytes() {
    if (mapping != MAP_FAILED) munmap(mapping, mappedSize);
  }
};

namespace {

// Files below this size are read into memory: mapping and unmapping a file costs more than
// copying a few pages, and unmapping grows dearer the more threads and processors there are.
constexpr off_t MapFromSize = 256 * 1024;

// The whole file through the open handle; false when it could not be read whole.
bool ReadWhole(int handle, std::string& into, size_t size) {
  into.resize(size);
  size_t done = 0;
  while (done < size) {
    ssize_t count = read(handle, into.data() + done, size - done);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    done += static_cast<size_t>(count);
  }
  return true;
}

std::shared_ptr<TFileBytes> MapFile(const std::string& fileName) {
  auto bytes = std::make_shared<TFileBytes>();
  int handle = open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (handle < 0) throw platform::EFOpenError("Cannot open file " + fileName + ". " + std::strerror(errno));
  struct stat status {};
  bool done = false;
  if (fstat(handle, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
    if (status.st_size < MapFromSize) {
      done = ReadWhole(handle, bytes->copy, static_cast<size_t>(status.st_size));
    } else {
      bytes->mappedSize = static_cast<size_t>(status.st_size);
      bytes->mapping = mmap(nullptr, bytes->mappedSize, PROT_READ, MAP_PRIVATE, handle, 0);
      done = bytes->mapping != MAP_FAILED;
    }
  }
  close(handle);
  if (!done) bytes->copy = platform::ReadFileBytes(fileName);
  return bytes;
}

}  // namespace

void TGifFile::LoadFromFile(const std::string& fileName) { Load(MapFile(fileName)); }

void TGifFile::LoadFromBytes(const std::string& bytes) {
  auto copy = std::make_shared<TFileBytes>();
  copy->copy = bytes;
  Load(std::move(copy));
}

void TGifFile::Load(std::shared_ptr<TFileBytes> bytes) {
  images_.clear();
  source_ = std::move(bytes);
  TGifReader reader(source_->View());
  std::string header = reader.Read(6);
  Signature = header.substr(0, 3);
  Version = header.substr(3, 3);
  if (Version != "87a" && Version != "89a" && Version != "87A" && Version != "89A")
    throw EGifException("Gif Version must be 87a or 89a");

  reader.ReadInto(ScreenDescriptor, sizeof ScreenDescriptor);
  uint8_t packed = ScreenDescriptor[4];
  GlobalTableFlag = (packed & 0x80) != 0;
  GlobalTableBits = static_cast<uint16_t>((packed & 7) + 1);
  GlobalColorTable.Count = static_cast<uint16_t>(1 << GlobalTableBits);
  if (GlobalTableFlag) reader.ReadInto(&GlobalColorTable.Entries[0][0], GlobalColorTable.Count * 3u);

  uint8_t block = reader.ReadByte();
  while (block != Trailer) {
    std::vector<TExtension> extensions;
    while (block == ExtensionIntroducer) {
      ReadExtension(reader, extensions);
      block = reader.ReadByte();
    }
    if (block == ImageSeparator) {
      auto image = std::make_unique<TGifSubImage>(GlobalColorTable.Count, this);
      image->Extensions = std::move(extensions);
      image->Read(reader);
      images_.push_back(std::move(image));
      block = reader.ReadByte();
    } else if (block != Trailer) {
      return;  // a byte that starts no block: the images read so far are the file
    }
  }
}

void TGifFile::ReadExtension(TGifReader& reader, std::vector<TExtension>& into) {
  TExtension extension;
  uint8_t label = reader.ReadByte();
  switch (label) {
    case 0xF9:
      extension.Kind = ekGraphicControl;
      extension.Header = reader.Read(6);
      break;
    case 0x01:
      extension.Kind = ekPlainText;
      extension.Header = reader.Read(13);
      extension.SubBlocks = ReadSubBlockList(reader);
      break;
    case 0xFF:
      extension.Kind = ekApplication;
      extension.Header = reader.Read(12);
      extension.SubBlocks = ReadSubBlockList(reader);
      break;
    case 0xFE:
      extension.Kind = ekComment;
      extension.SubBlocks = ReadSubBlockList(reader);
      break;
    default:
      throw EGifException("Unrecognized extension block.\r\nCode = $" + HexByte(label));
  }
  into.push_back(std::move(extension));
}

TGifSubImage& TGifFile::GetSubImage(int index) {
  if (index < 1 || index > ImageCount()) RaiseIndexOutOfBounds();
  return *images_[index - 1];
}

// A file of thousands of frames would otherwise ask for thousands of OK presses.
int TGifFile::AnimationDelay(const TWarning& warn) const {
  if (ImageCount() < 2) return 0;
  int delay = 0;
  bool missing = false, unequal = false;
  for (const auto& image : images_) {
    int own = image->Delay();
    if (own == 0) missing = true;
    else if (delay != 0 && own != delay) unequal = true;
    if (own != 0) delay = own;
  }
  std::string warning;
  if (missing) warning = "Multiple subimages; no animation time interval found";
  if (unequal) {
    if (!warning.empty()) warning += "\r\n";
    warning += "Multiple subimages; animation time intervals not equal";
  }
  if (!warning.empty()) warn(warning);
  return delay;
}

// ---- the bitmap ----

std::string MakeBitmapFile(const TByteArray2D& pixels, const TColorTable& palette) {
  const uint32_t width = pixels.RowLength(), height = pixels.RowCount();
  const uint32_t stride = (width + 3) & ~3u;
  std::string out;
  out.reserve(1078 + uint64_t{stride} * height);
  out += "BM";
  // The size field is not the file's size: readers ignore it, and the pixel count + 819 is what
  // earlier bitmaps of this program hold, so that they stay byte for byte the same.
  PutU32(out, static_cast<uint32_t>(uint64_t{width} * height + 819));
  PutU16(out, 0);
  PutU16(out, 0);
  PutU32(out, 1078);

  PutU32(out, 40);
  PutU32(out, width);
  PutU32(out, height);
  PutU16(out, 1);
  PutU16(out, 8);
  PutU32(out, 0);
  PutU32(out, 0);
  // 143 pixels per metre on both axes, as earlier bitmaps of this program hold.
  PutU32(out, 143);
  PutU32(out, 143);
  PutU32(out, 0);
  PutU32(out, 0);

  for (const auto& entry : palette.Entries) {
    out += static_cast<char>(entry[2]);
    out += static_cast<char>(entry[1]);
    out += static_cast<char>(entry[0]);
    out += '\0';
  }

  const std::string padding(stride - width, '\0');
  for (uint32_t row = height; row >= 1; --row) {
    if (width > 0) out.append(reinterpret_cast<const char*>(pixels.RowData(row)), width);
    out += padding;
  }
  return out;
}

}  // namespace gif
