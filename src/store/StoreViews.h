#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace fahuo {

// Object names of the four list views of the window.
namespace view {
inline const QString kProducts = QStringLiteral("超级列表框_发货");
inline const QString kCardKeys = QStringLiteral("超级列表框_卡密");
inline const QString kCountKeys = QStringLiteral("超级列表框_直接计数");
inline const QString kOutbox = QStringLiteral("超级列表框_发件箱");
}  // namespace view

// One column of a list view: its header, its width in pixels and the table column it shows.
struct ViewColumn {
    QString header;
    int width = 50;
    QString field;
};

// The four view names in page order of their tables: products, card keys, count keys, outbox.
const QStringList& ViewNames();
// The columns of a view in display order; empty for an unknown name.
const QList<ViewColumn>& ViewColumns(const QString& viewName);
// The table a view shows; empty for an unknown name.
QString ViewTable(const QString& viewName);

}  // namespace fahuo
