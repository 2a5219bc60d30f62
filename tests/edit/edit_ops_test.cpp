// Every edit operation: what it changes, and undo and redo back to the same bytes.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "edit_clipboard.h"
#include "edit_history.h"
#include "map_checks.h"

namespace {

MapDocument Shipped(int n)
{
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(std::string(SOURCE_DIR) + "/map/map" + std::to_string(n) + ".map", &bytes));
    return OpenMapDocument(bytes).document;
}

const MapCellChars CRATE = {'X', '0'};

// Does the edit, undoes it to the first bytes, and redoes it to the edited ones.
void ExpectUndoRedoExact(MapDocument document, const EditOp& op)
{
    EditHistory history;
    std::string before = MapDocumentBytes(document);
    ASSERT_TRUE(ApplyEdit(&history, &document, op));
    std::string after = MapDocumentBytes(document);
    EXPECT_NE(after, before);
    ASSERT_TRUE(UndoEdit(&history, &document));
    EXPECT_EQ(MapDocumentBytes(document), before);
    ASSERT_TRUE(RedoEdit(&history, &document));
    EXPECT_EQ(MapDocumentBytes(document), after);
}

TEST(EditOps, EachOperationUndoesAndRedoesToTheSameBytesOnAShippedMap)
{
    MapDocument map = Shipped(32);
    MapClip clip = CopyRect(map, CellPos{1, 1}, CellPos{6, 4});
    MapClip scratch;
    const std::function<EditOp(const MapDocument&)> ops[] = {
        [](const MapDocument& d) { return PaintOp(d, {CellPos{3, 3}}, CRATE); },
        [](const MapDocument& d) { return PaintOp(d, LineCells({1, 1}, {23, 17}), WALL_CELL); },
        [](const MapDocument& d) { return PaintOp(d, RectCells({2, 2}, {9, 12}), EMPTY_CELL); },
        [](const MapDocument& d) { return ParamOp(d, CellPos{0, 0}, '7'); },
        [](const MapDocument& d) { return FrogOp(d, CellPos{12, 3}); },
        [](const MapDocument& d) { return FillLiquidOp(d, CellPos{12, 9}, 24); },
        [](const MapDocument& d) { return BeltOp(d, CellPos{3, 10}, 8, -1, 0, 0); },
        [&](const MapDocument& d) { return CutOp(d, CellPos{1, 1}, CellPos{6, 4}, &scratch); },
        [&](const MapDocument& d) { return PasteOp(d, clip, CellPos{20, 14}); },
    };
    for (size_t i = 0; i < sizeof ops / sizeof ops[0]; i++) {
        SCOPED_TRACE("operation " + std::to_string(i));
        ExpectUndoRedoExact(map, ops[i](map));
    }
}

TEST(EditOps, AChainOfEditsUndoesAllTheWayBackAndANewEditDropsTheRedos)
{
    MapDocument document = Shipped(40);
    std::string original = MapDocumentBytes(document);
    EditHistory history;
    for (int i = 0; i < 200; i++) {
        CellPos at = {1 + i % 23, 1 + (i * 7) % 17};
        ApplyEdit(&history, &document, PaintOp(document, {at}, i % 2 ? WALL_CELL : CRATE));
    }
    std::string edited = MapDocumentBytes(document);
    while (UndoEdit(&history, &document)) {
    }
    EXPECT_EQ(MapDocumentBytes(document), original);
    while (RedoEdit(&history, &document)) {
    }
    EXPECT_EQ(MapDocumentBytes(document), edited);
    UndoEdit(&history, &document);
    ApplyEdit(&history, &document, FrogOp(document, CellPos{5, 5}));
    EXPECT_FALSE(RedoEdit(&history, &document));
}

TEST(EditOps, EditsThatChangeNothingAreNotKept)
{
    MapDocument document = NewMapDocument();
    EditHistory history;
    EXPECT_FALSE(ApplyEdit(&history, &document, PaintOp(document, {CellPos{0, 0}}, WALL_CELL)));
    EXPECT_FALSE(ApplyEdit(&history, &document, FrogOp(document, CellPos{1, 1})));
    EXPECT_FALSE(ApplyEdit(&history, &document, PaintOp(document, {CellPos{-1, 3}, CellPos{25, 0}}, CRATE)));
    EXPECT_FALSE(ApplyEdit(&history, &document, BeltOp(document, CellPos{5, 5}, 5, 1, 0, 0)));
    EXPECT_FALSE(UndoEdit(&history, &document));
}

TEST(EditOps, LinesAndRectanglesCoverTheirCellsOnceFromEitherEnd)
{
    std::vector<CellPos> line = LineCells({2, 3}, {8, 5});
    EXPECT_EQ(line.size(), 7u);
    EXPECT_EQ(line.front().x, 2);
    EXPECT_EQ(line.back().x, 8);
    EXPECT_EQ(line.back().y, 5);
    EXPECT_EQ(LineCells({8, 5}, {2, 3}).size(), 7u);
    EXPECT_EQ(LineCells({4, 4}, {4, 4}).size(), 1u);
    EXPECT_EQ(RectCells({6, 2}, {2, 4}).size(), 15u);
}

