// The plug-in manager's tables: the built-in entry and the registry's "Shade" list, the combo
// boxes filled from them, and the library's one manager.
#include "render/PlugInManager.h"

#include "QernoConfig.h"
#include "QernoFrame.h"
#include "render/PlugInTable.h"

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <new>

// Hosts built against the product allocate managers themselves: the layout is theirs too.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(CPlugInManager, m_pFileName) == 0);
static_assert(offsetof(CPlugInManager, m_pDisplayName) == 800);
static_assert(offsetof(CPlugInManager, m_nKey) == 1600);
static_assert(offsetof(CPlugInManager, m_nIndexOfKey) == 2400);
static_assert(offsetof(CPlugInManager, m_nCount) == 3200);
static_assert(offsetof(CPlugInManager, m_nBkgndFlag) == 3204);
static_assert(sizeof(CPlugInManager) == 3208);
#endif

namespace {

constexpr unsigned int kBuiltInNameId = 11267;
constexpr unsigned long kNameRoom = 260; // a registry name with its terminator
constexpr int kComboTextRoom = 128;      // a display name in a combo box and its terminator

CPlugInManager* theManager = nullptr;

// The registry's list through the product's key, one subkey open at a time.
class RegistryEntries : public plugins::EntrySource {
public:
    explicit RegistryEntries(CPlugInManager& manager) : manager_(manager) {}

    bool ReadCount(unsigned long& count) override {
        CLumoRegist registry;
        const bool read = registry.Open("Shade", 0) && registry.GetDWordByName("Num", &count);
        registry.Close();
        return read;
    }

    bool ReadEntry(int number, unsigned long& key) override {
        char subkey[32]; // "Shade\Shade" and a number
        std::snprintf(subkey, sizeof subkey, "Shade\\Shade%d", number);
        CLumoRegist registry;
        unsigned long displaySize = kNameRoom, fileSize = kNameRoom;
        const bool complete = registry.Open(subkey, 0) && registry.GetDWordByName("Key", &key) &&
                              registry.GetStringByName("DisplayName", displayName_, &displaySize) &&
                              registry.GetStringByName("FileName", fileName_, &fileSize);
        registry.Close();
        return complete;
    }

    void TakeBuiltIn(int index) override {
        char name[64] = ""; // the built-in entry's display name
        GetIDStringB(kBuiltInNameId, name, sizeof name);
        Take(index, "null.dll", name);
    }

    void TakeEntry(int index) override { Take(index, fileName_, displayName_); }

private:
    // An entry whose strings cannot be allocated stays in the table without names.
    void Take(int index, const char* fileName, const char* displayName) {
        manager_.m_pFileName[index] = new (std::nothrow) CString(fileName);
        manager_.m_pDisplayName[index] = new (std::nothrow) CString(displayName);
    }

    CPlugInManager& manager_;
    char displayName_[kNameRoom] = "";
    char fileName_[kNameRoom] = "";
};

} // namespace

HWND PlugInComboBox(CWnd* parent, unsigned int id) {
    HWND window = parent ? parent->GetSafeHwnd() : nullptr;
    return window ? GetDlgItem(window, static_cast<int>(id)) : nullptr;
}

int LoadPlugIns(CPlugInManager& manager) {
    RegistryEntries registry(manager);
    return plugins::LoadEntries(registry,
                                {manager.m_nKey, manager.m_nIndexOfKey, manager.m_nCount});
}

CPlugInManager::CPlugInManager()
    : m_pFileName(), m_pDisplayName(), m_nKey(), m_nIndexOfKey(), m_nCount(0), m_nBkgndFlag(0) {}

CPlugInManager::~CPlugInManager() {
    for (int i = 0; i < kMaxEntries; ++i) {
        delete m_pFileName[i];
        delete m_pDisplayName[i];
    }
}

int CPlugInManager::SetComboBox(CWnd* parent, unsigned int comboBoxId, unsigned int key) {
    HWND comboBox = PlugInComboBox(parent, comboBoxId);
    if (!comboBox)
        return 0;
    const int count = m_nCount < kMaxEntries ? m_nCount : kMaxEntries;
    for (int i = 0; i < count; ++i) {
        char name[kComboTextRoom] = "";
        if (m_pDisplayName[i])
            lstrcpynA(name, *m_pDisplayName[i], sizeof name);
        // A sorted combo box puts the item elsewhere: the key goes where it went.
        const LRESULT item =
            SendMessageA(comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
        if (item >= 0)
            SendMessageA(comboBox, CB_SETITEMDATA, static_cast<WPARAM>(item), m_nKey[i]);
    }
    if (key < static_cast<unsigned int>(kMaxEntries))
        SendMessageA(comboBox, CB_SETCURSEL, static_cast<WPARAM>(m_nIndexOfKey[key]), 0);
    return count;
}

CString CPlugInManager::GetPlugInFileName(unsigned int key) {
    const CString* name = m_pFileName[plugins::EntryOfKey(m_nIndexOfKey, key)];
    return name ? *name : CString();
}

void CPlugInManager::SetBkgndFlag(int flag) {
    m_nBkgndFlag = flag;
}

int CPlugInManager::GetBkgndFlag() {
    return m_nBkgndFlag;
}

void QERNO_CALL GetPlugInManager(CPlugInManager*& manager) {
    manager = theManager;
}

int InitPlugInManager() {
    DeletePlugInManager();
    theManager = new (std::nothrow) CPlugInManager;
    return theManager ? LoadPlugIns(*theManager) : 0;
}

void DeletePlugInManager() {
    delete theManager;
    theManager = nullptr;
}
