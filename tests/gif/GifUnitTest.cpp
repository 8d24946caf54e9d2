// The decoder against hand-made LZW streams and files: format errors, table limits, interlace,
// truncated data, the bitmap layout and the animation delay.
#include <gtest/gtest.h>

#include <cstring>

#include "GifSamples.h"
#include "gif/GifUnit.h"

using namespace gif;
using gifsamples::GreedyLzw;
using gifsamples::LzwStream;
using gifsamples::OneImageGif;
using gifsamples::SampleFile;
using gifsamples::SampleImage;
using gifsamples::WriteGif;

namespace {

std::vector<uint8_t> PixelsOf(TGifFile& file, int index = 1) {
  const TByteArray2D pixels = file.GetSubImage(index).DecodeLzw();
  std::vector<uint8_t> out;
  for (uint32_t row = 1; row <= pixels.RowCount(); ++row)
    out.insert(out.end(), pixels.RowData(row), pixels.RowData(row) + pixels.RowLength());
  return out;
}

std::string LzwOfRoots(const std::vector<uint8_t>& pixels) {
  LzwStream lzw(2);
  lzw.Clear();
  lzw.Roots(pixels);
  lzw.End();
  return lzw.Bytes();
}

// Pixels 0, 1, 0, 1, ... of the given count.
std::vector<uint8_t> Alternating(size_t count) {
  std::vector<uint8_t> pixels(count);
  for (size_t i = 0; i < count; ++i) pixels[i] = static_cast<uint8_t>(i % 2);
  return pixels;
}

template <typename E>
std::string ErrorOf(const std::string& bytes) {
  try {
    TGifFile file;
    file.LoadFromBytes(bytes);
  } catch (const E& error) {
    return error.what();
  }
  return "no error";
}

}  // namespace

TEST(ColorTable, DefaultPalettesForTwoSixteenAndTwoHundredFiftySixColours) {
  TColorTable table;
  MakeColorTable(table, 2);
  EXPECT_EQ(table.Count, 2);
  EXPECT_EQ(table.Entries[0][0] + table.Entries[0][1] + table.Entries[0][2], 0);
  EXPECT_EQ(table.Entries[1][0] & table.Entries[1][1] & table.Entries[1][2], 255);

  MakeColorTable(table, 16);
  const uint8_t olive[3] = {128, 128, 0}, silver[3] = {192, 192, 192}, fuchsia[3] = {255, 0, 255};
  EXPECT_EQ(std::memcmp(table.Entries[3], olive, 3), 0);
  EXPECT_EQ(std::memcmp(table.Entries[8], silver, 3), 0);
  EXPECT_EQ(std::memcmp(table.Entries[13], fuchsia, 3), 0);

  MakeColorTable(table, 256);
  EXPECT_EQ(table.Entries[77][0], 77);
  EXPECT_EQ(table.Entries[77][2], 77);

  table.Entries[5][1] = 9;
  MakeColorTable(table, 64);
  EXPECT_EQ(table.Count, 64);
  EXPECT_EQ(table.Entries[5][1], 9);
}

TEST(GifHeader, VersionsAndExtensionBlocks) {
  std::string lzw = LzwOfRoots({1});
  std::string upper = OneImageGif(1, 1, lzw);
  upper.replace(3, 3, "89A");
  TGifFile file;
  file.LoadFromBytes(upper);
  EXPECT_EQ(file.ImageCount(), 1);
  EXPECT_EQ(file.Version, "89A");

  std::string wrong = OneImageGif(1, 1, lzw);
  wrong.replace(3, 3, "88a");
  EXPECT_EQ(ErrorOf<EGifException>(wrong), "Gif Version must be 87a or 89a");

  SampleFile sample;
  sample.images.push_back({});
  sample.images[0].lzw = lzw;
  std::string bytes = WriteGif(sample);
  std::string comment = std::string("\x21\xFE\x03one\x02zz", 9) + '\0';
  std::string application = std::string("\x21\xFF\x0bNETSCAPE2.0\x03\x01", 16) + std::string(2, '\0') + '\0';
  bytes.insert(13 + 6, comment + application);
  file.LoadFromBytes(bytes);
  ASSERT_EQ(file.ImageCount(), 1);
  const auto& extensions = file.GetSubImage(1).Extensions;
  ASSERT_EQ(extensions.size(), 2u);
  EXPECT_EQ(extensions[0].Kind, ekComment);
  EXPECT_EQ(extensions[0].SubBlocks, (std::vector<std::string>{"one", "zz"}));
  EXPECT_EQ(extensions[1].Kind, ekApplication);
  EXPECT_EQ(extensions[1].Header.substr(1, 8), "NETSCAPE");
  EXPECT_EQ(PixelsOf(file), (std::vector<uint8_t>{1}));

  bytes.insert(13 + 6, std::string("\x21\x21\x00", 3));
  EXPECT_EQ(ErrorOf<EGifException>(bytes), "Unrecognized extension block.\r\nCode = $21");
}

