#include "controls/TextDocument.h"

#include <QChar>

namespace platform {

void TextDocument::setText(QString text) {
    const qsizetype removed = text_.size();
    std::swap(text_, text);
    if (observer_) {
        try {
            observer_(0, removed, text_.size());
        } catch (...) {
            std::swap(text_, text);
            throw;
        }
    }
    anchor_ = cursor_ = 0;
    done_.clear();
    undone_.clear();
    typingOpen_ = false;
}

QString TextDocument::selectedText() const {
    return text_.mid(selectionStart(), selectionEnd() - selectionStart())
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

qsizetype TextDocument::snapped(qsizetype position) const {
    position = std::clamp<qsizetype>(position, 0, size());
    if (position > 0 && position < size()) {
        const char16_t before = text_[position - 1].unicode();
        const char16_t at = text_[position].unicode();
        if ((before == u'\r' && at == u'\n') ||
            (QChar::isHighSurrogate(before) && QChar::isLowSurrogate(at)))
            --position;
    }
    return position;
}

void TextDocument::moveCursor(qsizetype position, bool extend) {
    cursor_ = snapped(position);
    if (!extend)
        anchor_ = cursor_;
    typingOpen_ = false;
}

void TextDocument::select(qsizetype anchor, qsizetype cursor) {
    anchor_ = snapped(anchor);
    cursor_ = snapped(cursor);
    typingOpen_ = false;
}

void TextDocument::insert(const QString &text, Edit kind) {
    const qsizetype start = selectionStart();
    apply({start, text_.mid(start, selectionEnd() - start), text, anchor_, cursor_}, kind);
}

void TextDocument::removeSelection() {
    insert(QString());
}

void TextDocument::removeTo(qsizetype position) {
    if (!hasSelection())
        anchor_ = snapped(position);
    removeSelection();
}

void TextDocument::apply(Step step, Edit kind) {
    if (step.removed.isEmpty() && step.inserted.isEmpty())
        return;
    const bool merges = kind == Edit::Typing && typingOpen_ && step.removed.isEmpty() &&
                        !done_.empty() &&
                        done_.back().position + done_.back().inserted.size() == step.position;
    // Everything that allocates comes before the change of the text.
    QString merged = merges ? done_.back().inserted + step.inserted : QString();
    if (!merges)
        done_.reserve(done_.size() + 1);
    replace(step.position, step.removed, step.inserted);
    anchor_ = cursor_ = step.position + step.inserted.size();
    if (merges)
        done_.back().inserted = std::move(merged);
    else
        done_.push_back(std::move(step));
    undone_.clear();
    typingOpen_ = kind == Edit::Typing;
}

void TextDocument::replace(qsizetype position, const QString &removed, const QString &inserted) {
    // Room for the text before and after the change, so that neither the change nor
    // taking it back allocates; grown with room to spare, so that typing into a
    // large text does not copy it at every key.
    const qsizetype needed =
        std::max(text_.size(), text_.size() - removed.size() + inserted.size());
    const qsizetype capacity = text_.capacity();
    if (needed > capacity)
        text_.reserve(std::max(needed + needed / 4, capacity + capacity / 2));
    else if (!text_.isDetached())
        text_.reserve(capacity);
    text_.replace(position, removed.size(), inserted);
    if (!observer_)
        return;
    try {
        observer_(position, removed.size(), inserted.size());
    } catch (...) {
        text_.replace(position, inserted.size(), removed);
        throw;
    }
}

void TextDocument::undo() {
    if (done_.empty())
        return;
    undone_.reserve(undone_.size() + 1);
    Step &step = done_.back();
    replace(step.position, step.inserted, step.removed);
    anchor_ = step.anchorBefore;
    cursor_ = step.cursorBefore;
    undone_.push_back(std::move(step));
    done_.pop_back();
    typingOpen_ = false;
}

void TextDocument::redo() {
    if (undone_.empty())
        return;
    done_.reserve(done_.size() + 1);
    Step &step = undone_.back();
    replace(step.position, step.removed, step.inserted);
    anchor_ = cursor_ = step.position + step.inserted.size();
    done_.push_back(std::move(step));
    undone_.pop_back();
    typingOpen_ = false;
}

qsizetype TextDocument::previousPosition(qsizetype position) const {
    return position <= 0 ? 0 : snapped(position - 1);
}

qsizetype TextDocument::nextPosition(qsizetype position) const {
    if (position >= size())
        return size();
    const char16_t at = text_[position].unicode();
    const char16_t after = position + 1 < size() ? text_[position + 1].unicode() : 0;
    const bool twoUnits = (at == u'\r' && after == u'\n') ||
                          (QChar::isHighSurrogate(at) && QChar::isLowSurrogate(after));
    return position + (twoUnits ? 2 : 1);
}

bool TextDocument::isWordUnit(qsizetype position) const {
    return text_[position].isLetterOrNumber() || text_[position] == u'_';
}

qsizetype TextDocument::previousWordStart(qsizetype position) const {
    while (position > 0 && !isWordUnit(position - 1))
        --position;
    while (position > 0 && isWordUnit(position - 1))
        --position;
    return snapped(position);
}

qsizetype TextDocument::nextWordStart(qsizetype position) const {
    while (position < size() && isWordUnit(position))
        ++position;
    while (position < size() && !isWordUnit(position))
        ++position;
    return snapped(position);
}

std::pair<qsizetype, qsizetype> TextDocument::wordAt(qsizetype position) const {
    position = snapped(position);
    qsizetype begin = position, end = position;
    while (begin > 0 && isWordUnit(begin - 1))
        --begin;
    while (end < size() && isWordUnit(end))
        ++end;
    if (begin == end)
        end = nextPosition(position);
    return {begin, end};
}

} // namespace platform
