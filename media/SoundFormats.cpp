// Sound devices by MCI: opening wave audio, sequencer or CD audio, the wave format and the length.
#include "QernoMedia.h"
#include "media/MciCommand.h"

namespace {

constexpr char kNoSoundLabel[] = "of Sound";

// Without a Media-ID the caller's mistake is logged and the query reads 0.
bool HasSoundId(unsigned short id) {
    return id != 0 || ShowMciErrorStr(kInvalidMediaId, kNoSoundLabel);
}

unsigned long WaveStatus(unsigned short id, unsigned long item) {
    return HasSoundId(id) ? GetMediaStatus(id, item) : 0;
}

} // namespace

unsigned short __cdecl OpenSound(const char* deviceType, const char* element, const char* alias,
                                 HWND notify) {
    MCI_OPEN_PARMSA block = {};
    const bool cdAudio = IsCdAudioType(deviceType);
    DWORD flags = MCI_OPEN_TYPE;
    if (cdAudio) {
        // By type number, so the drive's own name does not matter.
        flags |= MCI_OPEN_TYPE_ID;
        block.lpstrDeviceType =
            reinterpret_cast<LPCSTR>(static_cast<DWORD_PTR>(MCI_DEVTYPE_CD_AUDIO));
    } else {
        flags |= MCI_OPEN_ELEMENT;
        block.lpstrDeviceType = deviceType;
        block.lpstrElementName = element;
    }
    if (notify) {
        flags |= MCI_NOTIFY;
        block.dwCallback = MciCallback(notify);
    }
    if (alias) {
        flags |= MCI_OPEN_ALIAS;
        block.lpstrAlias = alias;
    }
    if (!ShowMciErrorStr(SendMciCommand(0, MCI_OPEN, flags, &block), kLabelOpen))
        return 0;
    const auto id = static_cast<unsigned short>(block.wDeviceID);
    SetMediaTimeFormat(id, cdAudio ? MCI_FORMAT_TMSF : MCI_FORMAT_MILLISECONDS);
    return id;
}

unsigned long __cdecl GetWaveBitspersample(unsigned short id) {
    return WaveStatus(id, MCI_WAVE_STATUS_BITSPERSAMPLE);
}

unsigned long __cdecl GetWaveSamplespersec(unsigned short id) {
    return WaveStatus(id, MCI_WAVE_STATUS_SAMPLESPERSEC);
}

unsigned long __cdecl GetWaveBytespersec(unsigned short id) {
    return WaveStatus(id, MCI_WAVE_STATUS_AVGBYTESPERSEC);
}

unsigned long __cdecl GetSoundLength(unsigned short id) {
    if (!HasSoundId(id))
        return 0;
    const unsigned long savedFormat = GetMediaTimeFormat(id);
    SetMediaTimeFormat(id, MCI_FORMAT_MILLISECONDS);
    const unsigned long length = GetMediaLength(id);
    SetMediaTimeFormat(id, savedFormat);
    return length;
}
