// The format worker: one conversion per press of the format button, on its own
// thread, waiting in between. It reads the input and the options from the
// controls and writes its state, its progress and the output back into them,
// every access carried to the UI thread by UiHandoff.
#pragma once

#include "threads/SuspendableThread.h"

#include <QRadioButton>

namespace platform {
class IntegerEdit;
class ProgressBar;
class SkinButton;
class TextView;
} // namespace platform

class TFormatThread : public platform::SuspendableThread {
public:
    TFormatThread(bool createSuspended, platform::TextView *aobEdit, platform::TextView *fmtEdit,
                  QRadioButton *upperCaseRadio, platform::IntegerEdit *bytePerLineEdit,
                  platform::SkinButton *formatButton, platform::ProgressBar *progressBar);

    // One run: empty the output, read the input and the case, convert, show the output.
    void FormatOnce();

protected:
    void execute() override;

private:
    platform::TextView *aobEdit;
    platform::TextView *fmtEdit;
    platform::IntegerEdit *bytePerLineEdit;
    platform::SkinButton *formatButton;
    QRadioButton *upperCaseRadio;
    platform::ProgressBar *progressBar;
};
