#include "gif/FrameCache.h"

#include <new>

namespace gif {

TRgbFrame DecodeRgbFrame(const TGifSubImage& image) {
  const TByteArray2D indexes = image.DecodeLzw();
  uint32_t colors[256];
  const TColorTable& palette = image.Palette();
  for (int i = 0; i < 256; ++i) {
    const uint8_t* entry = palette.Entries[i];
    colors[i] = 0xFF000000u | uint32_t{entry[0]} << 16 | uint32_t{entry[1]} << 8 | entry[2];
  }
  TRgbFrame frame;
  frame.Width = image.Width();
  frame.Height = image.Height();
  const uint64_t count = uint64_t(frame.Width) * uint64_t(frame.Height);
  try {
    frame.Pixels.resize(count);
  } catch (const std::bad_alloc&) {
    RaiseNotEnoughMemory(count * sizeof(uint32_t));
  }
  uint32_t* out = frame.Pixels.data();
  for (int row = 1; row <= frame.Height; ++row) {
    const uint8_t* in = indexes.RowData(row);
    for (int x = 0; x < frame.Width; ++x) *out++ = colors[in[x]];
  }
  return frame;
}

TFrameCache::TFrameCache(std::unique_ptr<TGifFile> file, uint64_t budget)
    : file_(std::move(file)), budget_(budget), frames_(file_->ImageCount()) {}

std::shared_ptr<const TRgbFrame> TFrameCache::Frame(int index) {
  const TGifSubImage& image = file_->GetSubImage(index);
  std::shared_ptr<const TRgbFrame>& kept = frames_[index - 1];
  if (kept) return kept;
  auto frame = std::make_shared<const TRgbFrame>(DecodeRgbFrame(image));
  const uint64_t bytes = frame->Pixels.size() * sizeof(uint32_t);
  if (bytes > budget_ - kept_) return frame;
  kept_ += bytes;
  kept = frame;
  return frame;
}

}  // namespace gif
