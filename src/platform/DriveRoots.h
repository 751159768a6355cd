#pragma once

#include <QByteArray>
#include <QStringList>

namespace fahuo {

// Where the Qianniu finder looks: the roots to walk, in the order the system reports them, and
// the folders a walk must not enter (on Linux the other mount points: pseudo file systems such
// as /proc, and real volumes that are walked from their own root).
struct DriveLayout {
    QStringList roots;
    QStringList doNotEnter;
};

// This machine: the logical drive strings on Windows ("C:\"), the mounted volumes elsewhere.
DriveLayout SystemDriveLayout();

// The volumes listed in the text of /proc/mounts, pseudo file systems left out.
DriveLayout DriveLayoutFromMounts(const QByteArray& procMounts);

}  // namespace fahuo
