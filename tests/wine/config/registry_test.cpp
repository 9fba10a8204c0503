#include "Qerno.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

constexpr char kProductKey[] = "SoftWare\\Brelvik\\Brelvik Lumo Studio\\2.1";
constexpr char kTestSubkey[] = "QernoRegistryTest";
constexpr char kMissingSubkey[] = "QernoRegistryTest\\Missing";
constexpr char kPathName[] = "QernoRegistryTestPath";
constexpr char kFill = 'Z'; // marks bytes nobody may write
constexpr unsigned long kNotFound = ERROR_FILE_NOT_FOUND, kMoreData = ERROR_MORE_DATA,
                        kNoMoreItems = ERROR_NO_MORE_ITEMS;

std::string KeyPath(const char* subkey) {
    return std::string(kProductKey) + "\\" + subkey;
}

// The library started as a host starts it, so that the wrapper's records reach the log.
struct Registry : testing::Test {
    static void SetUpTestSuite() { InitQernoDll(nullptr, LoadLibraryA("QernoRes.dll")); }
    void SetUp() override { TearDown(); }
    void TearDown() override {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, KeyPath(kTestSubkey).c_str());
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, KeyPath("Paths").c_str(), kPathName);
    }

    // The values the readers are tested on, written through the wrapper.
    static void WriteTestValues() {
        CLumoRegist writer;
        ASSERT_EQ(1, writer.Open(kTestSubkey, TRUE));
        unsigned char bytes[] = {0x0A, 0xFF, 0x00};
        EXPECT_EQ(1, writer.SetStringByName("LogFile", "C:\\temp\\q.log"));
        EXPECT_EQ(1, writer.SetDWordByName("Size", 0x1234));
        EXPECT_EQ(1, writer.SetBinaryByName("Bytes", bytes, sizeof bytes));
        EXPECT_EQ(1, writer.SetStringByName("Empty", ""));
    }

    LogCapture log_{"qerno-registry-test.log"};
    CLumoRegist registry_;
};

// Without an open key a failure is one of opening it, whatever the code.
TEST_F(Registry, MissingKeyIsNotOpenedAndNothingTouchesTheRegistry) {
    EXPECT_EQ(0, registry_.Open(kMissingSubkey, FALSE));
    EXPECT_EQ(kNotFound, registry_.GetLastError());
    EXPECT_EQ(1, log_.Count(LogRecord(11601, 11622,
                                      "Cannot open: " + KeyPath(kMissingSubkey) + "\n -- " +
                                          SystemText(kNotFound))));
    char text[64]; // room for the whole text
    EXPECT_EQ(7u, registry_.GetErrorString(text, 0, 8));
    EXPECT_STREQ("The reg", text); // of "The registry is not opened\n"
    unsigned long count = 0;
    EXPECT_EQ(0, registry_.GetValueNum(&count, nullptr, nullptr));
    EXPECT_EQ(0, registry_.SetDWordByName("Size", 1));
    EXPECT_EQ(kNotFound, registry_.GetLastError());
    EXPECT_EQ(1, registry_.Close());

    ASSERT_EQ(1, registry_.Open(nullptr, TRUE));
    EXPECT_STREQ(kProductKey, registry_.m_strKeyName);
    EXPECT_LT(0u, registry_.GetErrorString(text, kNotFound, sizeof text));
    EXPECT_STRNE("The registry is not opened\n", text);
}

