// Text and JSON dumps of the board, the items and the switch table.
#include "stage/board_dump.h"

#include <stdio.h>

#include "stage/board.h"
#include "stage/items.h"
#include "stage/play_state.h"
#include "stage/switches.h"
#include "stage/tiles.h"

static const char* const ITEM_NAMES[] = {"none", "crate", "metal", "boulder", "ice", "star"};

static char LevelChar(const Cell* cell)
{
    int level = cell->level;
    if (level == 0) {
        return cell->permeable ? '.' : '#';
    }
    if (level < 0) {
        return '-';
    }
    if (level < 10) {
        return (char)('0' + level);
    }
    return level < 36 ? (char)('a' + level - 10) : '*';
}

static char TileChar(int tile)
{
    int c = tile + '0';
    return c > ' ' && c < 127 ? (char)c : '?';
}

static std::string Format(const char* format, int a, int b = 0, int c = 0, int d = 0)
{
    char text[96];
    snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

static int SwitchCount(void)
{
    int count = 0;
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            count += g_board[x][y].kind == KIND_SWITCH;
        }
    }
    return count;
}

std::string DumpLevels(int columns, int rows)
{
    std::string out;
    for (int y = 0; y < rows && y < BOARD_ROWS; y++) {
        for (int x = 0; x < columns && x < BOARD_COLUMNS; x++) {
            out += LevelChar(&g_board[x][y]);
        }
        out += '\n';
    }
    return out;
}

static std::string ItemName(int type)
{
    return type >= 1 && type <= ITEM_STAR ? ITEM_NAMES[type] : Format("type%d", type);
}

static std::string DeviceLines(void)
{
    std::string out;
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            const Cell* cell = &g_board[x][y];
            if (cell->kind == KIND_DEVICE || cell->kind == KIND_TAP) {
                out += Format("device %d,%d tile %c", x, y, TileChar(cell->tile));
                out += Format(" active %d direction %d run %d dir %d", cell->active, cell->direction,
                              cell->runSwitch, cell->dirSwitch);
                out += Format(" head %d,%d\n", cell->headX, cell->headY);
            }
        }
    }
    return out;
}

std::string DumpBoardText(void)
{
    int switchCount = SwitchCount();
    std::string out = Format("frog %d,%d\nitems %d:", g_frogX, g_frogY, g_itemCount);
    for (int i = 0; i < g_itemCount; i++) {
        out += " " + ItemName(g_items[i].type) + Format("@%d,%d", g_items[i].x, g_items[i].y);
    }
    out += Format("\nswitches %d:", switchCount);
    for (int n = 1; n <= switchCount; n++) {
        out += Format(" %d", g_switchState[n]);
    }
    out += Format("\ntargets %d\n", g_targetCount);
    for (int y = 0; y < BOARD_ROWS; y++) {
        out += Format("%2d ", y);
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            out += TileChar(g_board[x][y].tile);
        }
        out += ' ';
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            out += LevelChar(&g_board[x][y]);
        }
        out += '\n';
    }
    return out + DeviceLines();
}

struct CellField {
    const char* name;
    int Cell::*field;
};

static const CellField CELL_FIELDS[] = {
    {"tile", &Cell::tile},           {"kind", &Cell::kind},
    {"passable", &Cell::passable},   {"region", &Cell::region},
    {"param", &Cell::param},         {"switchNo", &Cell::switchNo},
    {"runSwitch", &Cell::runSwitch}, {"dirSwitch", &Cell::dirSwitch},
    {"switchOn", &Cell::switchOn},   {"active", &Cell::active},
    {"direction", &Cell::direction}, {"headX", &Cell::headX},
    {"headY", &Cell::headY},         {"permeable", &Cell::permeable},
    {"level", &Cell::level},         {"maxHeight", &Cell::maxHeight},
    {"baseHeight", &Cell::baseHeight}, {"unitHeight", &Cell::unitHeight},
    {"frameCount", &Cell::frameCount}, {"frame", &Cell::frame},
    {"frameBase", &Cell::frameBase}, {"animTime", &Cell::animTime},
    {"animInterval", &Cell::animInterval},
};

static std::string CellJson(int x, int y)
{
    std::string out = Format("{\"x\":%d,\"y\":%d", x, y);
    for (const CellField& f : CELL_FIELDS) {
        out += std::string(",\"") + f.name + "\":" + Format("%d", g_board[x][y].*f.field);
    }
    return out + "}";
}

static std::string ItemJson(const Item* item)
{
    return Format("{\"type\":%d,\"x\":%d,\"y\":%d,", item->type, item->x, item->y) +
           Format("\"w\":%d,\"h\":%d,\"life\":%d}", item->w, item->h, item->life);
}

std::string DumpBoardJson(void)
{
    int switchCount = SwitchCount();
    std::string out = Format("{\"frog\":[%d,%d],\"targets\":%d,\"items\":[", g_frogX, g_frogY, g_targetCount);
    for (int i = 0; i < g_itemCount; i++) {
        out += (i > 0 ? "," : "") + ItemJson(&g_items[i]);
    }
    out += "],\"switches\":[";
    for (int n = 1; n <= switchCount; n++) {
        out += Format(n > 1 ? ",%d" : "%d", g_switchState[n]);
    }
    out += "],\"cells\":[";
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            out += (x + y > 0 ? ",\n" : "\n") + CellJson(x, y);
        }
    }
    return out + "\n]}\n";
}
