// The program's tables, and the wizard as the user meets it in each way it can
// open, written out as text and compared with the approved text in
// tests/approved/ (beside the test program in the test kit): every control as
// the dialog opens, then a walk through the pages, every category, the
// panel's bar and a commit, with what is in view at each step. A difference
// fails, names the first line that differs, and leaves the text received
// beside the approved one, which scripts/approve takes once its diff is read.
//
// Only what the program decides is written: what the system decides from the
// font, the client area and a combo box's closed and dropped-down heights, is
// checked against what the program asked for instead. The template's size
// and style; a control's line: id, class, style but shown and disabled,
// extended style, place, size (a combo box's as asked for), shown and
// enabled, the font's face and its height, width, escapement, orientation,
// weight, italic, underline, strike-out, charset, output precision,
// clipping, quality and pitch and family, a bar's range and position, text.
// A step's line: each control in view with its top, the greyed ones, the
// ticked ones, Next's label, focus, list entry and its text, the bar's
// position and the boxes that came up.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

#include "app/InstanceGuard.h"
#include "app/WizardTexts.h"
#include "catalog/DetectionOrder.h"
#include "registry/RegistryLocations.h"
#include "resources/ProductNames.h"
#include "resources/resource.h"
#include "tests/support/ImportTable.h"
#include "tests/support/WizardHost.h"

namespace {

// Shift-JIS as UTF-8, in quotes, line breaks and backslashes escaped.
std::string quoted(const std::string& text) {
    wchar_t wide[4096] = {};
    char utf8[8192] = {};
    MultiByteToWideChar(932, 0, text.c_str(), -1, wide, 4096);
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::string out = "\"";
    for (const char* c = utf8; *c != '\0'; ++c) out += *c == '\n' ? "\\n" : *c == '\\' ? "\\\\" : std::string(1, *c);
    return out + "\"";
}
std::string quoted(const char* text) { return text != nullptr ? quoted(std::string(text)) : "null"; }

#define NAMED(name) {#name, name}
// The texts no control or step below shows.
const std::pair<const char*, const char*> kTexts[] = {
    NAMED(kPlatformRefusal), NAMED(kCodePageCaption), NAMED(kCodePageRefusal), NAMED(kUtf8Refusal), NAMED(kEditionRefusal),
    NAMED(kEditorPathMissing), NAMED(kEditorNotFound), NAMED(kNothingChanged), NAMED(kSetFailed), NAMED(kUnsetFailed), NAMED(kMenuExtPath),
    NAMED(kContextsValueName), NAMED(kEditorNamePath), NAMED(kViewSourceEditorPath), NAMED(kPalimoEditorPath),
    NAMED(kScriptBaseAddress), NAMED(kMutexName), NAMED(KELVARA_WIZARD_TITLE), NAMED(KELVARA_MESSAGE_CAPTION),
    NAMED(KELVARA_PRODUCT_NAME), NAMED(KELVARA_FILE_DESCRIPTION), NAMED(KELVARA_VERSION_TEXT)};

void writeTables(std::ostream& out) {
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        out << "row " << int(row.number) << ": category " << int(row.category)
            << (row.kind == FeatureKind::SourceViewerSetting ? ", source viewer" : ", menu entries")
            << (row.discontinued ? ", discontinued" : "") << ", check box " << row.checkBoxId << " "
            << quoted(row.caption) << ", description " << row.descriptionId << " " << quoted(row.description) << "\n";
        for (const MenuEntry& entry : row.entries)
            out << "  entry " << quoted(entry.caption) << ", script " << quoted(entry.script) << ", contexts 0x"
                << std::hex << int(entry.contexts) << std::dec << "\n";
        for (const LegacyCaption& older : row.legacyCaptions)
            out << "  older caption of entry " << older.entry - row.entries.begin() + 1 << " " << quoted(older.oldCaption)
                << (older.mode == LegacyMode::Migrate ? ", moved at start\n" : ", removed instead\n");
        if (row.refusalMessage != nullptr) out << "  refusal " << quoted(row.refusalMessage) << "\n";
        if (const UpgradeOffer* offer = row.upgrade)
            out << "  upgrade offer " << quoted(offer->caption) << ", check box " << offer->checkBoxId << ", description "
                << offer->descriptionId << " " << quoted(offer->description) << ", contexts expected 0x" << std::hex
                << int(offer->expectedContexts) << std::dec << ", entries 1 to " << offer->entryCount << " again\n";
    }
    for (int category = 0; category <= int(FeatureCategory::Other); ++category)
        out << "category " << category << " " << quoted(FeatureCatalog::categoryText(FeatureCategory(category))) << "\n";
    out << "detection order:";
    for (FeatureRow row : kDetectionOrder) out << " " << int(row);
    out << "\n";
    for (const auto& [name, text] : kTexts) out << name << " " << quoted(text) << "\n";
    const HRSRC dialog = FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_WIZARD), RT_DIALOG);
    const auto* form = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(nullptr, dialog)));
    out << "template " << form->cx << "x" << form->cy << " dialog units, style 0x" << std::hex << form->style << std::dec << "\n";
}

