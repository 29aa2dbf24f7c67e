#include "controls/TextRows.h"

#include <QChar>

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {

namespace {

// The first unit in [from, to) that is not printable ASCII, or `to`; `lastBlank`
// becomes the last blank before it. Eight units at a time where the processor can.
qsizetype findUnprintable(const char16_t *units, qsizetype from, qsizetype to,
                          qsizetype &lastBlank) {
    qsizetype i = from;
#if defined(__SSE2__)
    const __m128i below = _mm_set1_epi16(0x20);
    const __m128i above = _mm_set1_epi16(0x7e);
    const __m128i blank = _mm_set1_epi16(' ');
    for (; i + 8 <= to; i += 8) {
        const __m128i eight = _mm_loadu_si128(reinterpret_cast<const __m128i *>(units + i));
        // Signed comparisons: units from 0x8000 on count as below 0x20.
        const __m128i outside =
            _mm_or_si128(_mm_cmplt_epi16(eight, below), _mm_cmpgt_epi16(eight, above));
        if (_mm_movemask_epi8(outside))
            break;
        if (const auto blanks = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(eight, blank))))
            lastBlank = i + (31 - std::countl_zero(blanks)) / 2;
    }
#endif
    for (; i < to; ++i) {
        const char16_t c = units[i];
        if (char16_t(c - 0x20) >= 0x5f)
            return i;
        if (c == u' ')
            lastBlank = i;
    }
    return to;
}

} // namespace

TextRows::TextRows(CharacterWidths widths, qreal width)
    : widths_(std::move(widths))
    , width_(CharacterWidths::fromPixels(width)) {}

qsizetype TextRows::nextAsciiRowStart(QStringView text, qsizetype start) const {
    const CharacterWidths::Width advance = widths_.asciiAdvance();
    if (advance <= 0)
        return -1;
    const char16_t *const units = text.utf16();
    const qsizetype size = text.size();
    // Tabs that open the row, as they open every line of an array.
    qsizetype first = start;
    CharacterWidths::Width indent = 0;
    while (first < size && units[first] == u'\t') {
        indent = widths_.afterTab(indent);
        ++first;
    }
    const qsizetype fitting = first > start ? (width_ - indent) / advance
                                            : std::max<CharacterWidths::Width>(1, width_ / advance);
    if (fitting <= 0)
        return -1;
    const qsizetype overflow = first + fitting;
    const qsizetype checked = std::min(size, overflow + 1);
    qsizetype lastBlank = first - 1;
    if (const qsizetype stop = findUnprintable(units, first, checked, lastBlank); stop < checked) {
        if (units[stop] == u'\n')
            return stop + 1;
        if (units[stop] == u'\r' && stop + 1 < size && units[stop + 1] == u'\n')
            return stop + 2;
        return -1;
    }
    if (size <= overflow)
        return size;
    // Blanks where the row overflows hang past its end: the full scan sees to them.
    if (units[overflow] == u' ')
        return -1;
    return lastBlank >= start ? lastBlank + 1 : overflow;
}

qsizetype TextRows::nextRowStart(QStringView text, qsizetype start) const {
    if (const qsizetype next = nextAsciiRowStart(text, start); next >= 0)
        return next;
    const char16_t *const units = text.utf16();
    const qsizetype size = text.size();
    CharacterWidths::Width x = 0;
    qsizetype breakAfter = start;
    for (qsizetype i = start; i < size; ++i) {
        const char16_t c = units[i];
        if (c == u'\n')
            return i + 1;
        if (c == u' ' || c == u'\t') {
            x = c == u'\t' ? widths_.afterTab(x) : x + widths_.advance(c);
            breakAfter = i + 1;
            continue;
        }
        if (c == u'\r' && i + 1 < size && units[i + 1] == u'\n')
            continue;
        const bool pair =
            QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(units[i + 1]);
        const CharacterWidths::Width advance =
            pair ? widths_.advance(c, units[i + 1]) : widths_.advance(c);
        if (x + advance > width_ && i > start)
            return breakAfter > start ? breakAfter : i;
        x += advance;
        i += pair;
    }
    return size;
}

template <class Stop>
qsizetype TextRows::wrapFrom(QStringView text, qsizetype start, std::vector<qsizetype> &rows,
                             Stop &&stop) const {
    for (;;) {
        const qsizetype next = nextRowStart(text, start);
        if (next == text.size()) {
            // A text that ends in a line break has an empty last row after it.
            if (next > start && text[next - 1] == u'\n') {
                if (stop(next))
                    return next;
                rows.push_back(next);
            }
            return -1;
        }
        if (stop(next))
            return next;
        rows.push_back(next);
        start = next;
    }
}

void TextRows::wrap(QStringView text) {
    std::vector<qsizetype> rows{0};
    wrapFrom(text, 0, rows, [](qsizetype) { return false; });
    starts_.swap(rows);
}

void TextRows::update(QStringView text, qsizetype position, qsizetype removed, qsizetype inserted) {
    const qsizetype delta = inserted - removed;
    // The unit before the edit counts too: a CR before LF and a surrogate pair take
    // their width from the unit after them. The row before may take in what now
    // fits at its end.
    qsizetype first = rowOf(std::max<qsizetype>(0, position - 1));
    if (first > 0 && text[starts_[first] - 1] != u'\n')
        --first;

    // Old rows that start behind the edit start where they did, moved by `delta`;
    // rewrapping stops at the first new row that starts where an old one does.
    const auto old = starts_.begin();
    auto known = std::lower_bound(old + first + 1, starts_.end(), position + removed);
    std::vector<qsizetype> fresh;
    const qsizetype met = wrapFrom(text, starts_[first], fresh, [&](qsizetype next) {
        while (known != starts_.end() && *known + delta < next)
            ++known;
        return known != starts_.end() && *known + delta == next;
    });
    if (met < 0)
        known = starts_.end();

    const auto keptBefore = static_cast<std::size_t>(first + 1);
    const auto knownAt = static_cast<std::size_t>(known - old);
    const auto replaced = knownAt - keptBefore;
    if (const auto needed = starts_.size() - replaced + fresh.size(); needed > starts_.capacity())
        starts_.reserve(std::max(needed, starts_.capacity() + starts_.capacity() / 2));
    // Nothing below allocates: the rows change only once all is in hand.
    for (auto row = starts_.begin() + static_cast<qsizetype>(knownAt); row != starts_.end(); ++row)
        *row += delta;
    const auto overlap = std::min(replaced, fresh.size());
    const auto at = std::copy_n(fresh.begin(), overlap, starts_.begin() + first + 1);
    if (replaced > fresh.size())
        starts_.erase(at, at + static_cast<qsizetype>(replaced - fresh.size()));
    else
        starts_.insert(at, fresh.begin() + static_cast<qsizetype>(overlap), fresh.end());
}

qsizetype TextRows::end(QStringView text, qsizetype row) const {
    const qsizetype start = starts_[row];
    qsizetype end = row + 1 < count() ? starts_[row + 1] : text.size();
    if (end > start && text[end - 1] == u'\n') {
        --end;
        if (end > start && text[end - 1] == u'\r')
            --end;
    }
    return end;
}

qsizetype TextRows::rowOf(qsizetype position) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
    return std::max<qsizetype>(0, after - starts_.begin() - 1);
}

} // namespace platform
