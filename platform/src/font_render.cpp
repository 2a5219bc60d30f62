// Glyph layout and monochrome rasterising with FreeType, with caches for the
// resolved faces and the sized FT_Faces (the caller makes a font per frame).
#include "font_render.h"

#include "data_files.h"
#include "font_cp932.h"
#include "font_match.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <map>
#include <mutex>
#include <tuple>

namespace plat {
namespace {

constexpr int kDefaultCellHeight = 12;
constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;
constexpr FT_Fixed kItalicSlant = 0x3333;  // 0.2 in 16.16
constexpr int kBoldDivisor = 24;           // embolden by em / 24, as FreeType's own synthesis

// A face opened at the pixel size a LOGFONT height asks for.
struct SizedFace {
    FT_Face face = nullptr;
    int ascent = 0;           // baseline below the cell top, pixels
    FT_Pos boldStrength = 0;  // outline growth for synthetic bold, 26.6
};

// Ascent and descent of the Windows cell, in font units: OS/2 win metrics,
// else hhea, else what FreeType derived.
struct CellMetrics {
    long ascent;
    long descent;
};

std::mutex g_renderMutex;

FT_Library Library() {
    static FT_Library library = [] {
        FT_Library made = nullptr;
        return FT_Init_FreeType(&made) == 0 ? made : nullptr;
    }();
    return library;
}

CellMetrics WindowsCell(FT_Face face) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0)
        return {os2->usWinAscent, os2->usWinDescent};
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    if (hhea && hhea->Ascender - hhea->Descender > 0) return {hhea->Ascender, -hhea->Descender};
    return {face->ascender, -face->descender};
}

long RoundDiv(long num, long den) {
    return (num + den / 2) / den;
}

// The em size in 26.6 pixels for a LOGFONT height: a positive height is the
// whole cell, a negative one the em itself.
long Em26(int height, FT_Face face, const CellMetrics& cell) {
    if (height < 0) return -64L * height;
    long cellHeight = height > 0 ? height : kDefaultCellHeight;
    return RoundDiv(cellHeight * 64 * face->units_per_EM, cell.ascent + cell.descent);
}

// Hints at the whole pixel size nearest the em; the baseline follows the
// unrounded scale so that the cell keeps the height asked for.
bool SetUpSize(FT_Face face, int height, SizedFace& sized) {
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) return false;
    CellMetrics cell = WindowsCell(face);
    if (cell.ascent + cell.descent <= 0) return false;
    long em26 = Em26(height, face, cell);
    long em = RoundDiv(em26, 64);
    if (em <= 0 || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em)) != 0) return false;
    sized.face = face;
    sized.ascent = static_cast<int>(RoundDiv(cell.ascent * em26, 64L * face->units_per_EM));
    sized.boldStrength = em26 / kBoldDivisor;
    return true;
}

#ifdef _WIN32
// FreeType opens files by their narrow names, which cannot spell every
// Windows path: the file is read through its wide name and kept for good.
FT_Face OpenFace(const FontFile& file) {
    static std::map<std::string, std::string> fileBytes;
    std::string& bytes = fileBytes[file.path];
    FT_Face face = nullptr;
    if (!Library() || (bytes.empty() && !ReadWholeFile(file.path, bytes))) return nullptr;
    const auto* data = reinterpret_cast<const FT_Byte*>(bytes.data());
    if (FT_New_Memory_Face(Library(), data, static_cast<FT_Long>(bytes.size()), file.index, &face) != 0) return nullptr;
    return face;
}
#else
FT_Face OpenFace(const FontFile& file) {
    FT_Face face = nullptr;
    if (!Library() || FT_New_Face(Library(), file.path.c_str(), file.index, &face) != 0) return nullptr;
    return face;
}
#endif

// The cached face for a file at a LOGFONT height; an entry without a face
// records a file that could not be used.
const SizedFace& SizedFaceFor(const FontFile& file, int height) {
    static std::map<std::tuple<std::string, int, int>, SizedFace> cache;
    auto [entry, added] = cache.try_emplace({file.path, file.index, height});
    if (!added) return entry->second;
    FT_Face face = OpenFace(file);
    if (face && !SetUpSize(face, height, entry->second)) FT_Done_Face(face);
    return entry->second;
}

bool FindFont(const FontRequest& font, FontFile& file) {
    std::string face;
    return Cp932ToUtf8(font.faceCp932.data(), font.faceCp932.size(), face) &&
           MatchFontFile(face, font.weight, font.italic, file);
}

// Shears about the baseline for italic when the face itself is upright.
void SetSlant(FT_Face face, bool slanted) {
    FT_Matrix matrix{0x10000, slanted ? kItalicSlant : 0, 0, 0x10000};
    FT_Set_Transform(face, &matrix, nullptr);
}

void PutPixel(IndexedCanvas& canvas, int x, int y, uint8_t colour) {
    if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return;
    canvas.pixels[static_cast<long>(y) * canvas.pitch + x] = colour;
}

// Writes the set bits of a 1-bit glyph bitmap whose top-left is at (left, top).
void DrawMonoBitmap(const FT_Bitmap& bitmap, int left, int top, IndexedCanvas& canvas, uint8_t colour) {
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const unsigned char* bits = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
        for (unsigned col = 0; col < bitmap.width; ++col)
            if (bits[col >> 3] & (0x80 >> (col & 7))) PutPixel(canvas, left + col, top + row, colour);
    }
}

// Rasterises one character at the pen and returns its advance in pixels.
int DrawGlyph(const SizedFace& sized, bool bold, char32_t code, int penX, int baseline, IndexedCanvas& canvas,
              uint8_t colour) {
    FT_Face face = sized.face;
    FT_UInt index = FT_Get_Char_Index(face, code);
    if (FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO) != 0) return 0;
    FT_GlyphSlot slot = face->glyph;
    FT_Pos advance = slot->advance.x;
    if (bold && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_Outline_Embolden(&slot->outline, sized.boldStrength);
        advance += sized.boldStrength;
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) == 0)
        DrawMonoBitmap(slot->bitmap, penX + slot->bitmap_left, baseline - slot->bitmap_top, canvas, colour);
    return static_cast<int>((advance + 32) >> 6);
}

}  // namespace

bool RenderText(const FontRequest& font, IndexedCanvas& canvas, int x, int y, const char* textCp932, int byteLength,
                uint8_t colour) {
    std::lock_guard<std::mutex> lock(g_renderMutex);
    FontFile file;
    if (!canvas.pixels || !FindFont(font, file)) return false;
    const SizedFace& sized = SizedFaceFor(file, font.height);
    std::u32string text;
    if (!sized.face || !Cp932ToUtf32(textCp932, byteLength > 0 ? byteLength : 0, text)) return false;
    SetSlant(sized.face, font.italic && !(sized.face->style_flags & FT_STYLE_FLAG_ITALIC));
    bool bold = font.weight >= kBoldWeight && !(sized.face->style_flags & FT_STYLE_FLAG_BOLD);
    int penX = x;
    for (char32_t code : text) penX += DrawGlyph(sized, bold, code, penX, y + sized.ascent, canvas, colour);
    return true;
}

std::string ResolvedFontFile(const std::string& faceCp932) {
    std::lock_guard<std::mutex> lock(g_renderMutex);
    FontFile file;
    if (!FindFont({0, kNormalWeight, false, faceCp932}, file)) return {};
    return file.path + " (" + file.family + ")";
}

}  // namespace plat
