// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/page_layout.h"

#include <algorithm>

namespace printing {

PageLayout layoutPage(TwipSize printable, std::optional<TwipSize> bench,
                      std::optional<TwipSize> graph, std::optional<TwipSize> courbes) {
    const double gap = printable.height / 20;
    double gaps = gap; // the start position
    double heights = 0;
    double widest = 0;
    for (const auto& picture : {bench, graph, courbes}) {
        if (!picture) continue;
        gaps += gap;
        heights += picture->height;
        widest = std::max(widest, picture->width);
    }

    PageLayout layout;
    if (heights > 0 && gaps + heights > printable.height)
        layout.shrink = std::max(0.0, printable.height - gaps) / heights;
    if (widest > printable.width) layout.shrink = std::min(layout.shrink, printable.width / widest);

    double y = gap;
    auto place = [&](const TwipSize& size) {
        y += gap;
        const double w = size.width * layout.shrink;
        const double h = size.height * layout.shrink;
        const TwipRect rect{(printable.width - w) / 2, y, w, h};
        y += h;
        return rect;
    };
    if (bench) layout.bench = place(*bench);
    if (graph) layout.graph = place(*graph);
    if (courbes) layout.courbes = place(*courbes);
    return layout;
}

} // namespace printing
