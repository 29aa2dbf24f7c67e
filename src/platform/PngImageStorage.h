// A list of pictures, loaded once, that image views draw by index.
#pragma once

#include <QImage>
#include <QList>
#include <QStringList>

namespace platform {

class PngImageStorage {
public:
    // Loads every file; one that cannot be read is kept as an empty picture.
    explicit PngImageStorage(const QStringList &files);

    [[nodiscard]] qsizetype count() const { return images_.size(); }
    // The picture at `index`, or an empty one outside 0 to count() - 1.
    [[nodiscard]] QImage image(int index) const;

private:
    QList<QImage> images_;
};

} // namespace platform
