#include "controls/PngImageStorage.h"

#include <QFileInfo>

namespace platform {

namespace {

QImage load(const QString &file) {
    return QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QString doubledName(const QString &file) {
    const QString suffix = QFileInfo(file).suffix();
    return suffix.isEmpty() ? file + QStringLiteral("@2x")
                            : file.chopped(suffix.size() + 1) + QStringLiteral("@2x.") + suffix;
}

} // namespace

PngImageStorage::PngImageStorage(const QStringList &files) {
    for (const QString &file : files) {
        Picture picture{load(file), {}};
        const QString doubled = doubledName(file);
        if (QFileInfo::exists(doubled)) {
            picture.doubled = load(doubled);
            picture.doubled.setDevicePixelRatio(2);
        }
        images_.append(picture);
    }
}

QImage PngImageStorage::image(int index, qreal devicePixelRatio) const {
    if (index < 0 || index >= images_.size())
        return {};
    const Picture &picture = images_.at(index);
    return devicePixelRatio > 1 && !picture.doubled.isNull() ? picture.doubled : picture.normal;
}

} // namespace platform
