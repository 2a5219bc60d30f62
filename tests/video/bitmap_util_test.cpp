// The bitmap utilities: sizes, colour matching, conversion and the palette.
#include <gtest/gtest.h>

#include "seam.h"
#include "support/game_env.h"
#include "video/bitmap_util.h"
#include "video/display.h"

namespace {

BYTE PixelAt(LPDIRECTDRAWSURFACE7 surface, int x, int y)
{
    DDSURFACEDESC2 desc = {};
    desc.dwSize = sizeof desc;
    EXPECT_EQ(surface->Lock(NULL, &desc, DDLOCK_WAIT, NULL), DD_OK);
    BYTE value = ((const BYTE*)desc.lpSurface)[y * desc.lPitch + x];
    surface->Unlock(NULL);
    return value;
}

void SurfaceSize(LPDIRECTDRAWSURFACE7 surface, DWORD* width, DWORD* height)
{
    DDSURFACEDESC2 desc = {};
    desc.dwSize = sizeof desc;
    surface->GetSurfaceDesc(&desc);
    *width = desc.dwWidth;
    *height = desc.dwHeight;
}

// A packed 8-bit bitmap of w x h with the given colour table and a pixel rule.
std::string MakeBitmapFile(int w, int h, const std::vector<RGBQUAD>& colours, BYTE (*pixel)(int, int))
{
    int stride = (w + 3) & ~3;
    BITMAPINFOHEADER header = {};
    header.biSize = 40;
    header.biWidth = w;
    header.biHeight = h;
    header.biPlanes = 1;
    header.biBitCount = 8;
    header.biClrUsed = (DWORD)colours.size();
    std::string dib((const char*)&header, sizeof header);
    dib.append((const char*)colours.data(), colours.size() * 4);
    for (int row = h - 1; row >= 0; row--) {
        std::string line(stride, '\0');
        for (int x = 0; x < w; x++) {
            line[x] = (char)pixel(x, row);
        }
        dib += line;
    }
    std::string file = "BM" + std::string(12, '\0') + dib;
    DWORD offset = 14 + 40 + (DWORD)colours.size() * 4;
    memcpy(&file[10], &offset, 4);
    return file;
}

TEST(DDLoadBitmap, SurfacesTakeTheirBitmapsOwnSize)
{
    ASSERT_NE(StartDisplay(), nullptr);
    DWORD w, h;
    SurfaceSize(g_charaImg, &w, &h);
    EXPECT_EQ(w, 456u);
    EXPECT_EQ(h, 198u);
    SurfaceSize(g_stringsImg, &w, &h);
    EXPECT_EQ(w, 600u);
    EXPECT_EQ(h, 1265u);
    SurfaceSize(g_prologImg, &w, &h);
    EXPECT_EQ(w, 640u);
    EXPECT_EQ(h, 720u);
    EXPECT_EQ(DDLoadBitmap(g_dd, "NOSUCHPICTURE", 0, 0), nullptr);
}

TEST(DDColorMatch, TheKeyColourMatchesIndex47AndPixelZeroIsKept)
{
    ASSERT_NE(StartDisplay(), nullptr);
    HDC dc;
    ASSERT_EQ(g_charaImg->GetDC(&dc), DD_OK);
    SetPixel(dc, 0, 0, RGB(g_paletteTarget[200].peRed, g_paletteTarget[200].peGreen, g_paletteTarget[200].peBlue));
    g_charaImg->ReleaseDC(dc);
    ASSERT_EQ(PixelAt(g_charaImg, 0, 0), 200);

    EXPECT_EQ(DDColorMatch(g_charaImg, RGB(20, 140, 92)), 47u);
    EXPECT_EQ(PixelAt(g_charaImg, 0, 0), 200);
    EXPECT_EQ(DDColorMatch(g_charaImg, CLR_INVALID), 200u);
}

TEST(DDColorMatch, AnUnlockableSurfaceGivesAnInvalidKey)
{
    ASSERT_NE(StartDisplay(), nullptr);
    seam::FailCall("Lock", DDERR_SURFACEBUSY);
    EXPECT_EQ(DDColorMatch(g_titleImg, RGB(20, 140, 92)), CLR_INVALID);
}

TEST(DDCopyBitmap, GamePaletteKeepsIndicesOtherColoursTakeTheNearest)
{
    ScratchFolder folder;
    ASSERT_NE(StartDisplay(), nullptr);
    // Colour 0 is the game's entry 47 exactly; colour 1 is one step off entry
    // 200 in each channel; colour 2 is the game's entry 2 at index 2.
    std::vector<RGBQUAD> colours = {
        {g_paletteTarget[47].peBlue, g_paletteTarget[47].peGreen, g_paletteTarget[47].peRed, 0},
        {(BYTE)(g_paletteTarget[200].peBlue ^ 1), (BYTE)(g_paletteTarget[200].peGreen ^ 1),
         (BYTE)(g_paletteTarget[200].peRed ^ 1), 0},
        {g_paletteTarget[2].peBlue, g_paletteTarget[2].peGreen, g_paletteTarget[2].peRed, 0}};
    folder.WriteFile("MIXED", MakeBitmapFile(5, 3, colours, [](int x, int) { return (BYTE)(x % 3); }));
    LPDIRECTDRAWSURFACE7 surface = DDLoadBitmap(g_dd, "MIXED", 0, 0);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(PixelAt(surface, 0, 0), 47);
    EXPECT_EQ(PixelAt(surface, 1, 2), 200);
    EXPECT_EQ(PixelAt(surface, 2, 1), 2);
    surface->Release();
}

TEST(DDReloadBitmap, AMissingPictureReportsHandleIsNull)
{
    ASSERT_NE(StartDisplay(), nullptr);
    EXPECT_EQ(DDReloadBitmap(g_titleImg, "NOSUCHPICTURE"), E_FAIL);
    EXPECT_TRUE(HasDebugLine("handle is null\n"));
    EXPECT_EQ(DDReloadBitmap(g_titleImg, "TITLE"), DD_OK);
}

TEST(DDLoadPalette, WithoutColoursItIsTheColourCube)
{
    ASSERT_NE(StartDisplay(), nullptr);
    LPDIRECTDRAWPALETTE palette = DDLoadPalette(g_dd, "NOSUCHPICTURE");
    ASSERT_NE(palette, nullptr);
    PALETTEENTRY entries[256];
    palette->GetEntries(0, 0, 256, entries);
    EXPECT_EQ(entries[0].peRed + entries[0].peGreen + entries[0].peBlue, 0);
    EXPECT_EQ(entries[255].peRed, 255);
    EXPECT_EQ(entries[255].peBlue, 255);
    // Entry 0b101'011'10: red 5/7, green 3/7, blue 2/3 of full.
    EXPECT_EQ(entries[0xAE].peRed, 5 * 255 / 7);
    EXPECT_EQ(entries[0xAE].peGreen, 3 * 255 / 7);
    EXPECT_EQ(entries[0xAE].peBlue, 2 * 255 / 3);
    palette->Release();
}

TEST(DDLoadPalette, AFileWithSixteenColoursSetsOnlyThoseAndSwapsRedAndBlue)
{
    ScratchFolder folder;
    ASSERT_NE(StartDisplay(), nullptr);
    std::vector<RGBQUAD> colours(16, RGBQUAD{10, 20, 30, 0});
    std::string file = MakeBitmapFile(4, 1, colours, [](int, int) { return (BYTE)0; });
    file.resize(14 + 40 + 1024 + 4, '\0');
    folder.WriteFile("SIXTEEN", file);
    LPDIRECTDRAWPALETTE palette = DDLoadPalette(g_dd, "SIXTEEN");
    ASSERT_NE(palette, nullptr);
    PALETTEENTRY entries[256];
    palette->GetEntries(0, 0, 256, entries);
    EXPECT_EQ(entries[15].peRed, 30);
    EXPECT_EQ(entries[15].peBlue, 10);
    palette->Release();
}

}  // namespace
