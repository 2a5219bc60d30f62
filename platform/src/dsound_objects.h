// The DirectSound object and sound buffers of our stand-in.
#ifndef PLATFORM_DSOUND_OBJECTS_H
#define PLATFORM_DSOUND_OBJECTS_H

#include <windows.h>
#include <dsound.h>

#include <memory>
#include <vector>

#include "mixer.h"

namespace plat {

class SoundBuffer final : public IDirectSoundBuffer {
public:
    SoundBuffer(const WAVEFORMATEX& format, std::shared_ptr<SampleBlock> samples);
    ~SoundBuffer();
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetStatus(LPDWORD status) override;
    HRESULT STDMETHODCALLTYPE Lock(DWORD offset, DWORD bytes, LPVOID* audio1, LPDWORD bytes1, LPVOID* audio2,
                                   LPDWORD bytes2, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE Play(DWORD reserved1, DWORD priority, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE SetCurrentPosition(DWORD position) override;
    HRESULT STDMETHODCALLTYPE Stop() override;
    HRESULT STDMETHODCALLTYPE Unlock(LPVOID audio1, DWORD bytes1, LPVOID audio2, DWORD bytes2) override;
    HRESULT STDMETHODCALLTYPE Restore() override;

    SoundBuffer* Duplicate() const;
    // The system took the buffer's memory: its samples are gone until refilled.
    void MarkLost();
    DWORD PlayPosition() const;
    const std::shared_ptr<SampleBlock>& Samples() const { return voice_.samples; }

private:
    DWORD Size() const { return (DWORD)voice_.samples->bytes.size(); }

    WAVEFORMATEX format_;
    Voice voice_;
    bool lost_ = false;
    // A lock hands out a copy, written back on unlock, so that the mixer
    // never reads bytes the game is writing.
    std::vector<BYTE> locked_;
    DWORD lockOffset_ = 0;
    DWORD lockBytes_ = 0;
    bool isLocked_ = false;
};

class DirectSound final : public IDirectSound {
public:
    DirectSound();
    ~DirectSound();
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC desc, LPLPDIRECTSOUNDBUFFER out,
                                                IUnknown* outer) override;
    HRESULT STDMETHODCALLTYPE DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original,
                                                   LPLPDIRECTSOUNDBUFFER duplicate) override;
    HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND window, DWORD level) override;
};

// Every live buffer, oldest first.
const std::vector<SoundBuffer*>& LiveSoundBuffers();

}  // namespace plat

#endif
