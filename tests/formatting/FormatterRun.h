// Runs the real formatter and records everything it announced.
#pragma once

#include "FormatByteArray.h"
#include "ReferenceFormatter.h"

#include <functional>

inline reference::Run runFormatter(const std::u16string &text, bool upperCase,
                                   const std::function<std::int32_t()> &bytesPerLine) {
    reference::Run run;
    run.output = formatting::FormatByteArray(
        text, upperCase,
        [&] {
            ++run.queries;
            return bytesPerLine();
        },
        [&] { ++run.starts; }, [&](int p) { run.progress.push_back(p); });
    return run;
}
