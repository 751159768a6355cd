#include "store/StoreExport.h"

#include <QDir>
#include <QSaveFile>

#include "text/DateTimeText.h"
#include "text/Gbk.h"

namespace fahuo {

bool WriteExport(PageContext& context, const QStringList& lines, const QString& baseName) {
    constexpr int kRowsBetweenEvents = 1000;
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    text.reserve(size);
    int sinceEvents = 0;
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
        if (++sinceEvents == kRowsBetweenEvents) {
            sinceEvents = 0;
            context.clock.ProcessEvents();
        }
    }
    const QString name = ExportStamp(context.clock.Now()) + baseName;
    QSaveFile file(QDir(context.store.DataDir()).filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(EncodeGbk(text));
    if (!file.commit())
        return false;
    context.dialogs.ShowMessage(name + QStringLiteral("导出完毕，保存在软件文件夹中"));
    return true;
}

}  // namespace fahuo
