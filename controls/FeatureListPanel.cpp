#include "controls/FeatureListPanel.h"

namespace {

struct Placement {
    int x;
    int top;
    int width;
    int height;
};

// Rectangles of the top row and of the bar, in the dialog's client area. Each
// further row sits one step lower; a description hangs under its box,
// indented, with a small gap before the next box.
constexpr Placement kBoxPlacement = {24, 84, 400, 14};
constexpr Placement kDescriptionPlacement = {32, 98, 400, 28};
constexpr Placement kScrollBarPlacement = {436, 84, 16, 174};
constexpr int kRowStep = 44;
constexpr short kPageRows = 4;

short atLeastZero(short value) { return value > 0 ? value : 0; }

void place(Control& control, const Placement& placement) {
    control.move(placement.x, placement.top);
    control.resize(placement.width, placement.height);
}

// Rows outside the view are only hidden; they keep their last place.
template <class Row>
void arrange(const std::unique_ptr<Row>* rows, short count, short first, const Placement& placement) {
    for (short row = 0; row < count; ++row) {
        const int slot = row - first;
        if (slot >= 0 && slot < kPageRows) {
            rows[row]->move(placement.x, placement.top + slot * kRowStep);
            rows[row]->show(true);
        } else {
            rows[row]->show(false);
        }
    }
}

}  // namespace

FeatureListPanel::FeatureListPanel(HWND parent, HINSTANCE instance, short capacity, int scrollBarId)
    : parent(parent), instance(instance), scrollBar(new ScrollBar(parent, instance)),
      checkBoxes(new std::unique_ptr<CheckBox>[atLeastZero(capacity)]),
      descriptions(new std::unique_ptr<StaticText>[atLeastZero(capacity)]), count(0),
      capacity(atLeastZero(capacity)), first(0), lastFirst(0) {
    place(*scrollBar, kScrollBarPlacement);
    scrollBar->create("", scrollBarId);
}

short FeatureListPanel::addRow(const char* caption, int checkBoxId, const char* description, int descriptionId,
                               bool group) {
    if (count == capacity) return static_cast<short>(count - 1);

    checkBoxes[count].reset(new CheckBox(parent, instance, group));
    place(*checkBoxes[count], kBoxPlacement);
    checkBoxes[count]->create(caption, checkBoxId);

    descriptions[count].reset(new StaticText(parent, instance));
    place(*descriptions[count], kDescriptionPlacement);
    descriptions[count]->create(description, descriptionId);

    ++count;
    // The last page follows the rows added rather than the capacity, so a
    // panel that is not full never scrolls past its last row.
    if (count > kPageRows) {
        lastFirst = static_cast<short>(count - kPageRows);
        scrollBar->setRange(0, lastFirst);
    }
    return static_cast<short>(count - 1);
}

void FeatureListPanel::checkRow(short row) {
    if (exists(row)) checkBoxes[row]->setChecked(true);
}

bool FeatureListPanel::isChecked(short row) { return exists(row) && checkBoxes[row]->isChecked(); }

void FeatureListPanel::scrollUp(short rows) {
    if (first - rows >= 0) scrollTo(static_cast<short>(first - rows));
}

void FeatureListPanel::scrollDown(short rows) {
    if (first + rows <= lastFirst) scrollTo(static_cast<short>(first + rows));
}

void FeatureListPanel::pageUp() {
    if (first >= kPageRows)
        scrollUp(kPageRows);
    else if (first > 0)
        scrollUp(first);
}

void FeatureListPanel::pageDown() {
    if (first + kPageRows <= lastFirst)
        scrollDown(kPageRows);
    else if (first < lastFirst)
        scrollDown(static_cast<short>(lastFirst - first));
}

void FeatureListPanel::scrollTo(short firstRow) {
    const short top = firstRow > lastFirst ? lastFirst : atLeastZero(firstRow);
    arrange(checkBoxes.get(), count, top, kBoxPlacement);
    arrange(descriptions.get(), count, top, kDescriptionPlacement);
    scrollBar->setPosition(top);
    if (count > kPageRows) scrollBar->show(true);
    first = top;
}

void FeatureListPanel::hide() {
    const short end = endOfView();
    for (short row = first; row < end; ++row) checkBoxes[row]->show(false);
    for (short row = first; row < end; ++row) descriptions[row]->show(false);
    if (count > kPageRows) scrollBar->show(false);
}

void FeatureListPanel::disable() {
    const short end = endOfView();
    for (short row = first; row < end; ++row) checkBoxes[row]->enable(false);
    for (short row = first; row < end; ++row) descriptions[row]->enable(false);
}

short FeatureListPanel::endOfView() const {
    return first + kPageRows < count ? static_cast<short>(first + kPageRows) : count;
}
