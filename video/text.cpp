// One line of text in a system font, written straight onto the back buffer.
#include "video/draw.h"

#include "video/display.h"

// "ＭＳ Ｐゴシック" in code page 932.
const char TEXT_FACE_GOTHIC[] = "\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e";

void DrawTextGdi(int x, int y, LPCSTR text, COLORREF colour, int height, LPCSTR faceName, BYTE italic)
{
    LOGFONTA description;
    ZeroMemory(&description, sizeof description);
    description.lfHeight = height;
    description.lfWeight = FW_NORMAL;
    description.lfItalic = italic;
    description.lfCharSet = SHIFTJIS_CHARSET;
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    strncpy(description.lfFaceName, faceName, LF_FACESIZE - 1);
    HFONT font = CreateFontIndirectA(&description);

    HDC dc;
    if (g_back->GetDC(&dc) == DD_OK) {
        SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, colour);
        TextOutA(dc, x, y, text, (int)strlen(text));
        g_back->ReleaseDC(dc);
    }
    DeleteObject(font);
}
