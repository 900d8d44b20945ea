// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

// How much a page of HTML may ask of the text layout: how many elements it
// holds and how deeply they nest, tables on their own, whose layout costs
// grow fastest with their depth.
struct HtmlLimits {
    int elements;
    int depth;
    int tableDepth;
};

// Whether the page keeps within the limits; reading stops at the first
// element past them. Elements whose end tag may be left out (p, li, td, tr,
// …) never hold one another: they count as elements but add no depth. An
// end tag closes the latest open element of its name.
bool HtmlKeepsWithin(QStringView html, const HtmlLimits& limits);
