#include "controls/Place.h"

void placeAndCreate(Control& control, const Place& place, const char* text, int id) {
    control.move(place.x, place.y);
    control.resize(place.width, place.height);
    control.create(text, id);
}
