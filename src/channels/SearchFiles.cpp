#include "channels/SearchFiles.h"

#include <QDir>
#include <QFileInfo>

namespace fahuo {
namespace {

bool Stopped(const SearchOptions& options) {
    return options.stop && options.stop->load(std::memory_order_relaxed);
}

QString WithSeparator(const QString& folder) {
    const QString native = QDir::toNativeSeparators(folder);
    return native.endsWith(QDir::separator()) ? native : native + QDir::separator();
}

bool Walk(const QString& folder, const QString& name,
          const std::function<SearchNext(const QString&, const QString&)>& handler,
          const SearchOptions& options) {
    const QString here = WithSeparator(folder);
    QDir dir(folder);
    const QFileInfoList files =
        dir.entryInfoList({name}, QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QFileInfo& file : files) {
        if (Stopped(options))
            return false;
        if (file.fileName().compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (handler(here, file.fileName()) == SearchNext::Stop)
            return false;
    }
    const QFileInfoList folders = dir.entryInfoList(
        QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System | QDir::NoSymLinks,
        QDir::NoSort);
    for (const QFileInfo& sub : folders) {
        if (Stopped(options))
            return false;
        // Links and junctions to folders make loops; a walk of whole drives must never cycle.
        if (sub.isSymLink() || sub.isJunction() || sub.fileName().startsWith(QLatin1Char('.')))
            continue;
        const QString path = sub.absoluteFilePath();
        if (options.doNotEnter.contains(path))
            continue;
        if (!Walk(path, name, handler, options))
            return false;
    }
    return true;
}

}  // namespace

bool SearchFiles(
    const QString& folder, const QString& name,
    const std::function<SearchNext(const QString& folder, const QString& fileName)>& handler,
    const SearchOptions& options) {
    return Walk(folder, name, handler, options);
}

}  // namespace fahuo
