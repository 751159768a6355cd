#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

namespace fahuo {

// What the handler of a found file wants next.
enum class SearchNext { GoOn, Stop };

struct SearchOptions {
    // Checked at every directory entry; set from another thread to end the walk promptly.
    const std::atomic_bool* stop = nullptr;
    // Folders never entered (other mount points), as absolute paths.
    QStringList doNotEnter;
};

// Reports every file of that name (letter case not counting) in the folder and below, depth
// first: a folder's files first, then each of its subfolders in listing order. Folders whose
// name begins with "." and symbolic links or junctions to folders are not entered; what cannot be
// listed yields nothing. The handler gets the folder with a trailing separator and the file's
// name as listed. False when the handler or the stop flag ended the walk.
bool SearchFiles(
    const QString& folder, const QString& name,
    const std::function<SearchNext(const QString& folder, const QString& fileName)>& handler,
    const SearchOptions& options = {});

}  // namespace fahuo
