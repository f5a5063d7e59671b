// Drives setup.exe through the runs whose registry calls scripts/bench counts
// and prints the process id of each, so the calls can be told apart in Wine's
// call log: a start with nothing installed, a start with everything
// installed, and a commit that adds every feature.
#include <windows.h>

#include <cstdio>

#include "tools/driver/DesktopHold.h"
#include "tools/driver/WizardProcess.h"
#include "tools/driver/WizardState.h"

namespace {

// Every current entry of every feature, written as the wizard writes them.
const char* const kAllEntries[] = {
    "リンク先の画像をまとめて表示する(&G)", "gooの英和/和英辞典で調べる(&D)", "gooの各種辞典で調べる(&D)",
    "gooの英和辞典で調べる(&E)", "gooの和英辞典で調べる(&J)", "gooの国語辞典で調べる(&K)",
    "gooの新語辞典で調べる(&N)", "オンラインソフトを検索する(&O)", "リンク先のドメインを確認して表示する(&C)",
    "様々なサイトで一気に調べる(&M)", "文字列からアドレスを取得する(&P)", "このページを翻訳する（英 -> 日）(&T)",
    "このページを翻訳する（韓 -> 日）(&K)", "リンク先を翻訳する（英 -> 日）(&T)", "リンク先を翻訳する（韓 -> 日）(&K)",
    "Xdriveに転送(&X)", "一覧から選んで Xdriveに転送(&A)", "一覧から選んで i-driveに転送(&A)",
    "リンク先をこのウィンドウに表示する(&R)", "送信データを確認する(&P)", "ページ内のリンク先を確認する(&L)",
    "リンク先のソースを表示する(&V)", "指定アドレスのソースを表示する(&V)", "このページの Cookie 情報を確認する(&C)",
    "このページをフレーム解除して表示する(&F)",
};

// The features a user can add: the panel's eight rows, then the category
// check boxes by their list entry (four entries without the couriers).
const int kPanelRows[] = {1009, 1013, 1025, 1017, 1023, 1038, 1044, 1050};
const struct {
    int entry;
    int checkBox;
} kCategoryBoxes[] = {{1, 1015}, {2, 1019}, {2, 1040}, {2, 1046}, {2, 1048}, {3, 1036}};

bool startAndCancel(const char* label) {
    driver::WizardProcess setup;
    if (setup.waitForWizard() == nullptr) return false;
    std::printf("%s %lu\n", label, setup.id());
    setup.command(IDCANCEL);
    return setup.exitsWith(1);
}

bool addEverything() {
    driver::WizardProcess setup;
    if (setup.waitForWizard() == nullptr || !setup.click(IDOK)) return false;
    std::printf("commit-all %lu\n", setup.id());
    for (int i = 0; i < 8; ++i) {
        if (i == 4) setup.scroll(106, SB_PAGEDOWN);
        if (!setup.click(kPanelRows[i])) return false;
    }
    for (const auto& box : kCategoryBoxes)
        if (!setup.chooseComboEntry(1008, box.entry) || !setup.click(box.checkBox)) return false;
    if (!setup.click(IDOK)) return false;
    HWND done = setup.waitForMessageBox();
    if (done == nullptr || !setup.answer(done, IDOK) || !setup.click(IDOK)) return false;
    return setup.exitsWith(1);
}

}  // namespace

int main() {
    const driver::DesktopHold desktop;
    driver::clearWizardState();
    bool ok = startAndCancel("start-nothing");
    for (const char* caption : kAllEntries) driver::addMenuEntry(caption, "http://www.example.com/iekelvara/x.html", 0x30);
    driver::setSourceViewer("C:\\windows\\notepad.exe");
    ok = ok && startAndCancel("start-everything");
    driver::clearWizardState();
    ok = ok && addEverything();
    driver::clearWizardState();
    if (!ok) std::printf("registry: a run did not go as planned\n");
    return ok ? 0 : 1;
}
