// Catches an arithmetic fault of a command and shows its platform text.
#include "platform/FaultGuard.h"

#include "eval/Extended.h"
#include "platform/Platform.h"

namespace zul {

bool RunGuarded(Platform& platform, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const ArithmeticFault& fault) {
        platform.ShowMessage(MessageKind::Error, fault.what(), MessageButtons::Ok);
        return false;
    }
}

}  // namespace zul
