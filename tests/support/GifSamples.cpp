#include "GifSamples.h"

#include <cctype>
#include <map>

#include "TestSupport.h"

namespace gifsamples {

LzwStream::LzwStream(int minimumCodeSize) : codeSize_(minimumCodeSize) {
  width_ = codeSize_ + 1;
  next_ = EndCode() + 1;
}

void LzwStream::Clear() {
  Put(ClearCode());
  width_ = codeSize_ + 1;
  next_ = EndCode() + 1;
  first_ = true;
}

void LzwStream::Code(int code) {
  Put(code);
  if (!first_ && next_ < 4096) {
    ++next_;
    if (next_ >= (1 << width_) && width_ < 12) ++width_;
  }
  first_ = false;
}

void LzwStream::End() { Put(EndCode()); }

void LzwStream::Roots(const std::vector<uint8_t>& pixels) {
  for (uint8_t pixel : pixels) Code(pixel);
}

std::string LzwStream::Bytes() const {
  std::string out = bytes_;
  if (bitCount_ > 0) out += static_cast<char>(bits_ & 0xFF);
  return out;
}

void LzwStream::Put(int code) {
  bits_ |= static_cast<uint32_t>(code) << bitCount_;
  bitCount_ += width_;
  while (bitCount_ >= 8) {
    bytes_ += static_cast<char>(bits_ & 0xFF);
    bits_ >>= 8;
    bitCount_ -= 8;
  }
}

// Each code the longest string the table knows, as real encoders send them.
std::string GreedyLzw(const std::vector<uint8_t>& pixels) {
  LzwStream lzw(2);
  lzw.Clear();
  std::map<std::pair<int, uint8_t>, int> table;  // a string's code and one more pixel: its code
  int current = pixels[0];
  for (size_t i = 1; i < pixels.size(); ++i) {
    auto known = table.find({current, pixels[i]});
    if (known != table.end()) {
      current = known->second;
      continue;
    }
    lzw.Code(current);
    table[{current, pixels[i]}] = lzw.NextCode();
    current = pixels[i];
  }
  lzw.Code(current);
  lzw.End();
  return lzw.Bytes();
}

namespace {

void PutU16(std::string& out, int value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

int TableBits(size_t entries) {
  int bits = 1;
  while ((size_t{2} << (bits - 1)) < entries) ++bits;
  return bits;
}

void PutTable(std::string& out, const std::vector<uint8_t>& table) {
  int bits = TableBits(table.size() / 3);
  std::string entries(table.begin(), table.end());
  entries.resize(size_t{3} << bits, '\0');
  out += entries;
}

void PutSubBlocks(std::string& out, const std::string& data) {
  for (size_t at = 0; at < data.size(); at += 255) {
    std::string chunk = data.substr(at, 255);
    out += static_cast<char>(chunk.size());
    out += chunk;
  }
  out += '\0';
}

}  // namespace

std::string WriteGif(const SampleFile& file) {
  std::string out = "GIF" + file.version;
  PutU16(out, file.width);
  PutU16(out, file.height);
  bool global = !file.globalTable.empty();
  out += static_cast<char>(global ? 0x80 | (TableBits(file.globalTable.size() / 3) - 1) : 0);
  out += '\0';
  out += '\0';
  if (global) PutTable(out, file.globalTable);
  for (const SampleImage& image : file.images) {
    if (image.delay >= 0) {
      out += "\x21\xF9\x04";
      out += '\0';
      PutU16(out, image.delay);
      out += '\0';
      out += '\0';
    }
    out += ',';
    PutU16(out, image.left);
    PutU16(out, image.top);
    PutU16(out, image.width);
    PutU16(out, image.height);
    int packed = image.interlaced ? 0x40 : 0;
    if (!image.localTable.empty()) packed |= 0x80 | (TableBits(image.localTable.size() / 3) - 1);
    out += static_cast<char>(packed);
    if (!image.localTable.empty()) PutTable(out, image.localTable);
    out += static_cast<char>(image.minimumCodeSize);
    PutSubBlocks(out, image.lzw);
  }
  out += file.betweenBlocks;
  out += ';';
  return out;
}

std::string OneImageGif(int width, int height, const std::string& lzw, bool interlaced) {
  SampleFile file;
  file.width = width;
  file.height = height;
  SampleImage image;
  image.width = width;
  image.height = height;
  image.interlaced = interlaced;
  image.lzw = lzw;
  file.images.push_back(image);
  return WriteGif(file);
}

Ppm ReadPpm(const std::string& fileName) {
  std::string bytes = testsupport::ReadFile(fileName);
  Ppm ppm;
  size_t at = 0;
  auto token = [&] {
    while (at < bytes.size() && (std::isspace(static_cast<unsigned char>(bytes[at])) || bytes[at] == '#')) {
      if (bytes[at] == '#')
        while (at < bytes.size() && bytes[at] != '\n') ++at;
      else
        ++at;
    }
    size_t start = at;
    while (at < bytes.size() && !std::isspace(static_cast<unsigned char>(bytes[at]))) ++at;
    return bytes.substr(start, at - start);
  };
  if (token() != "P6") return ppm;
  ppm.width = std::stoi(token());
  ppm.height = std::stoi(token());
  if (token() != "255") return ppm;
  ppm.rgb = bytes.substr(at + 1);
  return ppm;
}

}  // namespace gifsamples
