// Items only ever enter open cells, so a target needs an item of its own and
// a way in; ice that melts away still counts, as it may cover before it goes.
#include "board_check.h"

#include "stage/tiles.h"

static bool Passable(const PlaySnapshot& start, int x, int y)
{
    return x >= 0 && x < BOARD_COLUMNS && y >= 0 && y < BOARD_ROWS && start.board[x][y].passable != 0;
}

static bool ItemStartsOn(const PlaySnapshot& start, int x, int y)
{
    for (int i = 0; i < start.itemCount && i < MAX_ITEMS; i++) {
        const Item& item = start.items[i];
        if (item.life != 0 && item.x / CELL_SIZE == x && item.y / CELL_SIZE == y) {
            return true;
        }
    }
    return false;
}

static bool TargetWalledIn(const PlaySnapshot& start, int x, int y)
{
    return !ItemStartsOn(start, x, y) && !Passable(start, x - 1, y) && !Passable(start, x + 1, y) &&
           !Passable(start, x, y - 1) && !Passable(start, x, y + 1);
}

static int LiveItems(const PlaySnapshot& start)
{
    int count = 0;
    for (int i = 0; i < start.itemCount && i < MAX_ITEMS; i++) {
        count += start.items[i].life != 0;
    }
    return count;
}

bool BoardCanBeCleared(const PlaySnapshot& start, std::string& reason)
{
    int items = LiveItems(start);
    if (items == 0 || items < start.targetCount) {
        reason = "the board has " + std::to_string(start.targetCount) + " targets and only " +
                 std::to_string(items) + " items to cover them";
        return false;
    }
    for (int x = 0; x < BOARD_COLUMNS; x++) {
        for (int y = 0; y < BOARD_ROWS; y++) {
            if (start.board[x][y].tile == TILE_TARGET && TargetWalledIn(start, x, y)) {
                reason = "the target in column " + std::to_string(x + 1) + ", row " + std::to_string(y + 1) +
                         " is walled in on all four sides, so no item can reach it";
                return false;
            }
        }
    }
    return true;
}
