#include "runtime/Value.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace zorb {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t'; }

}  // namespace

double toNumber(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    if (text.empty()) return 0;

    // The hot path: short whole numbers such as "100" or "-720", read on
    // every millisecond tick by the HP watchers.
    {
        std::string_view digits = text;
        bool negative = false;
        if (digits.front() == '-' || digits.front() == '+') {
            negative = digits.front() == '-';
            digits.remove_prefix(1);
        }
        if (!digits.empty() && digits.size() <= 15) {
            long long whole = 0;
            bool allDigits = true;
            for (char c : digits) {
                if (c < '0' || c > '9') {
                    allDigits = false;
                    break;
                }
                whole = whole * 10 + (c - '0');
            }
            if (allDigits) return negative ? -static_cast<double>(whole) : static_cast<double>(whole);
        }
    }

    // Anything else must be a plain decimal number as a whole (no hex, no
    // inf or nan); otherwise it counts as 0.
    for (char c : text) {
        bool ok = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!ok) return 0;
    }
    std::string_view body = text;
    if (body.front() == '+') body.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (ec != std::errc() || end != body.data() + body.size()) return 0;
    if (!std::isfinite(value)) return 0;
    return value;
}

std::string toText(double value) {
    if (!std::isfinite(value)) return "0";
    if (value == 0) return "0";  // also turns -0 into "0"
    char buffer[64];
    std::to_chars_result result;
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    } else {
        result = std::to_chars(buffer, buffer + sizeof buffer, value);
    }
    return std::string(buffer, result.ptr);
}

}  // namespace zorb
