// The prolog: each page fades in, stays four seconds and fades out while the
// prolog music plays; Z or X skips the rest.
#include "screens/prolog.h"

#include "app/app_state.h"
#include "audio/sound.h"
#include "input/input.h"
#include "screens/prolog_text.h"
#include "video/atlas.h"
#include "video/display.h"
#include "video/draw.h"

int g_prologPage;
RECT g_prologSrc;
int g_prologFadingIn;
int g_prologFadingOut;
int g_prologLevel;
DWORD g_prologPageStart;
int g_prologSkip;
int g_prologKeyLatch;
const char (*g_prologText)[80] = g_prologLines;

static const int PROLOG_PAGES = 5;
static const int PROLOG_FADE_STEP = 5;
static const DWORD PROLOG_PAGE_MS = 4000;
// The page's cell of the PROLOG picture: two across, three down.
static void SetPrologSource(int page)
{
    g_prologSrc = AtlasRect(ATLAS_PROLOG_PAGE, page);
}

// Japanese for a Japanese interface, else English.
static void ChoosePrologText(void)
{
    int japanese = PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE;
    g_prologText = japanese ? g_prologLines : g_prologLinesEnglish;
}

void InitProlog(void)
{
    ChoosePrologText();
    g_prologPage = 0;
    SetPrologSource(0);
    g_prologSkip = 0;
    g_prologFadingIn = 1;
    g_prologFadingOut = 0;
    g_prologLevel = 0;
    if (g_bgmOn) {
        PlaySound(SOUND_PROLOG);
    }
    SetPaletteBlack();
    g_scene = SCENE_PROLOG;
}

static void DrawPrologPage(void)
{
    BYTE grey = (BYTE)(g_prologLevel & 0xFF);
    COLORREF colour = RGB(grey, grey, grey);
    DrawTextGdi(100, 320, g_prologText[2 * g_prologPage], colour, 24, TEXT_FACE_GOTHIC, 1);
    DrawTextGdi(100, 360, g_prologText[2 * g_prologPage + 1], colour, 24, TEXT_FACE_GOTHIC, 1);
}

// Z or X skips once per press, by the prolog's own latch.
static void ReadPrologSkip(void)
{
    int held = g_key['Z'] || g_key['X'];
    if (held && g_prologKeyLatch == 0) {
        g_prologFadingIn = 0;
        g_prologFadingOut = 1;
        g_prologSkip = 1;
        g_prologKeyLatch = 1;
    }
    if (!held) {
        g_prologKeyLatch = 0;
    }
}

static void NextPrologPage(void)
{
    if (g_prologSkip || g_prologPage == PROLOG_PAGES - 1) {
        StopSound(SOUND_PROLOG);
        g_scene = SCENE_TITLE_INIT;
        return;
    }
    g_prologPage++;
    g_prologLevel = 0;
    SetPrologSource(g_prologPage);
    g_prologFadingOut = 0;
    g_prologFadingIn = 1;
}

void RunProlog(void)
{
    DDBLTFX fill;
    ZeroMemory(&fill, sizeof fill);
    fill.dwSize = sizeof fill;
    fill.dwFillColor = 0;
    g_back->Blt(NULL, NULL, NULL, DDBLT_COLORFILL | DDBLT_WAIT, &fill);
    if (BlitImage(g_back, 160, 40, g_prologImg, &g_prologSrc, 0) != DD_OK) {
        return;
    }
    DrawPrologPage();
    if (!ReadInput()) {
        return;
    }
    ReadPrologSkip();
    if (!g_prologFadingIn && g_now - g_prologPageStart > PROLOG_PAGE_MS) {
        g_prologFadingOut = 1;
    }
    if (g_prologFadingIn) {
        g_prologLevel += PROLOG_FADE_STEP;
        if (!FadeIn(PROLOG_FADE_STEP)) {
            return;
        }
        g_prologFadingIn = 0;
        g_prologLevel = 255;
        g_prologPageStart = g_now;
    }
    if (g_prologFadingOut) {
        g_prologLevel -= PROLOG_FADE_STEP;
        if (FadeOut(PROLOG_FADE_STEP)) {
            NextPrologPage();
        }
    }
}
