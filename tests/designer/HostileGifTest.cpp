// Hostile GIF files in every window that shows a picture, the inspector's picture dialog and a
// design file's Image: what they may cost in memory, and the one message each gives.
#include <QImage>
#include <filesystem>
#include <fstream>
#include <functional>

#include "GifSamples.h"
#include "InspectorFixture.h"
#include "designer/DesignFile.h"
#include "designer/ExtendedType.h"
#include "platform/SysUtils.h"

using namespace designer;
using gifsamples::LzwStream;
using gifsamples::SampleFile;
using gifsamples::SampleImage;

namespace {

// The most memory the process held since the last call, in MiB: the kernel's peak of the resident
// set, which each call resets.
long PeakMemoryMiB() {
  std::ifstream status("/proc/self/status");
  long peak = 0;
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0) peak = std::stol(line.substr(6)) / 1024;
  std::ofstream("/proc/self/clear_refs") << "5";
  return peak;
}

// The address sanitizer holds freed blocks back, up to 256 MiB, before it hands them out again.
#ifdef __SANITIZE_ADDRESS__
constexpr long kHeldBackMiB = 256;
#else
constexpr long kHeldBackMiB = 0;
#endif

// Frame i of an animation shows the number i in binary in the first 10 pixels of its top row.
bool ShowsFrameNumber(const QImage& picture, int number) {
  for (int bit = 0; bit < 10; ++bit)
    if (picture.pixel(bit, 0) != ((number >> bit & 1) ? qRgb(255, 255, 255) : qRgb(0, 0, 0))) return false;
  return true;
}

// `count` frames of size x size whose data is a few codes: each black but for its frame number
// in its top row, which the data fills whole (a row left partly filled is not shown); `delay` is
// each frame's delay, -1 for none.
SampleFile AnimationFile(int count, int size, int delay) {
  SampleFile sample;
  sample.width = sample.height = size;
  for (int i = 0; i < count; ++i) {
    std::vector<uint8_t> row(size);
    for (int bit = 0; bit < 10 && bit < size; ++bit) row[bit] = static_cast<uint8_t>(i >> bit & 1);
    SampleImage image;
    image.width = image.height = size;
    image.lzw = gifsamples::GreedyLzw(row);
    image.delay = delay;
    sample.images.push_back(image);
  }
  return sample;
}

std::string Animation(int count, int size, int delay) { return gifsamples::WriteGif(AnimationFile(count, size, delay)); }

// The animation, its last frame's data an end code right after the clear code.
std::string AnimationEndingInABadCode(int count, int size) {
  SampleFile sample = AnimationFile(count, size, 1);
  LzwStream bad(2);
  bad.Clear();
  bad.End();
  sample.images.back().lzw = bad.Bytes();
  return gifsamples::WriteGif(sample);
}

std::string OnePixel() {
  LzwStream lzw(2);
  lzw.Clear();
  lzw.Roots({1});
  lzw.End();
  return lzw.Bytes();
}

struct THostileCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> messages;  // shown while the picture loads ("PATH" stands for its path)
  long maxGrowthMiB;                  // the most the load and a play of every frame may add to the peak
  long maxPeakMiB;                    // the most the program may hold at its peak
  QSize picture;                      // the picture shown afterwards
};

const std::string kTooLarge =
    "The image is 16000 x 16000 pixels: larger than the 4096 x 4096 pixels (16777216 in all) an image may have";

