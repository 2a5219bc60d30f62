// Writes the scene, frog, clock, items, liquid levels and switch states.
#include "sim_state.h"

#include <charconv>

#include "app/app_state.h"
#include "stage/board.h"
#include "stage/items.h"
#include "stage/play_state.h"
#include "stage/switches.h"

// Shortest text that reads back as the same double, with a decimal point.
static std::string Decimal(double value)
{
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, value);
    std::string out(text, result.ptr);
    if (out.find_first_of(".e") == std::string::npos) {
        out += ".0";
    }
    return out;
}

static std::string Field(const char* name, long long value)
{
    return std::string("\"") + name + "\":" + std::to_string(value);
}

static std::string FrogJson(void)
{
    return "{" + Field("x", g_frogX) + "," + Field("y", g_frogY) + "," + Field("vx", g_frogVx) +
           ",\"vy\":" + Decimal(g_frogVy) + "," + Field("pose", g_frogPose) + "," +
           Field("airborne", g_frogAirborne) + "," + Field("onItem", g_frogOnItem) + "}";
}

static std::string ItemsJson(void)
{
    std::string out = "[";
    for (int i = 0; i < g_itemCount; i++) {
        const Item& item = g_items[i];
        out += (i > 0 ? ",{" : "{") + Field("type", item.type) + "," + Field("x", item.x) + "," +
               Field("y", item.y) + "," + Field("life", item.life) + "," + Field("onTarget", item.onTarget) + "}";
    }
    return out + "]";
}

static std::string LevelsJson(void)
{
    std::string out = "[";
    for (int y = 0; y < BOARD_ROWS; y++) {
        out += y > 0 ? ",[" : "[";
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            out += (x > 0 ? "," : "") + std::to_string(g_board[x][y].level);
        }
        out += "]";
    }
    return out + "]";
}

// Switches are numbered 1 upwards in reading order, so the highest number on
// the board is their count.
static std::string SwitchesJson(void)
{
    int count = 0;
    for (int y = 0; y < BOARD_ROWS; y++) {
        for (int x = 0; x < BOARD_COLUMNS; x++) {
            if (g_board[x][y].switchNo > count && g_board[x][y].switchNo < SWITCH_SLOTS) {
                count = g_board[x][y].switchNo;
            }
        }
    }
    std::string out = "[";
    for (int n = 1; n <= count; n++) {
        out += (n > 1 ? "," : "") + std::to_string(g_switchState[n]);
    }
    return out + "]";
}

std::string StateJson(int frame)
{
    return "{" + Field("frame", frame) + "," + Field("scene", g_scene) + ",\"frog\":" + FrogJson() + "," +
           Field("clock", g_playTime) + ",\"items\":" + ItemsJson() + ",\"levels\":" + LevelsJson() +
           ",\"switches\":" + SwitchesJson() + "}";
}
