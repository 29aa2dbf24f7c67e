#include "skin/SkinData.h"

namespace platform {

SkinData::SkinData(const QString &storedSkin) {
    try {
        skin_ = Skin::load(storedSkin);
    } catch (const SkinError &failure) {
        error_ = QString::fromUtf8(failure.what());
    }
}

} // namespace platform
