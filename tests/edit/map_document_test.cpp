// The editor's document: byte-exact round trips and the game's mends on open.
#include <gtest/gtest.h>

#include <string>

#include "map_checks.h"
#include "map_document.h"

namespace {

std::string ShippedMap(int n)
{
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(std::string(SOURCE_DIR) + "/map/map" + std::to_string(n) + ".map", &bytes)) << n;
    return bytes;
}

TEST(MapDocument, EveryShippedMapSavesToItsOwnBytesAndWritesThemBackFromTheCells)
{
    for (int n = 1; n <= 40; n++) {
        std::string bytes = ShippedMap(n);
        OpenedMap opened = OpenMapDocument(bytes);
        EXPECT_EQ(BytesToSave(opened.document, opened), bytes) << "map " << n;
        EXPECT_EQ(MapDocumentBytes(opened.document), bytes) << "map " << n;
    }
}

TEST(MapDocument, ANewMapIsAWalledEmptyBoardTheReaderTakesWithoutFault)
{
    MapDocument document = NewMapDocument();
    std::string bytes = MapDocumentBytes(document);
    EXPECT_EQ(bytes.size(), 3u + 19u * 51u);
    EXPECT_EQ(bytes.substr(0, 3), "11\n");
    EXPECT_EQ(bytes.substr(3, 51), "10101010101010101010101010101010101010101010101010\n");
    EXPECT_EQ(bytes.substr(54, 51), "10000000000000000000000000000000000000000000000010\n");
    EXPECT_TRUE(MapFaults(bytes).empty());
}

TEST(MapDocument, CrLfBytesSurviveAnUnchangedSaveAndAnyEditWritesPlainLf)
{
    std::string lf = ShippedMap(3);
    std::string crlf;
    for (char c : lf) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    OpenedMap opened = OpenMapDocument(crlf);
    EXPECT_EQ(BytesToSave(opened.document, opened), crlf);
    MapDocument edited = opened.document;
    edited.cells[5][5] = WALL_CELL;
    std::string saved = BytesToSave(edited, opened);
    EXPECT_EQ(saved.find('\r'), std::string::npos);
    EXPECT_EQ(saved.size(), lf.size());
}

TEST(MapDocument, DamagedFilesOpenAsTheGameMendsThemAndSaveWhole)
{
    // A short board, an over-long line, a cut cell at the end, a frog far outside.
    std::string damaged = "Zz\n" + std::string(60, '1') + "\n1X\n1";
    OpenedMap opened = OpenMapDocument(damaged);
    EXPECT_EQ(opened.document.frogColumn, 24);
    EXPECT_EQ(opened.document.frogRow, 18);
    EXPECT_EQ(opened.document.cells[24][0].tile, '1');
    EXPECT_EQ(opened.document.cells[0][1], (MapCellChars{'1', 'X'}));
    // The cut cell's missing parameter cannot be written, so it becomes "0".
    EXPECT_EQ(opened.document.cells[0][2], (MapCellChars{'1', '0'}));
    EXPECT_EQ(opened.document.cells[3][10], EMPTY_CELL);
    std::string saved = MapDocumentBytes(opened.document);
    EXPECT_EQ(saved.size(), 3u + 19u * 51u);
    EXPECT_TRUE(MapFaults(saved).empty());
    EXPECT_EQ(MapDocumentBytes(OpenMapDocument(saved).document), saved);
}

TEST(MapDocument, EmptyAndBinaryFilesOpenWithoutCrashing)
{
    EXPECT_EQ(MapDocumentBytes(OpenMapDocument("").document).size(), 3u + 19u * 51u);
    std::string noise;
    for (int i = 0; i < 3000; i++) {
        noise += (char)((i * 37 + 11) & 0xFF);
    }
    std::string saved = MapDocumentBytes(OpenMapDocument(noise).document);
    EXPECT_EQ(saved.size(), 3u + 19u * 51u);
    EXPECT_EQ(MapDocumentBytes(OpenMapDocument(saved).document), saved);
}

TEST(MapDocument, SavingReplacesTheFileWholeAndAMissingFolderFails)
{
    std::string path = testing::TempDir() + "/edit_save_test.map";
    ASSERT_TRUE(WriteFileBytes(path, "old"));
    ASSERT_TRUE(WriteFileBytes(path, "new bytes"));
    std::string back;
    ASSERT_TRUE(ReadFileBytes(path, &back));
    EXPECT_EQ(back, "new bytes");
    EXPECT_FALSE(WriteFileBytes(testing::TempDir() + "/no/such/folder/x.map", "x"));
    EXPECT_FALSE(ReadFileBytes(testing::TempDir() + "/no/such/file.map", &back));
}

}  // namespace
