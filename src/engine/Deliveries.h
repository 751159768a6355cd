#pragma once

#include <QString>

#include "engine/EngineSeams.h"
#include "engine/FillTemplates.h"
#include "engine/ProductRecord.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/UserDialogs.h"
#include "taobao/OrderRecord.h"

namespace fahuo {

// What a delivery works with: the window's settings, the clock, and the peers it takes from
// and sends to. dataDir is where key files are written and relative attachment names are read.
struct DeliveryPeers {
    Controls& controls;
    Clock& clock;
    UserDialogs& dialogs;
    OrderSource& orders;
    KeyStore& keys;
    MailChannel& mail;
    ChatChannel& chat;
    QString dataDir;
};

// The six delivery routines. Each handles one order from start to end; a step's failure never
// stops the next step. Every fixed wait is a servicing Delay, so the window never freezes.
class Deliveries {
  public:
    explicit Deliveries(DeliveryPeers peers) : p_(std::move(peers)) {}

    // Calls the routine of the product's method; false (and nothing done) for a text that is
    // none of the six.
    bool Deliver(const OrderRecord& order, const ProductRecord& product);

    void DeliverDirectDownload(const OrderRecord& order, const ProductRecord& product);
    void DeliverDirectCount(const OrderRecord& order, const ProductRecord& product);
    void DeliverCardKeyWithPeriod(const OrderRecord& order, const ProductRecord& product);
    void DeliverMultiSpecCardKeys(const OrderRecord& order, const ProductRecord& product);
    void DeliverTimedAccount(const OrderRecord& order, const ProductRecord& product);
    void DeliverCountedOrder(const OrderRecord& order, const ProductRecord& product);

    // The account row of 计时网验 and the order row of 计数计时网验 on the seller's MySQL.
    void ProvisionTimedAccount(const OrderRecord& order, const ProductRecord& product);
    void AddCountedOrder(const OrderRecord& order, const ProductRecord& product);

    // Orders handed to a delivery since start.
    qint64 SuccessCount() const { return successCount_; }

    // Where the key file of an order goes.
    QString KeyFilePath(const OrderRecord& order) const;

  private:
    void DeliverWebsiteGrant(const OrderRecord& order, const ProductRecord& product,
                             void (Deliveries::*writeRow)(const OrderRecord&,
                                                          const ProductRecord&));
    TemplateValues Values(const OrderRecord& order, const ProductRecord& product) const;
    FilledTemplates Fill(const TemplateValues& values, const ProductRecord& product) const;
    // Mail, shipment, chat and counters, the tail every method shares.
    void SendAndCount(const OrderRecord& order, const ProductRecord& product,
                      const FilledTemplates& filled, const QString& attachmentFile, int chatWaitMs);
    void MailStep(const OrderRecord& order, const ProductRecord& product,
                  const FilledTemplates& filled, const QString& attachmentFile);
    void ShipmentStep(const OrderRecord& order);
    void ChatStep(const OrderRecord& order, const FilledTemplates& filled, int waitMs);
    void CountStep(const OrderRecord& order);
    QString AttachmentPath(const QString& name) const;
    // N >= the trimmed 编辑框_量大生附件 while 选择框_量大生附件 is ticked.
    bool IsLargeDelivery(qint64 keyCount) const;
    bool Ticked(const char16_t* name) const;
    QString Text(const char16_t* name) const;

    DeliveryPeers p_;
    qint64 successCount_ = 0;
};

}  // namespace fahuo
