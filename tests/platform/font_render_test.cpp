// Tests for CP932 text rendering into indexed canvases: face choice, cell
// fit, italic lean, clipping, bad input and transparency.
#include "font_render.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <png.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr uint8_t kInk = 200;
constexpr uint8_t kPaper = 7;
constexpr int kGuard = 16;
const std::string kPGothic = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";  // ＭＳ Ｐゴシック
const std::string kGothic = "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e";           // ＭＳ ゴシック

std::string Sjis(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string out(utf8.size() * 2, '\0');
    char* in = const_cast<char*>(utf8.data());
    char* to = out.data();
    size_t inLeft = utf8.size(), outLeft = out.size();
    iconv(cd, &in, &inLeft, &to, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

struct Box {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // right/bottom inclusive
    int count = 0;
};

// A canvas inside a larger buffer whose border must never be written.
struct GuardedCanvas {
    int width, height, stride;
    std::vector<uint8_t> memory;
    plat::IndexedCanvas canvas;

    GuardedCanvas(int w, int h) : width(w), height(h), stride(w + 2 * kGuard),
                                  memory(static_cast<size_t>(stride) * (h + 2 * kGuard), kPaper) {
        canvas = {memory.data() + kGuard * stride + kGuard, w, h, stride};
    }
    uint8_t At(int x, int y) const { return memory[(y + kGuard) * stride + x + kGuard]; }
    bool GuardClean() const {
        for (int y = -kGuard; y < height + kGuard; ++y)
            for (int x = -kGuard; x < width + kGuard; ++x)
                if ((x < 0 || y < 0 || x >= width || y >= height) && At(x, y) != kPaper) return false;
        return true;
    }
    Box Inked() const {
        Box box;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (At(x, y) == kInk) {
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                           std::max(box.bottom, y), box.count + 1};
                }
        return box;
    }
    // Mean x of the inked pixels in rows [from, to).
    double MeanInkX(int from, int to) const {
        double sum = 0;
        int n = 0;
        for (int y = from; y < to; ++y)
            for (int x = 0; x < width; ++x)
                if (At(x, y) == kInk) sum += x, ++n;
        return n ? sum / n : -1;
    }
};

plat::FontRequest Font(bool italic = false, int height = 24, int weight = 400) {
    return {height, weight, italic, kPGothic};
}

bool Draw(GuardedCanvas& c, const std::string& text, int x, int y, const plat::FontRequest& font = Font()) {
    return plat::RenderText(font, c.canvas, x, y, text.data(), static_cast<int>(text.size()), kInk);
}

void WritePng(const GuardedCanvas& c, const char* path) {
    FILE* file = std::fopen(path, "wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, c.width, c.height, 8, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(c.width);
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) row[x] = c.At(x, y) == kInk ? 0 : 255;
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

TEST(FontResolve, WindowsJapaneseNamesMapToIpaFamilies) {
    std::string pgothic = plat::ResolvedFontFile(kPGothic);
    EXPECT_NE(pgothic.find("ipagp.ttf"), std::string::npos) << pgothic;
    EXPECT_NE(pgothic.find("(IPAPGothic)"), std::string::npos) << pgothic;
    EXPECT_NE(plat::ResolvedFontFile("MS PGothic").find("(IPAPGothic)"), std::string::npos);
    EXPECT_NE(plat::ResolvedFontFile(kGothic).find("(IPAGothic)"), std::string::npos);
}

TEST(FontResolve, UnknownOrNonJapaneseFacesStillDrawKana) {
    for (std::string face : {"No Such Face 123", "DejaVu Sans", ""}) {
        EXPECT_EQ(plat::ResolvedFontFile(face).find("DejaVu"), std::string::npos) << face;
        GuardedCanvas c(40, 30);
        ASSERT_TRUE(Draw(c, "\x82\xa0", 2, 2, {24, 400, false, face})) << face;
        EXPECT_GT(c.Inked().count, 20) << face;
    }
}

TEST(FontRender, KanaLandsInsideItsCell) {
    GuardedCanvas c(100, 60);
    ASSERT_TRUE(Draw(c, "\x82\xa0", 10, 10));  // あ
    Box box = c.Inked();
    EXPECT_GT(box.count, 30);
    EXPECT_GE(box.left, 10);
    EXPECT_LT(box.right, 10 + 24);
    EXPECT_GE(box.top, 10);
    EXPECT_LT(box.bottom, 10 + 24);
    EXPECT_TRUE(c.GuardClean());
}

TEST(FontRender, Height24LineFitsIn24RowsAndUsesMostOfThem) {
    GuardedCanvas c(300, 60);
    ASSERT_TRUE(Draw(c, Sjis("「漢字」gyÅ|"), 5, 20));
    Box box = c.Inked();
    EXPECT_GE(box.top, 20);
    EXPECT_LT(box.bottom, 20 + 24);
    EXPECT_GE(box.bottom - box.top + 1, 18);
}

// IPA P Gothic: 2048 units per em, Windows ascent 1802 and descent 401. A
// cell of 24 is a 22 px em with the baseline 20 rows down; an em of -22 has
// the same glyphs with the baseline at 19.
TEST(FontRender, CellAndEmHeightsPlaceTheBaseline) {
    GuardedCanvas cell(40, 40), em(40, 40), byDefault(40, 40);
    Draw(cell, "H", 0, 0);
    Draw(em, "H", 0, 0, Font(false, -22));
    Draw(byDefault, "H", 0, 0, Font(false, 0));
    Box cellBox = cell.Inked(), emBox = em.Inked();
    EXPECT_EQ(cellBox.bottom, 19);
    EXPECT_EQ(emBox.bottom, 18);
    EXPECT_EQ(cellBox.bottom - cellBox.top, emBox.bottom - emBox.top);
    EXPECT_EQ(cellBox.count, emBox.count);
    EXPECT_GT(byDefault.Inked().count, 0);
    EXPECT_LT(byDefault.Inked().bottom, 12);
}

TEST(FontRender, AdvancesAreProportional) {
    GuardedCanvas narrow(300, 40), wide(300, 40);
    Draw(narrow, "iiiiiiii", 0, 0);
    Draw(wide, "WWWWWWWW", 0, 0);
    EXPECT_LT(narrow.Inked().right * 2, wide.Inked().right);
}

TEST(FontRender, ItalicLeansRightAtTheTop) {
    const std::string bar = "\x81\x62";  // full-width vertical line
    GuardedCanvas upright(60, 40), italic(60, 40);
    Draw(upright, bar, 10, 5);
    Draw(italic, bar, 10, 5, Font(true));
    EXPECT_NE(upright.memory, italic.memory);
    EXPECT_NEAR(upright.MeanInkX(5, 12), upright.MeanInkX(22, 29), 1.0);
    EXPECT_GT(italic.MeanInkX(5, 12) - italic.MeanInkX(22, 29), 2.0);
}

TEST(FontRender, BoldWeightInksMore) {
    GuardedCanvas normal(200, 40), bold(200, 40);
    Draw(normal, Sjis("文字"), 0, 0);
    Draw(bold, Sjis("文字"), 0, 0, Font(false, 24, 700));
    EXPECT_GT(bold.Inked().count, normal.Inked().count * 11 / 10);
}

TEST(FontRender, ClipsAtEveryEdge) {
    const std::string text = Sjis("あいうえお漢字");
    GuardedCanvas c(50, 20);
    ASSERT_TRUE(Draw(c, text, -12, -10, Font(true)));
    ASSERT_TRUE(Draw(c, text, 30, 8, Font(true)));
    ASSERT_TRUE(Draw(c, text, -500, 200));
    EXPECT_GT(c.Inked().count, 0);
    EXPECT_TRUE(c.GuardClean());
}

TEST(FontRender, BadCp932IsSkippedWithinTheGivenLength) {
    GuardedCanvas clean(120, 40), truncated(120, 40), junk(120, 40), shortLength(120, 40);
    Draw(clean, "\x82\xa0\x82\xa2", 0, 0);
    std::vector<char> leadAtEnd{'\x82', '\xa0', '\x82', '\xa2', '\x82'};  // exactly sized: no terminator to lean on
    plat::RenderText(Font(), truncated.canvas, 0, 0, leadAtEnd.data(), 5, kInk);
    Draw(junk, "\x82\xa0\xff\x82\xa2", 0, 0);
    plat::RenderText(Font(), shortLength.canvas, 0, 0, "\x82\xa0\x82\xa2\x82\xa4", 4, kInk);
    EXPECT_EQ(truncated.memory, clean.memory);
    EXPECT_EQ(junk.memory, clean.memory);
    EXPECT_EQ(shortLength.memory, clean.memory);
}

TEST(FontRender, EmptyTextDrawsNothingButSucceeds) {
    GuardedCanvas c(40, 40);
    EXPECT_TRUE(plat::RenderText(Font(), c.canvas, 0, 0, "\x82\xa0", 0, kInk));
    EXPECT_TRUE(plat::RenderText(Font(), c.canvas, 0, 0, nullptr, -3, kInk));
    EXPECT_EQ(c.Inked().count, 0);
}

TEST(FontRender, BackgroundIsTransparent) {
    GuardedCanvas c(120, 40);
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x) c.canvas.pixels[y * c.canvas.pitch + x] = static_cast<uint8_t>(x * 7 + y);
    const GuardedCanvas before = c;
    Draw(c, Sjis("あいう"), 3, 3, Font(true));
    int changed = 0;
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            if (c.At(x, y) != before.At(x, y)) {
                ++changed;
                EXPECT_EQ(c.At(x, y), kInk);
            }
    EXPECT_GT(changed, 0);
}

TEST(FontRender, WritesSampleLinePng) {
    GuardedCanvas c(640, 100);
    Draw(c, Sjis("ＭＳ Ｐゴシック：カエルは池を目指す。"), 10, 10, Font(true));
    Draw(c, Sjis("漢字とかなの混じった文、ABC xyz 123"), 10, 50, Font(false));
    std::string path = std::string(FONT_RENDER_PNG_DIR) + "/font_render_sample.png";
    WritePng(c, path.c_str());
    FILE* written = std::fopen(path.c_str(), "rb");
    EXPECT_NE(written, nullptr);
    if (written) std::fclose(written);
}

}  // namespace
