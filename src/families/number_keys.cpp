// SPDX-License-Identifier: GPL-3.0-or-later
#include "families/number_keys.h"

namespace families {

FilteredKey filterKey(QChar typed) {
    if (typed.isDigit() && typed.unicode() < 128) return {KeyAction::Pass, typed};
    if (typed == u'.') return {KeyAction::Pass, u','};
    if (typed == u',' || typed == u'-' || typed == u'\b') return {KeyAction::Pass, typed};
    if (typed == u'\r' || typed == u'\n') return {KeyAction::Validate, typed};
    return {KeyAction::Swallow, typed};
}

QString filterText(const QString& text) {
    QString out;
    for (QChar c : text) {
        FilteredKey k = filterKey(c);
        if (k.action == KeyAction::Pass && k.character != u'\b') out += k.character;
    }
    return out;
}

} // namespace families
