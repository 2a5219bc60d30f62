// Room beside the game's picture for a tool's own panel: a tool that asks for
// it gets a display mode that much wider than the one the game sets.
#ifndef PLATFORM_TOOL_PANEL_H
#define PLATFORM_TOOL_PANEL_H

namespace plat {

void SetToolPanelWidth(int width);
int ToolPanelWidth();

}  // namespace plat

#endif
