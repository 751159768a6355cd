#include "channels/SendingMailbox.h"

namespace fahuo::channels {

SendingMailbox PickSendingMailbox(const Controls& controls, QRandomGenerator& random) {
    const QString view = QStringLiteral("超级列表框_发件箱");
    const int count = controls.RowCount(view);
    if (count <= 0)
        return {};
    const int row = count == 1 ? 0 : int(random.bounded(quint32(count)));
    return {controls.Cell(view, row, 2), controls.Cell(view, row, 3), controls.Cell(view, row, 4),
            controls.Cell(view, row, 5)};
}

}  // namespace fahuo::channels
