#pragma once

#include <QString>
#include <QStringList>

namespace fahuo {

// Names of the four tables of MDBfahuo.mdb.
namespace table {
inline const QString kProducts = QStringLiteral("产品表");
inline const QString kCardKeys = QStringLiteral("卡密表");
inline const QString kCountKeys = QStringLiteral("直接计数");
inline const QString kOutbox = QStringLiteral("发件箱");
}  // namespace table

// Words stored in the 使用 column of the key tables.
inline const QString kUnused = QStringLiteral("未用");
inline const QString kUsed = QStringLiteral("已用");

// One table: its columns in reading order ("id" first) and the column that must be unique
// and never empty.
struct TableSchema {
    QString name;
    QStringList columns;
    QString uniqueColumn;
};

const QList<TableSchema>& StoreTables();
// nullptr for a name that is none of the four tables.
const TableSchema* TableSchemaFor(const QString& table);
bool HasColumn(const QString& table, const QString& column);

// The 26 product fields of 产品表 from 产品 to 邮件附件; field k is entry k - 1.
const QStringList& ProductColumnNames();
// 1-based field number of a product column, or 0.
int ProductFieldOfColumn(const QString& column);

// An identifier between double quotes, for table and column names that come from the schema.
QString QuotedName(const QString& name);

// The statements that make the empty store, tables and indexes.
QStringList SchemaStatements();

}  // namespace fahuo
