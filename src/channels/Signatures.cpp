#include "channels/Signatures.h"

namespace fahuo {

QString LongSignature() {
    return QStringLiteral("\r\n\r\n本邮件由发货助手自动发出，感谢您的惠顾，祝您使用愉快！");
}

QString ShortSignature() {
    return QStringLiteral("\r\n\r\n发货助手自动发货，谢谢惠顾！");
}

}  // namespace fahuo
