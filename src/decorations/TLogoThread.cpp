#include "TLogoThread.h"

#include "controls/GlowLabel.h"
#include "threads/UiHandoff.h"

using platform::UiHandoff;

TLogoThread::TLogoThread(bool createSuspended, platform::GlowLabel *logoLabel)
    : SuspendableThread(createSuspended) {
    setPriorityLevel(QThread::HighestPriority);
    this->logoLabel = logoLabel;
    redRising = false;
    greenRising = false;
    blueRising = true;
}

void TLogoThread::execute() {
    for (;;) {
        pause(std::chrono::milliseconds(40));
        Step();
    }
}

std::uint32_t TLogoThread::nextColor(std::uint32_t color) {
    const auto move = [](std::uint32_t channel, bool &rising) {
        const auto moved = static_cast<std::uint8_t>(channel + (rising ? 0x0F : 0xF1));
        if (moved == 0 || moved == 255)
            rising = !rising;
        return std::uint32_t{moved};
    };
    const std::uint32_t red = move(color & 0xFF, redRising);
    const std::uint32_t green = move((color >> 8) & 0xFF, greenRising);
    const std::uint32_t blue = move((color >> 16) & 0xFF, blueRising);
    return red + green * 0x100 + blue * 0x10000;
}

void TLogoThread::Step() {
    const QColor current =
        UiHandoff::fetch(logoLabel, [label = logoLabel] { return label->fontColor(); });
    const std::uint32_t next = nextColor(static_cast<std::uint32_t>(current.red()) |
                                         static_cast<std::uint32_t>(current.green()) << 8 |
                                         static_cast<std::uint32_t>(current.blue()) << 16);
    const QColor color(next & 0xFF, (next >> 8) & 0xFF, (next >> 16) & 0xFF);
    // Text and glow take the same colour; each setter repaints the label.
    UiHandoff::post(logoLabel, [label = logoLabel, color] {
        label->setFontColor(color);
        label->setShadowColor(color);
    });
}