TEST(GifHeader, ShortFilesFailWithTheReadError) {
  std::string whole = OneImageGif(2, 2, LzwOfRoots({0, 1, 1, 0}));
  for (size_t length : {size_t{3}, size_t{12}, whole.size() - 4, whole.size() - 1})
    EXPECT_EQ(ErrorOf<EInOutError>(whole.substr(0, length)), "Read beyond end of file") << length;
}

TEST(GifHeader, UnknownByteBetweenBlocksEndsTheFile) {
  SampleFile sample;
  sample.images.push_back({});
  sample.images[0].lzw = LzwOfRoots({1});
  sample.betweenBlocks = std::string("\x00\x07", 2);
  TGifFile file;
  file.LoadFromBytes(WriteGif(sample));
  EXPECT_EQ(file.ImageCount(), 1);
}

TEST(GifSubImage, ImageWithoutPixelsLoadsEmpty) {
  TGifFile file;
  file.LoadFromBytes(OneImageGif(0, 3, LzwOfRoots({1, 1})));
  ASSERT_EQ(file.ImageCount(), 1);
  EXPECT_EQ(file.GetSubImage(1).DecodeLzw().RowCount(), 3u);
  EXPECT_EQ(file.GetSubImage(1).GetBitmap().size(), 1078u);
}

TEST(GifSubImage, ColourCountAndCodeSizeChecks) {
  TGifFile owner;
  try {
    TGifSubImage image(12, &owner);
    FAIL();
  } catch (const EGifException& error) {
    EXPECT_STREQ(error.what(), "Number of colors (12) wrong; must be a power of 2");
  }
  EXPECT_EQ(TGifSubImage(2, &owner).LzwMinimumCodeSize, 2);
  EXPECT_EQ(TGifSubImage(64, &owner).BitsPerPixel, 6);

  SampleFile sample;
  sample.images.push_back({});
  sample.images[0].lzw = LzwOfRoots({1});
  sample.images[0].minimumCodeSize = 1;
  EXPECT_EQ(ErrorOf<EGifException>(WriteGif(sample)), "Bad code Size");
  sample.images[0].minimumCodeSize = 10;
  EXPECT_EQ(ErrorOf<EGifException>(WriteGif(sample)), "Bad code Size");

  sample.images[0].lzw.clear();
  sample.images[0].minimumCodeSize = 2;
  EXPECT_EQ(ErrorOf<platform::Exception>(WriteGif(sample)), "List index out of bounds (0)");
}

TEST(Lzw, ClearCodesAndBadCodes) {
  LzwStream repeated(2);
  repeated.Clear();
  repeated.Clear();
  repeated.Clear();
  repeated.Roots({1, 0, 1, 1});
  repeated.End();
  TGifFile file;
  file.LoadFromBytes(OneImageGif(2, 2, repeated.Bytes()));
  EXPECT_EQ(PixelsOf(file), (std::vector<uint8_t>{1, 0, 1, 1}));

  LzwStream endAfterClear(2);
  endAfterClear.Clear();
  endAfterClear.End();
  EXPECT_EQ(ErrorOf<EGifException>(OneImageGif(2, 2, endAfterClear.Bytes())), "Bad code");

  LzwStream beyondTable(2);
  beyondTable.Clear();
  beyondTable.Code(1);
  beyondTable.Code(beyondTable.NextCode() + 1);
  beyondTable.End();
  EXPECT_EQ(ErrorOf<EGifException>(OneImageGif(2, 2, beyondTable.Bytes())), "Bad code");
}

