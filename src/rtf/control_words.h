// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The vocabulary the reader looks words up in: destinations that hold no body text, words that
// stand for a character, and the words that set the document's code page.

#include <string_view>

namespace rtf {

// Destinations written without \* whose content is not body text.
bool isSkippedDestination(std::string_view word);
// The character a control word stands for (\tab, \emdash, \line ...), or 0.
char16_t specialCharacter(std::string_view word);
// The document code page set by \ansi, \mac, \pc, \pca or \ansicpgN, or 0.
int documentCodePage(std::string_view word, bool hasParam, int param);

} // namespace rtf
