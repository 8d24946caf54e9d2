// Sample files written by other encoders, each frame as the animation shows it compared pixel by
// pixel with the frame another decoder made of it (NAME.N.ppm beside NAME.gif), or with the error
// text in NAME.err. The folder named by MORVANE_GIF_CORPUS, when set, is checked the same way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "GifSamples.h"
#include "TestSupport.h"
#include "gif/FrameCache.h"

namespace fs = std::filesystem;
using namespace gif;
using gifsamples::Ppm;
using gifsamples::ReadPpm;

namespace {

// What differs first between the frame and the PPM file; empty when they match.
std::string FrameDifference(const TRgbFrame& frame, const Ppm& expected) {
  if (expected.width != frame.Width || expected.height != frame.Height)
    return "size " + std::to_string(frame.Width) + "x" + std::to_string(frame.Height) + ", expected " +
           std::to_string(expected.width) + "x" + std::to_string(expected.height);
  for (size_t i = 0; i < frame.Pixels.size(); ++i) {
    const uint8_t* rgb = reinterpret_cast<const uint8_t*>(expected.rgb.data()) + 3 * i;
    if (frame.Pixels[i] != (0xFF000000u | uint32_t{rgb[0]} << 16 | uint32_t{rgb[1]} << 8 | rgb[2]))
      return "pixel " + std::to_string(i % frame.Width) + "," + std::to_string(i / frame.Width) + " differs";
  }
  return "";
}

// Empty when every frame matches; otherwise what differs first. The frames come from a cache that
// keeps the first one only, and each is asked for twice: kept or decoded anew, it is the same.
std::string CompareWithFrames(const fs::path& gifFile) {
  fs::path base = gifFile;
  base.replace_extension();
  fs::path errorFile = base.string() + ".err";
  auto file = std::make_unique<TGifFile>();
  try {
    file->LoadFromFile(gifFile.string());
  } catch (const std::exception& error) {
    if (fs::exists(errorFile) && testsupport::ReadFile(errorFile.string()) == error.what()) return "";
    return std::string("load failed: ") + error.what();
  }
  if (fs::exists(errorFile)) return "loaded, but should fail with " + testsupport::ReadFile(errorFile.string());

  int frames = 0;
  while (fs::exists(base.string() + "." + std::to_string(frames) + ".ppm")) ++frames;
  if (frames != file->ImageCount())
    return std::to_string(file->ImageCount()) + " images, " + std::to_string(frames) + " expected frames";
  if (frames == 0) return "";
  const uint64_t firstFrameBytes = uint64_t{4} * file->GetSubImage(1).Width() * file->GetSubImage(1).Height();
  TFrameCache cache(std::move(file), firstFrameBytes);
  for (int pass = 1; pass <= 2; ++pass)
    for (int index = 1; index <= frames; ++index) {
      Ppm expected = ReadPpm(base.string() + "." + std::to_string(index - 1) + ".ppm");
      std::string difference = FrameDifference(*cache.Frame(index), expected);
      if (!difference.empty()) return "frame " + std::to_string(index - 1) + ": " + difference;
    }
  if (cache.KeptBytes() != firstFrameBytes) return "the cache keeps " + std::to_string(cache.KeptBytes()) + " bytes";
  return "";
}

void CheckFolder(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".gif") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  ASSERT_FALSE(files.empty()) << folder;
  for (const fs::path& file : files) {
    std::string difference = CompareWithFrames(file);
    std::cout << "[corpus] " << file.string() << ": " << (difference.empty() ? "ok" : difference) << "\n";
    EXPECT_EQ(difference, "") << file;
  }
}

}  // namespace

TEST(GifCorpus, SampleFilesMatchAnotherDecoder) { CheckFolder(fs::path(TEST_DATA_DIR) / "gif"); }

TEST(GifCorpus, FolderNamedByTheEnvironment) {
  const char* folder = std::getenv("MORVANE_GIF_CORPUS");
  if (folder == nullptr || *folder == '\0') GTEST_SKIP() << "MORVANE_GIF_CORPUS is not set";
  CheckFolder(folder);
}
