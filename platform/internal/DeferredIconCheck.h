#pragma once

// For tests of the application's style: plain C++, no toolkit types.

namespace corvane::internal {

// How the deferred standard icons of the application's style compare with
// the icons of the style it wraps: every deferred icon asked for at several
// sizes, in every mode and state, its pictures, sizes and painting.
struct DeferredIconComparison {
    bool styleDefers = false;  // the application's style defers icons
    int icons = 0;             // deferred icons compared
    int deferredIcons = 0;     // of those, made once, when first asked about
    int comparisons = 0;
    int differences = 0;
};
DeferredIconComparison CompareDeferredStandardIcons();

}  // namespace corvane::internal
