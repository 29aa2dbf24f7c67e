#include "PngImageStorage.h"

namespace platform {

PngImageStorage::PngImageStorage(const QStringList &files) {
    for (const QString &file : files)
        images_.append(QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

QImage PngImageStorage::image(int index) const {
    return index >= 0 && index < images_.size() ? images_.at(index) : QImage();
}

} // namespace platform
