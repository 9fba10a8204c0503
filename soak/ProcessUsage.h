// What a process holds, by probes that Wine answers truthfully: the soak program's figures and
// the tests' leak checks. Wine answers 0 to GetGuiResources and GetProcessHandleCount, so a
// check built on them passes whatever leaks.
#pragma once

#include <windows.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <utility>
#include <vector>

namespace usage_detail {

// The layout NtQuerySystemInformation writes for SystemHandleInformation.
struct HandleEntry {
    ULONG process;
    BYTE type, flags;
    USHORT value;
    PVOID object;
    ACCESS_MASK access;
};
struct HandleTable {
    ULONG count;
    HandleEntry entries[1];
};
constexpr auto kSystemHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(16);
constexpr NTSTATUS kLengthMismatch = static_cast<NTSTATUS>(0xC0000004);

} // namespace usage_detail

// The kernel handles the process holds, leaving out those of the kinds of kindsOf (handles of
// this process); -1 when the system will not say.
inline int KernelHandleCount(DWORD process, std::initializer_list<HANDLE> kindsOf = {}) {
    using namespace usage_detail;
    std::vector<char> table(1 << 20);
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(kSystemHandleInformation, table.data(),
                                              static_cast<ULONG>(table.size()), nullptr)) ==
           kLengthMismatch)
        table.resize(table.size() * 2);
    if (status)
        return -1;
    const auto* handles = reinterpret_cast<const HandleTable*>(table.data());
    const HandleEntry* const end = handles->entries + handles->count;
    std::set<BYTE> leftOut;
    for (const HandleEntry* entry = handles->entries; entry != end; ++entry)
        for (HANDLE kind : kindsOf)
            if (entry->process == GetCurrentProcessId() &&
                entry->value == reinterpret_cast<ULONG_PTR>(kind))
                leftOut.insert(entry->type);
    return static_cast<int>(std::count_if(handles->entries, end, [&](const HandleEntry& entry) {
        return entry.process == process && !leftOut.count(entry.type);
    }));
}

// The GDI objects this process can still make: every object it holds takes one of them.
inline int GdiHandleRoom() {
    std::vector<HBRUSH> made;
    for (HBRUSH brush; (brush = CreateSolidBrush(RGB(1, 2, 3))) != nullptr;)
        made.push_back(brush);
    for (HBRUSH brush : made)
        DeleteObject(brush);
    return static_cast<int>(made.size());
}

inline BOOL CALLBACK CountWindowOf(HWND window, LPARAM counting) {
    auto* count = reinterpret_cast<std::pair<DWORD, int>*>(counting);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    count->second += owner == count->first ? 1 : 0;
    return TRUE;
}

// The process's top-level windows.
inline int TopLevelWindowCount(DWORD process) {
    std::pair<DWORD, int> counting(process, 0);
    EnumWindows(CountWindowOf, reinterpret_cast<LPARAM>(&counting));
    return counting.second;
}

// The private bytes the process has committed, summed over its address space, and how many
// thread stacks they hold: a stack is the private memory with a guard page. Wine fills
// PagefileUsage with the resident memory of the whole Unix process, which the system's own Unix
// libraries move by three megabytes between one sample and the next.
struct PrivateMemory {
    SIZE_T bytes;
    int stacks;
};
inline PrivateMemory CommittedPrivateMemory() {
    PrivateMemory memory = {0, 0};
    MEMORY_BASIC_INFORMATION region;
    for (const char* at = nullptr; VirtualQuery(at, &region, sizeof region);
         at = static_cast<const char*>(region.BaseAddress) + region.RegionSize)
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) {
            memory.bytes += region.RegionSize;
            memory.stacks += (region.Protect & PAGE_GUARD) ? 1 : 0;
        }
    return memory;
}

// The threads of the process that are still running.
inline int LiveThreadCount(DWORD process) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    int count = 0;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == process ? 1 : 0;
    CloseHandle(snapshot);
    return count;
}
