// The stage windows and the key calls.
#include "QernoMedia.h"

HWND QERNO_CALL OpenMediaPlayWnd(HWND, const char*, const char*, const char*, unsigned long,
                                 unsigned long) {
    return nullptr;
}
int QERNO_CALL PlayMediaFile(HWND, const char*) {
    return 0;
}
int QERNO_CALL PauseMediaFile(HWND, const char*) {
    return 0;
}
int QERNO_CALL StopMediaFile(HWND, const char*) {
    return 0;
}
int QERNO_CALL CloseMediaFile(HWND, const char*) {
    return 0;
}
int QERNO_CALL CloseAllMediaFile() {
    return 1;
}