// The category list's size as the program asked for it, its height covering
// the dropped-down list, which the system then sizes itself.
SIZE listAsked = {};
decltype(&CreateWindowExA) realCreateWindow = nullptr;
HWND WINAPI recordCreateWindow(DWORD e, LPCSTR k, LPCSTR t, DWORD s, int x, int y, int w, int h, HWND p, HMENU id, HINSTANCE i, LPVOID d) {
    if (reinterpret_cast<INT_PTR>(id) == kCategoryComboId) listAsked = {w, h};
    return realCreateWindow(e, k, t, s, x, y, w, h, p, id, i, d);
}

// Every control in the order made, which is the tab order; the client area
// must hold them all with the left margin on the right too, and the list
// dropped down must hold every entry within the height asked for.
void writeControls(std::ostream& out, const WizardHost& host) {
    RECT needed = {MAXLONG, 0, 0, 0}, client = {}, dropped = {};
    for (HWND control : children(host.dialog())) {
        char kind[32] = {};
        GetClassNameA(control, kind, sizeof kind);
        const int id = GetDlgCtrlID(control);
        const LONG style = GetWindowLongA(control, GWL_STYLE);
        const RECT at = host.place(id);
        needed = {std::min(needed.left, at.left), 0, std::max(needed.right, at.right), std::max(needed.bottom, at.bottom)};
        out << id << " " << kind << std::hex << " style 0x" << (style & ~(WS_VISIBLE | WS_DISABLED)) << " ex 0x"
            << GetWindowLongA(control, GWL_EXSTYLE) << std::dec << " at " << at.left << "," << at.top << " "
            << at.right - at.left << "x" << (id == kCategoryComboId ? listAsked.cy : at.bottom - at.top)
            << (style & WS_VISIBLE ? " shown" : " hidden") << (style & WS_DISABLED ? " disabled" : " enabled");
        LOGFONTA f = {};
        if (GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof f, &f) != 0) {
            out << " font " << quoted(f.lfFaceName);
            for (LONG field : {f.lfHeight, f.lfWidth, f.lfEscapement, f.lfOrientation, f.lfWeight, LONG(f.lfItalic),
                               LONG(f.lfUnderline), LONG(f.lfStrikeOut), LONG(f.lfCharSet), LONG(f.lfOutPrecision),
                               LONG(f.lfClipPrecision), LONG(f.lfQuality), LONG(f.lfPitchAndFamily)})
                out << " " << field;
        }
        int low = 0, high = 0;
        if (GetScrollRange(control, SB_CTL, &low, &high) && high > low)
            out << " range " << low << " to " << high << " at " << GetScrollPos(control, SB_CTL);
        out << " " << quoted(host.text(id)) << "\n";
    }
    GetClientRect(host.dialog(), &client);
    EXPECT_TRUE(needed.right + needed.left <= client.right && needed.bottom <= client.bottom) << "the controls need "
        << needed.right + needed.left << "x" << needed.bottom << ", the client area is " << client.right << "x" << client.bottom;
    SendMessageA(host.item(kCategoryComboId), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    const LRESULT entries = host.listed() * SendMessageA(host.item(kCategoryComboId), CB_GETITEMHEIGHT, 0, 0);
    const LONG width = dropped.right - dropped.left, height = dropped.bottom - dropped.top;
    EXPECT_TRUE(width == listAsked.cx && height >= entries && height <= listAsked.cy) << "list dropped down " << width << "x"
        << height << ", asked for " << listAsked.cx << "x" << listAsked.cy << ", its entries need " << entries;
}