TEST(Lzw, TableEntriesIncludingTheCodeBeingDefined) {
  // 1; then code 6, which defines entry 6 as "1 1" by its own use; 6 again; 0.
  LzwStream lzw(2);
  lzw.Clear();
  lzw.Code(1);
  lzw.Code(6);
  lzw.Code(6);
  lzw.Code(0);
  lzw.End();
  TGifFile file;
  file.LoadFromBytes(OneImageGif(3, 2, lzw.Bytes()));
  EXPECT_EQ(PixelsOf(file), (std::vector<uint8_t>{1, 1, 1, 1, 1, 0}));
}

TEST(Lzw, FullTableEndsOrWaitsForTheClearCode) {
  // 4096 - 6 entries fill the table of a 2-bit stream; one more root makes the table full.
  const int fill = 4096 - 6 + 1;
  std::vector<uint8_t> pixels = Alternating(fill);

  LzwStream endAtFull(2);
  endAtFull.Clear();
  endAtFull.Roots(pixels);
  ASSERT_EQ(endAtFull.NextCode(), 4096);
  endAtFull.End();
  TGifFile file;
  file.LoadFromBytes(OneImageGif(fill, 1, endAtFull.Bytes()));
  EXPECT_EQ(PixelsOf(file), pixels);

  // The encoder defers the clear code: data codes, one of them a table entry, then clear.
  LzwStream deferred(2);
  deferred.Clear();
  deferred.Roots(pixels);
  deferred.Code(1);
  deferred.Code(6);  // "0 1"
  deferred.Clear();
  deferred.Roots({1, 1});
  deferred.End();
  std::vector<uint8_t> expected = pixels;
  expected.insert(expected.end(), {1, 0, 1, 1, 1});
  file.LoadFromBytes(OneImageGif(static_cast<int>(expected.size()), 1, deferred.Bytes()));
  EXPECT_EQ(PixelsOf(file), expected);
}

TEST(Lzw, FirstCodeNotClearStartsAsAfterAClearCode) {
  LzwStream lzw(2);
  lzw.Roots({1, 0, 0, 1});
  lzw.Code(6);  // "1 0"
  lzw.End();
  TGifFile file;
  file.LoadFromBytes(OneImageGif(3, 2, lzw.Bytes()));
  EXPECT_EQ(PixelsOf(file), (std::vector<uint8_t>{1, 0, 0, 1, 1, 0}));
}

TEST(Lzw, ShortDataKeepsDecodedRowsAndSurplusDataIsIgnored) {
  LzwStream cut(2);
  cut.Clear();
  cut.Roots({1, 1, 1, 1, 1, 0, 1});  // two rows of 3 and one pixel of the third
  TGifFile file;
  file.LoadFromBytes(OneImageGif(3, 4, cut.Bytes()));
  EXPECT_EQ(PixelsOf(file), (std::vector<uint8_t>{1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0}));

  LzwStream surplus(2);
  surplus.Clear();
  surplus.Roots(Alternating(40));
  surplus.End();
  file.LoadFromBytes(OneImageGif(2, 3, surplus.Bytes()));
  EXPECT_EQ(PixelsOf(file), Alternating(6));
  file.LoadFromBytes(OneImageGif(2, 3, surplus.Bytes(), true));
  EXPECT_EQ(PixelsOf(file), Alternating(6));
}

