// A tool's requests of the window; the game makes none.
#include "tool_panel.h"

namespace plat {

static int g_toolPanelWidth;
static bool g_toolTakesEveryKey;

void SetToolPanelWidth(int width)
{
    g_toolPanelWidth = width > 0 ? width : 0;
}

int ToolPanelWidth()
{
    return g_toolPanelWidth;
}

void SetToolTakesEveryKey(bool every)
{
    g_toolTakesEveryKey = every;
}

bool ToolTakesEveryKey()
{
    return g_toolTakesEveryKey;
}

}  // namespace plat
