#include "soak/SoakCycles.h"

#include "Qerno.h"
#include "host/HostLoop.h"

namespace {

// Long enough for a device to start playing and for its notifications to arrive.
constexpr DWORD kPlayMs = 10;

void StagePlay(HWND host, const std::string& file, const char* key) {
    if (!OpenMediaPlayWnd(host, "soak", key, file.c_str(), kNoMediaPosition, kNoMediaPosition))
        return;
    PumpMessagesFor(kPlayMs);
    PauseMediaFile(host, key);
    // MCI names a device that a stage window opened without an alias by its file.
    const unsigned short device = static_cast<unsigned short>(mciGetDeviceIDA(file.c_str()));
    SetMediaPosition(device, GetMediaLength(device) / 2);
    PlayMediaFile(host, key);
    PumpMessagesFor(kPlayMs);
    CloseMediaFile(host, key);
}

void StageSound(HWND host, const SoakMedia& media) {
    StagePlay(host, media.sound, "soak-sound");
}

void StageVideo(HWND host, const SoakMedia& media) {
    StagePlay(host, media.video, "soak-video");
}

void WaveOutPlayer(HWND host, const SoakMedia& media) {
    if (!waveOutCreatePlayWnd(host, "soak", "soak-wave", media.sound.c_str(), 0, 0,
                              kNoMediaPosition, kNoMediaPosition))
        return;
    PumpMessagesFor(kPlayMs);
    CloseMediaFile(host, "soak-wave");
}

void MediaId(HWND, const SoakMedia& media) {
    const unsigned short id = OpenMedia(nullptr, media.sound.c_str(), nullptr, nullptr);
    if (!id)
        return;
    PlayMedia(id, 0, kNoMediaPosition, nullptr);
    PumpMessagesFor(kPlayMs);
    CloseMedia(id);
}

void Mci(const std::string& command) {
    mciSendStringA(command.c_str(), nullptr, 0, nullptr);
}

void BarePlay(const std::string& file) {
    Mci("open \"" + file + "\" alias bare");
    Mci("play bare");
    PumpMessagesFor(kPlayMs);
    Mci("pause bare");
    Mci("seek bare to 5");
    Mci("play bare");
    PumpMessagesFor(kPlayMs);
    Mci("close bare");
}

void BareSound(HWND, const SoakMedia& media) {
    BarePlay(media.sound);
}

void BareVideo(HWND, const SoakMedia& media) {
    BarePlay(media.video);
}

// The test sound's format, asked about and played as silence, as the player does.
void BareWaveOut(HWND host, const SoakMedia&) {
    const WAVEFORMATEX format = {WAVE_FORMAT_PCM, 1, 44100, 88200, 2, 16, 0};
    static char silence[44100]; // a quarter second
    WAVEHDR header = {silence, sizeof silence, 0, 0, 0, 0, nullptr, 0};
    HWAVEOUT device = nullptr;
    if (waveOutOpen(nullptr, WAVE_MAPPER, &format, 0, 0, WAVE_FORMAT_QUERY) != MMSYSERR_NOERROR ||
        waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(host), 0,
                    CALLBACK_WINDOW) != MMSYSERR_NOERROR)
        return;
    waveOutPrepareHeader(device, &header, sizeof header);
    waveOutWrite(device, &header, sizeof header);
    PumpMessagesFor(kPlayMs);
    waveOutReset(device);
    waveOutUnprepareHeader(device, &header, sizeof header);
    waveOutClose(device);
}

void BareMediaId(HWND, const SoakMedia& media) {
    Mci("open \"" + media.sound + "\" alias bare");
    Mci("play bare");
    PumpMessagesFor(kPlayMs);
    Mci("close bare");
}

} // namespace

const SoakCycle kSoakCycles[4] = {{"stage window, sound", StageSound, BareSound},
                                  {"stage window, video", StageVideo, BareVideo},
                                  {"wave-out player", WaveOutPlayer, BareWaveOut},
                                  {"Media-ID", MediaId, BareMediaId}};
