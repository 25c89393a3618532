#include "icons/reporting/EmailPreview.h"

#include "icons/reporting/EmailRecordTail.h"

#include <algorithm>

namespace corvane {

std::string EmailPreview::Placeholder(const EmailPreviewInput& input, EmailDisplayMode mode)
{
    if (mode == EmailDisplayMode::Names)
        return input.sourceName;
    if (!input.number)
        return input.high.size() > input.low.size() ? input.high : input.low;
    const std::size_t integer = input.low.size();
    const std::size_t fraction = input.high.size();
    if (integer == 0)
        return {};
    std::string placeholder(integer, '#');
    if (fraction != 0 && integer <= 10)
        placeholder += '.' + std::string(fraction, '#');
    return placeholder;
}

EmailComposition EmailPreview::Compose(std::string_view message, std::span<const EmailPreviewInput> inputs,
    EmailDisplayMode mode, bool includeLoggerId, std::size_t sizeLimit)
{
    EmailComposition result;
    const std::string_view scanned = message.substr(0, std::min(message.size(), kScanLimit));
    for (std::size_t pos = 0; pos < scanned.size();) {
        std::size_t length = 0;
        const int input = EmailRecordTail::MarkerAt(scanned, pos, length);
        if (input >= 0 && static_cast<std::size_t>(input) < inputs.size()
            && inputs[static_cast<std::size_t>(input)].insertable) {
            result.composed += Placeholder(inputs[static_cast<std::size_t>(input)], mode);
            result.references.push_back(input);
            pos += length;
            continue;
        }
        result.composed += scanned[pos++];
    }
    result.preview = std::string(kHeader);
    if (includeLoggerId)
        result.preview += kLoggerIdHeader;
    result.preview += "\r\n";
    result.preview += result.composed;
    result.preview.resize(std::min(result.preview.size(), sizeLimit));
    return result;
}

DigitCounts EmailPreview::TrimDigitCounts(DigitCounts counts, bool integerEditedLast)
{
    counts.integer = std::clamp(counts.integer, 0, kMaxDigits);
    counts.fraction = std::clamp(counts.fraction, 0, kMaxDigits);
    // One pass can leave fraction digits without integer digits (many
    // fraction digits taking the integer count below 0): the rules run
    // again until they hold.
    for (int pass = 0; pass < 4; ++pass) {
        const DigitCounts before = counts;
        if (counts.fraction > 0 && counts.integer == 0)
            counts.integer = 1;
        if (counts.integer + counts.fraction + 1 > kMaxDigits) {
            if (integerEditedLast && counts.integer > 10) {
                counts.integer = kMaxDigits;
                counts.fraction = 0;
            } else if (counts.integer < 2 || integerEditedLast) {
                counts.fraction = 10 - counts.integer;
            } else {
                counts.integer = 10 - counts.fraction;
                if (counts.integer > 9) {
                    counts.integer = 9;
                    counts.fraction = 1;
                }
            }
        }
        counts.integer = std::max(counts.integer, 0);
        counts.fraction = std::max(counts.fraction, 0);
        if (counts == before)
            break;
    }
    return counts;
}

}  // namespace corvane
