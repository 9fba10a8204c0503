// What a log record costs against the bare open, seek, write and close that every record
// needs, both writing the same bytes to a temporary file.
#include "LibraryStart.h"
#include "RatioLine.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

constexpr int kRecords = 2000;

template <typename WriteOne> double MicrosecondsPerRecord(WriteOne writeOne) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int index = 0; index < kRecords; ++index)
        writeOne();
    QueryPerformanceCounter(&end);
    return (end.QuadPart - start.QuadPart) * 1e6 / frequency.QuadPart / kRecords;
}

void AppendBare(const char* path, const std::string& record) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    SetFilePointer(file, 0, nullptr, FILE_END);
    WriteFile(file, record.data(), record.size(), &written, nullptr);
    CloseHandle(file);
}

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

int main() {
    // The library's own log, so that the level and category texts come from the resource module.
    const std::string path = StartLibrary("log_record_cost", "qerno-log-record-cost.log");
    if (path.empty())
        return 1;
    DeleteFileA(path.c_str());

    CSysLog* log = GetSysLog();
    const auto logOne = [log] {
        log->SysLogString(kLogInfo, kLogCateFrame, "Opened C:\\Shows\\Spring.lum: 12 scenes");
    };
    const double logged = MicrosecondsPerRecord(logOne);
    const std::string written = ReadAll(path);
    const std::string record = written.substr(0, written.find('\n') + 1);
    DeleteFileA(path.c_str());

    const double bare = MicrosecondsPerRecord([&] { AppendBare(path.c_str(), record); });
    const bool sameBytes = ReadAll(path) == written;
    DeleteFileA(path.c_str());

    std::printf("%d records of %zu bytes%s\n", kRecords, record.size(),
                sameBytes ? "" : " (the two files differ)");
    std::printf("%-50s %8.2f us per record\n", "CSysLog::SysLogString", logged);
    std::printf("%-50s %8.2f us per record\n", "CreateFile, SetFilePointer, WriteFile, CloseHandle",
                bare);
    std::printf("%-50s %8.2f\n", "ratio", logged / bare);
    // The figure make bench gathers: the two take turns, and the median of their ratios counts.
    const double ratio =
        MedianRatio(5, kRecords / 4, logOne, [&] { AppendBare(path.c_str(), record); });
    DeleteFileA(path.c_str());
    PrintRatio("log_record", ratio);
    return sameBytes ? 0 : 1;
}