TEST(Lzw, InterlacedRowsArriveInPassOrder) {
  int pass = 1;
  std::vector<int> order = {0};
  for (int row = NextInterlaceRow(0, 3, pass); row >= 0; row = NextInterlaceRow(row, 3, pass)) order.push_back(row);
  EXPECT_EQ(order, (std::vector<int>{0, 2, 1}));

  pass = 1;
  order = {0};
  for (int row = NextInterlaceRow(0, 10, pass); row >= 0; row = NextInterlaceRow(row, 10, pass)) order.push_back(row);
  EXPECT_EQ(order, (std::vector<int>{0, 8, 4, 2, 6, 1, 3, 5, 7, 9}));

  // Rows sent in pass order 0, 2, 1 land where they belong.
  TGifFile file;
  file.LoadFromBytes(OneImageGif(2, 3, LzwOfRoots({0, 0, 1, 1, 0, 1}), true));
  EXPECT_EQ(PixelsOf(file), (std::vector<uint8_t>{0, 0, 0, 1, 1, 1}));
}

TEST(Lzw, LongStringsLandWholeAcrossRowsInEitherRowOrder) {
  // A repeating pattern gives strings of 1 to 10 pixels, which end at nearly every offset of a
  // row; no pixel is 0, the byte a string's table entry holds past its end.
  const int width = 37, height = 23;
  std::vector<uint8_t> sent(width * height);
  for (size_t i = 0; i < sent.size(); ++i) sent[i] = static_cast<uint8_t>((i / 3 + i / 7) % 3 + 1);
  for (bool interlaced : {false, true}) {
    std::vector<uint8_t> expected(sent.size());
    for (int n = 0, row = 0, pass = 1; n < height; ++n) {
      std::copy_n(sent.begin() + n * width, width, expected.begin() + row * width);
      row = interlaced ? NextInterlaceRow(row, height, pass) : row + 1;
    }
    TGifFile file;
    file.LoadFromBytes(OneImageGif(width, height, GreedyLzw(sent), interlaced));
    EXPECT_EQ(PixelsOf(file), expected) << "interlaced " << interlaced;
  }
}

TEST(ImageMemory, ArraysCheckBoundsAndHugeImagesAreRefused) {
  TBigByteArray array(3);
  array.SetItem(3, 7);
  EXPECT_EQ(array.GetItem(3), 7);
  EXPECT_THROW(array.SetItem(0, 1), EIndexOutOfBounds);
  EXPECT_THROW(array.SetItem(4, 1), EIndexOutOfBounds);

  TByteArray2D matrix(2, 2);
  TBigByteArray row(2);
  row.SetItem(1, 9);
  matrix.SetRow(2, row);
  EXPECT_EQ(matrix.GetRow(2).GetItem(1), 9);
  EXPECT_THROW(matrix.SetRow(3, row), EIndexOutOfBounds);
  try {
    matrix.SetRow(1, TBigByteArray(3));
    FAIL();
  } catch (const platform::Exception& error) {
    EXPECT_EQ(error.Message(), "Row doesn't have equal number of elements as Matrix row");
  }

  try {
    TBigByteArray huge(uint64_t{1} << 40);
    FAIL();
  } catch (const ENotEnoughMemory& error) {
    EXPECT_EQ(error.Message(),
              "error in TBigByteArray.create: Not enough contiguous memory available\r\n"
              " requested memory block: 1099511627776 bytes");
  }

  // An image is refused by its size, named with the limit, before any of its memory is taken; an
  // image at the limit costs nothing until it is decoded.
  EXPECT_EQ(ErrorOf<EGifException>(OneImageGif(16000, 16000, LzwOfRoots({1}))),
            "The image is 16000 x 16000 pixels: larger than the 4096 x 4096 pixels (16777216 in all) an image may have");
  EXPECT_EQ(ErrorOf<EGifException>(OneImageGif(65535, 1025, LzwOfRoots({1}))),
            "The image is 65535 x 1025 pixels: larger than the 4096 x 4096 pixels (16777216 in all) an image may have");
  EXPECT_EQ(ErrorOf<EGifException>(OneImageGif(4096, 4096, LzwOfRoots({1}))), "no error");
}

