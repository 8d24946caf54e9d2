#pragma once
// The frames of an animation as 32-bit pixels, decoded when asked for. Frames are kept while they
// fit in the cache's budget and decoded again at each request beyond it, so an animation costs at
// most its budget and one frame in flight, whatever its frame count and sizes. Free of Qt.
#include <cstdint>
#include <memory>
#include <vector>

#include "gif/GifUnit.h"

namespace gif {

// One image as 0xffRRGGBB pixels, row after row, the layout of a 32-bit RGB picture.
struct TRgbFrame {
  int Width = 0, Height = 0;
  std::vector<uint32_t> Pixels;
};

// Decodes the image and looks each colour index up in its palette.
TRgbFrame DecodeRgbFrame(const TGifSubImage& image);

class TFrameCache {
 public:
  // What an animated image keeps of its frames.
  static constexpr uint64_t DefaultBudget = uint64_t{32} << 20;

  TFrameCache(std::unique_ptr<TGifFile> file, uint64_t budget = DefaultBudget);
  TGifFile& File() { return *file_; }
  // 1-based; a frame beyond the budget lives as long as the caller holds it.
  std::shared_ptr<const TRgbFrame> Frame(int index);
  uint64_t KeptBytes() const { return kept_; }

 private:
  std::unique_ptr<TGifFile> file_;
  uint64_t budget_;
  uint64_t kept_ = 0;
  std::vector<std::shared_ptr<const TRgbFrame>> frames_;
};

}  // namespace gif
