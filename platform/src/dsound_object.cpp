// The DirectSound object: cooperative level, and creation and duplication of
// static secondary buffers after checking their description and format.
#include <cstddef>
#include <cstring>

#include "dsound_objects.h"
#include "platform_state.h"
#include "sound_output.h"

namespace plat {

static const DWORD DESC1_SIZE = offsetof(DSBUFFERDESC, guid3DAlgorithm);

static HRESULT CheckFormat(const WAVEFORMATEX* format)
{
    bool channelsOk = format->nChannels == 1 || format->nChannels == 2;
    bool bitsOk = format->wBitsPerSample == 8 || format->wBitsPerSample == 16;
    bool rateOk = format->nSamplesPerSec >= DSBFREQUENCY_MIN && format->nSamplesPerSec <= DSBFREQUENCY_MAX;
    if (format->wFormatTag != WAVE_FORMAT_PCM || !channelsOk || !bitsOk || !rateOk ||
        format->nBlockAlign != format->nChannels * format->wBitsPerSample / 8) {
        return DSERR_BADFORMAT;
    }
    return DS_OK;
}

DirectSound::DirectSound() { OpenSoundOutput(); }
DirectSound::~DirectSound() { CloseSoundOutput(); }

ULONG STDMETHODCALLTYPE DirectSound::Release()
{
    delete this;
    return 0;
}

HRESULT STDMETHODCALLTYPE DirectSound::SetCooperativeLevel(HWND window, DWORD level)
{
    RETURN_IF_FORCED("IDirectSound::SetCooperativeLevel");
    if (window == NULL || level < DSSCL_NORMAL || level > DSSCL_WRITEPRIMARY) {
        return DSERR_INVALIDPARAM;
    }
    return DS_OK;
}

HRESULT STDMETHODCALLTYPE DirectSound::CreateSoundBuffer(LPCDSBUFFERDESC desc, LPLPDIRECTSOUNDBUFFER out,
                                                         IUnknown* outer)
{
    if (out == NULL || desc == NULL || (desc->dwSize != sizeof(DSBUFFERDESC) && desc->dwSize != DESC1_SIZE)) {
        return DSERR_INVALIDPARAM;
    }
    *out = NULL;
    if (outer != NULL) {
        return DSERR_NOAGGREGATION;
    }
    if (desc->dwFlags & DSBCAPS_PRIMARYBUFFER) {
        return DSERR_UNSUPPORTED;
    }
    if (desc->dwBufferBytes < DSBSIZE_MIN || desc->dwBufferBytes > DSBSIZE_MAX) {
        return DSERR_INVALIDPARAM;
    }
    if (desc->lpwfxFormat == NULL) {
        return DSERR_INVALIDPARAM;
    }
    // The format block may sit at any even offset of a wave resource: copy
    // the PCM part of it rather than read it in place.
    WAVEFORMATEX format;
    ZeroMemory(&format, sizeof format);
    memcpy(&format, desc->lpwfxFormat, offsetof(WAVEFORMATEX, cbSize));
    HRESULT result = CheckFormat(&format);
    if (result != DS_OK) {
        return result;
    }
    RETURN_IF_FORCED("IDirectSound::CreateSoundBuffer");
    auto samples = std::make_shared<SampleBlock>();
    samples->bytes.assign(desc->dwBufferBytes, format.wBitsPerSample == 8 ? 0x80 : 0);
    *out = new SoundBuffer(format, std::move(samples));
    return DS_OK;
}

HRESULT STDMETHODCALLTYPE DirectSound::DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original,
                                                            LPLPDIRECTSOUNDBUFFER duplicate)
{
    if (original == NULL || duplicate == NULL) {
        return DSERR_INVALIDPARAM;
    }
    *duplicate = NULL;
    RETURN_IF_FORCED("IDirectSound::DuplicateSoundBuffer");
    *duplicate = static_cast<SoundBuffer*>(original)->Duplicate();
    return DS_OK;
}

}  // namespace plat

HRESULT WINAPI DirectSoundCreate(LPCGUID device, LPDIRECTSOUND* out, LPUNKNOWN outer)
{
    if (out == NULL) {
        return DSERR_INVALIDPARAM;
    }
    *out = NULL;
    if (outer != NULL) {
        return DSERR_NOAGGREGATION;
    }
    RETURN_IF_FORCED("DirectSoundCreate");
    if (device != NULL) {
        return DSERR_NODRIVER;
    }
    *out = new plat::DirectSound();
    return DS_OK;
}
