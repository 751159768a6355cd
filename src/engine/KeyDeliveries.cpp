// The three methods that take keys from the local store before they send.
#include <QFileInfo>
#include <algorithm>

#include "engine/Deliveries.h"
#include "engine/KeyFile.h"
#include "engine/PriceTiers.h"

namespace fahuo {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Each missing key still gives its line, so the buyer sees how many are owed; a tier set to
// millions by mistake must not build gigabytes of empty lines, so those stop at a bound.
constexpr qint64 kMaxMissingKeyLines = 10000;

QString KeyLines(const QStringList& keys, qint64 owed, const QString& tail) {
    QString text;
    const qint64 lines = std::min<qint64>(owed, keys.size() + kMaxMissingKeyLines);
    for (qint64 i = 0; i < lines; ++i)
        text += (i < keys.size() ? keys[i] : QString()) + tail + kCrLf;
    return text;
}

}  // namespace

void Deliveries::DeliverDirectCount(const OrderRecord& order, const ProductRecord& product) {
    qint64 owed = 0;
    QString keysText;
    if (Ticked(u"选择框_发卡开关")) {
        owed = KeyCountForOrder(order, product);
        if (owed > 0) {
            const QStringList keys = p_.keys.TakeCountKeys(order.itemTitle, order.buyerNick, owed);
            keysText = KeyLines(keys, owed, QString());
        }
        p_.keys.RefreshCountKeyView();
        if (IsLargeDelivery(owed))
            WriteKeyFile(KeyFilePath(order), keysText);
    }

    TemplateValues values = Values(order, product);
    values.Q = keysText;
    const FilledTemplates filled = Fill(values, product);

    // The large test is made again here, with the settings as they are now.
    QString attachment = AttachmentPath(product.field(ProductRecord::Attachment));
    if (Ticked(u"选择框_发送邮件开关") && IsLargeDelivery(owed)) {
        attachment = KeyFilePath(order);
        if (!QFileInfo::exists(attachment))
            WriteKeyFile(attachment, keysText);
    }
    SendAndCount(order, product, filled, attachment, 5000);
}

void Deliveries::DeliverCardKeyWithPeriod(const OrderRecord& order, const ProductRecord& product) {
    QString keysText;
    if (Ticked(u"选择框_发卡开关")) {
        const QString period = CardPeriodByAmount(order, product);
        // One key whatever the quantity: the period is bought by the whole amount.
        const QStringList keys = p_.keys.TakeCardKeys(order.itemTitle, period, order.buyerNick, 1);
        keysText = KeyLines(keys, 1, QStringLiteral("；有效期：") + period + QStringLiteral("；"));
        p_.keys.RefreshCardKeyView();
    }
    TemplateValues values = Values(order, product);
    values.kami = keysText;
    SendAndCount(order, product, Fill(values, product),
                 AttachmentPath(product.field(ProductRecord::Attachment)), 1000);
}

void Deliveries::DeliverMultiSpecCardKeys(const OrderRecord& order, const ProductRecord& product) {
    QString keysText;
    if (Ticked(u"选择框_发卡开关")) {
        const QString period = CardPeriodByUnitPrice(order, product);
        const qint64 units = order.quantity;
        if (units > 0) {
            const QStringList keys =
                p_.keys.TakeCardKeys(order.itemTitle, period, order.buyerNick, units);
            keysText = KeyLines(keys, units,
                                QStringLiteral("；单价：") + order.unitPrice +
                                    QStringLiteral("；有效期：") + period + QStringLiteral("；"));
        }
        p_.keys.RefreshCardKeyView();
    }
    TemplateValues values = Values(order, product);
    values.kami = keysText;
    SendAndCount(order, product, Fill(values, product),
                 AttachmentPath(product.field(ProductRecord::Attachment)), 1000);
}

}  // namespace fahuo
