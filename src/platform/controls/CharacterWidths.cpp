#include "controls/CharacterWidths.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace platform {

CharacterWidths::CharacterWidths(Measure measure, qreal tabStop)
    : measure_(std::move(measure))
    , tabStop_(std::max<Width>(1, fromPixels(tabStop)))
    , units_(0x10000, -1) {
    asciiAdvance_ = advance(u' ');
    for (char16_t c = 0x21; c < 0x7f; ++c)
        if (advance(c) != asciiAdvance_)
            asciiAdvance_ = 0;
}

CharacterWidths::Width CharacterWidths::fromPixels(qreal pixels) {
    return std::llround(pixels * kUnitsPerPixel);
}

CharacterWidths CharacterWidths::of(const QFont &font, qreal tabStop) {
    return CharacterWidths(
        [metrics = QFontMetricsF(font)](QStringView character) {
            return metrics.horizontalAdvance(character.toString());
        },
        tabStop);
}

CharacterWidths::Width CharacterWidths::measureUnit(char16_t c) const {
    const char16_t shown = shownAs(c);
    return units_[c] = fromPixels(measure_(QStringView(&shown, 1)));
}

CharacterWidths::Width CharacterWidths::advance(char16_t high, char16_t low) const {
    const char32_t key = (char32_t(high) << 16) | low;
    if (const auto known = pairs_.find(key); known != pairs_.end())
        return known->second;
    const char16_t pair[] = {high, low};
    const Width width = fromPixels(measure_(QStringView(pair, 2)));
    pairs_.emplace(key, width);
    return width;
}

} // namespace platform
