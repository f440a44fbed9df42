#include "app/platformhooks.h"

namespace Ko {

void linkPlatformInit() {}

void startupNoOp() {}

} // namespace Ko
