#include "app/tests/qmltestsetup.h"

#include <QtQuickTest>

KO_QUICK_TEST_MAIN(settingslook)
