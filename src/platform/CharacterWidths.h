// How wide each character is drawn in one font: what the text view wraps its rows
// by, so that a row's end is found without laying out the text around it. Widths
// are measured once per character and kept.
#pragma once

#include <QFont>
#include <QStringView>

#include <functional>
#include <unordered_map>
#include <vector>

namespace platform {

class CharacterWidths {
public:
    // `measure` gives the advance of one character (one or two UTF-16 units).
    using Measure = std::function<qreal(QStringView)>;
    CharacterWidths(Measure measure, qreal tabStop);
    [[nodiscard]] static CharacterWidths of(const QFont &font, qreal tabStop);

    // The advance of the unit `c`, which is neither a surrogate nor a tab.
    [[nodiscard]] qreal advance(char16_t c) const {
        const float known = units_[c];
        return known >= 0 ? known : measureUnit(c);
    }
    // The advance of the character `high` `low`, a surrogate pair.
    [[nodiscard]] qreal advance(char16_t high, char16_t low) const;
    // Where a tab that starts at `x` ends.
    [[nodiscard]] qreal afterTab(qreal x) const;

    // What the view draws for `c`: the line and paragraph separators would break
    // the row, so they are shown as blanks.
    [[nodiscard]] static char16_t shownAs(char16_t c) {
        return c == u'\u2028' || c == u'\u2029' ? u' ' : c;
    }

private:
    qreal measureUnit(char16_t c) const;

    Measure measure_;
    qreal tabStop_;
    mutable std::vector<float> units_;
    mutable std::unordered_map<char32_t, qreal> pairs_;
};

} // namespace platform
