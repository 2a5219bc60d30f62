// The width of a tool's panel beside the picture; the game never sets one.
#include "tool_panel.h"

namespace plat {

static int g_toolPanelWidth;

void SetToolPanelWidth(int width)
{
    g_toolPanelWidth = width > 0 ? width : 0;
}

int ToolPanelWidth()
{
    return g_toolPanelWidth;
}

}  // namespace plat
