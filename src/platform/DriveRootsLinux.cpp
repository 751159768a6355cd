#include <QFile>

#include "platform/DriveRoots.h"

namespace fahuo {

DriveLayout SystemDriveLayout() {
    QFile mounts(QStringLiteral("/proc/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return {{QStringLiteral("/")}, {}};
    // Reading a /proc file: its size is unknown up front, so read until the end.
    QByteArray text;
    while (!mounts.atEnd())
        text += mounts.read(65536);
    DriveLayout layout = DriveLayoutFromMounts(text);
    if (layout.roots.isEmpty())
        layout.roots.append(QStringLiteral("/"));
    return layout;
}

}  // namespace fahuo
