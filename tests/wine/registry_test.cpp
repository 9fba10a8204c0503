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

// Type and bytes as the system itself reads them, apart from the wrapper.
std::string ReadStored(const char* name, DWORD& type) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, KeyPath(kTestSubkey).c_str(), 0, KEY_READ, &key))
        return "<not opened>";
    char data[64]; // larger than any value the tests write
    DWORD size = sizeof data;
    const LONG result =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS ? std::string(data, size) : "<not read>";
}

class Registry : public testing::Test {
protected:
    void SetUp() override { RemoveTestEntries(); }
    void TearDown() override { RemoveTestEntries(); }

    static void RemoveTestEntries() {
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

    CLumoRegist registry_;
};

// Without an open key a failure is one of opening it, whatever the code.
TEST_F(Registry, MissingKeyIsNotOpenedAndNothingTouchesTheRegistry) {
    EXPECT_EQ(0, registry_.Open(kMissingSubkey, FALSE));
    EXPECT_EQ(kNotFound, registry_.GetLastError());
    char text[64]; // room for the whole text
    EXPECT_EQ(27u, registry_.GetErrorString(text, 0, sizeof text));
    EXPECT_STREQ("The registry is not opened\n", text);
    EXPECT_EQ(7u, registry_.GetErrorString(text, 0, 8));
    EXPECT_STREQ("The reg", text);

    unsigned long count = 0, index = 0;
    EXPECT_EQ(0, registry_.GetValueNum(&count, nullptr, nullptr));
    EXPECT_EQ(0, registry_.GetIndexByName("LogFile", &index, nullptr));
    EXPECT_EQ(0, registry_.SetDWordByName("Size", 1));
    EXPECT_EQ(kNotFound, registry_.GetLastError());
    EXPECT_EQ(1, registry_.Close());

    ASSERT_EQ(1, registry_.Open(nullptr, TRUE));
    EXPECT_STREQ(kProductKey, registry_.m_strKeyName);
    EXPECT_LT(0u, registry_.GetErrorString(text, kNotFound, sizeof text));
    EXPECT_STRNE("The registry is not opened\n", text);
}

TEST_F(Registry, WritesStoreTheirTypesAndBytes) {
    WriteTestValues();
    DWORD type = REG_NONE;
    EXPECT_STREQ("C:\\temp\\q.log", ReadStored("LogFile", type).c_str());
    EXPECT_EQ(DWORD(REG_SZ), type);
    EXPECT_EQ(std::string("\x34\x12\0\0", 4), ReadStored("Size", type));
    EXPECT_EQ(DWORD(REG_DWORD), type);
    EXPECT_EQ(std::string("\x0A\xFF\0", 3), ReadStored("Bytes", type));
    EXPECT_EQ(DWORD(REG_BINARY), type);
    EXPECT_EQ("", ReadStored("Empty", type)); // stored without a terminator
    EXPECT_EQ(DWORD(REG_SZ), type);
}

// The counts are taken when the key is opened: a value added later is not searched for.
TEST_F(Registry, CountsAndEnumerationAreThoseOfTheOpening) {
    WriteTestValues();
    ASSERT_EQ(1, registry_.Open(kTestSubkey, FALSE));
    char name[MAX_PATH]; // room for any name the tests make
    unsigned long size = sizeof name, count = 0, longestName = 0;
    EXPECT_EQ(1, registry_.GetSubKeyNum(&count, nullptr));
    EXPECT_EQ(0u, count);
    EXPECT_EQ(1, registry_.GetValueNum(&count, &longestName, nullptr));
    EXPECT_EQ(4u, count);
    EXPECT_EQ(std::strlen("LogFile"), longestName);
    EXPECT_EQ(0, registry_.EnumKey(0, name, &size));
    EXPECT_EQ(kNoMoreItems, registry_.GetLastError());

    unsigned long index = 0, type = REG_NONE;
    for (size = sizeof name; registry_.EnumValue(index, name, &size, &type, nullptr, nullptr);
         ++index, size = sizeof name) {
        EXPECT_EQ(registry_.IsValueDWord(index), type == REG_DWORD) << name;
        EXPECT_EQ(registry_.IsValueBinary(index), type == REG_BINARY) << name;
        EXPECT_EQ(registry_.IsValueString(index), type == REG_SZ) << name;
    }
    EXPECT_EQ(4u, index);
    EXPECT_EQ(kNoMoreItems, registry_.GetLastError());
    EXPECT_EQ(0, registry_.IsValueString(index));
    size = 3;
    EXPECT_EQ(0, registry_.GetValueName(0, name, &size));
    EXPECT_EQ(kMoreData, registry_.GetLastError());

    CLumoRegist writer;
    ASSERT_EQ(1, writer.Open(kTestSubkey, TRUE));
    ASSERT_EQ(1, writer.SetDWordByName("ZAddedLater", 1)); // enumerates last everywhere
    EXPECT_EQ(0, registry_.IsValueDWord("ZAddedLater"));
}

TEST_F(Registry, ReadsByNameIgnoringCaseAndOnlyOfTheirType) {
    WriteTestValues();
    ASSERT_EQ(1, registry_.Open(kTestSubkey, FALSE));
    char text[32]; // room for the longest test string
    unsigned long size = sizeof text, value = 0, type = REG_NONE;
    ASSERT_EQ(1, registry_.GetStringByName("logfile", text, &size));
    EXPECT_STREQ("C:\\temp\\q.log", text);
    EXPECT_EQ(ReadStored("LogFile", type).size(), size);
    EXPECT_EQ(1, registry_.GetDWordByName("SIZE", &value));
    EXPECT_EQ(0x1234u, value);
    size = sizeof text;
    EXPECT_EQ(1, registry_.GetBinaryByName("Bytes", reinterpret_cast<unsigned char*>(text), &size));
    EXPECT_EQ(std::string("\x0A\xFF\0", 3), std::string(text, size));
    size = sizeof text;
    EXPECT_EQ(1, registry_.GetValueDataByName("Size", &type, text, &size));
    EXPECT_EQ(DWORD(REG_DWORD), type);

    // Wrong types are refused before reading: the last result stays that of the search.
    size = sizeof text;
    EXPECT_EQ(0, registry_.GetStringByName("Size", text, &size));
    EXPECT_EQ(0, registry_.GetDWordByName("LogFile", &value));
    EXPECT_EQ(0, registry_.GetBinaryByName("Empty", reinterpret_cast<unsigned char*>(text), &size));
    EXPECT_EQ(0u, registry_.GetLastError());
    EXPECT_EQ(sizeof text, size);
    EXPECT_EQ(1, registry_.IsValueString("EMPTY"));
    EXPECT_EQ(0, registry_.IsValueDWord("Missing"));

    // A buffer too small fails, and nothing is written beyond the room offered.
    std::memset(text, kFill, sizeof text);
    size = 4;
    EXPECT_EQ(0, registry_.GetStringByName("LogFile", text, &size));
    EXPECT_EQ(kMoreData, registry_.GetLastError());
    EXPECT_EQ(std::string(sizeof text - 4, kFill), std::string(text + 4, sizeof text - 4));
}

// Types an installer may write: the expandable string reads as a string, unexpanded, the
// big-endian number as stored, and a string list as neither string nor bytes.
TEST_F(Registry, ReadsTheRelatedTypesOfOtherWriters) {
    const std::string key = KeyPath(kTestSubkey);
    const DWORD big = 0x02010000;
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), "Expand", REG_EXPAND_SZ, "%TEMP%", 7);
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), "Big", REG_DWORD_BIG_ENDIAN, &big, 4);
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), "List", REG_MULTI_SZ, "a\0b\0", 5);
    ASSERT_EQ(1, registry_.Open(kTestSubkey, FALSE));
    char text[32]; // room for the longest string written
    unsigned long size = sizeof text, value = 0;
    EXPECT_EQ(1, registry_.GetStringByName("Expand", text, &size));
    EXPECT_STREQ("%TEMP%", text);
    EXPECT_EQ(1, registry_.GetDWordByName("Big", &value));
    EXPECT_EQ(big, value);
    EXPECT_EQ(0, registry_.IsValueString("List") || registry_.IsValueBinary("List"));
}

