// Feeds arbitrary bytes to the GIF decoder, then plays the animation through a frame cache that
// keeps a few frames and decodes the rest anew, twice round, and asks for the bitmap of every
// image and the animation delay. Only the decoder's own exceptions may leave a load; anything
// else, a broken invariant, every sanitizer report and an allocation above the memory limit of
// the flags file is a finding.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "gif/FrameCache.h"

namespace {

// A budget of a few small frames, so that the fuzzer reaches both kept and passing frames.
constexpr uint64_t CacheBudget = 64 * 1024;

size_t FrameHash(const gif::TRgbFrame& frame) {
  return std::hash<std::string_view>()(std::string_view(reinterpret_cast<const char*>(frame.Pixels.data()),
                                                        frame.Pixels.size() * sizeof(uint32_t)));
}

// Each frame has its image's size, the cache stays within its budget, and a frame decoded again
// is the frame it was.
void PlayTwice(std::unique_ptr<gif::TGifFile> file) {
  const int count = file->ImageCount();
  gif::TFrameCache cache(std::move(file), CacheBudget);
  std::vector<size_t> hashes;
  for (int round = 1; round <= 2; ++round)
    for (int index = 1; index <= count; ++index) {
      std::shared_ptr<const gif::TRgbFrame> frame = cache.Frame(index);
      const gif::TGifSubImage& image = cache.File().GetSubImage(index);
      Require(frame->Width == image.Width() && frame->Height == image.Height(), "a frame has its image's size");
      Require(frame->Pixels.size() == uint64_t(image.Width()) * uint64_t(image.Height()), "a frame holds its pixels");
      Require(cache.KeptBytes() <= CacheBudget, "the cache keeps within its budget");
      if (round == 1) hashes.push_back(FrameHash(*frame));
      else Require(hashes[index - 1] == FrameHash(*frame), "a frame decoded again is the same");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto file = std::make_unique<gif::TGifFile>();
  try {
    file->LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const platform::Exception&) {
    return 0;
  }
  for (int index = 1; index <= file->ImageCount(); ++index) {
    const gif::TGifSubImage& image = file->GetSubImage(index);
    const uint64_t pixels = uint64_t(image.Width()) * uint64_t(image.Height());
    Require(pixels <= gif::MaxImagePixels, "no image beyond the size limit loads");
    const uint32_t stride = (image.Width() + 3) & ~3u;
    Require(image.GetBitmap().size() == 1078 + uint64_t{stride} * image.Height(), "a bitmap holds every row");
  }
  int warnings = 0;
  file->AnimationDelay([&](const std::string&) { ++warnings; });
  Require(warnings <= 1, "one warning for a file");
  PlayTwice(std::move(file));
  return 0;
}
