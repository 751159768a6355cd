#include "engine/KeyFile.h"

#include <QSaveFile>

#include "text/Gbk.h"

namespace fahuo {

QString KeyFileName(const QString& orderNumber, const QString& buyerNick) {
    QString name = orderNumber + QLatin1Char('-') + buyerNick + QLatin1String(".txt");
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || QStringView(u"\\/:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    return name;
}

bool WriteKeyFile(const QString& path, const QString& keysText) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (FitsGbk(keysText))
        file.write(EncodeGbk(keysText));
    else
        file.write(QByteArray("\xEF\xBB\xBF") + keysText.toUtf8());
    return file.commit();
}

}  // namespace fahuo
