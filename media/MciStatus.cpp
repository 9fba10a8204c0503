// Status queries of an MCI device. A failed query is logged and reads as 0, so only the log tells
// a failure from a genuine 0.
#include "QernoMedia.h"
#include "media/MciCommand.h"

namespace {

constexpr char kLabelStartPos[] = "-- Get Start-Pos -- ";
constexpr char kLabelTrackLength[] = "-- Get Track-Start-Len -- ";
constexpr char kLabelTrackStart[] = "-- Get Track-Start-Pos -- ";

unsigned long QueryStatus(unsigned short id, DWORD flags, DWORD item, DWORD track,
                          const char* label, unsigned long failed = 0) {
    MCI_STATUS_PARMS block = {};
    block.dwItem = item;
    block.dwTrack = track;
    if (!ShowMciErrorStr(SendMciCommand(id, MCI_STATUS, flags, &block), label))
        return failed;
    return static_cast<unsigned long>(block.dwReturn);
}

} // namespace

unsigned long QERNO_CALL GetMediaStatus(unsigned short id, unsigned long item) {
    // A device that cannot say whether its medium is in is taken to have it.
    const unsigned long failed = item == MCI_STATUS_MEDIA_PRESENT ? 1 : 0;
    return QueryStatus(id, MCI_STATUS_ITEM, item, 0, kLabelStatus, failed);
}

unsigned long QERNO_CALL GetMediaLength(unsigned short id) {
    return GetMediaStatus(id, MCI_STATUS_LENGTH);
}

unsigned long QERNO_CALL GetMediaPosition(unsigned short id) {
    return GetMediaStatus(id, MCI_STATUS_POSITION);
}

unsigned long QERNO_CALL GetMediaTrackCount(unsigned short id) {
    return GetMediaStatus(id, MCI_STATUS_NUMBER_OF_TRACKS);
}

unsigned long QERNO_CALL GetMediaMode(unsigned short id) {
    return GetMediaStatus(id, MCI_STATUS_MODE);
}

unsigned long QERNO_CALL IsMediaPresent(unsigned short id) {
    return GetMediaStatus(id, MCI_STATUS_MEDIA_PRESENT);
}

int QERNO_CALL CheckCDAudioPresent(unsigned short id) {
    return static_cast<int>(GetMediaStatus(id, MCI_STATUS_MEDIA_PRESENT));
}

unsigned long QERNO_CALL GetMediaTimeFormat(unsigned short id) {
    return GetMediaStatus(id, MCI_STATUS_TIME_FORMAT);
}

unsigned long QERNO_CALL IsMediaReady(unsigned short id) {
    return GetMediaStatus(id, MCI_STATUS_READY);
}

unsigned long QERNO_CALL GetMediaCurrentTrack(unsigned short id) {
    return GetMediaStatus(id, MCI_STATUS_CURRENT_TRACK);
}

int QERNO_CALL IsMediaPlaying(unsigned short id) {
    return GetMediaMode(id) == MCI_MODE_PLAY;
}

int QERNO_CALL IsMediaStop(unsigned short id) {
    const unsigned long mode = GetMediaMode(id);
    return mode == MCI_MODE_STOP || mode == MCI_MODE_PAUSE;
}

unsigned long QERNO_CALL GetMediaStartPosition(unsigned short id) {
    return QueryStatus(id, MCI_STATUS_ITEM | MCI_STATUS_START, MCI_STATUS_POSITION, 0,
                       kLabelStartPos);
}

unsigned long QERNO_CALL GetMediaTrackLength(unsigned short id, unsigned short track) {
    return QueryStatus(id, MCI_STATUS_ITEM | MCI_TRACK, MCI_STATUS_LENGTH, track,
                       kLabelTrackLength);
}

unsigned long QERNO_CALL GetMediaTrackStartPosition(unsigned short id, unsigned short track) {
    return QueryStatus(id, MCI_STATUS_ITEM | MCI_TRACK, MCI_STATUS_POSITION, track,
                       kLabelTrackStart);
}
