#include "QernoConfig.h"
#include "QernoLog.h"
#include "config/FileNames.h"

// A path without a drive goes to the system as it stands and normally fails there.
long QERNO_CALL GetFreeDiskSpace(const char* path) {
    if (!path)
        return 0;
    char root[kDiskPathSize];
    DiskRootOfPath(path, root);
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
    if (GetDiskFreeSpaceA(root, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters))
        return FreeBytesClamped(freeClusters, sectorsPerCluster, bytesPerSector);
    const DWORD code = GetLastError();
    // Before start-up there is no log to write to.
    if (CSysLog* log = GetSysLog())
        log->SysLogSystemError(kLogCateFrame, code, "GetDiskFreeSpace():");
    return 0;
}
