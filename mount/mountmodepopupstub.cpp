#include "mount/mountmodepopupstub.h"

namespace Ko {

void MountModePopupStub::setResult(const QVariant& result) {
    Nullable<MountMode_::E> mode;
    if (result.isValid()) {
        const int value = result.toInt();
        if (value == MountMode_::EQ || value == MountMode_::AZ)
            mode.set(static_cast<MountMode_::E>(value));
    }
    answered(mode);
}

} // namespace Ko
