// What the movie and video families share. MCI's animation and digital-video command sets drive
// a picture in its display window by the same commands; a family's Kind names its blocks
// (OpenBlock, WindowBlock, RectBlock, UpdateBlock, PlayBlock), its flags, its labels, its status
// query Status and which play bounds it gives to MCI (IsBound).
#pragma once

#include "QernoMedia.h"
#include "media/MciCommand.h"

constexpr char kLabelUpdate[] = "-- UPDATE -- ";

// False, with the failure logged, for a caller that has no device.
template <class Kind> bool HasPictureDevice(unsigned short id) {
    return id != 0 || ShowMciErrorStr(kInvalidMediaId, Kind::kNoDevice);
}

template <class Kind>
unsigned short OpenPictureDevice(const char* deviceType, const char* element, const char* alias,
                                 HWND parent, HWND notify, unsigned long style) {
    typename Kind::OpenBlock block = {};
    block.dwCallback = MciCallback(notify);
    // The digital-video block declares its strings writable; MCI only reads them.
    block.lpstrDeviceType = const_cast<char*>(deviceType);
    block.lpstrElementName = const_cast<char*>(element);
    block.lpstrAlias = const_cast<char*>(alias);
    block.dwStyle = style;
    block.hWndParent = parent;
    DWORD flags = MCI_OPEN_TYPE | MCI_OPEN_ELEMENT | Kind::kOpenWindowStyle;
    if (parent)
        flags |= Kind::kOpenParent;
    if (notify)
        flags |= MCI_NOTIFY;
    if (alias)
        flags |= MCI_OPEN_ALIAS;
    if (!ShowMciErrorStr(SendMciCommand(0, MCI_OPEN, flags, &block), kLabelOpen))
        return 0;
    return static_cast<unsigned short>(block.wDeviceID);
}

template <class Kind> int SetPictureWindow(unsigned short id, HWND window) {
    if (!HasPictureDevice<Kind>(id))
        return 0;
    typename Kind::WindowBlock block = {};
    block.hWnd = window;
    return ShowMciErrorStr(SendMciCommand(id, MCI_WINDOW, Kind::kWindowHandle, &block),
                           Kind::kLabelWindowHandle);
}

// MCI's rectangles are left, top, width and height; the block's values reach rect even when the
// device refuses.
template <class Kind> int GetPictureFrame(unsigned short id, RECT* rect, int destination) {
    if (!HasPictureDevice<Kind>(id))
        return 0;
    typename Kind::RectBlock block = {};
    const DWORD part = destination ? Kind::kWhereDestination : Kind::kWhereSource;
    const MCIERROR error = SendMciCommand(id, MCI_WHERE, Kind::kRect | part, &block);
    if (rect)
        *rect = block.rc;
    return ShowMciErrorStr(error, Kind::kLabelWhere);
}

template <class Kind> HWND GetPictureWindow(unsigned short id) {
    if (!HasPictureDevice<Kind>(id))
        return nullptr;
    // Window handles keep 32 significant bits, sign-extended in 64-bit processes.
    const LONG handle = static_cast<LONG>(Kind::Status(id, Kind::kStatusWindow));
    return static_cast<HWND>(LongToHandle(handle));
}

// rect holds x, y, width and height.
template <class Kind> int MovePictureWindow(unsigned short id, RECT* rect) {
    if (!HasPictureDevice<Kind>(id) || !rect)
        return 0;
    MoveWindow(GetPictureWindow<Kind>(id), rect->left, rect->top, rect->right, rect->bottom, TRUE);
    return 1;
}

template <class Kind> int SetPictureArea(unsigned short id, RECT* rect) {
    if (!HasPictureDevice<Kind>(id) || !rect)
        return 0;
    typename Kind::RectBlock block = {};
    block.rc = {rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top};
    const MCIERROR error = SendMciCommand(id, MCI_PUT, Kind::kRect | Kind::kPutDestination, &block);
    return ShowMciErrorStr(error, Kind::kLabelPut);
}

template <class Kind> int SetPicturePosition(unsigned short id, unsigned long position) {
    if (!HasPictureDevice<Kind>(id))
        return 0;
    return SetMediaPosition(id, position);
}

template <class Kind> int UpdatePicture(unsigned short id, HDC dc, RECT* rect) {
    if (!HasPictureDevice<Kind>(id))
        return 0;
    if (!dc)
        return ShowCustomErrorStr(Kind::kInvalidDc);
    typename Kind::UpdateBlock block = {};
    block.hDC = dc;
    DWORD flags = Kind::kUpdateDc;
    if (rect) {
        block.rc = *rect;
        flags |= Kind::kRect;
    }
    return ShowMciErrorStr(SendMciCommand(id, MCI_UPDATE, flags, &block), kLabelUpdate);
}

template <class Kind> int PlayPicture(unsigned short id, long from, long to, HWND notify) {
    if (!HasPictureDevice<Kind>(id))
        return 0;
    typename Kind::PlayBlock block = {};
    block.dwCallback = MciCallback(notify);
    block.dwFrom = static_cast<DWORD>(from);
    block.dwTo = static_cast<DWORD>(to);
    DWORD flags = 0;
    if (Kind::IsBound(from))
        flags |= MCI_FROM;
    if (Kind::IsBound(to))
        flags |= MCI_TO;
    if (notify)
        flags |= MCI_NOTIFY;
    return ShowMciErrorStr(SendMciCommand(id, MCI_PLAY, flags, &block), Kind::kLabelPlay);
}

template <class Kind> int ShowPictureWindow(unsigned short id, int show) {
    if (!HasPictureDevice<Kind>(id))
        return 0;
    typename Kind::WindowBlock block = {};
    block.nCmdShow = static_cast<UINT>(show);
    return ShowMciErrorStr(SendMciCommand(id, MCI_WINDOW, Kind::kWindowState, &block),
                           Kind::kLabelShowWindow);
}

template <class Kind> int ClosePicture(unsigned short id) {
    if (!HasPictureDevice<Kind>(id))
        return 0;
    return CloseMedia(id);
}

// A bitmap compatible with dc holding the whole source picture, owned by the caller; null when
// the device cannot tell its picture or cannot draw it.
template <class Kind> HBITMAP PictureAsBitmap(unsigned short id, HDC dc) {
    RECT source = {}; // left, top, width, height
    if (!GetPictureFrame<Kind>(id, &source, 0))
        return nullptr;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, source.right, source.bottom);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const int drawn = UpdatePicture<Kind>(id, memory, &source);
    SelectObject(memory, previous);
    DeleteDC(memory);
    if (!drawn) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}
