// Sound buffers: lock and unlock of up to two regions, play once or looping,
// stop, status, play position and restore after a loss. Duplicates share the
// samples and have their own position and state.
#include <algorithm>
#include <cstring>

#include "dsound_objects.h"
#include "platform_state.h"
#include "sound_output.h"

namespace plat {

static std::vector<SoundBuffer*> g_liveBuffers;

const std::vector<SoundBuffer*>& LiveSoundBuffers() { return g_liveBuffers; }

SoundBuffer::SoundBuffer(const WAVEFORMATEX& format, std::shared_ptr<SampleBlock> samples)
{
    ZeroMemory(&format_, sizeof format_);
    format_.wFormatTag = format.wFormatTag;
    format_.nChannels = format.nChannels;
    format_.nSamplesPerSec = format.nSamplesPerSec;
    format_.nAvgBytesPerSec = format.nAvgBytesPerSec;
    format_.nBlockAlign = format.nBlockAlign;
    format_.wBitsPerSample = format.wBitsPerSample;
    voice_.channels = format.nChannels;
    voice_.bits = format.wBitsPerSample;
    voice_.rate = (int)format.nSamplesPerSec;
    voice_.frames = (uint32_t)(samples->bytes.size() / format.nBlockAlign);
    voice_.samples = std::move(samples);
    SoundLock lock;
    lock.mixer().Add(&voice_);
    g_liveBuffers.push_back(this);
}

SoundBuffer::~SoundBuffer()
{
    SoundLock lock;
    lock.mixer().Remove(&voice_);
    g_liveBuffers.erase(std::remove(g_liveBuffers.begin(), g_liveBuffers.end(), this), g_liveBuffers.end());
}

ULONG STDMETHODCALLTYPE SoundBuffer::Release()
{
    delete this;
    return 0;
}

SoundBuffer* SoundBuffer::Duplicate() const
{
    SoundBuffer* copy = new SoundBuffer(format_, voice_.samples);
    copy->lost_ = lost_;
    return copy;
}

HRESULT STDMETHODCALLTYPE SoundBuffer::GetStatus(LPDWORD status)
{
    if (status == NULL) {
        return DSERR_INVALIDPARAM;
    }
    RETURN_IF_FORCED("IDirectSoundBuffer::GetStatus");
    SoundLock lock;
    *status = (voice_.playing ? DSBSTATUS_PLAYING : 0) | (voice_.playing && voice_.looping ? DSBSTATUS_LOOPING : 0) |
              (lost_ ? DSBSTATUS_BUFFERLOST : 0);
    return DS_OK;
}

HRESULT STDMETHODCALLTYPE SoundBuffer::Lock(DWORD offset, DWORD bytes, LPVOID* audio1, LPDWORD bytes1, LPVOID* audio2,
                                            LPDWORD bytes2, DWORD flags)
{
    if (audio1 == NULL || bytes1 == NULL || isLocked_) {
        return DSERR_INVALIDPARAM;
    }
    if (lost_) {
        return DSERR_BUFFERLOST;
    }
    RETURN_IF_FORCED("IDirectSoundBuffer::Lock");
    if (flags & DSBLOCK_FROMWRITECURSOR) {
        offset = PlayPosition();
    }
    if (flags & DSBLOCK_ENTIREBUFFER) {
        bytes = Size();
    }
    if (offset >= Size() || bytes == 0 || bytes > Size()) {
        return DSERR_INVALIDPARAM;
    }
    DWORD first = std::min(bytes, Size() - offset);
    DWORD second = audio2 != NULL && bytes2 != NULL ? bytes - first : 0;
    {
        SoundLock lock;
        locked_ = voice_.samples->bytes;
    }
    *audio1 = locked_.data() + offset;
    *bytes1 = first;
    if (audio2 != NULL) {
        *audio2 = second != 0 ? locked_.data() : NULL;
    }
    if (bytes2 != NULL) {
        *bytes2 = second;
    }
    lockOffset_ = offset;
    lockBytes_ = first + second;
    isLocked_ = true;
    return DS_OK;
}

HRESULT STDMETHODCALLTYPE SoundBuffer::Unlock(LPVOID audio1, DWORD bytes1, LPVOID audio2, DWORD bytes2)
{
    if (!isLocked_ || audio1 != locked_.data() + lockOffset_ || bytes1 + bytes2 > lockBytes_ ||
        (bytes2 != 0 && audio2 != locked_.data())) {
        return DSERR_INVALIDPARAM;
    }
    {
        SoundLock lock;
        std::vector<uint8_t>& target = voice_.samples->bytes;
        memcpy(target.data() + lockOffset_, locked_.data() + lockOffset_, bytes1);
        memcpy(target.data(), locked_.data(), bytes2);
    }
    locked_.clear();
    locked_.shrink_to_fit();
    isLocked_ = false;
    return DS_OK;
}

HRESULT STDMETHODCALLTYPE SoundBuffer::Play(DWORD reserved1, DWORD, DWORD flags)
{
    if (reserved1 != 0) {
        return DSERR_INVALIDPARAM;
    }
    if (lost_) {
        return DSERR_BUFFERLOST;
    }
    RETURN_IF_FORCED("IDirectSoundBuffer::Play");
    SoundLock lock;
    voice_.looping = (flags & DSBPLAY_LOOPING) != 0;
    if (!voice_.playing) {
        lock.mixer().Start(&voice_);
    }
    return DS_OK;
}

HRESULT STDMETHODCALLTYPE SoundBuffer::SetCurrentPosition(DWORD position)
{
    if (position >= Size()) {
        return DSERR_INVALIDPARAM;
    }
    SoundLock lock;
    bool playing = voice_.playing;
    lock.mixer().Stop(&voice_);
    voice_.position = (uint64_t)(position / format_.nBlockAlign) << 32;
    if (playing) {
        lock.mixer().Start(&voice_);
    }
    return DS_OK;
}

HRESULT STDMETHODCALLTYPE SoundBuffer::Stop()
{
    SoundLock lock;
    lock.mixer().Stop(&voice_);
    return DS_OK;
}

HRESULT STDMETHODCALLTYPE SoundBuffer::Restore()
{
    RETURN_IF_FORCED("IDirectSoundBuffer::Restore");
    lost_ = false;
    return DS_OK;
}

void SoundBuffer::MarkLost()
{
    SoundLock lock;
    lock.mixer().Stop(&voice_);
    lost_ = true;
    std::vector<uint8_t>& bytes = voice_.samples->bytes;
    std::fill(bytes.begin(), bytes.end(), voice_.bits == 8 ? 0x80 : 0);
}

DWORD SoundBuffer::PlayPosition() const
{
    SoundLock lock;
    return (DWORD)(voice_.position >> 32) * format_.nBlockAlign;
}

}  // namespace plat
