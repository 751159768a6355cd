#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace fahuo {

// One configured product: the 26 texts of a row of 产品表, from 产品 to 邮件附件, in column order.
class ProductRecord {
  public:
    // Field numbers, 1-based as the columns of the product list view.
    enum Field {
        Title = 1,          // 产品
        Method = 2,         // 方式
        LowestPrice = 3,    // 最低价
        LowestCount = 4,    // 最低价数量
        LowestValue = 5,    // 最低价天
        GiftCount = 6,      // 赠送数
        GiftHours = 7,      // 赠送时
        GiftDays = 8,       // 赠送天
        Price2 = 9,         // 价格二, then 价格二天, ... up to 价格七天 = 20
        Download = 21,      // 下载
        ProductId = 22,     // 发件箱 (shown as "产品id")
        ChatTemplate = 23,  // 收件箱 (shown as "千牛内容")
        MailSubject = 24,   // 邮件标题
        MailBody = 25,      // 邮件内容
        Attachment = 26,    // 邮件附件
    };
    static constexpr int kFieldCount = 26;

    // The column names of 产品表 for fields 1 to 26, in order.
    static const QStringList& ColumnNames();
    // 1-based field number of a column name, or 0.
    static int FieldOfColumn(const QString& column);

    QString field(int k) const;
    void setField(int k, const QString& text);
    QString value(const QString& column) const { return field(FieldOfColumn(column)); }

    // Price field and value field of tier 1 to 7.
    QString tierPrice(int tier) const;
    QString tierValue(int tier) const;

    QString title() const { return field(Title); }
    QString method() const { return field(Method); }

    bool operator==(const ProductRecord&) const = default;

  private:
    std::array<QString, kFieldCount> fields_;
};

using ProductCache = QList<ProductRecord>;

}  // namespace fahuo
