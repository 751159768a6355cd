#include "engine/Deliveries.h"

#include <QDir>

#include "engine/DeliveryMethod.h"
#include "engine/KeyFile.h"
#include "engine/Signatures.h"
#include "text/TextRules.h"

namespace fahuo {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}  // namespace

bool Deliveries::Deliver(const OrderRecord& order, const ProductRecord& product) {
    const QString m = product.method();
    if (m == method::kDirectDownload)
        DeliverDirectDownload(order, product);
    else if (m == method::kDirectCount)
        DeliverDirectCount(order, product);
    else if (m == method::kCardKeyWithPeriod)
        DeliverCardKeyWithPeriod(order, product);
    else if (m == method::kTimedAccount)
        DeliverTimedAccount(order, product);
    else if (m == method::kCountedOrder)
        DeliverCountedOrder(order, product);
    else if (m == method::kMultiSpecCardKeys)
        DeliverMultiSpecCardKeys(order, product);
    else
        return false;
    return true;
}

void Deliveries::DeliverDirectDownload(const OrderRecord& order, const ProductRecord& product) {
    const FilledTemplates filled = Fill(Values(order, product), product);
    SendAndCount(order, product, filled, AttachmentPath(product.field(ProductRecord::Attachment)),
                 5000);
}

TemplateValues Deliveries::Values(const OrderRecord& order, const ProductRecord& product) const {
    TemplateValues v;
    v.bianhao = order.orderNumber;
    v.buyWang = order.buyerNick;
    v.canpin = order.itemTitle;
    v.xiazai = product.field(ProductRecord::Download);
    v.fujian = product.field(ProductRecord::Attachment);
    v.myWang = Text(u"编辑框_卖家旺旺");
    return v;
}

FilledTemplates Deliveries::Fill(const TemplateValues& values, const ProductRecord& product) const {
    return FillTemplates(values, product.field(ProductRecord::ChatTemplate),
                         product.field(ProductRecord::MailSubject),
                         product.field(ProductRecord::MailBody));
}

void Deliveries::SendAndCount(const OrderRecord& order, const ProductRecord& product,
                              const FilledTemplates& filled, const QString& attachmentFile,
                              int chatWaitMs) {
    MailStep(order, product, filled, attachmentFile);
    ShipmentStep(order);
    ChatStep(order, filled, chatWaitMs);
    CountStep(order);
}

void Deliveries::MailStep(const OrderRecord& order, const ProductRecord& product,
                          const FilledTemplates& filled, const QString& attachmentFile) {
    if (!Ticked(u"选择框_发送邮件开关"))
        return;
    // With no sending mailbox there is nothing to send through; the wait stays.
    if (const auto mailbox = p_.mail.PickSendingMailbox()) {
        DeliveryMail mail;
        mail.from = *mailbox;
        mail.subject = filled.subject;
        mail.body = filled.body + LongSignature();
        mail.attachmentName = product.field(ProductRecord::Attachment);
        mail.attachmentFile = attachmentFile;
        mail.recipient = order.buyerEmail;
        mail.replyWait = Text(u"编辑框_发件箱延时");
        p_.mail.SendMail(mail);
    }
    p_.clock.Delay(2000);
}

void Deliveries::ShipmentStep(const OrderRecord& order) {
    if (!Ticked(u"选择框_淘宝发货开关"))
        return;
    p_.orders.ConfirmShipment(order);
    p_.clock.Delay(2000);
}

void Deliveries::ChatStep(const OrderRecord& order, const FilledTemplates& filled, int waitMs) {
    if (!Ticked(u"选择框_发千牛消息开关"))
        return;
    p_.chat.SendChatMessage(
        RemoveAllSpaces(Text(u"编辑框_卖家旺旺")), RemoveAllSpaces(order.buyerNick),
        kCrLf + kCrLf + filled.chat + ShortSignature(), Trim(p_.chat.WwcmdPath()));
    p_.clock.Delay(waitMs);
}

void Deliveries::CountStep(const OrderRecord& order) {
    ++successCount_;
    p_.controls.SetText(QStringLiteral("标签_成功次数"), NumberToText(successCount_));
    const qint64 total = TextToInteger(Text(u"标签_总金额")) + TextToInteger(order.amount);
    p_.controls.SetText(QStringLiteral("标签_总金额"), NumberToText(total));
}

QString Deliveries::AttachmentPath(const QString& name) const {
    if (name.isEmpty() || p_.dataDir.isEmpty() || QDir::isAbsolutePath(name))
        return name;
    return QDir(p_.dataDir).filePath(name);
}

QString Deliveries::KeyFilePath(const OrderRecord& order) const {
    const QString name = KeyFileName(order.orderNumber, order.buyerNick);
    return p_.dataDir.isEmpty() ? name : QDir(p_.dataDir).filePath(name);
}

bool Deliveries::IsLargeDelivery(qint64 keyCount) const {
    return Ticked(u"选择框_量大生附件") &&
           keyCount >= TextToInteger(Trim(Text(u"编辑框_量大生附件")));
}

bool Deliveries::Ticked(const char16_t* name) const {
    return p_.controls.Ticked(QString::fromUtf16(name));
}

QString Deliveries::Text(const char16_t* name) const {
    return p_.controls.Text(QString::fromUtf16(name));
}

}  // namespace fahuo
