// The MCI device types that play each movie, video and sound sub-type.
#include "QernoConfig.h"
#include "QernoLog.h"

namespace {

constexpr char kFallbackVideo[] = "ActiveMovie";

int CopyTypeName(const char* name, char* out) {
    if (out)
        lstrcpyA(out, name);
    return lstrlenA(name);
}

// MPEG and QuickTime drivers are optional add-ons; without one the generic player stands in.
const char* InstalledOrFallback(const char* name) {
    char driver[MAX_PATH] = {}; // the driver's file name, MAX_PATH bytes
    GetPrivateProfileStringA("mci", name, "", driver, sizeof driver, "system.ini");
    if (driver[0])
        return name;
    if (CSysLog* log = GetSysLog())
        log->SysLogError(kLogCateMedia, "%s not installed -- Using ActiveMovie", name);
    return kFallbackVideo;
}

} // namespace

int QERNO_CALL GetMovieTypeString(int subType, char* out) {
    const char* name = subType == 1 ? "Animation1" : subType == 3 ? "MMMovie" : "";
    return CopyTypeName(name, out);
}

int QERNO_CALL GetVideoTypeString(int subType, char* out) {
    const char* name = kFallbackVideo;
    if (subType == 1)
        name = "AVIVideo";
    else if (subType == 2)
        name = InstalledOrFallback("MpegVideo");
    else if (subType == 3)
        name = InstalledOrFallback("QTWVideo");
    return CopyTypeName(name, out);
}

int QERNO_CALL GetSoundTypeString(int subType, char* out) {
    const char* name = subType == 1   ? "Waveaudio"
                       : subType == 2 ? "Sequencer"
                       : subType == 3 ? "Cdaudio"
                                      : "";
    return CopyTypeName(name, out);
}
