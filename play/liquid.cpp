// FlowLiquid: bodies of liquid are labelled row by row, each moves one unit
// from its highest surface to its lowest free one, then local rules move
// single units between neighbours and the side columns drain.
#include "play/liquid.h"

#include "stage/board.h"

// A row gets a new label only where its left neighbour has none, so 19 rows
// of 25 cells use at most 19 x 13 labels.
static const int LABELS = 255;
static const int LAST_COLUMN = BOARD_COLUMNS - 1;

struct Bodies {
    int parent[LABELS];
    double highest[LABELS];
    int sourceX[LABELS];
    int sourceY[LABELS];
    double lowest[LABELS];
    int destX[LABELS];
    int destY[LABELS];
};

static int IsWet(const Cell* cell)
{
    return cell->permeable && cell->level >= 1;
}

static int CanTake(const Cell* cell)
{
    return cell->permeable && !CellIsFull(cell);
}

static void MoveUnit(Cell* from, Cell* to)
{
    from->level--;
    to->level++;
}

static void ResetBodies(Bodies* bodies)
{
    for (int i = 0; i < LABELS; i++) {
        bodies->parent[i] = i;
        bodies->highest[i] = 0.0;
        bodies->sourceX[i] = -1;
        bodies->sourceY[i] = -1;
        bodies->lowest[i] = 9999.0;
        bodies->destX[i] = -1;
        bodies->destY[i] = -1;
    }
}

// A wet cell takes the label from above, else from the left, else a new one;
// where both neighbours are labelled, the larger label is recorded as equal
// to the smaller, replacing what it was recorded as before.
static void LabelCell(int x, int y, int* counter, Bodies* bodies)
{
    Cell* cell = &g_board[x][y];
    int up = y > 0 ? g_board[x][y - 1].region : 0;
    int left = x > 0 ? g_board[x - 1][y].region : 0;
    if (!IsWet(cell)) {
        cell->region = 0;
    } else if (up != 0) {
        cell->region = left != 0 ? left : up;
        if (left != 0 && left < up) {
            bodies->parent[up] = left;
        } else if (left > up) {
            bodies->parent[left] = up;
        }
    } else if (left != 0) {
        cell->region = left;
    } else {
        cell->region = ++*counter;
    }
}

static void LabelBodies(Bodies* bodies)
{
    int counter = 0;
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            LabelCell(x, y, &counter, bodies);
        }
    }
}

// Every recorded equality points to a smaller label, so each walk ends.
static void ResolveLabels(Bodies* bodies)
{
    for (int i = 1; i < LABELS; i++) {
        int root = i;
        while (bodies->parent[root] != root) {
            root = bodies->parent[root];
        }
        bodies->parent[i] = root;
    }
}

// The highest surface gives; the lowest top surface, or the open cell above a
// full one, takes.
static void FindEnds(int x, int y, Bodies* bodies)
{
    Cell* cell = &g_board[x][y];
    int label = bodies->parent[cell->region];
    cell->region = label;
    if (label == 0) {
        return;
    }
    double height = CellSurfaceHeight(cell, y);
    if (height > bodies->highest[label]) {
        bodies->highest[label] = height;
        bodies->sourceX[label] = x;
        bodies->sourceY[label] = y;
    }
    if (y == 0 || g_board[x][y - 1].region != 0 || height >= bodies->lowest[label]) {
        return;
    }
    if (!CellIsFull(cell)) {
        bodies->lowest[label] = height;
        bodies->destX[label] = x;
        bodies->destY[label] = y;
    } else if (g_board[x][y - 1].permeable) {
        bodies->lowest[label] = height;
        bodies->destX[label] = x;
        bodies->destY[label] = y - 1;
    }
}

static void EvenOutBodies(Bodies* bodies)
{
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            FindEnds(x, y, bodies);
        }
    }
    for (int i = 1; i < LABELS; i++) {
        if (bodies->sourceX[i] >= 0 && bodies->destX[i] >= 0) {
            MoveUnit(&g_board[bodies->sourceX[i]][bodies->sourceY[i]],
                     &g_board[bodies->destX[i]][bodies->destY[i]]);
        }
    }
}

// Sideways to a lower neighbour, right first, then left.
static void Spread(int x, int y)
{
    Cell* cell = &g_board[x][y];
    if (x < LAST_COLUMN) {
        Cell* right = &g_board[x + 1][y];
        if (cell->level != 0 && CanTake(right) && CellFillHeight(right) < CellFillHeight(cell)) {
            MoveUnit(cell, right);
        }
    }
    if (x > 0) {
        Cell* left = &g_board[x - 1][y];
        if (cell->level != 0 && CanTake(left) && CellFillHeight(left) < CellFillHeight(cell)) {
            MoveUnit(cell, left);
        }
    }
}

static int IsWetReceiver(const Cell* cell)
{
    return cell->level != 0 && CanTake(cell);
}

// A closed cell still holding liquid gives it down, or to wet neighbours.
static void Spill(int x, int y)
{
    Cell* cell = &g_board[x][y];
    Cell* below = &g_board[x][y + 1];
    if (cell->level > 0 && CanTake(below)) {
        MoveUnit(cell, below);
    }
    if (cell->level > 0 && x > 0 && IsWetReceiver(&g_board[x - 1][y])) {
        MoveUnit(cell, &g_board[x - 1][y]);
    }
    if (cell->level > 0 && x < LAST_COLUMN && IsWetReceiver(&g_board[x + 1][y])) {
        MoveUnit(cell, &g_board[x + 1][y]);
    }
    if (cell->level > 0 && y > 0 && IsWetReceiver(&g_board[x][y - 1])) {
        MoveUnit(cell, &g_board[x][y - 1]);
    }
}

// Row 18's cells look at the hidden row below, which never takes liquid.
static void ApplyLocalRules(int x, int y)
{
    Cell* cell = &g_board[x][y];
    Cell* below = &g_board[x][y + 1];
    if (cell->level != 0 && CanTake(below)) {
        MoveUnit(cell, below);
    } else {
        Spread(x, y);
    }
    if (y > 0 && g_board[x][y - 1].level != 0 && CanTake(cell)) {
        MoveUnit(&g_board[x][y - 1], cell);
    }
    if (!cell->permeable && cell->level != 0) {
        Spill(x, y);
    }
}

static void DrainEdges(void)
{
    for (int y = 0; y < BOARD_ROWS; y++) {
        if (g_board[0][y].level != 0) {
            g_board[0][y].level--;
        }
        if (g_board[LAST_COLUMN][y].level != 0) {
            g_board[LAST_COLUMN][y].level--;
        }
    }
}

void FlowLiquid(void)
{
    Bodies bodies;
    ResetBodies(&bodies);
    LabelBodies(&bodies);
    ResolveLabels(&bodies);
    EvenOutBodies(&bodies);
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            ApplyLocalRules(x, y);
        }
    }
    DrainEdges();
}
