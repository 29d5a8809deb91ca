// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/words.h"

#include "numbers/formats.h"
#include "numbers/reading.h"

namespace families {

QString concentrationText(const QString& typed) {
    QString text = QString::fromStdString(
        numbers::formatGeneral(numbers::parseBenchNumber(typed.toStdString())));
    if (text == QLatin1String("0") || text.contains(QLatin1Char('E'))) return text;
    int figures = 0;
    bool leading = true;
    for (QChar c : text) {
        if (!c.isDigit()) continue;
        if (leading && c == u'0') continue;
        leading = false;
        ++figures;
    }
    if (figures >= 2) return text;
    if (!text.contains(QLatin1Char(','))) text += QLatin1Char(',');
    return text + QString(2 - figures, u'0');
}

} // namespace families
