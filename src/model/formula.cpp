// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/formula.h"

#include <cstddef>

namespace model {
namespace {

constexpr char32_t invalid = 0xFFFFFFFF;

// The code points of a UTF-8 text; one invalid code point stands for a broken sequence.
std::u32string codePoints(std::string_view text) {
    std::u32string out;
    for (std::size_t k = 0; k < text.size();) {
        const auto byte = static_cast<unsigned char>(text[k]);
        const int length = byte < 0x80         ? 1
                           : (byte >> 5) == 6  ? 2
                           : (byte >> 4) == 14 ? 3
                           : (byte >> 3) == 30 ? 4
                                               : 0;
        if (length == 0 || k + length > text.size()) return {invalid};
        char32_t c = length == 1 ? byte : byte & (0x7F >> length);
        for (int j = 1; j < length; ++j) {
            const auto next = static_cast<unsigned char>(text[k + j]);
            if ((next >> 6) != 2) return {invalid};
            c = (c << 6) | (next & 0x3F);
        }
        out.push_back(c);
        k += length;
    }
    return out;
}

int subscriptDigit(char32_t c) {
    if (c >= U'₀' && c <= U'₉') return static_cast<int>(c - U'₀');
    if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
    return -1;
}

int superscriptDigit(char32_t c) {
    switch (c) {
    case U'⁰':
        return 0;
    case U'¹':
        return 1;
    case U'²':
        return 2;
    case U'³':
        return 3;
    default:
        return c >= U'⁴' && c <= U'⁹' ? static_cast<int>(c - U'⁴') + 4 : -1;
    }
}

bool isSpace(char32_t c) {
    return c == U' ' || c == U'\u00A0' || c == U'\u202F';
}

void add(Composition& to, const Composition& part, int times) {
    for (const auto& [element, count] : part.atoms)
        to.atoms[element] += count * times;
    to.charge += part.charge * times;
}

void dropZeros(Composition& c) {
    std::erase_if(c.atoms, [](const auto& atom) { return atom.second == 0; });
}

// A recursive reader over the code points of one formula.
class FormulaReader {
public:
    explicit FormulaReader(std::u32string text) : text_(std::move(text)) {}

    std::optional<Composition> read() {
        Composition whole;
        if (text_ == U"e⁻") return Composition{{}, -1};
        int multiplier = 1;
        for (;;) {
            auto part = sequence();
            if (!part || part->atoms.empty()) return std::nullopt;
            add(whole, *part, multiplier);
            if (at(U',') || at(U'·')) {
                ++pos_;
                multiplier = number(subscriptDigit, 1);
                continue;
            }
            break;
        }
        if (!charge(whole)) return std::nullopt;
        while (state()) {
        }
        if (pos_ != text_.size()) return std::nullopt;
        dropZeros(whole);
        return whole;
    }

private:
    bool at(char32_t c) const { return pos_ < text_.size() && text_[pos_] == c; }

    int number(int (*digit)(char32_t), int absent) {
        int value = -1;
        while (pos_ < text_.size() && digit(text_[pos_]) >= 0 && value < 1000) {
            value = (value < 0 ? 0 : value * 10) + digit(text_[pos_]);
            ++pos_;
        }
        return value < 0 ? absent : value;
    }

    // A state in parentheses, which adds nothing to the formula.
    bool state() {
        for (const std::u32string_view s : {U"(aq)", U"(s)", U"(l)", U"(g)"}) {
            if (std::u32string_view(text_).substr(pos_, s.size()) == s) {
                pos_ += s.size();
                return true;
            }
        }
        return false;
    }

    // Elements and groups up to a separator, a charge, a state or a closing parenthesis.
    std::optional<Composition> sequence() {
        Composition out;
        for (;;) {
            if (pos_ >= text_.size()) break;
            const char32_t c = text_[pos_];
            if (c >= U'A' && c <= U'Z') {
                std::string symbol(1, static_cast<char>(c));
                ++pos_;
                if (pos_ < text_.size() && text_[pos_] >= U'a' && text_[pos_] <= U'z') {
                    symbol += static_cast<char>(text_[pos_]);
                    ++pos_;
                }
                out.atoms[symbol] += number(subscriptDigit, 1);
            } else if (c == U'(' && !stateAhead()) {
                ++pos_;
                auto inner = sequence();
                if (!inner || !at(U')')) return std::nullopt;
                ++pos_;
                add(out, *inner, number(subscriptDigit, 1));
            } else {
                break;
            }
        }
        return out;
    }

