// The board drawing on small boards: each cell's pixels are compared with the
// atlas pictures composed by hand over a key-coloured back buffer, and the
// rules it carries (taps, plates, animations, phases) are read from the board.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "audio/sound.h"
#include "play/board_draw.h"
#include "stage/board.h"
#include "stage/items.h"
#include "stage/map_loading.h"
#include "stage/play_state.h"
#include "stage/switches.h"
#include "stage/tiles.h"
#include "support/game_env.h"
#include "video/atlas.h"
#include "video/display.h"

namespace {

const int ATLAS_WIDTH = 456;
const int ATLAS_HEIGHT = 198;

// A picture placed at (dx, dy) of the area being composed.
struct Layer {
    RECT src;
    int dx;
    int dy;
};

RECT LiquidRows(int h)
{
    RECT r = AtlasRect(ATLAS_LIQUID);
    r.bottom = r.top + h;
    return r;
}

class BoardDraw : public testing::Test {
protected:
    void SetUp() override
    {
        HWND window = StartDisplay();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(InitializeSound(window));
        g_streamPhase = g_wavePhase = g_streamTime = g_waveTime = 0;
        DDSURFACEDESC2 desc = {};
        desc.dwSize = sizeof desc;
        ASSERT_EQ(g_charaImg->Lock(NULL, &desc, DDLOCK_WAIT, NULL), DD_OK);
        for (int y = 0; y < ATLAS_HEIGHT; y++) {
            const BYTE* row = (const BYTE*)desc.lpSurface + y * desc.lPitch;
            atlas_.insert(atlas_.end(), row, row + ATLAS_WIDTH);
        }
        g_charaImg->Unlock(NULL);
        key_ = atlas_[0];  // tile 0 is all key
    }
    void TearDown() override { ReleaseSound(); }

