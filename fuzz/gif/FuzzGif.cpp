// Feeds arbitrary bytes to the GIF decoder, then makes the bitmap of every image small enough to
// write out quickly and asks for the animation delay. Only the decoder's own exceptions may leave
// a load; anything else, and every sanitizer report, is a finding.
#include <cstddef>
#include <cstdint>
#include <string>

#include "gif/GifUnit.h"

// Huge declared images must come back as the decoder's memory error, not abort the run.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  gif::TGifFile file;
  try {
    file.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const platform::Exception&) {
    return 0;
  }
  size_t bitmapBytes = 0;
  for (int index = 1; index <= file.ImageCount(); ++index) {
    gif::TGifSubImage& image = file.GetSubImage(index);
    if (uint64_t(image.Width()) * image.Height() <= (1u << 20)) bitmapBytes += image.GetBitmap().size();
  }
  int warnings = 0;
  file.AnimationDelay([&](const std::string&) { ++warnings; });
  return bitmapBytes > 0 && warnings < 0;
}
