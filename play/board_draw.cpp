// The board drawing: every cell's liquid, streams and tile picture, column by
// column, with taps pouring, plates springing back and animations stepping on
// the way; then the items over the board.
#include "play/board_draw.h"

#include "app/app_state.h"
#include "audio/sound.h"
#include "play/cell_probe.h"
#include "stage/board.h"
#include "stage/items.h"
#include "stage/play_state.h"
#include "stage/switches.h"
#include "stage/tiles.h"
#include "video/atlas.h"
#include "video/display.h"
#include "video/draw.h"

static const int LAST_COLUMN = BOARD_COLUMNS - 1;
static const int LAST_ROW = BOARD_ROWS - 1;

static const DWORD STREAM_INTERVAL = 100;
static const DWORD WAVE_INTERVAL = 250;
// The 3-pixel surface strip starts this far above the surface, so it straddles it.
static const int SURFACE_STRIP_RISE = 2;

static const int ITEM_ROLL_FRAMES = 3;
static const int ITEM_LIFE_WORN = 1400;
static const int ITEM_LIFE_MELTING = 700;

// The mouths that pour: where their stream lands, and whether it pours only
// into a neighbour whose surface lies lower.
struct MouthStream {
    int tile;
    int dx;
    int dy;
    int onlyDownhill;
    AtlasId picture;
};

static const MouthStream MOUTH_STREAMS[] = {
    {TILE_PIPE_MOUTH_LEFT, -1, 0, 1, ATLAS_MOUTH_STREAM_LEFT},
    {TILE_PIPE_MOUTH_RIGHT, 1, 0, 1, ATLAS_MOUTH_STREAM_RIGHT},
    {TILE_PIPE_MOUTH_DOWN, 0, 1, 0, ATLAS_MOUTH_STREAM_DOWN},
};

// Tiles shown with another picture than their own while a condition holds.
enum { SHOWN_ALWAYS, SHOWN_ACTIVE, SHOWN_STOPPED };

struct TilePictureCase {
    int tile;
    int when;
    AtlasId picture;
};

static const TilePictureCase TILE_PICTURE_CASES[] = {
    {TILE_TARGET, SHOWN_ALWAYS, ATLAS_TARGET},
    {TILE_PORTHOLE, SHOWN_ACTIVE, ATLAS_PORTHOLE_OPEN},
    {TILE_BELT_LEFT, SHOWN_STOPPED, ATLAS_BELT_STOPPED},
    {TILE_BELT_RIGHT, SHOWN_STOPPED, ATLAS_BELT_STOPPED},
};

static DWORD Since(int time)
{
    return g_now - (DWORD)time;
}

// Toggles a picture phase once its interval has run out; 1 when it did.
static int RunPhaseTimer(int* phase, int* time, DWORD interval)
{
    if (Since(*time) <= interval) {
        return 0;
    }
    *phase = !*phase;
    *time = (int)g_now;
    return 1;
}

// 1 when the picture was drawn.
static int Draw(int x, int y, RECT src)
{
    return BlitImage(g_back, x, y, g_charaImg, &src, 1) == DD_OK;
}

static const MouthStream* FindMouth(int tile)
{
    for (const MouthStream& mouth : MOUTH_STREAMS) {
        if (mouth.tile == tile) {
            return &mouth;
        }
    }
    return NULL;
}

static int DrawMouthStream(int x, int y, int sx, int sy)
{
    const MouthStream* mouth = FindMouth(g_board[x][y].tile);
    if (mouth == NULL) {
        return 1;
    }
    int nx = x + mouth->dx;
    int ny = y + mouth->dy;
    if (nx < 0 || nx > LAST_COLUMN || ny > LAST_ROW) {
        return 1;
    }
    if (mouth->onlyDownhill && CellFillHeight(&g_board[x][y]) <= CellFillHeight(&g_board[nx][ny])) {
        return 1;
    }
    RunPhaseTimer(&g_streamPhase, &g_streamTime, STREAM_INTERVAL);
    return Draw(sx + CELL_SIZE * mouth->dx, sy + CELL_SIZE * mouth->dy, AtlasRect(mouth->picture, 0, g_streamPhase));
}

// The picture shows the raw level in pixels, whatever the cell's heights; in
// the bottom row a partly filled cell shows none.
static int DrawLiquidBody(int x, int y, int sx, int sy)
{
    const Cell* cell = &g_board[x][y];
    RECT liquid = AtlasRect(ATLAS_LIQUID);
    int top = sy;
    if (cell->level < CELL_SIZE) {
        if (y == LAST_ROW) {
            return 1;
        }
        liquid.bottom = liquid.top + cell->level;
        top = sy + CELL_SIZE - cell->level;
    }
    if (!Draw(sx, top, liquid)) {
        return 0;
    }
    if (y > 0 && g_board[x][y - 1].level == 0 && (cell->kind == KIND_OPEN || cell->kind == KIND_SWITCH)) {
        return Draw(sx, top - SURFACE_STRIP_RISE, AtlasRect(ATLAS_SURFACE_STRIP, 0, g_wavePhase));
    }
    return 1;
}

