// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the bench's number boxes let through as they are typed into: digits, the decimal comma
// (a full stop becomes one), the minus sign; Enter validates.

#include <QChar>
#include <QString>

namespace families {

// What the key filter of the numeric boxes does with one typed character.
enum class KeyAction { Pass, Swallow, Validate };
struct FilteredKey {
    KeyAction action;
    QChar character; // the character to insert when it passes (a full stop becomes a comma)
};
FilteredKey filterKey(QChar typed);
// The same rule applied to a text that arrives in one piece (pasted): the characters that
// would pass, full stops turned into commas.
QString filterText(const QString& text);

} // namespace families