    // Draws the board at time `now` over a back buffer of key colour, which
    // no keyed blit can leave behind.
    void DrawAt(DWORD now)
    {
        g_now = now;
        DDSURFACEDESC2 desc = LockBack();
        for (int y = 0; y < 480; y++) {
            memset((BYTE*)desc.lpSurface + y * desc.lPitch, key_, 640);
        }
        g_back->Unlock(NULL);
        DrawBoard();
    }
    std::vector<BYTE> Shown(int x, int y, int w, int h)
    {
        DDSURFACEDESC2 desc = LockBack();
        std::vector<BYTE> pixels;
        for (int row = y; row < y + h; row++) {
            const BYTE* line = (const BYTE*)desc.lpSurface + row * desc.lPitch + x;
            pixels.insert(pixels.end(), line, line + w);
        }
        g_back->Unlock(NULL);
        return pixels;
    }
    std::vector<BYTE> ShownCell(int x, int y) { return Shown(20 + 24 * x, 12 + 24 * y, 24, 24); }
    // The layers drawn in order with their key left out, clipped to w x h.
    std::vector<BYTE> Composed(const std::vector<Layer>& layers, int w = 24, int h = 24) const
    {
        std::vector<BYTE> out(w * h, key_);
        for (const Layer& layer : layers) {
            for (int row = layer.src.top; row < layer.src.bottom; row++) {
                for (int column = layer.src.left; column < layer.src.right; column++) {
                    int x = layer.dx + column - layer.src.left;
                    int y = layer.dy + row - layer.src.top;
                    BYTE p = atlas_[row * ATLAS_WIDTH + column];
                    if (p != key_ && x >= 0 && x < w && y >= 0 && y < h) {
                        out[y * w + x] = p;
                    }
                }
            }
        }
        return out;
    }
    std::vector<BYTE> Blank(int w = 24, int h = 24) const { return std::vector<BYTE>(w * h, key_); }

private:
    static DDSURFACEDESC2 LockBack()
    {
        DDSURFACEDESC2 desc = {};
        desc.dwSize = sizeof desc;
        EXPECT_EQ(g_back->Lock(NULL, &desc, DDLOCK_WAIT, NULL), DD_OK);
        return desc;
    }
    std::vector<BYTE> atlas_;
    BYTE key_ = 0;
};

const RECT STRIP0 = AtlasRect(ATLAS_SURFACE_STRIP, 0, 0);

TEST_F(BoardDraw, LiquidShowsItsRawLevelWithAStripOnlyOverOpenAndSwitchSurfaces)
{
    LoadMapText(WalledMap({"", "", "", "", "10001010100510101000",
                           "100:10;3100:10A0100N"}));
    g_board[7][5].level = 10;
    DrawAt(0);
    EXPECT_EQ(ShownCell(1, 5), Composed({{LiquidRows(10), 0, 14}, {STRIP0, 0, 12}})) << "open, dry above";
    EXPECT_EQ(ShownCell(3, 5), Composed({{LiquidRows(3), 0, 21}, {AtlasRect(ATLAS_TILE, TILE_PIPE_VERTICAL), 0, 0}}))
        << "3 units of a pipe draw 3 pixels, and no strip";
    EXPECT_EQ(ShownCell(5, 5), Composed({{LiquidRows(10), 0, 14}})) << "wet above: no strip";
    EXPECT_EQ(ShownCell(7, 5), Composed({{LiquidRows(10), 0, 14}, {STRIP0, 0, 12},
                                         {AtlasRect(ATLAS_TILE, TILE_SWITCH_WHEEL), 0, 0}}));
    EXPECT_EQ(Shown(20 + 24 * 9, 12 + 24 * 5 - 2, 24, 26),
              Composed({{AtlasRect(ATLAS_LIQUID), 0, 2}, {STRIP0, 0, 0}}, 24, 26))
        << "30 units: the full picture, the strip over the cell's top edge";
}

// The liquid picture is drawn the whole width of a cell, so a pipe must cover
// its cell: full or dry, every pipe piece looks the same, and the backdrop
// never shows through it.
TEST_F(BoardDraw, APipeFullOfLiquidLooksAsADryOne)
{
    const BYTE key = Blank()[0];
    for (int tile = TILE_PIPE_MOUTH_LEFT; tile <= TILE_PIPE_MOUTH_DOWN; tile++) {
        LoadMapText(WalledMap({"", std::string("10") + (char)('0' + tile) + "010"}));
        DrawAt(0);
        const std::vector<BYTE> dry = ShownCell(2, 1);
        EXPECT_EQ(std::count(dry.begin(), dry.end(), key), 0) << "the backdrop shows through pipe " << tile;
        for (int level : {5, 12, 24, 40}) {
            g_board[2][1].level = level;
            DrawAt(0);
            EXPECT_EQ(ShownCell(2, 1), dry) << "liquid shows in pipe " << tile << " at level " << level;
        }
    }
}

TEST_F(BoardDraw, TheBottomRowShowsOnlyFullCells)
{
    std::vector<std::string> rows(18, "");
    rows.push_back("1007100H");
    LoadMapText(WalledMap(rows));
    DrawAt(0);
    EXPECT_EQ(ShownCell(1, 18), Blank());
    EXPECT_EQ(ShownCell(3, 18), Composed({{AtlasRect(ATLAS_LIQUID), 0, 0}, {STRIP0, 0, -2}}));
}

TEST_F(BoardDraw, MouthsPourIntoALowerNeighbourAndTheDownwardMouthAlways)
{
    LoadMapText(WalledMap({"", "10100035105100<3", "1010101010101000"}));
    g_board[6][1].level = 12;
    DrawAt(0);
    EXPECT_EQ(ShownCell(2, 1), Composed({{AtlasRect(ATLAS_MOUTH_STREAM_LEFT), 0, 0}}));
    EXPECT_EQ(ShownCell(6, 1), Composed({{LiquidRows(12), 0, 12}, {STRIP0, 0, 10}}))
        << "the right mouth's surface lies lower than its neighbour's";
    EXPECT_EQ(ShownCell(7, 2), Composed({{AtlasRect(ATLAS_MOUTH_STREAM_DOWN), 0, 0}}));
}

TEST_F(BoardDraw, StreamPhaseTurnsAfter100msAndWavePhaseAfter250ms)
{
    LoadMapText(WalledMap({"", "10<5", "1000"}));
    const struct {
        DWORD now;
        int stream;
        int wave;
    } steps[] = {{100, 0, 0}, {101, 1, 0}, {201, 1, 0}, {202, 0, 0}, {250, 0, 0}, {251, 0, 1}, {303, 1, 1}};
    for (const auto& step : steps) {
        DrawAt(step.now);
        ASSERT_EQ(g_streamPhase, step.stream) << step.now;
        ASSERT_EQ(g_wavePhase, step.wave) << step.now;
        ASSERT_EQ(ShownCell(1, 2), Composed({{AtlasRect(ATLAS_MOUTH_STREAM_DOWN, 0, step.stream), 0, 0}}));
    }
    EXPECT_EQ(g_streamTime, 303);
    EXPECT_EQ(g_waveTime, 251);
}

TEST_F(BoardDraw, OnlyTheFirstStreamInDrawingOrderTurnsThePhaseAndFeedsItsTap)
{
    LoadMapText(WalledMap({"", "10<010K110K110K0", "1000100010001000"}));
    DrawAt(101);
    DrawAt(202);
    EXPECT_EQ(g_board[3][1].level, 2);
    EXPECT_EQ(g_board[5][1].level, 0);
    EXPECT_EQ(g_board[7][1].level, 0) << "a tap that is not pouring";
    EXPECT_EQ(ShownCell(3, 2), Composed({{AtlasRect(ATLAS_TAP_STREAM, 0, 0), 0, 0}}));
    EXPECT_EQ(ShownCell(7, 2), Blank());
    g_board[1][1].level = 5;
    DrawAt(303);
    EXPECT_EQ(g_board[3][1].level, 2) << "the pouring mouth took the turn";
    EXPECT_EQ(g_streamPhase, 1);
}

TEST_F(BoardDraw, ATapInTheBottomRowPoursWithoutEndingTheDrawing)
{
    std::vector<std::string> rows(18, "");
    rows[3] = "10101010101010101010X0";
    rows.push_back("1010K1");
    LoadMapText(WalledMap(rows));
    DrawAt(101);
    EXPECT_EQ(g_board[2][18].level, 1);
    EXPECT_EQ(ShownCell(10, 3), Composed({{AtlasRect(ATLAS_ITEM), 0, 0}})) << "the items are drawn";
    EXPECT_EQ(Shown(0, 468, 640, 12), Blank(640, 12)) << "nothing below the board";
}

TEST_F(BoardDraw, APlateGoesDownOnceAndSpringsBackWhenNothingPressesIt)
{
    LoadMapText(WalledMap({"", "10P0F1"}));
    auto press = [] {
        g_board[1][1].switchOn = 1;
        g_switchState[1] = 1;
        ApplySwitches();
    };
    press();
    DrawAt(10);
    EXPECT_TRUE(SoundPlaying(SOUND_PSWITCH));
    EXPECT_EQ(g_board[2][1].active, 1);
    StopSound(SOUND_PSWITCH);
    press();
    DrawAt(20);
    EXPECT_FALSE(SoundPlaying(SOUND_PSWITCH)) << "held down: no second sound";
    EXPECT_EQ(ShownCell(1, 1), Composed({{AtlasRect(ATLAS_TILE, TILE_SWITCH_PLATE, 1), 0, 0}}));
    DrawAt(30);
    EXPECT_EQ(g_board[1][1].frameBase, 0);
    EXPECT_EQ(g_switchState[1], 0);
    EXPECT_EQ(g_board[2][1].active, 0) << "ApplySwitches shut the porthole";
    EXPECT_EQ(g_board[2][1].permeable, 0);
    EXPECT_EQ(ShownCell(1, 1), Composed({{AtlasRect(ATLAS_TILE, TILE_SWITCH_PLATE, 0), 0, 0}}));
    g_seOn = 0;
    press();
    DrawAt(40);
    EXPECT_FALSE(SoundPlaying(SOUND_PSWITCH)) << "effects off";
    EXPECT_EQ(g_board[1][1].frame, 1);
}

TEST_F(BoardDraw, CellsStepTheirFramesOnlyAfter25ms)
{
    LoadMapText(WalledMap({"", "10G1H0J0", "", "10G/H0J0", "", "10A0G1H0J1", "", "10N1"}));
    const struct {
        DWORD now;
        int right;
        int left;
    } steps[] = {{25, 0, 0}, {26, 2, 1}, {51, 2, 1}, {52, 1, 2}, {78, 0, 0}};
    for (const auto& step : steps) {
        DrawAt(step.now);
        ASSERT_EQ(g_board[2][1].frame, step.right) << step.now;
        ASSERT_EQ(g_board[2][3].frame, step.left) << step.now;
        ASSERT_EQ(ShownCell(2, 1), Composed({{AtlasRect(ATLAS_TILE, TILE_BELT_RIGHT, step.right), 0, 0}}));
    }
    EXPECT_EQ(g_board[3][5].frame, 0) << "a stopped belt stands";
    EXPECT_EQ(ShownCell(3, 5), Composed({{AtlasRect(ATLAS_BELT_STOPPED), 0, 0}}));
    EXPECT_EQ(g_board[1][7].frame, 0) << "a lever shows its frameBase";
    g_board[1][7].frameBase = 2;
    DrawAt(104);
    EXPECT_EQ(ShownCell(1, 7), Composed({{AtlasRect(ATLAS_TILE, TILE_SWITCH_LEVER, 2), 0, 0}}));
}

TEST_F(BoardDraw, ItemsShowTheirPictureRowsAndGoneOnesAreNotDrawn)
{
    LoadMapText(WalledMap({"", "10X010[010\\0"}));
    g_items[0].onTarget = 1;
    g_items[2].onTarget = 1;
    DrawAt(0);
    EXPECT_EQ(ShownCell(1, 1), Composed({{AtlasRect(ATLAS_ITEM, ITEM_CRATE - 1, 1), 0, 0}})) << "crate on targets";
    EXPECT_EQ(ShownCell(5, 1), Composed({{AtlasRect(ATLAS_ITEM, ITEM_STAR - 1, 0), 0, 0}})) << "stars ignore targets";
    const int lives[][2] = {{1400, 0}, {1399, 1}, {700, 1}, {699, 2}, {1, 2}};
    for (const auto& life : lives) {
        g_items[1].life = life[0];
        DrawAt(0);
        ASSERT_EQ(ShownCell(3, 1), Composed({{AtlasRect(ATLAS_ITEM, ITEM_ICE - 1, life[1]), 0, 0}})) << life[0];
    }
    g_items[1].life = 0;
    DrawAt(0);
    EXPECT_EQ(ShownCell(3, 1), Blank()) << "melted away";
    g_items[2].rolling = 1;
    g_items[2].animTime = 0;
    const int rolls[][2] = {{50, 96}, {51, 120}, {101, 120}, {102, 144}, {153, 96}};
    for (const auto& roll : rolls) {
        DrawAt(roll[0]);
        ASSERT_EQ(g_items[2].src.top, roll[1]) << roll[0];
        ASSERT_EQ(g_items[2].src.bottom, roll[1] + 24);
    }
}

TEST_F(BoardDraw, AFailedBlitEndsTheBoardAndAFailedItemOnlyTheItems)
{
    LoadMapText(WalledMap({"", "1000101010K110P010X010X0"}));
    g_board[3][1].frameCount = 200;  // frames running far outside the atlas
    g_board[3][1].frame = 99;
    g_board[7][1].switchOn = 1;
    g_items[1].onTarget = 1;
    DrawAt(101);
    EXPECT_EQ(g_board[1][1].animTime, 101) << "cells before the bad picture took their steps";
    EXPECT_EQ(g_board[5][1].level, 0) << "the tap after it did not pour";
    EXPECT_EQ(g_board[7][1].switchOn, 1) << "nor the plate take its press";
    EXPECT_EQ(ShownCell(9, 1), Blank()) << "no items";
    g_board[3][1].frameCount = 1;
    g_items[0].y = -24;
    DrawAt(202);
    EXPECT_EQ(g_board[5][1].level, 1);
    EXPECT_EQ(g_items[1].src.top, 96) << "the item loop ended at the item above the screen";
    EXPECT_EQ(ShownCell(11, 1), Blank());
}

// A damaged map: a tile code below "0" and an item code past the five kinds
// have no picture; they are left undrawn and the rest of the board is drawn.
TEST_F(BoardDraw, CodesWithoutAPictureAreSkipped)
{
    LoadMapText(WalledMap({"", "10/010]010K110X0"}));
    DrawAt(101);
    EXPECT_EQ(ShownCell(1, 1), Blank());
    EXPECT_EQ(g_board[5][1].level, 1) << "the tap after it poured";
    EXPECT_EQ(ShownCell(7, 1), Composed({{AtlasRect(ATLAS_ITEM), 0, 0}})) << "the crate after the odd item";
}

}  // namespace
