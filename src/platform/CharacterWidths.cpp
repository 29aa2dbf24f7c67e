#include "CharacterWidths.h"

#include <QFontMetricsF>

#include <cmath>

namespace platform {

CharacterWidths::CharacterWidths(Measure measure, qreal tabStop)
    : measure_(std::move(measure))
    , tabStop_(tabStop)
    , units_(0x10000, -1.0f) {}

CharacterWidths CharacterWidths::of(const QFont &font, qreal tabStop) {
    return CharacterWidths(
        [metrics = QFontMetricsF(font)](QStringView character) {
            return metrics.horizontalAdvance(character.toString());
        },
        tabStop);
}

qreal CharacterWidths::measureUnit(char16_t c) const {
    const char16_t shown = shownAs(c);
    units_[c] = static_cast<float>(measure_(QStringView(&shown, 1)));
    return units_[c];
}

qreal CharacterWidths::advance(char16_t high, char16_t low) const {
    const char32_t key = (char32_t(high) << 16) | low;
    if (const auto known = pairs_.find(key); known != pairs_.end())
        return known->second;
    const char16_t pair[] = {high, low};
    const qreal width = measure_(QStringView(pair, 2));
    pairs_.emplace(key, width);
    return width;
}

qreal CharacterWidths::afterTab(qreal x) const {
    return (std::floor(x / tabStop_ + 1e-6) + 1) * tabStop_;
}

} // namespace platform
