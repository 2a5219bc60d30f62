// What a tool's window asks beyond the game's: room beside the game's picture
// for its own panel (a display mode that much wider than the one the game
// sets), and every key as a window message, not only the game's bound ones.
#ifndef PLATFORM_TOOL_PANEL_H
#define PLATFORM_TOOL_PANEL_H

namespace plat {

void SetToolPanelWidth(int width);
int ToolPanelWidth();
void SetToolTakesEveryKey(bool every);
bool ToolTakesEveryKey();

}  // namespace plat

#endif
