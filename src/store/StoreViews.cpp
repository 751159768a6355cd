#include "store/StoreViews.h"

#include "store/StoreSchema.h"

namespace fahuo {
namespace {

struct ViewLayout {
    QString view;
    QString table;
    QList<ViewColumn> columns;
};

QList<ViewColumn> ProductViewColumns() {
    QList<ViewColumn> columns{{QStringLiteral("序号"), 50, QStringLiteral("id")}};
    for (const QString& field : ProductColumnNames())
        columns.append({field, 50, field});
    columns.append({QStringLiteral("备注"), 50, QStringLiteral("备注")});
    // Two product fields keep older column names; the view shows what they hold.
    columns[ProductFieldOfColumn(QStringLiteral("发件箱"))].header = QStringLiteral("产品id");
    columns[ProductFieldOfColumn(QStringLiteral("收件箱"))].header = QStringLiteral("千牛内容");
    for (const char* wide : {"最低价数量", "邮件标题", "邮件内容", "邮件附件"})
        columns[ProductFieldOfColumn(QString::fromUtf8(wide))].width = 60;
    return columns;
}

QList<ViewColumn> Same(std::initializer_list<std::pair<const char*, int>> columns) {
    QList<ViewColumn> out;
    for (const auto& [name, width] : columns)
        out.append({QString::fromUtf8(name), width, QString::fromUtf8(name)});
    return out;
}

const QList<ViewLayout>& Layouts() {
    static const QList<ViewLayout> layouts = [] {
        QList<ViewLayout> l;
        l.append({view::kProducts, table::kProducts, ProductViewColumns()});
        l.append({view::kCardKeys, table::kCardKeys,
                  Same({{"id", 50},
                        {"产品", 450},
                        {"卡密", 150},
                        {"卡期", 50},
                        {"使用", 50},
                        {"买家", 50},
                        {"备注", 50}})});
        QList<ViewColumn> count = Same(
            {{"id", 50}, {"产品", 450}, {"卡密", 100}, {"使用", 50}, {"买家", 50}, {"备注", 50}});
        count[2].header = QStringLiteral("卡密(要卖的Q)");
        l.append({view::kCountKeys, table::kCountKeys, count});
        l.append({view::kOutbox, table::kOutbox,
                  Same({{"id", 50},
                        {"产品", 200},
                        {"发件箱", 150},
                        {"密码", 50},
                        {"邮箱服务器", 100},
                        {"端口", 100},
                        {"备注", 100}})});
        return l;
    }();
    return layouts;
}

const ViewLayout* LayoutOf(const QString& viewName) {
    for (const ViewLayout& l : Layouts()) {
        if (l.view == viewName)
            return &l;
    }
    return nullptr;
}

}  // namespace

const QStringList& ViewNames() {
    static const QStringList names = {view::kProducts, view::kCardKeys, view::kCountKeys,
                                      view::kOutbox};
    return names;
}

const QList<ViewColumn>& ViewColumns(const QString& viewName) {
    static const QList<ViewColumn> none;
    const ViewLayout* l = LayoutOf(viewName);
    return l ? l->columns : none;
}

QString ViewTable(const QString& viewName) {
    const ViewLayout* l = LayoutOf(viewName);
    return l ? l->table : QString();
}

}  // namespace fahuo
