// The text of a text view, kept exactly as it was given, unit for unit, with the
// caret, the selection and the undo history: everything the view edits, and
// nothing of how it is shown. Positions never fall inside a CR LF or a surrogate
// pair.
//
// Every edit goes through one replacement that either happens whole or, when
// memory runs out, throws std::bad_alloc and leaves text, selection and history
// as they were. A change observer (the view's rows) sees each replacement and
// may throw too, which undoes it.
#pragma once

#include <QString>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace platform {

class TextDocument {
public:
    // Typing goes into the step of the typing just before it, for undo.
    enum class Edit { Typing, Other };
    using ChangeObserver =
        std::function<void(qsizetype position, qsizetype removed, qsizetype inserted)>;

    void setChangeObserver(ChangeObserver observer) { observer_ = std::move(observer); }

    [[nodiscard]] const QString &text() const { return text_; }
    [[nodiscard]] qsizetype size() const { return text_.size(); }
    // A new text, caret at its start, history forgotten.
    void setText(QString text);

    [[nodiscard]] qsizetype cursor() const { return cursor_; }
    [[nodiscard]] qsizetype anchor() const { return anchor_; }
    [[nodiscard]] qsizetype selectionStart() const { return std::min(anchor_, cursor_); }
    [[nodiscard]] qsizetype selectionEnd() const { return std::max(anchor_, cursor_); }
    [[nodiscard]] bool hasSelection() const { return anchor_ != cursor_; }
    // The selected text with LF for every CR LF, as the clipboard takes it.
    [[nodiscard]] QString selectedText() const;
    void moveCursor(qsizetype position, bool extend = false);
    void select(qsizetype anchor, qsizetype cursor);
    void selectAll() { select(0, size()); }

    // Replaces the selection by `text`; the caret goes after it.
    void insert(const QString &text, Edit kind = Edit::Other);
    void removeSelection();
    // Removes the selection or, without one, from the caret to `position`.
    void removeTo(qsizetype position);

    [[nodiscard]] bool canUndo() const { return !done_.empty(); }
    [[nodiscard]] bool canRedo() const { return !undone_.empty(); }
    void undo();
    void redo();

    // Neighbouring positions, a character apart (a CR LF or a surrogate pair is one).
    [[nodiscard]] qsizetype previousPosition(qsizetype position) const;
    [[nodiscard]] qsizetype nextPosition(qsizetype position) const;
    // Word moves, as Ctrl+Left and Ctrl+Right make them: to the start of the word
    // before, to the start of the word after.
    [[nodiscard]] qsizetype previousWordStart(qsizetype position) const;
    [[nodiscard]] qsizetype nextWordStart(qsizetype position) const;
    // The word (letters and digits) around `position`, as a double click selects it.
    [[nodiscard]] std::pair<qsizetype, qsizetype> wordAt(qsizetype position) const;
    // The nearest position at or before `position` that is not inside a character.
    [[nodiscard]] qsizetype snapped(qsizetype position) const;

private:
    struct Step {
        qsizetype position;
        QString removed;
        QString inserted;
        qsizetype anchorBefore;
        qsizetype cursorBefore;
    };
    void apply(Step step, Edit kind);
    void replace(qsizetype position, const QString &removed, const QString &inserted);
    [[nodiscard]] bool isWordUnit(qsizetype position) const;

    QString text_;
    qsizetype anchor_ = 0;
    qsizetype cursor_ = 0;
    std::vector<Step> done_;
    std::vector<Step> undone_;
    bool typingOpen_ = false;
    ChangeObserver observer_;
};

} // namespace platform
