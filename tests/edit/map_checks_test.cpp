// The editor's checks on small broken maps: the reader's faults at their cells,
// and the warnings for what loads but cannot be meant.
#include <gtest/gtest.h>

#include <string>

#include "map_checks.h"
#include "stage/map_reader.h"

namespace {

// A walled board with a crate on a floor, a target beside it and the frog above.
MapDocument SoundBoard(void)
{
    MapDocument document = NewMapDocument();
    document.cells[5][17] = MapCellChars{'X', '0'};
    document.cells[8][17] = MapCellChars{'R', '0'};
    document.frogColumn = 3;
    document.frogRow = 15;
    return document;
}

std::vector<int> WarningKinds(const MapDocument& document)
{
    std::vector<int> kinds;
    for (const MapCheck& check : CheckMap(document).found) {
        if (!check.fault) {
            kinds.push_back(check.kind);
        }
    }
    return kinds;
}

const MapCheck* Find(const std::vector<MapCheck>& found, bool fault, int kind)
{
    for (const MapCheck& check : found) {
        if (check.fault == fault && check.kind == kind) {
            return &check;
        }
    }
    return nullptr;
}

TEST(MapChecks, NoShippedMapHasAFaultOrAWarning)
{
    for (int n = 1; n <= 40; n++) {
        std::string bytes;
        ASSERT_TRUE(ReadFileBytes(std::string(SOURCE_DIR) + "/map/map" + std::to_string(n) + ".map", &bytes));
        for (const MapCheck& check : CheckMap(OpenMapDocument(bytes).document).found) {
            ADD_FAILURE() << "map " << n << " (" << check.x << ", " << check.y << "): " << check.text;
        }
    }
    EXPECT_TRUE(CheckMap(SoundBoard()).found.empty());
}

TEST(MapChecks, ReaderFaultsCarryTheirLineColumnAndCell)
{
    std::string bytes = MapDocumentBytes(NewMapDocument());
    // Row 4, column 7: line 6, column 15 of the file.
    size_t at = 3 + 4 * 51 + 7 * 2;
    bytes[at] = '/';
    bytes.insert(3 + 51 * 2 - 1, "1111");
    std::vector<MapCheck> found = MapFaults(bytes);
    const MapCheck* unknown = Find(found, true, MAP_FAULT_UNKNOWN_TILE);
    ASSERT_NE(unknown, nullptr);
    EXPECT_EQ(unknown->line, 6);
    EXPECT_EQ(unknown->column, 15);
    EXPECT_EQ(unknown->x, 7);
    EXPECT_EQ(unknown->y, 4);
    const MapCheck* longLine = Find(found, true, MAP_FAULT_LONG_LINE);
    ASSERT_NE(longLine, nullptr);
    EXPECT_EQ(longLine->line, 3);
    EXPECT_EQ(longLine->x, -1);
}

TEST(MapChecks, FaultsOfTheDocumentAreTheOnesItWouldSaveWith)
{
    MapDocument document = SoundBoard();
    document.cells[3][9] = MapCellChars{'G', '1'};
    document.cells[4][9] = MapCellChars{'H', '0'};
    document.cells[6][5] = MapCellChars{'F', '4'};
    std::vector<MapCheck> found = CheckMap(document).found;
    EXPECT_EQ(CountFaults(found), 2);
    const MapCheck* belt = Find(found, true, MAP_FAULT_OPEN_BELT);
    ASSERT_NE(belt, nullptr);
    EXPECT_EQ(belt->x, 3);
    EXPECT_EQ(belt->y, 9);
    const MapCheck* porthole = Find(found, true, MAP_FAULT_NO_SUCH_SWITCH);
    ASSERT_NE(porthole, nullptr);
    EXPECT_EQ(porthole->x, 6);
    EXPECT_EQ(porthole->y, 5);
}

TEST(MapChecks, TargetsWithoutEnoughItemsOrNoneAtAll)
{
    MapDocument none = SoundBoard();
    none.cells[8][17] = EMPTY_CELL;
    EXPECT_EQ(WarningKinds(none), std::vector<int>{CHECK_NO_TARGET});
    MapDocument two = SoundBoard();
    two.cells[10][17] = MapCellChars{'R', '0'};
    EXPECT_EQ(WarningKinds(two), std::vector<int>{CHECK_TOO_FEW_ITEMS});
    two.cells[12][17] = MapCellChars{'\\', '0'};
    EXPECT_TRUE(WarningKinds(two).empty());
}

TEST(MapChecks, ASwitchThatDrivesNothingIsMarkedUntilADeviceNamesIt)
{
    MapDocument document = SoundBoard();
    document.cells[2][17] = MapCellChars{'A', '0'};
    document.cells[7][3] = MapCellChars{'N', '1'};
    MapChecks checks = CheckMap(document);
    ASSERT_EQ(checks.found.size(), 2u);
    EXPECT_EQ(checks.found[0].kind, CHECK_IDLE_SWITCH);
    EXPECT_EQ(checks.found[0].x, 7);
    EXPECT_EQ(checks.found[0].text, "switch 1 drives nothing");
    document.cells[12][4] = MapCellChars{'F', '2'};
    document.cells[14][6] = MapCellChars{'G', '1'};
    document.cells[15][6] = MapCellChars{'I', '1'};
    document.cells[16][6] = MapCellChars{'J', '0'};
    EXPECT_TRUE(CheckMap(document).found.empty());
}

TEST(MapChecks, AWalledInItemAFrogInAWallAndTapsThatNeverPour)
{
    MapDocument document = SoundBoard();
    document.cells[12][17] = MapCellChars{'Z', '0'};
    document.cells[11][17] = WALL_CELL;
    document.cells[13][17] = WALL_CELL;
    document.cells[12][16] = WALL_CELL;
    document.cells[8][17] = MapCellChars{'R', '0'};
    document.cells[9][17] = MapCellChars{'R', '0'};
    document.frogColumn = 0;
    document.frogRow = 0;
    document.cells[3][1] = MapCellChars{'K', '0'};
    document.cells[6][6] = MapCellChars{'K', '1'};
    document.cells[5][6] = document.cells[7][6] = document.cells[6][5] = document.cells[6][7] = WALL_CELL;
    MapChecks checks = CheckMap(document);
    std::vector<int> kinds = WarningKinds(document);
    EXPECT_EQ(kinds, (std::vector<int>{CHECK_DRY_TAP, CHECK_BOXED_TAP, CHECK_WALLED_ITEM, CHECK_FROG_IN_WALL}));
    const MapCheck* walled = Find(checks.found, false, CHECK_WALLED_ITEM);
    ASSERT_NE(walled, nullptr);
    EXPECT_EQ(walled->x, 12);
    EXPECT_EQ(walled->y, 17);
}

}  // namespace
