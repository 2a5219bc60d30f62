// The stage-clear sequence: on the finished board the frog spins and jumps
// once while the letters of CLEAR drop in and swing, then a fade-out leads to
// the result screen.
#include "play/play_screen.h"

#include "app/app_state.h"
#include "audio/sound.h"
#include "input/input.h"
#include "play/item_rules.h"
#include "stage/play_state.h"
#include "video/atlas.h"
#include "video/display.h"
#include "video/draw.h"

// The spin shows front, side, back, side, one picture per step, and ends
// facing the player at the eighth step.
static const int SPIN_STEPS = 8;
static const int SPIN_PICTURES = 4;
static const int SPIN_INTERVAL = 100;

// The jump starts rising at 3 px a frame and ends once the fall is faster
// than that.
static const double JUMP_START_VY = -3.0;
static const double JUMP_LAST_VY = 3.0;
static const double JUMP_GRAVITY = 0.15;

// Every letter is pulled towards its rest line, falling at most 8 px a
// frame; the speeds stay multiples of 0.5 so a swing's lowest point is exact.
static const double LETTER_REST_Y = 192.0;
static const double LETTER_PULL = 0.5;
static const double LETTER_MAX_VY = 8.0;
static const int LETTER_X = 110;
static const int LETTER_STEP = 84;

static const int CROAK_AT_BOUNCE = 2;
static const int LAST_BOUNCE = 3;

static void SpinFrog(void)
{
    if ((DWORD)(g_now - (DWORD)g_frogAnimTime) > (DWORD)g_frogAnimInterval && g_frogAnimFrame < SPIN_STEPS) {
        g_frogAnimFrame++;
        g_frogAnimTime = (int)g_now;
        g_frogAnimInterval = SPIN_INTERVAL;
    }
    g_clearFrogSrc = AtlasRect(ATLAS_CLEAR_FROG_SPIN, g_frogAnimFrame % SPIN_PICTURES);
}

// The speed keeps growing after the jump, so the frog jumps only once.
static void JumpFrog(void)
{
    if (g_frogAnimFrame < SPIN_STEPS) {
        g_clearJumpVy = JUMP_START_VY;
        return;
    }
    if (g_clearJumpVy <= JUMP_LAST_VY) {
        g_frogY += (int)g_clearJumpVy;
    }
    g_clearJumpVy += JUMP_GRAVITY;
}

static void Croak(void)
{
    if (!g_clearSoundPending || g_clearBounces != CROAK_AT_BOUNCE) {
        return;
    }
    if (g_seOn) {
        PlaySound(SOUND_CROAK);
    }
    g_clearSoundPending = 0;
}

// Moves letter i one frame and draws it, cut at the top of the screen. While
// the letter is wholly above the screen its picture is empty and the blit
// fails, so the letters after it wait: they enter one after another.
static int DropLetter(int i)
{
    g_clearLetterVy[i] += g_clearLetterY[i] < LETTER_REST_Y ? LETTER_PULL : -LETTER_PULL;
    if (g_clearLetterVy[i] > LETTER_MAX_VY) {
        g_clearLetterVy[i] = LETTER_MAX_VY;
    }
    g_clearLetterY[i] += g_clearLetterVy[i];
    int y = (int)g_clearLetterY[i];
    RECT source = AtlasRect(ATLAS_CLEAR_LETTER, i);
    if (g_clearLetterY[i] < 0.0) {
        source.top -= y;
        y = 0;
    }
    return BlitImage(g_back, LETTER_X + LETTER_STEP * i, y, g_stringsImg, &source, 1) == DD_OK;
}

static int ComposeClear(void)
{
    if (!DrawPlayBoard()) {
        return 0;
    }
    SpinFrog();
    JumpFrog();
    Croak();
    if (!DrawFrogAndFrame()) {
        return 0;
    }
    DrawClock();
    for (int i = 0; i < CLEAR_LETTERS; i++) {
        if (!DropLetter(i)) {
            return 0;
        }
    }
    return 1;
}

// A swing is counted at the lowest point of the first letter.
static void CountSwing(void)
{
    if (g_clearLetterY[0] > LETTER_REST_Y && g_clearLetterVy[0] == 0.0) {
        g_clearBounces++;
    }
}

// A fresh Z press skips the swings; the latch is left for the next screen.
static void TakeSkip(void)
{
    if (!g_key['Z']) {
        g_keyLatch['Z'] = 0;
    } else if (!g_keyLatch['Z']) {
        g_clearBounces = LAST_BOUNCE;
    }
}

void RunStageClear(void)
{
    if (!ComposeClear()) {
        return;
    }
    CountSwing();
    if (!ReadInput()) {
        return;
    }
    TakeSkip();
    UpdateItems();
    if (g_clearBounces >= LAST_BOUNCE && FadeOut(PLAY_FADE_STEP)) {
        StopSound(g_stageBgm);
        g_scene = SCENE_RESULT_INIT;
    }
}
