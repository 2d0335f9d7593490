// The pages of a printout. A job makes one Pager over the surface its host gives it; the
// pager knows the page being printed and, once the host has measured the job, how many there
// are, and it holds the one rule by which a page is full: what is printed must end above the
// foot of the page, the last line height of the page, which is kept for the footer.
//
// The first page's top is the job's own (logo, title); every later page starts with the
// frame's continuation heading, and every page ends with the frame's footer. A page break on
// a screen area (not a "Printer") clears it instead. The pager never ends the document: the
// host does.
#pragma once

#include <functional>

#include "ui/surface.h"

namespace cn3 {

using PrintBlock = std::function<void(ui::Surface&)>;

// The lowest y (scale units) that the block's drawing would reach if it were printed from the
// surface's current position; the surface itself is not touched.
double BlockBottom(ui::Surface& surface, const PrintBlock& block);

struct PageFrame {
    // Prints the top of a page after the first, from y = 0; leaves the current y where the
    // body goes on.
    PrintBlock continuation;
    // Prints the foot of a page: given the page number and the count (0 while measuring).
    std::function<void(ui::Surface&, int page, int count)> footer;
};

// The footer of every printout: "Page n of m" centred at the foot of the page in the current
// font, not bold; "Page n" while the count is not known.
void PageNumberFooter(ui::Surface& surface, int page, int count);

class Pager {
  public:
    // The foot kept for the footer is one line of `footSize` points, measured on the surface.
    explicit Pager(ui::Surface& surface, PageFrame frame = {}, double footSize = 10);

    ui::Surface& surface() const { return surface_; }
    int pageIndex() const { return surface_.pageNumber(); }
    int pageCount() const { return surface_.pageCount(); }

    // The lowest y the body may reach, in the surface's scale.
    double bodyBottom() const;
    // The one rule: whether something reaching down to `bottom` ends on this page.
    bool fits(double bottom) const { return bottom <= bodyBottom(); }
    // Whether `lines` more lines of the current font fit below the current position.
    bool roomForLines(int lines) const;

    // Prints the block on this page when it ends on it, else on a new page; a block taller
    // than a page is printed from the top of a page all the same.
    void keepTogether(const PrintBlock& block);
    // Ends this page with its footer and starts the next, with the continuation heading
    // unless the next page heads itself (the report's charts page).
    void newPage(bool continuation = true);
    // The footer of the last page.
    void finish();

  private:
    void footer();

    ui::Surface& surface_;
    PageFrame frame_;
    double footHeight_;
};

}  // namespace cn3
