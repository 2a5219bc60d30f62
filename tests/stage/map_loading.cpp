// Loading map text from memory through the game's map reader.
#include "stage/map_loading.h"

#include "stage/map_reader.h"

static void Collect(void* context, int fault, int line, int column)
{
    static_cast<std::vector<SeenFault>*>(context)->push_back({fault, line, column});
}

std::vector<SeenFault> LoadMapText(const std::string& text)
{
    std::vector<SeenFault> faults;
    MapBytes bytes = {reinterpret_cast<const unsigned char*>(text.data()), text.size(), 0};
    MapText mapText;
    OpenMapText(&mapText, NextMemoryByte, &bytes);
    ReadStageMap(&mapText, 0, MapReport{Collect, &faults});
    return faults;
}

std::string WalledMap(const std::vector<std::string>& rows, const std::string& frog)
{
    std::string text = frog + "\n";
    for (size_t y = 0; y < 19; y++) {
        std::string row = y < rows.size() ? rows[y] : "";
        while (row.size() < 50) {
            row += "10";
        }
        text += row + "\n";
    }
    return text;
}