class HostileGifTest : public InspectorTest {
 protected:
  // The picture dialog, opened by a double-click on the Image of a new form; `messages` boxes are
  // answered after it.
  TImage* ThroughPictureDialog(const std::string& path, size_t messages) {
    if (frame_ != nullptr) Modal().Queue(platform::mrNo);  // the form before is not saved
    NewForm(fkApplication);
    Modal().Reset();
    auto* image = static_cast<TImage*>(Drop(ckImage, {10, 10}));
    Main().FSelectedTool = ptNoTool;
    Modal().Queue(platform::ModalAnswer{platform::mrOk, path, 0, {}});
    AnswerMessages(messages);
    DoubleClick(image, {4, 4});
    return image;
  }
  void AnswerMessages(size_t count) {
    for (size_t i = 0; i < count; ++i) Modal().Queue(platform::mrOk);
  }
  // A design file naming the picture, read as the editor reads it when its source opens.
  TImage* ThroughDesignFile(const std::string& path, size_t messages) {
    const std::string design =
        "Form1 : TFrame\r\n  Background = lightGray\r\n  Caption = Form1\r\n  FontName = Dialog\r\n"
        "  FontSize = 12\r\n  FontStyle = []\r\n  Foreground = black\r\n  FrameId = 200\r\n  Height = 327\r\n"
        "  Left = 200\r\n  Tag = 1111\r\n  Top = 120\r\n  Width = 408\r\n\r\n"
        "Image1 : TImage\r\n  FileName = x.gif\r\n  Height = 40\r\n  Left = 10\r\n  Picture = " +
        platform::ExtractFileName(path) + "\r\n  Tag = 11\r\n  Top = 20\r\n  Width = 30\r\n\r\n";
    platform::WriteFileAtomic(temp_.File("Form1.jfm"), design);
    AnswerMessages(messages);
    Main().NewJavafileClick();
    TFrame* frame = LoadDesignFile(platform::IncludeTrailingPathDelimiter(temp_.Path()), "Form1");
    return frame != nullptr ? frame->findChild<TImage*>("Image1") : nullptr;
  }
};

}  // namespace

TEST_F(HostileGifTest, AnyFileCostsBoundedMemoryAndOneMessageInEveryWindowThatShowsIt) {
  const THostileCase cases[] = {
      {"a thousand frames of 1000 x 1000 in 50 KB", Animation(1000, 1000, 1), {}, 100, 200, {1000, 1000}},
      {"an image of 16000 x 16000", gifsamples::OneImageGif(16000, 16000, OnePixel()), {"PATH : " + kTooLarge}, 20,
       200, {0, 0}},
      {"the largest image, 4096 x 4096", gifsamples::OneImageGif(4096, 4096, OnePixel()), {}, 160, 300, {4096, 4096}},
      {"a thousand frames of 1000 x 1000, the last one bad", AnimationEndingInABadCode(1000, 1000),
       {"PATH : Bad code"}, 20, 200, {0, 0}},
      {"three thousand frames without delays", Animation(3000, 2, -1),
       {"Multiple subimages; no animation time interval found"}, 20, 200, {2, 2}},
  };
  using TOpen = std::function<TImage*(const std::string&, size_t)>;
  const std::pair<const char*, TOpen> windows[] = {
      {"picture dialog", [this](const std::string& path, size_t messages) { return ThroughPictureDialog(path, messages); }},
      {"design file", [this](const std::string& path, size_t messages) { return ThroughDesignFile(path, messages); }},
  };
  int made = 0;
  for (const auto& [window, open] : windows) {
    for (const THostileCase& hostile : cases) {
      SCOPED_TRACE(std::string(window) + ", " + hostile.name);
      const std::string path = temp_.File("hostile" + std::to_string(made++) + ".gif");
      testsupport::WriteFile(path, hostile.bytes);
      Modal().Reset();
      PeakMemoryMiB();
      const long before = PeakMemoryMiB();
      TImage* image = open(path, hostile.messages.size());
      ASSERT_NE(image, nullptr);
      std::vector<std::string> shown;
      for (const auto& request : Modal().Log())
        if (request.kind != "OpenDialog") shown.push_back(request.text);
      std::vector<std::string> expected;
      for (std::string message : hostile.messages) {
        if (message.rfind("PATH", 0) == 0) message.replace(0, 4, path);
        expected.push_back(message);
      }
      EXPECT_EQ(shown, expected);
      EXPECT_EQ(image->Picture().size(), hostile.picture);
      // Every frame in turn, from wherever the timer has got to.
      image->SetAnimate(false);
      const int frames = image->GifFile() != nullptr ? image->GifFile()->ImageCount() : 0;
      for (int played = 0; played <= frames && hostile.picture.width() >= 10; ++played) {
        if (played > 0) image->NextFrame();
        ASSERT_TRUE(ShowsFrameNumber(image->Picture(), image->CurrentFrame() - 1)) << "frame " << image->CurrentFrame();
      }
      const long peak = PeakMemoryMiB();
      EXPECT_LE(peak - before, hostile.maxGrowthMiB + kHeldBackMiB) << "peak " << peak << " MiB";
      if (kHeldBackMiB == 0) {
        EXPECT_LT(peak, hostile.maxPeakMiB);
      }
    }
  }
}
