// How wide each character is drawn in one font: what the text view wraps its rows
// by, so that a row's end is found without laying out the text around it. Widths
// are measured once per character and kept, in 64ths of a pixel as Qt's text
// layout counts them, so that sums are exact.
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

    using Width = qint64;
    static constexpr int kUnitsPerPixel = 64;
    [[nodiscard]] static Width fromPixels(qreal pixels);

    // The advance of the unit `c`, which is neither a surrogate nor a tab.
    [[nodiscard]] Width advance(char16_t c) const {
        const Width known = units_[c];
        return known >= 0 ? known : measureUnit(c);
    }
    // The advance of the character `high` `low`, a surrogate pair.
    [[nodiscard]] Width advance(char16_t high, char16_t low) const;
    // Where a tab that starts at `x` ends.
    [[nodiscard]] Width afterTab(Width x) const { return (x / tabStop_ + 1) * tabStop_; }
    // The advance every printable ASCII character and the blank share, as in a
    // fixed-pitch font; 0 where they differ.
    [[nodiscard]] Width asciiAdvance() const { return asciiAdvance_; }

    // What the view draws for `c`: the line and paragraph separators would break
    // the row, so they are shown as blanks.
    [[nodiscard]] static char16_t shownAs(char16_t c) {
        return c == u'\u2028' || c == u'\u2029' ? u' ' : c;
    }

private:
    Width measureUnit(char16_t c) const;

    Measure measure_;
    Width tabStop_;
    mutable std::vector<Width> units_;
    mutable std::unordered_map<char32_t, Width> pairs_;
    Width asciiAdvance_ = 0;
};

} // namespace platform
