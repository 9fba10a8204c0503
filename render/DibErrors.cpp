#include "render/DibErrors.h"
#include "render/DibLayout.h"

#include <windows.h>

void ShowDibError(int code) {
    MessageBoxA(GetFocus(), DibErrorText(code), nullptr, MB_ICONSTOP);
}
