#pragma once

#include <QTest>

// Adds a row of test data: dataRow("name", a, b, c) is QTest::newRow("name") << a << b << c.
template <class... Values>
void dataRow(const char* name, const Values&... values) {
    (QTest::newRow(name) << ... << values);
}
