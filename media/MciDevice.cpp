// Opening, playing, stopping, positioning and closing an MCI device by its Media-ID.
#include "QernoMedia.h"
#include "media/MciCommand.h"

namespace {

constexpr char kLabelStop[] = "-- STOP -- ";
constexpr char kLabelPause[] = "-- PAUSE -- ";
constexpr char kLabelClose[] = "-- CLOSE -- ";
constexpr char kLabelAudioOnOff[] = "-- Set Audio-OnOff -- ";
constexpr char kLabelVideoOnOff[] = "-- Set Video-OnOff -- ";
constexpr char kLabelTimeFormat[] = "-- Set Time Format -- ";
constexpr char kLabelSeek[] = "-- SEEK -- ";

DWORD OnOffFlag(int on) {
    return on ? MCI_SET_ON : MCI_SET_OFF;
}

} // namespace

unsigned short QERNO_CALL OpenMedia(const char* deviceType, const char* element, const char* alias,
                                    HWND notify) {
    MCI_OPEN_PARMSA block = {};
    block.dwCallback = MciCallback(notify);
    block.lpstrDeviceType = deviceType;
    const bool cdAudio = IsCdAudioType(deviceType);
    DWORD flags = MCI_OPEN_TYPE;
    if (!cdAudio) {
        // Without MCI_OPEN_TYPE, MCI picks the device by the element's extension.
        flags = MCI_OPEN_ELEMENT;
        block.lpstrElementName = element;
        block.lpstrAlias = alias;
        if (notify)
            flags |= MCI_NOTIFY;
        if (alias)
            flags |= MCI_OPEN_ALIAS;
    }
    const MCIERROR error = SendMciCommand(0, MCI_OPEN, flags, &block);
    if (!ShowMciErrorStr(error, kLabelOpen))
        return 0;
    const auto id = static_cast<unsigned short>(block.wDeviceID);
    SetMediaTimeFormat(id, cdAudio ? MCI_FORMAT_TMSF : MCI_FORMAT_MILLISECONDS);
    return id;
}

int QERNO_CALL PlayMedia(unsigned short id, unsigned long from, unsigned long to, HWND notify) {
    MCI_PLAY_PARMS block = {};
    block.dwCallback = MciCallback(notify);
    block.dwFrom = from;
    block.dwTo = to;
    DWORD flags = 0;
    if (from != kNoMediaPosition)
        flags |= MCI_FROM;
    if (to != kNoMediaPosition)
        flags |= MCI_TO;
    if (notify)
        flags |= MCI_NOTIFY;
    return ShowMciErrorStr(SendMciCommand(id, MCI_PLAY, flags, &block), kLabelPlay);
}

int QERNO_CALL StopMedia(unsigned short id) {
    return ShowMciErrorStr(SendMciCommand(id, MCI_STOP, MCI_WAIT, nullptr), kLabelStop);
}

int QERNO_CALL PauseMedia(unsigned short id) {
    MCI_GENERIC_PARMS block = {};
    return ShowMciErrorStr(SendMciCommand(id, MCI_PAUSE, MCI_WAIT, &block), kLabelPause);
}

int QERNO_CALL CloseMedia(unsigned short id) {
    return ShowMciErrorStr(SendMciCommand(id, MCI_CLOSE, MCI_WAIT, nullptr), kLabelClose);
}

int QERNO_CALL SetAudioOnOff(unsigned short id, int leftOn, int rightOn) {
    MCI_SET_PARMS block = {};
    block.dwAudio = MCI_SET_AUDIO_LEFT;
    // The left channel's answer is not reported: the call stands for the pair.
    SendMciCommand(id, MCI_SET, MCI_SET_AUDIO | OnOffFlag(leftOn), &block);
    block.dwAudio = MCI_SET_AUDIO_RIGHT;
    const MCIERROR error = SendMciCommand(id, MCI_SET, MCI_SET_AUDIO | OnOffFlag(rightOn), &block);
    return ShowMciErrorStr(error, kLabelAudioOnOff);
}

int QERNO_CALL SetVideoOnOff(unsigned short id, int on) {
    MCI_SET_PARMS block = {};
    const MCIERROR error = SendMciCommand(id, MCI_SET, MCI_SET_VIDEO | OnOffFlag(on), &block);
    return ShowMciErrorStr(error, kLabelVideoOnOff);
}

int QERNO_CALL SetMediaTimeFormat(unsigned short id, unsigned long format) {
    MCI_SET_PARMS block = {};
    block.dwTimeFormat = format;
    const MCIERROR error = SendMciCommand(id, MCI_SET, MCI_SET_TIME_FORMAT, &block);
    return ShowMciErrorStr(error, kLabelTimeFormat);
}

int QERNO_CALL SetMediaPosition(unsigned short id, unsigned long position) {
    MCI_SEEK_PARMS block = {};
    block.dwTo = position;
    DWORD flags = MCI_WAIT | MCI_TO;
    if (position == 0)
        flags = MCI_WAIT | MCI_SEEK_TO_START;
    else if (position == kNoMediaPosition)
        flags = MCI_WAIT | MCI_SEEK_TO_END;
    return ShowMciErrorStr(SendMciCommand(id, MCI_SEEK, flags, &block), kLabelSeek);
}
