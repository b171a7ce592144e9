#include "editors/frame/hex_label.h"

QString hexLabel(unsigned value) {
    return QLatin1Char('[') + QString::number(value, 16).toUpper() + QLatin1Char(']');
}
