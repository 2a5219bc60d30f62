// The Windows font lookup's names: which registry entry and which face of a
// collection answers the game's request for its Gothic face.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "font_face_names.h"

namespace {

using plat::FaceIndexIn;
using plat::FacesOfEntry;

TEST(FontFaceNamesTest, JapaneseFaceNamesAreLookedUpByTheirRegisteredNames)
{
    EXPECT_EQ(plat::RegisteredFaceName("ＭＳ Ｐゴシック"), "MS PGothic");
    EXPECT_EQ(plat::RegisteredFaceName("ＭＳ ゴシック"), "MS Gothic");
    EXPECT_EQ(plat::RegisteredFaceName("Arial"), "Arial");
    // Half-width letters are another name, not a spelling of the same one.
    EXPECT_EQ(plat::RegisteredFaceName("MS Pゴシック"), "MS Pゴシック");
}

TEST(FontFaceNamesTest, ACollectionEntryNamesItsFacesInOrder)
{
    std::vector<std::string> faces = FacesOfEntry("MS Gothic & MS UI Gothic & MS PGothic (TrueType)");
    EXPECT_EQ(faces, (std::vector<std::string>{"MS Gothic", "MS UI Gothic", "MS PGothic"}));
    // MS PGothic must not be taken for MS Gothic, nor the other way round.
    EXPECT_EQ(FaceIndexIn(faces, "MS PGothic"), 2);
    EXPECT_EQ(FaceIndexIn(faces, "ms gothic"), 0);
    EXPECT_EQ(FaceIndexIn(faces, "Gothic"), -1);
    EXPECT_EQ(FacesOfEntry("Yu Gothic UI (TrueType)"), std::vector<std::string>{"Yu Gothic UI"});
    EXPECT_EQ(FacesOfEntry("Meiryo"), std::vector<std::string>{"Meiryo"});
    EXPECT_TRUE(FacesOfEntry("").empty());
}

TEST(FontFaceNamesTest, EntryFilesAreInTheFontsFolderUnlessGivenInFull)
{
    EXPECT_EQ(plat::FontEntryPath("C:\\Windows\\Fonts", "msgothic.ttc"), "C:\\Windows\\Fonts\\msgothic.ttc");
    // Fonts installed for one user are registered with their whole path.
    const std::string own = "C:\\Users\\ユーザー\\AppData\\Local\\Microsoft\\Windows\\Fonts\\ipagp.ttf";
    EXPECT_EQ(plat::FontEntryPath("C:\\Windows\\Fonts", own), own);
    EXPECT_EQ(plat::FontEntryPath("C:\\Windows\\Fonts", "\\\\server\\fonts\\a.ttf"), "\\\\server\\fonts\\a.ttf");
}

}  // namespace
