#include "TFormatThread.h"

#include "FormatByteArray.h"
#include "controls/ErrorBox.h"
#include "controls/IntegerEdit.h"
#include "controls/ProgressBar.h"
#include "controls/SkinButton.h"
#include "controls/TextView.h"
#include "threads/UiHandoff.h"

#include <new>
#include <optional>
#include <stdexcept>

using platform::UiHandoff;

namespace {

const QString kFormatting = QStringLiteral("正在格式化");
const QString kWriting = QStringLiteral("正在输出");
const QString kFormat = QStringLiteral("格式化");
const QString kOutOfMemory =
    QStringLiteral("内存不足，无法格式化这么多数据。输入框中的数据保持不变，可以分几次格式化。");

} // namespace

TFormatThread::TFormatThread(bool createSuspended, platform::TextView *aobEdit,
                             platform::TextView *fmtEdit, QRadioButton *upperCaseRadio,
                             platform::IntegerEdit *bytePerLineEdit,
                             platform::SkinButton *formatButton, platform::ProgressBar *progressBar)
    : SuspendableThread(createSuspended)
    , aobEdit(aobEdit)
    , fmtEdit(fmtEdit)
    , bytePerLineEdit(bytePerLineEdit)
    , formatButton(formatButton)
    , upperCaseRadio(upperCaseRadio)
    , progressBar(progressBar) {
    setFreeOnTerminate(true);
    setPriorityLevel(QThread::HighPriority);
}

void TFormatThread::execute() {
    for (;;) {
        FormatOnce();
        suspendSelf();
    }
}

void TFormatThread::FormatOnce() {
    UiHandoff::post(fmtEdit, [box = fmtEdit] { box->clear(); });
    std::optional<QString> content;
    bool hadInput = false;
    try {
        // QString shares its data: the worker holds the box's text without a copy, and
        // an edit of the box meanwhile detaches the box's own text, not this one.
        const QString text =
            UiHandoff::fetch(aobEdit, [box = aobEdit]() -> QString { return box->text(); });
        hadInput = !text.isEmpty();
        const bool upperCase = UiHandoff::fetch(
            upperCaseRadio, [radio = upperCaseRadio] { return radio->isChecked(); });
        auto output = formatting::FormatByteArray(
            std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()), text.size()),
            upperCase,
            // Asked at every separator: a round trip to the UI thread each time would
            // cost minutes on a large dump, so the box publishes its value.
            [value = &bytePerLineEdit->publishedValue()] { return value->current(); },
            [this] {
                UiHandoff::post(formatButton,
                                [button = formatButton] { button->setCaption(kFormatting); });
            },
            [this](int percentage) {
                UiHandoff::post(progressBar,
                                [bar = progressBar, percentage] { bar->setValue(percentage); });
            });
        if (output) {
            UiHandoff::post(formatButton,
                            [button = formatButton] { button->setCaption(kWriting); });
            // The formatter's buffer has room for the longest output; the box keeps a
            // copy of the real size, made here rather than on the UI thread. The box
            // shows the output as one added line, with its line break.
            content.emplace();
            content->reserve(static_cast<qsizetype>(output->size()) + 2);
            content->append(QStringView(output->data(), static_cast<qsizetype>(output->size())));
            content->append(QStringLiteral("\r\n"));
            output.reset();
        }
    } catch (const std::exception &failure) {
        // Memory ran out (or the text is longer than memory can hold): the input stays,
        // and the next press works again.
        const bool outOfMemory = dynamic_cast<const std::bad_alloc *>(&failure) ||
                                 dynamic_cast<const std::length_error *>(&failure);
        const QString message = outOfMemory ? kOutOfMemory : QString::fromUtf8(failure.what());
        UiHandoff::post(formatButton, [message] { platform::showErrorBox(message); });
    }
    if (!content) {
        if (hadInput) {
            UiHandoff::post(formatButton, [button = formatButton] { button->setCaption(kFormat); });
            UiHandoff::post(progressBar, [bar = progressBar] { bar->setValue(0); });
        }
        return;
    }

    UiHandoff::post(fmtEdit, [box = fmtEdit, text = std::move(*content)]() mutable {
        box->setText(std::move(text));
    });
    UiHandoff::post(formatButton, [button = formatButton] { button->setCaption(kFormat); });
    UiHandoff::post(progressBar, [bar = progressBar] { bar->setValue(0); });
}
