// Every control of every page as the dialog opens, transcribed from the
// layout tables: id, kind, place, text, state and font, in the order the
// wizard makes them, which is the tab order.
#include "tests/support/WizardHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace expected;

namespace {

// A control's id, kind (Push, Check, Grouped check, List, Edit, Frame, Bar,
// Static) and rectangle.
struct Place { int id; char kind; int x, y, width, height; };

const std::map<char, std::pair<const char*, LONG>> kKinds = {
    {'P', {"Button", 0x10000}}, {'C', {"Button", 0x10003}}, {'G', {"Button", 0x30003}}, {'L', {"ComboBox", 0x30203}},
    {'E', {"Edit", 0x10080}}, {'F', {"Button", 0x7}}, {'B', {"ScrollBar", 0x10001}}, {'S', {"Static", 0}}};

// A check box and its description below it.
void addFeature(std::vector<Place>& places, int id, char kind, int y, int descriptionHeight = 28) {
    places.push_back({id, kind, 24, y, 400, 14});
    places.push_back({id + 1, 'S', 32, y + 14, 400, descriptionHeight});
}

std::vector<Place> layout(bool sourceViewer, bool lexiconOffer, bool plusOffer) {
    std::vector<Place> places = {
        {1001, 'S', 8, 288, 452, 2},   {3, 'P', 166, 300, 88, 22},    {1, 'P', 254, 300, 88, 22},
        {2, 'P', 350, 300, 88, 22},    {1002, 'S', 16, 16, 436, 14},  {1003, 'S', 16, 30, 436, 35},
        {1004, 'S', 16, 68, 436, 14},  {1005, 'S', 16, 16, 436, 14},  {1006, 'S', 16, 30, 436, 28},
        {1007, 'F', 8, 62, 452, 210},  {1008, 'L', 24, 58, 280, 100}, {106, 'B', 436, 84, 16, 174}};
    // The panel's rows all wait at the top row's place until scrolled into view.
    for (int id : panelIds()) addFeature(places, id, 'C', 84);
    const std::pair<int, int> categories[] = {{1011, 84},  {1021, 128}, {1015, 84}, {1019, 84},
                                              {1040, 128}, {1046, 172}, {1048, 216}};
    for (const auto& [id, y] : categories) addFeature(places, id, id == kXdrive || id == kIdrive ? 'C' : 'G', y);
    if (sourceViewer) {
        addFeature(places, 1027, 'G', 84, 56);
        places.insert(places.end(), {{1029, 'E', 48, 155, 326, 18}, {1030, 'P', 378, 154, 60, 20}});
    }
    addFeature(places, 1036, 'G', sourceViewer ? 178 : 84);
    if (lexiconOffer || plusOffer) places.push_back({1031, 'S', 16, 16, 436, 14});
    if (lexiconOffer) addFeature(places, 1032, 'C', 64);
    if (plusOffer) addFeature(places, 1034, 'C', lexiconOffer ? 94 : 64);
    return places;
}

}  // namespace

void expectOpeningLayout(WizardHost& host, bool sourceViewer, bool lexiconOffer, bool plusOffer,
                         const std::string& editorPath, const std::map<int, bool>& ticks) {
    const std::vector<Place> places = layout(sourceViewer, lexiconOffer, plusOffer);
    std::vector<int> made, wanted;
    for (HWND child : children(host.dialog())) made.push_back(GetDlgCtrlID(child));
    for (const Place& place : places) wanted.push_back(place.id);
    EXPECT_EQ(wanted, made);
    std::map<int, std::string> text = {{3, kBack}, {1, kNext}, {2, kCancel}, {1002, kWelcome[0]}, {1003, kWelcome[1]},
                                       {1004, kWelcome[2]}, {1005, kFeaturesTexts[0]}, {1006, kFeaturesTexts[1]},
                                       {1029, editorPath}, {1030, kBrowse}, {1031, kUpgradeHeading}};
    for (const Feature& feature : kFeatures)
        text[feature.id] = feature.caption, text[feature.id + 1] = feature.description;
    for (const Offer& offer : kOffers) text[offer.id] = offer.caption, text[offer.id + 1] = offer.description;
    for (const Place& place : places) {
        SCOPED_TRACE("control " + std::to_string(place.id));
        HWND window = host.item(place.id);
        ASSERT_NE(nullptr, window);
        char className[32] = {};
        GetClassNameA(window, className, sizeof className);
        EXPECT_STRCASEEQ(kKinds.at(place.kind).first, className);
        const LONG style = GetWindowLongA(window, GWL_STYLE) & ~(WS_VISIBLE | WS_DISABLED);
        EXPECT_EQ(kKinds.at(place.kind).second | WS_CHILD, style);
        const LONG exStyle = place.kind == 'E' ? WS_EX_CLIENTEDGE : place.id == 1001 ? WS_EX_STATICEDGE : 0;
        EXPECT_EQ(exStyle, GetWindowLongA(window, GWL_EXSTYLE));
        RECT rect = host.place(place.id), list = {};
        // A list box's height is that of its dropped-down list, which Wine
        // gives short by the 26 pixels the closed box had before its font.
        SendMessageA(window, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
        if (place.kind == 'L') rect.bottom = rect.top + list.bottom - list.top + 26;
        EXPECT_EQ((std::vector<LONG>{place.x, place.y, place.width, place.height}),
                  (std::vector<LONG>{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top}));
        const auto known = text.find(place.id);
        EXPECT_EQ(known != text.end() ? known->second : "", host.text(place.id));
        EXPECT_EQ(place.id != 3 && place.id != 1029 && place.id != 1030, host.enabled(place.id));
        if (place.kind == 'C' || place.kind == 'G')
            EXPECT_EQ(ticks.count(place.id) != 0 && ticks.at(place.id), host.ticked(place.id));
        if (place.kind == 'B') continue;  // draws no text
        LOGFONTA font = {};
        ASSERT_NE(0, GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font));
        const LOGFONTA wanted = {12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, OUT_TT_ONLY_PRECIS, 0, 0, 0,
                                 "ＭＳ Ｐゴシック"};
        EXPECT_EQ(0, std::memcmp(&wanted, &font, sizeof font));
    }
    // The welcome page: its texts and the three buttons.
    EXPECT_EQ(kWelcomePage, host.inView());
    EXPECT_EQ(host.item(1), GetFocus());
    EXPECT_EQ(CB_ERR, host.selection());
    RECT client = {};
    GetClientRect(host.dialog(), &client);
    EXPECT_GE(client.right, 468);  // the layout fits only with the template's proportional face
}