TEST(Bitmap, HeaderPaletteAndBottomUpPaddedRows) {
  SampleFile sample;
  sample.width = 5;
  sample.height = 2;
  sample.globalTable = {10, 20, 30, 40, 50, 60};
  SampleImage image;
  image.width = 5;
  image.height = 2;
  image.lzw = LzwOfRoots({1, 0, 0, 0, 1, 0, 1, 1, 1, 0});
  sample.images.push_back(image);
  TGifFile file;
  file.LoadFromBytes(WriteGif(sample));
  std::string bmp = file.GetSubImage(1).GetBitmap();

  auto u32 = [&](size_t at) {
    return uint32_t(uint8_t(bmp[at])) | uint32_t(uint8_t(bmp[at + 1])) << 8 | uint32_t(uint8_t(bmp[at + 2])) << 16 |
           uint32_t(uint8_t(bmp[at + 3])) << 24;
  };
  auto u16 = [&](size_t at) { return uint32_t(uint8_t(bmp[at])) | uint32_t(uint8_t(bmp[at + 1])) << 8; };
  ASSERT_EQ(bmp.size(), 1078u + 2 * 8);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(u32(2), 5u * 2 + 819);
  EXPECT_EQ(u32(6), 0u);
  EXPECT_EQ(u32(10), 1078u);
  EXPECT_EQ(u32(14), 40u);
  EXPECT_EQ(u32(18), 5u);
  EXPECT_EQ(u32(22), 2u);
  EXPECT_EQ(u16(26), 1u);
  EXPECT_EQ(u16(28), 8u);
  EXPECT_EQ(u32(30), 0u);
  EXPECT_EQ(u32(34), 0u);
  EXPECT_EQ(u32(38), 143u);
  EXPECT_EQ(u32(42), 143u);
  EXPECT_EQ(u32(46), 0u);
  EXPECT_EQ(u32(50), 0u);
  EXPECT_EQ(bmp.substr(54, 8), std::string("\x1e\x14\x0a\x00\x3c\x32\x28\x00", 8));
  EXPECT_EQ(bmp.substr(1078, 8), std::string("\x00\x01\x01\x01\x00\x00\x00\x00", 8));
  EXPECT_EQ(bmp.substr(1086, 8), std::string("\x01\x00\x00\x00\x01\x00\x00\x00", 8));

  TByteArray2D fourByTwo(4, 2);
  EXPECT_EQ(MakeBitmapFile(fourByTwo, file.GlobalColorTable).substr(2, 4), std::string("\x3b\x03\x00\x00", 4));

  // A local colour table wins over the global one.
  sample.images[0].localTable = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  file.LoadFromBytes(WriteGif(sample));
  EXPECT_EQ(file.GetSubImage(1).GetBitmap().substr(54, 8), std::string("\x03\x02\x01\x00\x06\x05\x04\x00", 8));
}

TEST(AnimationDelay, LastNonzeroDelayWithOneWarningPerFile) {
  auto delayOf = [](std::vector<int> delays, std::vector<std::string>& warnings) {
    SampleFile sample;
    for (int delay : delays) {
      SampleImage image;
      image.lzw = LzwOfRoots({1});
      image.delay = delay;
      sample.images.push_back(image);
    }
    TGifFile file;
    file.LoadFromBytes(WriteGif(sample));
    warnings.clear();
    return file.AnimationDelay([&](const std::string& text) { warnings.push_back(text); });
  };
  const std::string missing = "Multiple subimages; no animation time interval found";
  const std::string unequal = "Multiple subimages; animation time intervals not equal";
  std::vector<std::string> warnings;
  EXPECT_EQ(delayOf({10, 10, 10}, warnings), 10);
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(delayOf({7}, warnings), 0);
  EXPECT_TRUE(warnings.empty());

  EXPECT_EQ(delayOf(std::vector<int>(3000, -1), warnings), 0);
  EXPECT_EQ(warnings, (std::vector<std::string>{missing}));
  EXPECT_EQ(delayOf({10, 20, 30, 20}, warnings), 20);
  EXPECT_EQ(warnings, (std::vector<std::string>{unequal}));
  EXPECT_EQ(delayOf({10, -1, 0, 20, 30}, warnings), 30);
  EXPECT_EQ(warnings, (std::vector<std::string>{missing + "\r\n" + unequal}));
}
