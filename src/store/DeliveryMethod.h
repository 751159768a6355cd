#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace fahuo {

// The product's 方式 text names how its orders are delivered.
namespace method {
inline const QString kDirectDownload = QStringLiteral("直接下载");
inline const QString kDirectCount = QStringLiteral("直接计数");
inline const QString kCardKeyWithPeriod = QStringLiteral("卡密有卡期");
inline const QString kTimedAccount = QStringLiteral("计时网验");
inline const QString kCountedOrder = QStringLiteral("计数计时网验");
inline const QString kMultiSpecCardKeys = QStringLiteral("卡密多规格可多张");
}  // namespace method

// The six method texts in the order the method combo box offers them.
const QStringList& DeliveryMethods();

// What the product editor shows for one method.
struct MethodFields {
    QString method;
    QString caption;     // caption of 分组框_发货方式 when the method is chosen
    QString rowCaption;  // the caption when a product row of this method is selected
    QString switchName;  // check box the choice sets, empty for none
    bool switchTicked = false;
    QList<int> editable;     // product fields among 3 to 20 that are enabled
    bool enablesTextFields;  // 下载 and the template boxes (fields 21, 23 to 26)
};

// The per-method table; nullptr for a text that is none of the six.
const MethodFields* MethodFieldsFor(const QString& method);
const QList<MethodFields>& MethodFieldTable();

}  // namespace fahuo