// What the user has before them: each control in view with its top, the
// greyed ones, the ticked ones, Next's label, the focus, the list's entry and
// its text, the panel's bar and the boxes shown.
std::string view(WizardHost& host) {
    std::ostringstream out, greyed, ticked;
    for (HWND control : children(host.dialog())) {
        const int id = GetDlgCtrlID(control);
        if (IsWindowVisible(control)) out << " " << id << "@" << host.place(id).top;
        if (!IsWindowEnabled(control)) greyed << " " << id;
        if (host.ticked(id)) ticked << " " << id;
    }
    out << "; greyed" << greyed.str() << "; ticked" << ticked.str() << "; Next " << quoted(host.text(kNextButtonId))
        << ", focus " << GetDlgCtrlID(GetFocus()) << ", list at " << host.selection() << " "
        << quoted(host.text(kCategoryComboId)) << ", bar at " << GetScrollPos(host.item(kPanelScrollBarId), SB_CTL) << ", boxes:";
    for (const std::string& box : host.takeBoxes()) out << " " << quoted(box);
    return out.str() + "\n";
}

// Compares with the approved text, where the test kit has it, beside this
// program, or else in the sources.
void expectApproved(const std::string& name, const std::string& received) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string path = std::string(program, std::strrchr(program, '\\') + 1) + name;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) path = KELVARA_APPROVED_DIR "/" + name;
    std::stringstream approved;
    approved << std::ifstream(path, std::ios::binary).rdbuf();
    if (approved.str() == received) return;
    std::ofstream(path.substr(0, path.size() - 4) + ".received.txt", std::ios::binary) << received;
    // Where the two first part: that line of each, its number and the opening it is in.
    const std::string& wanted = approved.str();
    const size_t at = std::mismatch(wanted.begin(), wanted.end(), received.begin(), received.end()).first - wanted.begin();
    const size_t start = at == 0 ? 0 : wanted.rfind('\n', at - 1) + 1, heading = wanted.rfind("\n===", at);
    const auto lineAt = [](const std::string& text, size_t from) { return text.substr(from, text.find('\n', from) - from); };
    ADD_FAILURE() << path << " differs from line " << std::count(wanted.begin(), wanted.begin() + at, '\n') + 1
                  << " on, in " << (heading == std::string::npos ? "the tables" : lineAt(wanted, heading + 1))
                  << ":\n  approved " << lineAt(wanted, start) << "\n  received " << lineAt(received, start);
}

// The panel's bar, by its requests' codes: a line step past either end does
// nothing, a page step stops at the end, and the rows follow the thumb only
// when it is let go.
const char* const kRequests[] = {"line up", "line down", "page up", "page down", "thumb let go at", "thumb at",
                                 "top", "bottom", "end"};
const int kBarSteps[][2] = {{SB_LINEUP, 0}, {SB_LINEDOWN, 0}, {SB_PAGEUP, 0}, {SB_PAGEDOWN, 0}, {SB_LINEDOWN, 0},
    {SB_LINEUP, 0}, {SB_PAGEDOWN, 0}, {SB_PAGEUP, 0}, {SB_THUMBTRACK, 3}, {SB_THUMBPOSITION, 3}, {SB_TOP, 0},
    {SB_BOTTOM, 0}, {SB_ENDSCROLL, 0}, {SB_PAGEUP, 0}, {SB_THUMBPOSITION, 9}};

