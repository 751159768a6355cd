#include "engine/DeliveryEngine.h"

#include "store/RemoteDb.h"

namespace fahuo {

ControlActions DeliveryEngine::Actions() {
    return {
        {QStringLiteral("按钮_开始"), ControlAction::Event::Clicked,
         [this] { cycle_.StartClicked(); }},
        {QStringLiteral("按钮2"), ControlAction::Event::Clicked,
         [this] { TestRemoteConnection(peers_.controls, peers_.clock, peers_.dialogs); }},
    };
}

}  // namespace fahuo
