#include "PlugInList.h"

#include "SceneText.h"

#include <string>

namespace {

constexpr int kRowHeight = 18;
constexpr int kNameColumn = 50;  // from the key column
constexpr int kFileColumn = 330; // likewise

} // namespace

int PaintPlugInList(HDC dc, int x, int y, CPlugInManager* manager) {
    if (!manager) {
        DrawSceneText(dc, x, y, "No plug-in manager: the library has not started.");
        return y + kRowHeight;
    }
    DrawSceneHeading(dc, x, y, "Key");
    DrawSceneHeading(dc, x + kNameColumn, y, "Display name");
    DrawSceneHeading(dc, x + kFileColumn, y, "File name");
    y += kRowHeight;
    for (int i = 0; i < manager->m_nCount && i < CPlugInManager::kMaxEntries; ++i) {
        const CString* name = manager->m_pDisplayName[i];
        const CString* file = manager->m_pFileName[i];
        DrawSceneText(dc, x, y, std::to_string(manager->m_nKey[i]));
        DrawSceneText(dc, x + kNameColumn, y, name ? static_cast<const char*>(*name) : "");
        DrawSceneText(dc, x + kFileColumn, y, file ? static_cast<const char*>(*file) : "");
        y += kRowHeight;
    }
    return y;
}
