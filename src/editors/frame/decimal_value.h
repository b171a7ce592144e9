#pragma once

#include <QStringView>
#include <optional>

// The number a numeric box's text stands for: one or more digits "0".."9" and
// nothing else ("007" is 7). Empty or any other character gives nothing.
// A number too large for int gives INT_MAX, so it still compares above every cap.
std::optional<int> decimalValue(QStringView text);
