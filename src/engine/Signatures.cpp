#include "engine/Signatures.h"

namespace fahuo {

const QString& LongSignature() {
    static const QString text = QStringLiteral(
        "\r\n\r\n本邮件由发货助手自动发出，如有疑问请在旺旺上联系卖家，祝您使用愉快！");
    return text;
}

const QString& ShortSignature() {
    static const QString text = QStringLiteral("\r\n\r\n（发货助手自动发送）");
    return text;
}

}  // namespace fahuo
