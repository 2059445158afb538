#pragma once

namespace quarvel::productlayout {

// The tab pages' left edge in the Products window, in twips.
constexpr int pageLeft = 120;
// The two button rows, the transactions' on the tab page and the products' under it, share
// their columns: a column's left edge in twips from the page's left edge.
constexpr int buttonWidth = 2550;
constexpr int buttonHeight = 420;
constexpr int buttonColumnLeft(int column) {
    return 60 + column * (buttonWidth + 120);
}

} // namespace quarvel::productlayout
