#include <windows.h>

#include "platform/DriveRoots.h"

namespace fahuo {

DriveLayout SystemDriveLayout() {
    // A series of zero-terminated roots such as "C:\", ended by an empty one.
    wchar_t buffer[256] = {};
    const DWORD length = GetLogicalDriveStringsW(255, buffer);
    DriveLayout layout;
    if (length == 0 || length > 255)
        return layout;
    for (const wchar_t* root = buffer; *root; root += wcslen(root) + 1)
        layout.roots.append(QString::fromWCharArray(root));
    return layout;
}

}  // namespace fahuo
