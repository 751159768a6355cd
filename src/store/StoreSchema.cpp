#include "store/StoreSchema.h"

namespace fahuo {

const QStringList& ProductColumnNames() {
    static const QStringList names = {
        QStringLiteral("产品"),       QStringLiteral("方式"),     QStringLiteral("最低价"),
        QStringLiteral("最低价数量"), QStringLiteral("最低价天"), QStringLiteral("赠送数"),
        QStringLiteral("赠送时"),     QStringLiteral("赠送天"),   QStringLiteral("价格二"),
        QStringLiteral("价格二天"),   QStringLiteral("价格三"),   QStringLiteral("价格三天"),
        QStringLiteral("价格四"),     QStringLiteral("价格四天"), QStringLiteral("价格五"),
        QStringLiteral("价格五天"),   QStringLiteral("价格六"),   QStringLiteral("价格六天"),
        QStringLiteral("价格七"),     QStringLiteral("价格七天"), QStringLiteral("下载"),
        QStringLiteral("发件箱"),     QStringLiteral("收件箱"),   QStringLiteral("邮件标题"),
        QStringLiteral("邮件内容"),   QStringLiteral("邮件附件"),
    };
    return names;
}

int ProductFieldOfColumn(const QString& column) {
    return static_cast<int>(ProductColumnNames().indexOf(column)) + 1;
}

const QList<TableSchema>& StoreTables() {
    static const QString id = QStringLiteral("id");
    static const QString remark = QStringLiteral("备注");
    static const QList<TableSchema> tables = {
        {table::kProducts, QStringList{id} + ProductColumnNames() + QStringList{remark},
         QStringLiteral("产品")},
        {table::kCardKeys,
         {id, QStringLiteral("产品"), QStringLiteral("卡密"), QStringLiteral("卡期"),
          QStringLiteral("使用"), QStringLiteral("买家"), remark},
         QStringLiteral("卡密")},
        {table::kCountKeys,
         {id, QStringLiteral("产品"), QStringLiteral("卡密"), QStringLiteral("使用"),
          QStringLiteral("买家"), remark},
         QStringLiteral("卡密")},
        {table::kOutbox,
         {id, QStringLiteral("产品"), QStringLiteral("发件箱"), QStringLiteral("密码"),
          QStringLiteral("邮箱服务器"), QStringLiteral("端口"), remark},
         QStringLiteral("发件箱")},
    };
    return tables;
}

const TableSchema* TableSchemaFor(const QString& table) {
    for (const TableSchema& t : StoreTables()) {
        if (t.name == table)
            return &t;
    }
    return nullptr;
}

bool HasColumn(const QString& table, const QString& column) {
    const TableSchema* t = TableSchemaFor(table);
    return t && t->columns.contains(column);
}

QString QuotedName(const QString& name) {
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QStringList SchemaStatements() {
    QStringList statements;
    for (const TableSchema& t : StoreTables()) {
        QStringList columns{QStringLiteral("id INTEGER PRIMARY KEY AUTOINCREMENT")};
        for (const QString& c : t.columns.mid(1)) {
            if (c == t.uniqueColumn)
                columns.append(
                    QStringLiteral("%1 TEXT UNIQUE NOT NULL CHECK(%1 <> '')").arg(QuotedName(c)));
            else
                columns.append(QuotedName(c) + QStringLiteral(" TEXT"));
        }
        statements.append(QStringLiteral("CREATE TABLE %1 (%2)")
                              .arg(QuotedName(t.name), columns.join(QStringLiteral(", "))));
    }
    // The deliveries look keys up by product (and period) among the unused ones; a rename
    // moves all rows of one product.
    statements += {
        QStringLiteral("CREATE INDEX \"卡密表_产品_卡期_使用\" ON \"卡密表\"(\"产品\", \"卡期\", "
                       "\"使用\")"),
        QStringLiteral("CREATE INDEX \"直接计数_产品_使用\" ON \"直接计数\"(\"产品\", \"使用\")"),
        QStringLiteral("CREATE INDEX \"发件箱_产品\" ON \"发件箱\"(\"产品\")"),
    };
    return statements;
}

}  // namespace fahuo
