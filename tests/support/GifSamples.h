#pragma once
// Builders of small GIF files for the decoder's tests: an LZW code writer that keeps the code width
// in step with the decoder's table, and a file writer for screens, colour tables and images.
#include <cstdint>
#include <string>
#include <vector>

namespace gifsamples {

// Writes LZW codes least significant bit first, widening them exactly when a decoder's table does.
class LzwStream {
 public:
  explicit LzwStream(int minimumCodeSize);
  int ClearCode() const { return 1 << codeSize_; }
  int EndCode() const { return ClearCode() + 1; }
  int NextCode() const { return next_; }  // the entry a decoder makes on the next data code
  void Clear();
  void Code(int code);  // a data code: a root, or an entry the decoder has
  void End();
  void Roots(const std::vector<uint8_t>& pixels);  // every pixel as its own root code
  std::string Bytes() const;

 private:
  void Put(int code);
  int codeSize_, width_, next_;
  bool first_ = true;
  std::string bytes_;
  uint32_t bits_ = 0;
  int bitCount_ = 0;
};

// A 2-bit stream of the pixels, each code the longest string the table knows, as real encoders
// send them.
std::string GreedyLzw(const std::vector<uint8_t>& pixels);

struct SampleImage {
  int left = 0, top = 0, width = 1, height = 1;
  bool interlaced = false;
  std::vector<uint8_t> localTable;  // R, G, B entries; empty for none
  int minimumCodeSize = 2;
  std::string lzw;  // split into data sub-blocks by the writer
  int delay = -1;   // graphic control delay before the image; -1 for none
};

struct SampleFile {
  std::string version = "89a";
  int width = 1, height = 1;
  std::vector<uint8_t> globalTable = {0, 0, 0, 255, 255, 255};  // empty for none
  std::vector<SampleImage> images;
  std::string betweenBlocks;  // written before the trailer
};

std::string WriteGif(const SampleFile& file);

// A 2-colour file with one image whose LZW data is `lzw`.
std::string OneImageGif(int width, int height, const std::string& lzw, bool interlaced = false);

// A binary PPM picture (maximum value 255): its size and its R, G, B bytes row by row.
struct Ppm {
  int width = 0, height = 0;
  std::string rgb;
};
Ppm ReadPpm(const std::string& fileName);

}  // namespace gifsamples
