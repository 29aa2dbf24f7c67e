// A read-only text kept as it was made, with an index of where its lines start:
// what ReadOnlyTextBox shows. Built on any thread, so a worker can index a large
// text before it hands it to the UI thread.
#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <vector>

namespace platform {

class TextContent {
public:
    TextContent() = default;
    // Takes `text` followed by one line break. Lines end in LF or CR LF.
    explicit TextContent(std::u16string text);

    [[nodiscard]] bool isEmpty() const { return text_.empty(); }
    [[nodiscard]] qsizetype size() const { return static_cast<qsizetype>(text_.size()); }
    [[nodiscard]] qsizetype lineCount() const { return static_cast<qsizetype>(lineStarts_.size()); }
    // Where line `line` starts and where its text ends, before its line break.
    [[nodiscard]] qsizetype lineStart(qsizetype line) const { return lineStarts_[line]; }
    [[nodiscard]] qsizetype lineEnd(qsizetype line) const;
    [[nodiscard]] QStringView lineText(qsizetype line) const;
    // The line that holds `position`.
    [[nodiscard]] qsizetype lineOf(qsizetype position) const;
    // The text from `begin` to `end`, with LF for every line break.
    [[nodiscard]] QString plainText(qsizetype begin, qsizetype end) const;

private:
    std::u16string text_;
    std::vector<qsizetype> lineStarts_;
};

} // namespace platform