// The source viewer's path where it is found: none, a program that is
// nowhere, and one every system has.
const char* const kViewerPaths[] = {"", "C:\\absent\\viewer.exe", "C:\\windows\\notepad.exe", "C:\\windows\\notepad.exe"};

// Every way the dialog opens: with the source viewer's controls or not, and
// with each upgrade offer or not; i-drive Courier alone lists the free
// services with Xdrive Courier unticked, and the last finds every feature,
// so that every box is ticked. In each, the user goes through every page
// and category, the first time also through the bar's steps, back to the
// start and on, clicks the last row of the panel, or with i-drive Courier
// every box, a discontinued one twice so that a tick is refused, and
// finishes; where the path is refused, gives the source viewer up and
// finishes again. Back and Next are pressed at most once a page.
TEST(Snapshot, TablesAndEveryOpening) {
    std::ostringstream out;
    writeTables(out);
    const int viewer = FeatureCatalog::row(FeatureRow::MarkupReaderSwap).checkBoxId;
    for (int opening = 0; opening < 8; ++opening) {
        WizardHost host;
        for (const FeatureEntry& row : FeatureCatalog::rows())
            for (const MenuEntry& entry : row.entries)
                if (opening == 7 || (opening == 6 && row.number == FeatureRow::IdriveCourier))
                    reg::set(HKEY_CURRENT_USER, reg::menuKey(entry.caption), "contexts", reg::byte(entry.contexts));
        if (opening & 4) reg::set(HKEY_LOCAL_MACHINE, driver::kEditorNamePath, "", reg::text(kViewerPaths[opening & 3]));
        out << "=== opening " << opening << ": source viewer " << (opening & 4 ? "found" : "absent") << ", outdated rows:";
        for (int offer : {0, 1}) {
            if (!(opening & (2 >> offer))) continue;
            const char* caption = FeatureCatalog::row(kUpgradeRows[offer]).entries[0].caption;
            reg::set(HKEY_CURRENT_USER, reg::menuKey(caption), "contexts", reg::byte(0));
            out << " " << int(kUpgradeRows[offer]);
        }
        out << (opening == 6 ? ", i-drive Courier\n" : opening == 7 ? ", everything installed\n" : "\n");
        realCreateWindow = patchImport(&CreateWindowExA, &recordCreateWindow);
        host.open();
        patchImport(&recordCreateWindow, realCreateWindow);
        writeControls(out, host);
        out << "opened:" << view(host);
        const int later = (opening & 3) != 0 ? 2 : 1;  // the pages after the first up to the features
        for (int page = later; page > 0; --page) out << "Next:" << (host.click(kNextButtonId), view(host));
        for (int entry = 0; host.choose(entry); ++entry) out << "category list entry " << entry << ":" << view(host);
        host.choose(0);
        for (const auto& [request, position] : kBarSteps)
            if (opening == 0) out << "bar " << kRequests[request] << " " << position << ":" << (host.scroll(request, position), view(host));
        // One press more than the pages, so that a Back left on the first page shows in the text.
        for (int back = 0; back <= later && host.click(kBackButtonId); ++back) out << "Back:" << view(host);
        for (int page = later; page > 0; --page) out << "Next:" << (host.click(kNextButtonId), view(host));
        for (const FeatureEntry& row : FeatureCatalog::rows())
            for (int time = 0; time < (opening == 6 ? 1 + row.discontinued : row.number == FeatureRow::PolyglotRelay); ++time)
                out << "clicked " << row.checkBoxId << ":" << (host.toggle(row.checkBoxId), view(host));
        out << "Finish:" << (host.click(kNextButtonId), view(host));
        if (host.text(kNextButtonId) == kFinishLabel)
            out << "clicked " << viewer << ":" << (host.toggle(viewer), view(host)) << "Finish:" << (host.click(kNextButtonId), view(host));
    }
    expectApproved("wizard.txt", out.str());
}

}  // namespace
