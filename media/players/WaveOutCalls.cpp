// The wave-out calls and the one report of their failures.
#include "media/players/WaveOutCalls.h"

#include "QernoLog.h"

int ReportWaveError(const char* label, MMRESULT error) {
    if (error == MMSYSERR_NOERROR)
        return 1;
    CSysLog* log = GetSysLog();
    if (!log)
        return 0;
    if (error == MMSYSERR_BADERRNUM) {
        log->SysLogError(kLogCateWaveOut, "%s : Error number is out of range\n", label);
        return 0;
    }
    char text[128] = ""; // the device's text, cut at 127 characters
    waveOutGetErrorTextA(error, text, sizeof text - 1);
    log->SysLogError(kLogCateWaveOut, "%s : %s\n", label, text);
    return 0;
}

bool QueryWaveFormat(const WAVEFORMATEX& format) {
    return ReportWaveError("-- Wave Format Query --",
                           waveOutOpen(nullptr, WAVE_MAPPER, &format, 0, 0, WAVE_FORMAT_QUERY));
}

HWAVEOUT OpenWaveDevice(const WAVEFORMATEX& format, HWND window) {
    HWAVEOUT device = nullptr;
    const MMRESULT error = waveOutOpen(&device, WAVE_MAPPER, &format,
                                       reinterpret_cast<DWORD_PTR>(window), 0, CALLBACK_WINDOW);
    return ReportWaveError("-- WaveOutOpen --", error) ? device : nullptr;
}

bool CloseWaveDevice(HWAVEOUT device) {
    return ReportWaveError("-- waveOutClose --", waveOutClose(device));
}

bool PrepareWaveHeader(HWAVEOUT device, WAVEHDR& header) {
    return ReportWaveError("-- waveOutPrepareHeader --",
                           waveOutPrepareHeader(device, &header, sizeof header));
}

bool UnprepareWaveHeader(HWAVEOUT device, WAVEHDR& header) {
    return ReportWaveError("-- waveOutUnPrepareHeader --",
                           waveOutUnprepareHeader(device, &header, sizeof header));
}

bool WriteWaveHeader(HWAVEOUT device, WAVEHDR& header) {
    return ReportWaveError("-- WaveOutWrite --", waveOutWrite(device, &header, sizeof header));
}

bool PauseWaveDevice(HWAVEOUT device) {
    return ReportWaveError("-- waveOutPause --", waveOutPause(device));
}

bool ResetWaveDevice(HWAVEOUT device) {
    return ReportWaveError("-- waveOutReset --", waveOutReset(device));
}

bool RestartWaveDevice(HWAVEOUT device) {
    return ReportWaveError("-- waveOutRestart --", waveOutRestart(device));
}

unsigned long WaveDevicePosition(HWAVEOUT device, WavePace pace) {
    MMTIME time = {};
    time.wType = TIME_BYTES;
    if (!ReportWaveError("-- waveOutGetPos --", waveOutGetPosition(device, &time, sizeof time)))
        return kNoWavePosition;
    return WaveMilliseconds(time.u.cb, pace);
}
