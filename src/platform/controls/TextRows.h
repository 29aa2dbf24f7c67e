// The rows a text is shown in: every line, wrapped at a width, as the sorted list
// of the positions where rows start. It is the one place that knows rows; the view
// scrolls, moves the caret and paints by it. A row ends after its line break, after
// the blanks that follow the last word that fits, or, in a word wider than the
// width, after the last character that fits. Blanks at a row's end may pass the
// width, as in any text box.
//
// An edit rewraps from the row before it until the rows meet the old ones again,
// so typing in a text of a million rows touches only the rows it changes; a long
// line without blanks is rewrapped to its end, a linear scan.
#pragma once

#include "controls/CharacterWidths.h"

#include <QStringView>

#include <vector>

namespace platform {

class TextRows {
public:
    TextRows(CharacterWidths widths, qreal width);

    // Wraps the whole of `text` anew.
    void wrap(QStringView text);
    // After `removed` units at `position` were replaced by `inserted` ones, giving
    // `text`. Throws std::bad_alloc and then keeps the rows as they were.
    void update(QStringView text, qsizetype position, qsizetype removed, qsizetype inserted);

    [[nodiscard]] qsizetype count() const { return static_cast<qsizetype>(starts_.size()); }
    [[nodiscard]] qsizetype start(qsizetype row) const { return starts_[row]; }
    // Where the row's shown text ends: before its line break (CR LF or LF).
    [[nodiscard]] qsizetype end(QStringView text, qsizetype row) const;
    // The row `position` is in; a position where a row wraps is in the later row.
    [[nodiscard]] qsizetype rowOf(qsizetype position) const;
    [[nodiscard]] const CharacterWidths &widths() const { return widths_; }
    [[nodiscard]] qreal width() const { return qreal(width_) / CharacterWidths::kUnitsPerPixel; }

private:
    // Where the row that starts at `start` ends and the next one starts.
    [[nodiscard]] qsizetype nextRowStart(QStringView text, qsizetype start) const;
    // The same for a row of printable ASCII in a fixed-pitch font, which is most of
    // what a dump holds; -1 where the row is not one.
    [[nodiscard]] qsizetype nextAsciiRowStart(QStringView text, qsizetype start) const;
    // Appends the starts of the rows after the one at `start` to `rows`, until a row
    // starts at a position `stop` says is known; returns where that is, or -1 at the end.
    template <class Stop>
    qsizetype wrapFrom(QStringView text, qsizetype start, std::vector<qsizetype> &rows,
                       Stop &&stop) const;

    CharacterWidths widths_;
    CharacterWidths::Width width_;
    std::vector<qsizetype> starts_{0};
};

} // namespace platform
