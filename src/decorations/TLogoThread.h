// Fades the logo caption's text and glow from yellow to blue and back: every
// 40 ms each colour channel moves 15 in its own direction and turns at 0 and 255.
// The colour itself lives in the label; the thread keeps only the directions.
#pragma once

#include "threads/SuspendableThread.h"

#include <cstdint>

namespace platform {
class GlowLabel;
}

class TLogoThread : public platform::SuspendableThread {
public:
    TLogoThread(bool createSuspended, platform::GlowLabel *logoLabel);

    // One step without the wait: read the label's colour, move it on, write it back.
    void Step();

protected:
    void execute() override;

private:
    // Moves each channel of a 0x00BBGGRR colour by 15 and turns the ones that reach an end.
    [[nodiscard]] std::uint32_t nextColor(std::uint32_t color);

    platform::GlowLabel *logoLabel;
    bool redRising;
    bool greenRising;
    bool blueRising;
};
