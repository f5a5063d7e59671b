#include "controls/FeatureListPanel.h"

#include "controls/FeatureRowPlaces.h"

namespace {

constexpr short kPageRows = 4;
constexpr Place kTopBoxPlace = checkBoxPlace(kFirstRowTop);
constexpr Place kTopDescriptionPlace = descriptionPlace(kFirstRowTop);
// The bar spans the rows in view, down to the foot of the last description.
constexpr int kViewBottom = kTopDescriptionPlace.y + kTopDescriptionPlace.height + (kPageRows - 1) * kRowStep;
constexpr Place kScrollBarPlace = {436, kFirstRowTop, 16, kViewBottom - kFirstRowTop};

short atLeastZero(short value) { return value > 0 ? value : 0; }

// Rows outside the view are only hidden; they keep their last place.
template <class Row>
void arrange(Row* const* rows, short count, short first, const Place& topPlace) {
    for (short row = 0; row < count; ++row) {
        const int slot = row - first;
        if (slot >= 0 && slot < kPageRows) {
            rows[row]->move(topPlace.x, topPlace.y + slot * kRowStep);
            rows[row]->show(true);
        } else {
            rows[row]->show(false);
        }
    }
}

}  // namespace

FeatureListPanel::FeatureListPanel(HWND parent, HINSTANCE instance, short capacity, int scrollBarId)
    : parent(parent), instance(instance), scrollBar(new ScrollBar(parent, instance)),
      checkBoxes(new CheckBox*[atLeastZero(capacity)]), descriptions(new StaticText*[atLeastZero(capacity)]),
      count(0), capacity(atLeastZero(capacity)), first(0), lastFirst(0) {
    placeAndCreate(*scrollBar, kScrollBarPlace, "", scrollBarId);
}

// The windows went with the dialog; the objects go here.
FeatureListPanel::~FeatureListPanel() {
    delete scrollBar;
    for (short row = 0; row < count; ++row) delete checkBoxes[row];
    delete[] checkBoxes;
    for (short row = 0; row < count; ++row) delete descriptions[row];
    delete[] descriptions;
}

short FeatureListPanel::addRow(const char* caption, int checkBoxId, const char* description, int descriptionId,
                               bool group) {
    if (count == capacity) return static_cast<short>(count - 1);

    // Made where the top row stands; scrollTo puts each in its place.
    makeRowControls(checkBoxes[count], descriptions[count], parent, instance, kFirstRowTop, group,
                    {caption, checkBoxId, description, descriptionId});

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
    arrange(checkBoxes, count, top, kTopBoxPlace);
    arrange(descriptions, count, top, kTopDescriptionPlace);
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
