#include "base/toastmanageruistub.h"

namespace Ko {

void ToastManagerUIStub::sendShortMessage(const char* text) {
    emit shouldToast(text ? QString::fromUtf8(text) : QString());
}

} // namespace Ko