TEST_F(Registry, CountsAndEnumerationAgreeWithTheTypeTestsAndReadsByNameOnlyOfTheirType) {
    WriteTestValues();
    ASSERT_EQ(1, registry_.Open(kTestSubkey, FALSE));
    unsigned long count = 0, longestName = 0, index = 0, type = REG_NONE;
    EXPECT_EQ(1, registry_.GetValueNum(&count, &longestName, nullptr));
    EXPECT_TRUE(count == 4 && longestName == std::strlen("LogFile")) << count << " " << longestName;
    char name[MAX_PATH]; // room for any name the tests make
    for (unsigned long size = sizeof name;
         registry_.EnumValue(index, name, &size, &type, nullptr, nullptr); size = sizeof name) {
        EXPECT_EQ(registry_.IsValueDWord(index), type == REG_DWORD) << name;
        EXPECT_EQ(registry_.IsValueBinary(index), type == REG_BINARY) << name;
        EXPECT_EQ(registry_.IsValueString(index++), type == REG_SZ) << name;
    }
    EXPECT_EQ(4u, index);
    EXPECT_EQ(kNoMoreItems, registry_.GetLastError());

    // The readers see the types and bytes the writers stored. Of the types an installer may
    // write, the expandable string reads as a string, unexpanded, and a string list as neither
    // string nor bytes.
    const std::string key = KeyPath(kTestSubkey);
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), "Expand", REG_EXPAND_SZ, "%TEMP%", 7);
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), "List", REG_MULTI_SZ, "a\0b\0", 5);
    ASSERT_EQ(1, registry_.Open(kTestSubkey, FALSE)); // the count of values is read on opening
    char text[32];                                    // room for the longest test string
    auto* bytes = reinterpret_cast<unsigned char*>(text);
    unsigned long size = 0, value = 0;
    // The size argument, offering the whole of text.
    const auto room = [&] { return size = sizeof text, &size; };
    ASSERT_EQ(1, registry_.GetStringByName("logfile", text, room()));
    EXPECT_STREQ("C:\\temp\\q.log", text);
    EXPECT_EQ(sizeof "C:\\temp\\q.log", size) << "the size stored, terminator included";
    EXPECT_EQ(1, registry_.GetDWordByName("SIZE", &value));
    EXPECT_EQ(0x1234u, value);
    EXPECT_EQ(1, registry_.GetBinaryByName("Bytes", bytes, room()));
    EXPECT_EQ(std::string("\x0A\xFF\0", 3), std::string(text, size));
    EXPECT_EQ(1, registry_.GetValueDataByName("Empty", &type, text, room()));
    EXPECT_EQ(0u, size) << "an empty text is stored without a terminator";
    EXPECT_EQ(1, registry_.GetStringByName("Expand", text, room()));
    EXPECT_STREQ("%TEMP%", text);
    EXPECT_EQ(0, registry_.IsValueString("List") || registry_.IsValueBinary("List"));

    // Wrong types are refused before reading: the last result stays that of the search.
    EXPECT_EQ(0, registry_.GetStringByName("Size", text, room()));
    EXPECT_EQ(0, registry_.GetDWordByName("LogFile", &value));
    EXPECT_EQ(0, registry_.GetBinaryByName("Empty", bytes, &size));
    EXPECT_EQ(0u, registry_.GetLastError());
    EXPECT_EQ(sizeof text, size);

    // A buffer too small fails, and nothing is written beyond the room offered.
    std::memset(text, kFill, sizeof text);
    size = 4;
    EXPECT_EQ(0, registry_.GetStringByName("LogFile", text, &size));
    EXPECT_EQ(kMoreData, registry_.GetLastError());
    EXPECT_EQ(std::string(sizeof text - 4, kFill), std::string(text + 4, sizeof text - 4));
    EXPECT_EQ(0, registry_.GetDWordByName("Missing", &value));
    EXPECT_EQ(0, registry_.SetDWordByName("Size", 5)); // the key is open for reading
    EXPECT_EQ(DWORD(ERROR_ACCESS_DENIED), registry_.GetLastError());

    // Failures are errors followed by the system's text; finds and writes are information.
    const std::string failed = "\n -- "; // the message's line end, then the system's text
    const std::pair<unsigned int, std::string> records[] = {
        {11601, "Name not found: QernoRegistryTest\\Missing\n"},
        {11601, "EnumValue failed: QernoRegistryTest\\LogFile" + failed + SystemText(kMoreData)},
        {11601, "Cannot set data to 00000005: QernoRegistryTest\\Size" + failed +
                    SystemText(ERROR_ACCESS_DENIED)},
        {11603, "SetString to C:\\temp\\q.log: QernoRegistryTest\\LogFile\n"},
        {11603, "Set binarydata (3 bytes): QernoRegistryTest\\Bytes\n"},
        {11603, "Set data to 00001234: QernoRegistryTest\\Size\n"},
        {11603, "Found: QernoRegistryTest\\Size\n"},
    };
    for (const auto& [levelId, message] : records)
        EXPECT_EQ(1, log_.Count(LogRecord(levelId, 11622, message))) << message;
    EXPECT_EQ(1, log_.Count("EnumValue failed")) << "a value of another type was read";
}

TEST_F(Registry, PathStringsComeFromPaths) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, KeyPath("Paths").c_str(), kPathName, REG_SZ,
                    "C:\\Lumo\\Clips", 14);
    char path[MAX_PATH]; // room for the stored path
    EXPECT_EQ(1, GetLumoPathString(kPathName, path, sizeof path));
    EXPECT_STREQ("C:\\Lumo\\Clips", path);
    std::memset(path, kFill, sizeof path);
    EXPECT_EQ(0, GetLumoPathString(kPathName, path, 5));
    EXPECT_EQ(kFill, path[5]);
}

// The log reads its own settings through a quiet instance, which logs nothing, while it cannot be
// reached.
TEST_F(Registry, AQuietInstanceLogsNothing) {
    registry_.m_bLog = FALSE;
    EXPECT_EQ(0, registry_.Open(kMissingSubkey, FALSE));
    ASSERT_EQ(1, registry_.Open(kTestSubkey, TRUE));
    EXPECT_EQ(1, registry_.SetDWordByName("Num", 1));
    EXPECT_EQ("", log_.Text());
}

} // namespace
