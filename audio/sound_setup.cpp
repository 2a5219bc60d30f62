// Opening DirectSound and creating the twelve sound objects at start, and
// releasing them all when the window is destroyed.
#include "audio/sound.h"

LPDIRECTSOUND g_ds;

int ErrorBox(HWND window, LPCSTR text)
{
    MessageBoxA(window, text, "ERROR", MB_OK);
    return 0;
}

BOOL InitializeSound(HWND window)
{
    if (DirectSoundCreate(NULL, &g_ds, NULL) != DS_OK) {
        g_ds = NULL;
        return ErrorBox(window, "DirectSoundCreate Failed");
    }
    OutputDebugStringA("DirectSoundCreate OK\n");
    if (g_ds->SetCooperativeLevel(window, DSSCL_PRIORITY) != DS_OK) {
        ReleaseSound();
        return ErrorBox(window, "DirectSound SetCooperativeLevel Failed");
    }
    OutputDebugStringA("DirectSound SetCooperativeLevel OK\n");
    for (int i = 0; i < SOUND_COUNT; i++) {
        g_sounds[i] = CreateSndObj(g_ds, SOUND_TABLE[i].resource, SOUND_TABLE[i].voices);
    }
    return 1;
}

BOOL ReleaseSound(void)
{
    for (int i = 0; i < SOUND_COUNT; i++) {
        DestroySndObj(g_sounds[i]);
        g_sounds[i] = NULL;
    }
    if (g_ds != NULL) {
        g_ds->Release();
        g_ds = NULL;
    }
    return 1;
}
