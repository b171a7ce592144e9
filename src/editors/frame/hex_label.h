#pragma once

#include <QString>

// "[" + upper-case hex without leading zeros + "]": 0 -> "[0]", 255 -> "[FF]".
QString hexLabel(unsigned value);