static int DrawLiquid(int x, int y, int sx, int sy)
{
    if (g_board[x][y].level <= 0) {
        return 1;
    }
    RunPhaseTimer(&g_wavePhase, &g_waveTime, WAVE_INTERVAL);
    return DrawMouthStream(x, y, sx, sy) && DrawLiquidBody(x, y, sx, sy);
}

// A pouring tap gains a unit in the frames in which it is the one that turns
// the stream phase. Below the bottom row lies no board to pour into.
static int PourTap(int x, int y, int sx, int sy)
{
    Cell* cell = &g_board[x][y];
    if (cell->tile != TILE_TAP || cell->active == 0) {
        return 1;
    }
    if (RunPhaseTimer(&g_streamPhase, &g_streamTime, STREAM_INTERVAL)) {
        cell->level++;
    }
    if (y == LAST_ROW) {
        return 1;
    }
    return Draw(sx, sy + CELL_SIZE, AtlasRect(ATLAS_TAP_STREAM, 0, g_streamPhase));
}

// A plate stays down while something presses it between two drawings, and
// springs back in the first drawing after the pressing stops.
static void StepPlate(Cell* cell)
{
    if (cell->tile != TILE_SWITCH_PLATE) {
        return;
    }
    if (cell->switchOn != 0) {
        cell->frameBase = 1;
        cell->switchOn = 0;
        if (cell->frame == 0 && g_seOn) {
            PlaySound(SOUND_PSWITCH);
        }
        cell->frame = 1;
    } else if (cell->frameBase != 0) {
        cell->frameBase = 0;
        cell->switchOn = 0;
        StoreSwitchState(cell->switchNo, 0);
        ApplySwitches();
    }
}

// Belts cycle forwards moving left, backwards moving right, and stand while
// stopped; other devices keep their frame; every other cell shows frameBase.
static void StepAnimation(Cell* cell)
{
    if (Since(cell->animTime) <= (DWORD)cell->animInterval) {
        return;
    }
    if (cell->direction == 1 && cell->active != 0) {
        cell->frame = (cell->frame + 2) % cell->frameCount + cell->frameBase;
    }
    if ((cell->direction == -1 && cell->active != 0) || cell->kind != KIND_DEVICE) {
        cell->frame = (cell->frame + 1) % cell->frameCount + cell->frameBase;
    }
    cell->animTime = (int)g_now;
}

static int CaseHolds(int when, const Cell* cell)
{
    if (when == SHOWN_ACTIVE) {
        return cell->active != 0;
    }
    if (when == SHOWN_STOPPED) {
        return cell->direction == 0 || cell->active == 0;
    }
    return 1;
}

static RECT TilePicture(const Cell* cell)
{
    for (const TilePictureCase& shown : TILE_PICTURE_CASES) {
        if (shown.tile == cell->tile && CaseHolds(shown.when, cell)) {
            return AtlasRect(shown.picture);
        }
    }
    return AtlasRect(ATLAS_TILE, cell->tile, cell->frame);
}

// Tile codes the table does not list (a damaged map) have no picture: such a
// cell is left undrawn rather than ending the board drawing every frame.
static int HasPicture(const Cell* cell)
{
    return cell->tile >= 0 && cell->tile < TILE_CODES;
}

static int DrawCell(int x, int y)
{
    Cell* cell = &g_board[x][y];
    int sx = BOARD_SCREEN_X + CELL_SIZE * x;
    int sy = BOARD_SCREEN_Y + CELL_SIZE * y;
    if (!DrawLiquid(x, y, sx, sy) || !PourTap(x, y, sx, sy)) {
        return 0;
    }
    StepPlate(cell);
    StepAnimation(cell);
    return !HasPicture(cell) || Draw(sx, sy, TilePicture(cell));
}

// A rolling item cycles its pictures; a resting one shows whether it covers
// targets (crate, metal, boulder) and how far it has melted.
static void ChooseItemPicture(Item* item)
{
    int row;
    if (item->rolling != 0) {
        if (Since(item->animTime) <= (DWORD)item->animInterval) {
            return;
        }
        item->animTime = (int)g_now;
        item->animFrame = (item->animFrame + 1) % ITEM_ROLL_FRAMES;
        row = item->animFrame;
    } else {
        row = item->type >= ITEM_CRATE && item->type <= ITEM_BOULDER ? item->onTarget : 0;
        if (item->life < ITEM_LIFE_WORN) {
            row = 1;
        }
        if (item->life < ITEM_LIFE_MELTING) {
            row = 2;
        }
    }
    RECT rows = AtlasRect(ATLAS_ITEM, 0, row);
    item->src.top = rows.top;
    item->src.bottom = rows.bottom;
}

static void DrawItems(void)
{
    for (int i = 0; i < g_itemCount && i < MAX_ITEMS; i++) {
        Item* item = &g_items[i];
        // Item codes beyond the five kinds (a damaged map) have no picture.
        if (item->type < ITEM_CRATE || item->type > ITEM_STAR) {
            continue;
        }
        ChooseItemPicture(item);
        if (item->life != 0 && !Draw(item->x + BOARD_SCREEN_X, item->y + BOARD_SCREEN_Y, item->src)) {
            return;
        }
    }
}

void DrawBoard(void)
{
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            if (!DrawCell(x, y)) {
                return;
            }
        }
    }
    DrawItems();
}
