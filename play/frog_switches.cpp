// The switches the frog works with its body: pressure plates held down by its
// feet, and the hand-wheel or lever beside its feet turned with Z.
#include "play/frog_step.h"

#include <stddef.h>

#include "app/app_state.h"
#include "audio/sound.h"
#include "play/frog.h"
#include "stage/play_state.h"
#include "stage/switches.h"
#include "stage/tiles.h"

// A plate goes down once that point is this far below the top of its cell.
static const int FROG_PLATE_DEPTH = 12;

static void PressPlateAt(int px, int py)
{
    Cell* plate = ProbeTile(px, py, TILE_SWITCH_PLATE);
    if (plate != NULL && py > ProbeRowTop(py) + FROG_PLATE_DEPTH) {
        plate->switchOn = 1;
        StoreSwitchState(plate->switchNo, 1);
        ApplySwitches();
    }
}

void FrogPressPlates(const FrogStep* step)
{
    PressPlateAt(step->left, step->bottom - FROG_FOOT_REACH);
    PressPlateAt(step->right, step->bottom - FROG_FOOT_REACH);
}

void FrogProbeHeadroom(const FrogStep* step)
{
    int feet = step->bottom - FROG_FOOT_REACH;
    g_frogHeadroom = ProbePassable(step->left - FROG_FOOT_REACH, feet) &&
                     ProbePassable(step->right + FROG_FOOT_REACH, feet);
}

// The left edge's cell first, so one press turns one switch of each kind.
static Cell* SwitchBesideFeet(const FrogStep* step, int tile)
{
    Cell* cell = ProbeTile(step->left, step->bottom - FROG_FOOT_REACH, tile);
    if (cell == NULL) {
        cell = ProbeTile(step->right, step->bottom - FROG_FOOT_REACH, tile);
    }
    return cell;
}

static int TurnWheel(const FrogStep* step)
{
    Cell* wheel = SwitchBesideFeet(step, TILE_SWITCH_WHEEL);
    if (wheel == NULL) {
        return 0;
    }
    wheel->switchOn = wheel->switchOn == 0 ? 1 : 0;
    StoreSwitchState(wheel->switchNo, wheel->switchOn);
    if (g_seOn) {
        PlaySound(SOUND_VALVE);
    }
    return 1;
}

// Levers hold +1 or -1 and show picture 0 or 2 for them.
static int ThrowLever(const FrogStep* step)
{
    Cell* lever = SwitchBesideFeet(step, TILE_SWITCH_LEVER);
    if (lever == NULL) {
        return 0;
    }
    lever->switchOn = -lever->switchOn;
    lever->frameBase = lever->switchOn + 1;
    StoreSwitchState(lever->switchNo, lever->switchOn);
    if (g_seOn) {
        PlaySound(SOUND_CSWITCH);
    }
    return 1;
}

static int ArrowHeld(void)
{
    return FrogKeyHeld(VK_LEFT) || FrogKeyHeld(VK_RIGHT) || FrogKeyHeld(VK_UP) || FrogKeyHeld(VK_DOWN);
}

// A press of Z with X and the arrows up and the frog not falling shows the
// operate picture at once and sets the latch, with or without a switch.
void FrogOperate(const FrogStep* step)
{
    int allowed = !FrogKeyHeld('X') && !ArrowHeld() && step->falling == 0;
    if (!TakeKeyPressIf('Z', allowed)) {
        return;
    }
    g_frogPose = FROG_POSE_OPERATE;
    g_frogAnimFrames = FROG_FRAMES_STILL;
    g_frogAnimTime = (int)(g_now - (DWORD)g_frogAnimInterval);
    int wheel = TurnWheel(step);
    int lever = ThrowLever(step);
    if (wheel || lever) {
        ApplySwitches();
    }
}