TEST_F(Registry, PathStringsComeFromPaths) {
    CLumoRegist writer;
    ASSERT_EQ(1, writer.Open("Paths", TRUE));
    ASSERT_EQ(1, writer.SetStringByName(kPathName, "C:\\Lumo\\Clips"));
    char path[MAX_PATH]; // room for the stored path
    EXPECT_EQ(1, GetLumoPathString(kPathName, path, sizeof path));
    EXPECT_STREQ("C:\\Lumo\\Clips", path);
    EXPECT_EQ(0, GetLumoPathString("QernoRegistryTestNoPath", path, sizeof path));
    std::memset(path, kFill, sizeof path);
    EXPECT_EQ(0, GetLumoPathString(kPathName, path, 5));
    EXPECT_EQ(kFill, path[5]);
}

// The library started as a host starts it, so that the wrapper's records reach the log.
class RegistryLog : public Registry {
protected:
    static void SetUpTestSuite() {
        host_ = CreateWindowA("STATIC", "Qerno test host", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                              nullptr);
        InitQernoDll(host_, LoadLibraryA("QernoRes.dll"));
    }
    static void TearDownTestSuite() { DestroyWindow(host_); }

    // A record of the registry category; the message's line feed has become a blank.
    static std::string Record(unsigned int levelId, const std::string& message) {
        return ResourceString(levelId) + " -- " + ResourceString(11622) + " -- " + message;
    }

