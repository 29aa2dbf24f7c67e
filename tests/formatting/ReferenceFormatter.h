// The conversion written the plain way, step by step and with no care for speed,
// to hold the fast formatter against.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace reference {

struct Run {
    std::optional<std::u16string> output;
    int queries = 0;
    int starts = 0;
    std::vector<int> progress;
    bool operator==(const Run &) const = default;
};

inline void PrintTo(const Run &run, std::ostream *os) {
    *os << "queries=" << run.queries << " progress=" << run.progress.size()
        << " output=" << (run.output ? std::to_string(run.output->size()) + " units" : "none");
}

inline Run formatByteArray(const std::u16string &text, bool upperCase,
                           const std::function<std::int32_t()> &bytesPerLine) {
    Run run;
    std::u16string t = text;
    for (char16_t &c : t) {
        if (upperCase && c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - 0x20);
        if (!upperCase && c >= u'A' && c <= u'Z')
            c = static_cast<char16_t>(c + 0x20);
    }
    if (t.empty())
        return run;
    ++run.starts;
    std::u16string r = u"const byte code[] = {\r\n\t";
    std::u16string p;
    std::uint32_t s = 0;
    int last = 0;
    const std::uint64_t length = t.size();
    for (std::uint64_t i = 1; i <= length; ++i) {
        const char16_t c = t[i - 1];
        if (c != u' ' && c != u'\t' && c != u'\v' && c != u'\r' && c != u'\n') {
            p += c;
            if (p.size() == 2) {
                r += u"0x" + p;
                if (i < length) {
                    r += u", ";
                    ++s;
                    ++run.queries;
                    const auto n = static_cast<std::uint32_t>(bytesPerLine());
                    if (n != 0 && s % n == 0) // 0 means one line, as the program chose
                        r += u"\r\n\t";
                }
                p.clear();
            }
        }
        const int percentage = static_cast<int>(i * 100 / length);
        if (percentage > last) {
            last = percentage;
            run.progress.push_back(percentage);
        }
    }
    if (p.size() == 1)
        r += u"0x0" + p;
    if (r.ends_with(u", "))
        r.resize(r.size() - 2);
    else if (r.ends_with(u", \r\n\t"))
        r.resize(r.size() - 5);
    r += u"\r\n};";
    run.output = r;
    return run;
}

} // namespace reference