    bool stateAhead() {
        const std::size_t saved = pos_;
        const bool found = state();
        pos_ = saved;
        return found;
    }

    // A final charge: superscript digits then ⁺ or ⁻.
    bool charge(Composition& c) {
        const std::size_t start = pos_;
        const int size = number(superscriptDigit, 1);
        if (at(U'⁺') || at(U'⁻')) {
            c.charge += at(U'⁺') ? size : -size;
            ++pos_;
            return true;
        }
        return pos_ == start; // digits with no sign are not a charge
    }

    std::u32string text_;
    std::size_t pos_ = 0;
};

std::string utf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u32string_view trimmed(std::u32string_view s) {
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

// One side of an equation: terms joined by a "+" between spaces.
std::optional<std::vector<EquationTerm>> side(std::u32string_view text) {
    std::vector<EquationTerm> terms;
    for (;;) {
        std::size_t cut = std::u32string_view::npos;
        for (std::size_t k = 1; k + 1 < text.size(); ++k) {
            if (text[k] == U'+' && isSpace(text[k - 1]) && isSpace(text[k + 1])) {
                cut = k;
                break;
            }
        }
        std::u32string_view term = trimmed(text.substr(0, cut));
        std::size_t digits = 0;
        while (digits < term.size() && digits < 4 && term[digits] >= U'0' && term[digits] <= U'9')
            ++digits;
        int coefficient = 1;
        if (digits > 0) {
            coefficient = 0;
            for (std::size_t k = 0; k < digits; ++k)
                coefficient = coefficient * 10 + (term[k] - U'0');
            if (coefficient == 0) return std::nullopt;
        }
        const std::u32string_view formula = trimmed(term.substr(digits));
        auto composition = FormulaReader(std::u32string(formula)).read();
        if (!composition) return std::nullopt;
        terms.push_back({coefficient, utf8(formula), *composition});
        if (cut == std::u32string_view::npos) return terms;
        text = text.substr(cut + 1);
    }
}

} // namespace

std::optional<Composition> parseFormula(std::string_view formula) {
    const std::u32string points = codePoints(formula);
    if (points.empty() || points.front() == invalid) return std::nullopt;
    return FormulaReader(points).read();
}

std::optional<Equation> parseEquation(std::string_view text) {
    const std::u32string points = codePoints(text);
    if (!points.empty() && points.front() == invalid) return std::nullopt;
    const std::u32string_view all(points);
    std::size_t arrow = std::u32string_view::npos;
    std::size_t arrowLength = 0;
    for (const std::u32string_view a : {U"→", U"⇌", U"⇄", U"->", U"="}) {
        const std::size_t found = all.find(a);
        if (found == std::u32string_view::npos) continue;
        if (all.find(a, found + a.size()) != std::u32string_view::npos) return std::nullopt;
        if (arrow != std::u32string_view::npos) return std::nullopt; // two arrows
        arrow = found;
        arrowLength = a.size();
    }
    if (arrow == std::u32string_view::npos) return std::nullopt;
    auto left = side(all.substr(0, arrow));
    auto right = side(all.substr(arrow + arrowLength));
    if (!left || !right) return std::nullopt;
    return Equation{std::move(*left), std::move(*right)};
}

Composition imbalance(const Equation& equation) {
    Composition out;
    for (const EquationTerm& term : equation.reactants)
        add(out, term.composition, term.coefficient);
    for (const EquationTerm& term : equation.products)
        add(out, term.composition, -term.coefficient);
    dropZeros(out);
    return out;
}

bool isBalanced(const Equation& equation) {
    return imbalance(equation) == Composition{};
}

} // namespace model
