#include "gif/GifUnit.h"

#include <unistd.h>

#include <algorithm>
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
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128},   {128, 128, 128}, {192, 192, 192}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};

[[noreturn]] void RaiseIndexOutOfBounds() { throw EIndexOutOfBounds("Dynamic array index out of bounds"); }

// Data sub-blocks: a length byte, that many bytes, until a length of 0.
template <typename OnChunk>
void ReadSubBlocks(TGifReader& reader, OnChunk onChunk) {
  for (uint8_t length = reader.ReadByte(); length != 0; length = reader.ReadByte()) onChunk(reader.Read(length));
}

std::vector<std::string> ReadSubBlockList(TGifReader& reader) {
  std::vector<std::string> chunks;
  ReadSubBlocks(reader, [&](std::string chunk) { chunks.push_back(std::move(chunk)); });
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

uint64_t MaxImageMemory() {
  constexpr uint64_t ceiling = uint64_t{1} << 30;
  long pages = sysconf(_SC_PHYS_PAGES);
  long pageSize = sysconf(_SC_PAGE_SIZE);
  if (pages <= 0 || pageSize <= 0) return ceiling;
  return std::min(ceiling, static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize) / 4);
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

void TByteBuffer::Add(const std::string& chunk) {
  bytes_ += chunk;
  ++chunkCount_;
}

void TByteBuffer::ResetRead() {
  if (chunkCount_ == 0) throw platform::Exception("List index out of bounds (0)");
  position_ = 0;
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
  std::string part = bytes_.substr(position_, count);
  position_ += count;
  return part;
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
  MakeColorTable(LocalColorTable, colorCount);
  pixels_ = std::make_unique<TByteArray2D>(0, 0);
}

void TGifSubImage::Read(TGifReader& reader) {
  reader.ReadInto(Descriptor, sizeof Descriptor);
  uint8_t packed = Descriptor[8];
  LocalTableFlag = (packed & 0x80) != 0;
  Interlaced = (packed & 0x40) != 0;
  BitsPerPixel = static_cast<uint8_t>((packed & 7) + 1);
  LocalColorTable.Count = static_cast<uint16_t>(1 << BitsPerPixel);
  if (LocalTableFlag) reader.ReadInto(&LocalColorTable.Entries[0][0], LocalColorTable.Count * 3u);

  uint64_t pixelBytes = uint64_t(Width()) * uint64_t(Height());
  owner_->ReserveImageMemory(pixelBytes);
  pixels_ = std::make_unique<TByteArray2D>(Width(), Height());

  LzwMinimumCodeSize = reader.ReadByte();
  ReadSubBlocks(reader, [this](const std::string& chunk) { Data.Add(chunk); });
  DecodeLzw();
}

int TGifSubImage::Delay() const {
  for (auto it = Extensions.rbegin(); it != Extensions.rend(); ++it)
    if (it->Kind == ekGraphicControl) return it->DelayTime();
  return 0;
}

const TColorTable& TGifSubImage::Palette() const {
  return LocalTableFlag ? LocalColorTable : owner_->GlobalColorTable;
}

const std::string& TGifSubImage::GetBitmap() {
  if (!bitmapMade_) {
    bitmap_ = MakeBitmapFile(*pixels_, Palette());
    bitmapMade_ = true;
  }
  return bitmap_;
}

namespace {

// The LZW code reader and string table of one image. Codes are packed least significant bit first.
class TLzwDecoder {
 public:
  TLzwDecoder(const std::string& data, int minimumCodeSize)
      : data_(reinterpret_cast<const uint8_t*>(data.data())),
        size_(data.size()),
        codeSize_(minimumCodeSize),
        clear_(1 << minimumCodeSize),
        end_(clear_ + 1) {
    std::memset(prefix_, 0, sizeof prefix_);
    std::memset(suffix_, 0, sizeof suffix_);
    std::memset(first_, 0, sizeof first_);
    for (int code = 0; code < clear_; ++code) suffix_[code] = first_[code] = static_cast<uint8_t>(code);
    StartTable();
  }

  // False when the data runs out.
  bool ReadCode(int& code) {
    while (bitCount_ < width_) {
      if (position_ >= size_) return false;
      bits_ |= uint32_t{data_[position_++]} << bitCount_;
      bitCount_ += 8;
    }
    code = static_cast<int>(bits_ & ((1u << width_) - 1));
    bits_ >>= width_;
    bitCount_ -= width_;
    return true;
  }

  // Puts the string of the next code on the stack, or returns false at the end code or at the end
  // of the data.
  bool DecodeNext(int code) {
    if (code == clear_) {
      StartTable();
      do {
        if (!ReadCode(code)) return false;
      } while (code == clear_);
      if (code == end_) throw EGifException("Bad code");
      StartString(code);
    } else if (previous_ < 0) {
      StartString(code);  // a stream that does not open with a clear code starts as if it had
    } else if (code < next_) {
      PushString(code);
      AddEntry(first_[code]);
      previous_ = code;
    } else {
      if (code != next_) throw EGifException("Bad code");
      AddEntry(first_[previous_]);
      PushString(code);
      previous_ = code;
    }
    return true;
  }

  int End() const { return end_; }
  int StackSize() const { return stackSize_; }
  uint8_t Pop() { return stack_[--stackSize_]; }

 private:
  void StartTable() {
    width_ = codeSize_ + 1;
    next_ = end_ + 1;
    limit_ = 1 << width_;
    previous_ = -1;
  }

  void StartString(int code) {
    if (code >= next_) code = 0;
    stack_[stackSize_++] = static_cast<uint8_t>(code);
    previous_ = code;
  }

  void PushString(int code) {
    while (code > clear_ - 1) {
      stack_[stackSize_++] = suffix_[code];
      code = prefix_[code];
    }
    stack_[stackSize_++] = static_cast<uint8_t>(code);
  }

  // Once the table holds 4096 entries it stays as it is until the encoder sends a clear code.
  void AddEntry(uint8_t firstByte) {
    if (next_ >= LzwTableSize) return;
    prefix_[next_] = static_cast<uint16_t>(previous_);
    suffix_[next_] = firstByte;
    first_[next_] = first_[previous_];
    ++next_;
    if (next_ >= limit_ && width_ < 12) {
      limit_ *= 2;
      ++width_;
    }
  }

  const uint8_t* data_;
  size_t size_;
  size_t position_ = 0;
  uint32_t bits_ = 0;
  int bitCount_ = 0;
  const int codeSize_, clear_, end_;
  int width_ = 0, next_ = 0, limit_ = 0, previous_ = -1;
  uint16_t prefix_[LzwTableSize];
  uint8_t suffix_[LzwTableSize];
  uint8_t first_[LzwTableSize];
  uint8_t stack_[LzwTableSize];
  int stackSize_ = 0;
};

}  // namespace

void TGifSubImage::DecodeLzw() {
  int s = LzwMinimumCodeSize;
  if (s < 2 || s > 9) throw EGifException("Bad code Size");
  Data.ResetRead();
  const int width = Width(), height = Height();
  if (width == 0 || height == 0) return;

  auto decoder = std::make_unique<TLzwDecoder>(Data.Bytes(), s);
  TBigByteArray rowBuffer(width);
  uint8_t* rowBytes = rowBuffer.Data();
  int row = 0, pass = 1, column = 0;
  int code;
  if (!decoder->ReadCode(code)) return;
  while (code != decoder->End()) {
    if (!decoder->DecodeNext(code)) return;
    while (decoder->StackSize() > 0) {
      int count = std::min(decoder->StackSize(), width - column);
      for (int i = 0; i < count; ++i) rowBytes[column + i] = decoder->Pop();
      column += count;
      if (column < width) continue;
      std::memcpy(pixels_->RowData(row + 1), rowBytes, width);
      if (owner_->OnRow) owner_->OnRow();
      row = Interlaced ? NextInterlaceRow(row, height, pass) : row + 1;
      if (row < 0 || row >= height) return;  // every row is filled; surplus data is ignored
      column = 0;
    }
    if (!decoder->ReadCode(code)) return;
  }
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

void TGifFile::LoadFromFile(const std::string& fileName) { LoadFromBytes(platform::ReadFileBytes(fileName)); }

void TGifFile::LoadFromBytes(const std::string& bytes) {
  images_.clear();
  imageMemory_ = 0;
  TGifReader reader(bytes);
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

int TGifFile::AnimationDelay(const TWarning& warn) const {
  if (ImageCount() < 2) return 0;
  int delay = 0;
  for (const auto& image : images_) {
    int own = image->Delay();
    if (own == 0)
      warn("Multiple subimages; no animation time interval found");
    else if (delay != 0 && own != delay)
      warn("Multiple subimages; animation time intervals not equal");
    if (own != 0) delay = own;
  }
  return delay;
}

void TGifFile::ReserveImageMemory(uint64_t bytes) {
  if (bytes > MaxImageMemory() - std::min(imageMemory_, MaxImageMemory())) RaiseNotEnoughMemory(bytes);
  imageMemory_ += bytes;
}

// ---- the bitmap ----

std::string MakeBitmapFile(const TByteArray2D& pixels, const TColorTable& palette) {
  const uint32_t width = pixels.RowLength(), height = pixels.RowCount();
  const uint32_t stride = (width + 3) & ~3u;
  std::string out;
  out.reserve(1078 + uint64_t{stride} * height);
  out += "BM";
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
