// The DirectDraw stand-in: what BltFast accepts and refuses, colour keys,
// colour fill and palettes.
#include <gtest/gtest.h>

#include <ddraw.h>

#include "seam.h"

namespace {

class Surfaces : public testing::Test {
protected:
    void SetUp() override
    {
        seam::Reset();
        objectsBefore = seam::LiveDisplayObjects();
        ASSERT_EQ(DirectDrawCreateEx(NULL, (LPVOID*)&dd, IID_IDirectDraw7, NULL), DD_OK);
        dst = Make(64, 48);
        src = Make(24, 24);
    }
    void TearDown() override
    {
        dst->Release();
        src->Release();
        dd->Release();
        EXPECT_EQ(seam::LiveDisplayObjects(), objectsBefore);
    }
    LPDIRECTDRAWSURFACE7 Make(DWORD w, DWORD h)
    {
        DDSURFACEDESC2 desc = {};
        desc.dwSize = sizeof desc;
        desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
        desc.dwWidth = w;
        desc.dwHeight = h;
        LPDIRECTDRAWSURFACE7 surface = nullptr;
        EXPECT_EQ(dd->CreateSurface(&desc, &surface, NULL), DD_OK);
        return surface;
    }
    BYTE* Memory(LPDIRECTDRAWSURFACE7 surface, LONG* pitch)
    {
        DDSURFACEDESC2 desc = {};
        desc.dwSize = sizeof desc;
        EXPECT_EQ(surface->Lock(NULL, &desc, DDLOCK_WAIT, NULL), DD_OK);
        surface->Unlock(NULL);
        *pitch = desc.lPitch;
        return (BYTE*)desc.lpSurface;
    }
    void Fill(LPDIRECTDRAWSURFACE7 surface, BYTE value)
    {
        DDBLTFX fx = {};
        fx.dwSize = sizeof fx;
        fx.dwFillColor = value;
        ASSERT_EQ(surface->Blt(NULL, NULL, NULL, DDBLT_COLORFILL | DDBLT_WAIT, &fx), DD_OK);
    }
    int objectsBefore = 0;
    LPDIRECTDRAW7 dd = nullptr;
    LPDIRECTDRAWSURFACE7 dst = nullptr;
    LPDIRECTDRAWSURFACE7 src = nullptr;
};

TEST_F(Surfaces, BltFastRefusesRectanglesOutsideEitherSurfaceEmptyOrInverted)
{
    RECT inside = {0, 0, 24, 24};
    EXPECT_EQ(dst->BltFast(40, 24, src, &inside, DDBLTFAST_NOCOLORKEY), DD_OK);
    EXPECT_EQ(dst->BltFast(41, 0, src, &inside, 0), DDERR_INVALIDRECT) << "right edge";
    EXPECT_EQ(dst->BltFast(0, 25, src, &inside, 0), DDERR_INVALIDRECT) << "bottom edge";
    EXPECT_EQ(dst->BltFast((DWORD)-1, 0, src, &inside, 0), DDERR_INVALIDRECT) << "negative x";
    RECT beyondSource = {1, 0, 25, 24};
    EXPECT_EQ(dst->BltFast(0, 0, src, &beyondSource, 0), DDERR_INVALIDRECT);
    RECT aboveSource = {0, -1, 24, 23};
    EXPECT_EQ(dst->BltFast(0, 0, src, &aboveSource, 0), DDERR_INVALIDRECT);
    RECT empty = {5, 5, 5, 10};
    EXPECT_EQ(dst->BltFast(0, 0, src, &empty, 0), DDERR_INVALIDRECT);
    RECT inverted = {0, 20, 24, 10};
    EXPECT_EQ(dst->BltFast(0, 0, src, &inverted, 0), DDERR_INVALIDRECT);
    EXPECT_EQ(dst->BltFast(0, 0, src, NULL, 0), DD_OK) << "no rectangle is the whole source";
}

TEST_F(Surfaces, ColourKeyedCopiesSkipTheKeyIndexAndOpaqueOnesDoNot)
{
    Fill(dst, 9);
    LONG srcPitch, dstPitch;
    BYTE* s = Memory(src, &srcPitch);
    for (int y = 0; y < 24; y++) {
        for (int x = 0; x < 24; x++) {
            s[y * srcPitch + x] = (x + y) % 2 ? 47 : (BYTE)(x + 1);
        }
    }
    DDCOLORKEY key = {47, 47};
    ASSERT_EQ(src->SetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    RECT all = {0, 0, 24, 24};
    ASSERT_EQ(dst->BltFast(10, 5, src, &all, DDBLTFAST_SRCCOLORKEY), DD_OK);
    BYTE* d = Memory(dst, &dstPitch);
    EXPECT_EQ(d[5 * dstPitch + 10], 1);
    EXPECT_EQ(d[5 * dstPitch + 11], 9) << "key pixel drawn";
    EXPECT_EQ(d[5 * dstPitch + 9], 9) << "drawn outside the rectangle";
    EXPECT_EQ(d[29 * dstPitch + 10], 9);
    ASSERT_EQ(dst->BltFast(10, 5, src, &all, DDBLTFAST_NOCOLORKEY), DD_OK);
    EXPECT_EQ(d[5 * dstPitch + 11], 47);
}

TEST_F(Surfaces, WithoutPixelWorkBlitsGiveTheSameResultsButCopyNothing)
{
    seam::SetPixelWork(false);
    Fill(dst, 9);
    Fill(src, 3);
    RECT all = {0, 0, 24, 24};
    EXPECT_EQ(dst->BltFast(0, 0, src, &all, DDBLTFAST_NOCOLORKEY), DD_OK);
    EXPECT_EQ(dst->BltFast(41, 0, src, &all, 0), DDERR_INVALIDRECT);
    LONG pitch;
    seam::SetPixelWork(true);
    EXPECT_EQ(Memory(dst, &pitch)[0], 9);
}

TEST_F(Surfaces, LostSurfacesRefuseBlitsUntilRestored)
{
    seam::LoseAllSurfaces();
    EXPECT_EQ(dst->BltFast(0, 0, src, NULL, 0), DDERR_SURFACELOST);
    ASSERT_EQ(dst->Restore(), DD_OK);
    EXPECT_EQ(dst->BltFast(0, 0, src, NULL, 0), DDERR_SURFACELOST) << "the source is still lost";
    ASSERT_EQ(src->Restore(), DD_OK);
    EXPECT_EQ(dst->BltFast(0, 0, src, NULL, 0), DD_OK);
    HDC dc;
    seam::LoseAllSurfaces();
    EXPECT_EQ(dst->GetDC(&dc), DDERR_SURFACELOST);
}

TEST_F(Surfaces, ASurfaceWithItsDeviceContextOutIsBusy)
{
    HDC dc;
    ASSERT_EQ(dst->GetDC(&dc), DD_OK);
    EXPECT_EQ(dst->BltFast(0, 0, src, NULL, 0), DDERR_SURFACEBUSY);
    HDC second;
    EXPECT_EQ(dst->GetDC(&second), DDERR_DCALREADYCREATED);
    EXPECT_EQ(dst->ReleaseDC(dc), DD_OK);
    EXPECT_EQ(dst->BltFast(0, 0, src, NULL, 0), DD_OK);
}

TEST_F(Surfaces, PalettesReadAndWriteOnlyWithinTheirEntries)
{
    PALETTEENTRY entries[256] = {};
    entries[7] = PALETTEENTRY{1, 2, 3, 0};
    LPDIRECTDRAWPALETTE palette = nullptr;
    ASSERT_EQ(dd->CreatePalette(DDPCAPS_8BIT, entries, &palette, NULL), DD_OK);
    PALETTEENTRY out[256];
    EXPECT_EQ(palette->GetEntries(0, 0, 256, out), DD_OK);
    EXPECT_EQ(out[7].peBlue, 3);
    EXPECT_EQ(palette->GetEntries(0, 250, 7, out), DDERR_INVALIDPARAMS);
    EXPECT_EQ(palette->SetEntries(0, 256, 1, out), DDERR_INVALIDPARAMS);
    palette->Release();
}

TEST(DisplayMode, OnlySixHundredFortyByFourEightyByEightIsOffered)
{
    seam::Reset();
    LPDIRECTDRAW7 dd = nullptr;
    ASSERT_EQ(DirectDrawCreateEx(NULL, (LPVOID*)&dd, IID_IDirectDraw7, NULL), DD_OK);
    EXPECT_EQ(dd->SetDisplayMode(640, 480, 16, 0, 0), DDERR_INVALIDMODE);
    EXPECT_EQ(dd->SetDisplayMode(800, 600, 8, 0, 0), DDERR_INVALIDMODE);
    EXPECT_EQ(dd->SetDisplayMode(640, 480, 8, 0, 0), DD_OK);
    dd->Release();
}

TEST(ResultCodes, AreBuiltFromTheirFacilityAndCode)
{
    EXPECT_EQ((uint32_t)DDERR_SURFACELOST, 0x887601C2u);
    EXPECT_EQ((uint32_t)DDERR_WASSTILLDRAWING, 0x8876021Cu);
    EXPECT_EQ((uint32_t)DDERR_INVALIDRECT, 0x88760096u);
    EXPECT_EQ((uint32_t)E_FAIL, 0x80004005u);
    EXPECT_EQ(CLR_INVALID, 0xFFFFFFFFu);
}

}  // namespace
