// Bitmap reading: good pictures come out right, damaged ones are refused.
#include <gtest/gtest.h>

#include "bmp_reader.h"

namespace {

// A 3 x 2 bottom-up picture: rows padded to 4 bytes.
std::vector<BYTE> SmallDib(int colours = 2)
{
    BITMAPINFOHEADER header = {};
    header.biSize = 40;
    header.biWidth = 3;
    header.biHeight = 2;
    header.biPlanes = 1;
    header.biBitCount = 8;
    header.biClrUsed = colours;
    std::vector<BYTE> dib((BYTE*)&header, (BYTE*)&header + 40);
    for (int i = 0; i < colours; i++) {
        dib.insert(dib.end(), {(BYTE)i, 0, 0, 0});
    }
    dib.insert(dib.end(), {4, 5, 6, 0, 1, 2, 3, 0});
    return dib;
}

TEST(BmpReader, ReadsBottomUpRowsTopFirst)
{
    plat::DibImage image;
    std::string error;
    std::vector<BYTE> dib = SmallDib();
    ASSERT_TRUE(plat::ParseDib(dib.data(), dib.size(), image, error)) << error;
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.colourCount, 2);
    EXPECT_EQ(image.pixels, (std::vector<BYTE>{1, 2, 3, 4, 5, 6}));
}

TEST(BmpReader, RefusesEveryCutAndEveryBadField)
{
    std::vector<BYTE> dib = SmallDib();
    plat::DibImage image;
    std::string error;
    for (size_t cut = 0; cut < dib.size(); cut++) {
        EXPECT_FALSE(plat::ParseDib(dib.data(), cut, image, error)) << "cut at " << cut;
    }
    struct Field {
        size_t offset;
        uint32_t value;
    };
    const Field bad[] = {{0, 39}, {0, 4000}, {4, 0}, {4, 0x80000000u}, {8, 0}, {12, 2}, {14, 24}, {16, 1}, {32, 257}};
    for (const Field& f : bad) {
        std::vector<BYTE> broken = dib;
        size_t width = (f.offset == 12 || f.offset == 14) ? 2 : 4;
        memcpy(&broken[f.offset], &f.value, width);
        EXPECT_FALSE(plat::ParseDib(broken.data(), broken.size(), image, error)) << "field at " << f.offset;
    }
}

TEST(BmpReader, FilesNeedTheirSignatureAndAPixelOffsetPastTheTable)
{
    std::vector<BYTE> dib = SmallDib();
    std::vector<BYTE> file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    file.insert(file.end(), dib.begin(), dib.end());
    DWORD offset = 14 + 40 + 8;
    memcpy(&file[10], &offset, 4);
    plat::DibImage image;
    std::string error;
    EXPECT_TRUE(plat::ParseBmpFile(file.data(), file.size(), image, error)) << error;
    offset = 20;
    memcpy(&file[10], &offset, 4);
    EXPECT_FALSE(plat::ParseBmpFile(file.data(), file.size(), image, error));
    offset = 0xFFFFFFF0u;
    memcpy(&file[10], &offset, 4);
    EXPECT_FALSE(plat::ParseBmpFile(file.data(), file.size(), image, error));
    file[0] = 'X';
    EXPECT_FALSE(plat::ParseBmpFile(file.data(), file.size(), image, error));
}

}  // namespace
