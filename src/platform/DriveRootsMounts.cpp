#include <QSet>

#include "platform/DriveRoots.h"

namespace fahuo {
namespace {

// File systems that hold no installed programs: kernel views, memory, containers' plumbing.
bool IsPseudoFileSystem(const QByteArray& type) {
    static const QSet<QByteArray> pseudo = {
        "proc",        "sysfs",      "tmpfs",       "devtmpfs", "devpts",
        "cgroup",      "cgroup2",    "securityfs",  "debugfs",  "tracefs",
        "mqueue",      "hugetlbfs",  "pstore",      "bpf",      "autofs",
        "configfs",    "fusectl",    "binfmt_misc", "ramfs",    "nsfs",
        "efivarfs",    "rpc_pipefs", "selinuxfs",   "squashfs", "fuse.gvfsd-fuse",
        "fuse.portal", "nfsd",
    };
    return pseudo.contains(type);
}

// /proc/mounts writes a space, a tab, a backslash and a newline in a path as \040 \011 \134 \012.
QString UnescapeMountPath(const QByteArray& field) {
    QByteArray out;
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int code = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok) {
                out.append(char(code));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return QString::fromUtf8(out);
}

}  // namespace

DriveLayout DriveLayoutFromMounts(const QByteArray& procMounts) {
    DriveLayout layout;
    for (const QByteArray& line : procMounts.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        const QString path = UnescapeMountPath(fields[1]);
        if (!path.startsWith(QLatin1Char('/')))
            continue;
        if (!layout.doNotEnter.contains(path))
            layout.doNotEnter.append(path);
        if (!IsPseudoFileSystem(fields[2]) && !layout.roots.contains(path))
            layout.roots.append(path);
    }
    return layout;
}

}  // namespace fahuo
