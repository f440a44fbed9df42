#include "app/tests/qmltestsetup.h"

#include <QtQuickTest>

QUICK_TEST_MAIN_WITH_SETUP(dialogs, Ko::QmlTestSetup)
