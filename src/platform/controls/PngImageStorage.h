// A list of pictures, loaded once, that image views draw by index. Each picture may
// have a copy drawn at twice the size beside its file, named with Qt's "@2x"
// convention (PngImage0@2x.png beside PngImage0.png), for screens scaled by 2.
#pragma once

#include <QImage>
#include <QList>
#include <QStringList>

namespace platform {

class PngImageStorage {
public:
    // Loads every file and its "@2x" copy where there is one; a file that cannot be
    // read is kept as an empty picture.
    explicit PngImageStorage(const QStringList &files);

    // The picture at `index` for a screen of `devicePixelRatio`: the "@2x" copy, its
    // device pixel ratio 2, above a ratio of 1 where there is one, else the picture
    // itself. An empty picture for an index outside the list.
    [[nodiscard]] QImage image(int index, qreal devicePixelRatio = 1) const;

private:
    struct Picture {
        QImage normal;
        QImage doubled;
    };
    QList<Picture> images_;
};

} // namespace platform