TEST(EditOps, LiquidFillsOnlyTheConnectedOpenCellsAroundTheStart)
{
    MapDocument document = NewMapDocument();
    // A wall across column 10 parts the board; a ladder, a target and a crate join the left part.
    DoEdit(&document, PaintOp(document, LineCells({10, 1}, {10, 17}), WALL_CELL));
    document.cells[3][3] = MapCellChars{'2', '0'};
    document.cells[4][17] = MapCellChars{'R', '0'};
    document.cells[5][17] = CRATE;
    document.cells[6][6] = MapCellChars{'K', '1'};
    EditOp fill = FillLiquidOp(document, CellPos{2, 2}, 12);
    EXPECT_EQ(fill.cells.size(), 9u * 17u - 1u);
    DoEdit(&document, fill);
    EXPECT_EQ(document.cells[3][3], (MapCellChars{'2', '<'}));
    EXPECT_EQ(document.cells[4][17].param, '<');
    EXPECT_EQ(document.cells[5][17], (MapCellChars{'X', '<'}));
    EXPECT_EQ(document.cells[6][6], (MapCellChars{'K', '1'}));
    EXPECT_EQ(document.cells[11][5], EMPTY_CELL);
    EXPECT_TRUE(EditIsEmpty(FillLiquidOp(document, CellPos{0, 0}, 5)));
    EXPECT_TRUE(EditIsEmpty(FillLiquidOp(document, CellPos{2, 2}, 25)));
}

TEST(EditOps, ABeltIsALeftEndMiddlePiecesAndARightEndTheGameLinks)
{
    MapDocument document = NewMapDocument();
    document.cells[2][2] = MapCellChars{'N', '1'};
    document.cells[3][2] = MapCellChars{'A', '0'};
    DoEdit(&document, BeltOp(document, CellPos{4, 8}, 9, 1, 1, 2));
    EXPECT_EQ(document.cells[4][8], (MapCellChars{'G', '1'}));
    EXPECT_EQ(document.cells[6][8], (MapCellChars{'H', '1'}));
    EXPECT_EQ(document.cells[9][8], (MapCellChars{'J', '2'}));
    MapChecks checks = CheckMap(document);
    EXPECT_EQ(CountFaults(checks.found), 0);
    EXPECT_EQ(checks.switchNumber[2][2], 1);
    EXPECT_EQ(checks.switchNumber[7][8], 1);
    EXPECT_EQ(checks.switchNumber[9][8], 2);
}

TEST(EditClipboard, CutThenPasteElsewhereMovesTheRectangleAndClipsAtTheEdge)
{
    MapDocument document = NewMapDocument();
    document.cells[2][2] = CRATE;
    document.cells[3][3] = MapCellChars{'R', '0'};
    MapClip clip;
    DoEdit(&document, CutOp(document, CellPos{3, 3}, CellPos{2, 2}, &clip));
    EXPECT_EQ(clip.width, 2);
    EXPECT_EQ(clip.height, 2);
    EXPECT_EQ(document.cells[2][2], EMPTY_CELL);
    DoEdit(&document, PasteOp(document, clip, CellPos{5, 6}));
    EXPECT_EQ(document.cells[5][6], CRATE);
    EXPECT_EQ(document.cells[6][7], (MapCellChars{'R', '0'}));
    EditOp corner = PasteOp(document, clip, CellPos{24, 18});
    ASSERT_EQ(corner.cells.size(), 1u);
    EXPECT_EQ(corner.cells[0].after, CRATE);
    MapClip whole = CopyRect(document, CellPos{-5, -5}, CellPos{99, 99});
    EXPECT_EQ(whole.width * whole.height, 25 * 19);
}

}  // namespace

namespace {

TEST(EditOps, ADragMergedSegmentBySegmentUndoesInOneStepToTheBytesBeforeIt)
{
    MapDocument document = NewMapDocument();
    std::string before = MapDocumentBytes(document);
    EditOp stroke = PaintOp(document, {}, WALL_CELL);
    const CellPos path[] = {{2, 2}, {6, 2}, {6, 8}, {2, 2}};
    for (int i = 0; i + 1 < 4; i++) {
        EditOp segment = PaintOp(document, LineCells(path[i], path[i + 1]), i == 2 ? CRATE : WALL_CELL);
        DoEdit(&document, segment);
        MergeEdit(&stroke, segment);
    }
    EditOp frog = FrogOp(document, CellPos{9, 9});
    DoEdit(&document, frog);
    MergeEdit(&stroke, frog);
    std::string after = MapDocumentBytes(document);
    EditHistory history;
    KeepEdit(&history, stroke);
    ASSERT_TRUE(UndoEdit(&history, &document));
    EXPECT_EQ(MapDocumentBytes(document), before);
    ASSERT_TRUE(RedoEdit(&history, &document));
    EXPECT_EQ(MapDocumentBytes(document), after);
    EXPECT_EQ(document.cells[2][2], CRATE);
}

}  // namespace
