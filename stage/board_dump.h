// Readable pictures of the loaded board for tests and tools: liquid levels as
// a character grid, the whole stage as text, or every field as JSON.
#ifndef STAGE_BOARD_DUMP_H
#define STAGE_BOARD_DUMP_H

#include <string>

// One line per row of the top-left `columns` x `rows` cells. A cell shows "#"
// when liquid cannot enter it and it is dry, "." when it can and is dry, and
// otherwise its level: 1-9, then a-z for 10-35, "*" above, "-" below zero.
std::string DumpLevels(int columns, int rows);

// Frog start, items, switch states, then per row the tiles as map characters
// beside the levels, then every device with its state.
std::string DumpBoardText(void);

// Every field of every visible cell, the items in use and the switch states.
std::string DumpBoardJson(void);

#endif
