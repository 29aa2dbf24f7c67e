#include "TextContent.h"

#include <algorithm>

namespace platform {

TextContent::TextContent(std::u16string text)
    : text_(std::move(text)) {
    text_ += u'\n';
    lineStarts_.push_back(0);
    const char16_t *const begin = text_.data();
    const char16_t *const end = begin + text_.size();
    for (const char16_t *c = begin; c != end; ++c)
        if (*c == u'\n')
            lineStarts_.push_back(c + 1 - begin);
}

qsizetype TextContent::lineEnd(qsizetype line) const {
    if (line + 1 >= lineCount())
        return size();
    qsizetype end = lineStarts_[line + 1] - 1;
    if (end > lineStarts_[line] && text_[end - 1] == u'\r')
        --end;
    return end;
}

QStringView TextContent::lineText(qsizetype line) const {
    return QStringView(text_.data() + lineStart(line), lineEnd(line) - lineStart(line));
}

qsizetype TextContent::lineOf(qsizetype position) const {
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position);
    return std::max<qsizetype>(0, after - lineStarts_.begin() - 1);
}

QString TextContent::plainText(qsizetype begin, qsizetype end) const {
    QString text = QStringView(text_.data() + begin, end - begin).toString();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace platform