    static HWND host_;
    LogCapture log_{"qerno-registry-test.log"};
};

HWND RegistryLog::host_ = nullptr;

// The system's text follows the failures' own.
TEST_F(RegistryLog, FailuresAreErrors) {
    EXPECT_EQ(0, registry_.Open(kMissingSubkey, FALSE));
    WriteTestValues();
    ASSERT_EQ(1, registry_.Open(kTestSubkey, FALSE));
    unsigned long value = 0, size = 4;
    char text[4]; // too small for the stored string
    EXPECT_EQ(0, registry_.GetDWordByName("Missing", &value));
    EXPECT_EQ(0, registry_.GetStringByName("LogFile", text, &size));
    EXPECT_EQ(0, registry_.SetDWordByName("Size", 5)); // the key is open for reading
    EXPECT_EQ(DWORD(ERROR_ACCESS_DENIED), registry_.GetLastError());

    for (const std::string& message :
         {"Cannot open: " + KeyPath(kMissingSubkey) + "  -- ",
          std::string("Name not found: QernoRegistryTest\\Missing \r\n"),
          std::string("EnumValue failed: QernoRegistryTest\\LogFile  -- "),
          std::string("Cannot set data to 00000005: QernoRegistryTest\\Size  -- ")})
        EXPECT_EQ(1, log_.Count(Record(11601, message))) << message;
}

TEST_F(RegistryLog, FindsAndWritesAreInformation) {
    CLumoRegist writer;
    ASSERT_EQ(1, writer.Open(kTestSubkey, TRUE));
    unsigned char bytes[] = {1, 2, 3};
    EXPECT_EQ(1, writer.SetStringByName("Name", "abc"));
    EXPECT_EQ(1, writer.SetBinaryByName("Bin", bytes, sizeof bytes));
    EXPECT_EQ(1, writer.SetDWordByName("Num", 0xBEEF));
    ASSERT_EQ(1, registry_.Open(kTestSubkey, FALSE));
    char text[8]; // room for the stored text
    unsigned long size = sizeof text;
    EXPECT_EQ(0, registry_.GetStringByName("num", text, &size));

    for (const char* message : {"SetString to abc: QernoRegistryTest\\Name \r\n",
                                "Set binarydata (3 bytes): QernoRegistryTest\\Bin \r\n",
                                "Set data to 0000BEEF: QernoRegistryTest\\Num \r\n",
                                "Found: QernoRegistryTest\\num \r\n"})
        EXPECT_EQ(1, log_.Count(Record(11603, message))) << message;
    EXPECT_EQ(0, log_.Count("EnumValue failed"));
}

// The log reads its own settings through a quiet instance while it cannot be reached.
TEST_F(RegistryLog, QuietInstanceLogsNothing) {
    registry_.m_bLog = FALSE;
    EXPECT_EQ(0, registry_.Open(kMissingSubkey, FALSE));
    ASSERT_EQ(1, registry_.Open(kTestSubkey, TRUE));
    EXPECT_EQ(1, registry_.SetDWordByName("Num", 1));
    EXPECT_EQ("", log_.Text());
}

} // namespace
