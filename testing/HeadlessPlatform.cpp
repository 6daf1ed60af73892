// The headless platform: every box and dialog recorded and answered at once.

#include "testing/HeadlessPlatform.h"

#include <new>
#include <utility>

int CHeadlessPlatform::ShowMessageBox(CDialog*, const std::string& text, const std::string& caption,
                                      unsigned type) {
    if (std::exchange(outOfMemoryAtNextBox, false)) throw std::bad_alloc();
    boxes.push_back(Box{caption, text, type});
    return IDOK;
}

int CHeadlessPlatform::RunModal(CDialog& dialog) {
    dialog.Create();
    ShownDialog shown{dialog.Template().caption ? dialog.Template().caption : "", {}};
    for (const ControlState& control : dialog.State().controls)
        if (control.kind == ControlKind::Edit) shown.edits.emplace_back(control.id, control.text);
    dialogs.push_back(std::move(shown));
    if (!dialog.IsEnded()) dialog.PressEnter();
    if (!dialog.IsEnded()) dialog.EndDialog(IDCANCEL);
    dialog.Destroy();
    return dialog.GetResult();
}

bool CHeadlessPlatform::WinHelp(const std::string& helpFile, unsigned command, unsigned long data) {
    helpRequests.push_back(helpFile + "#" + std::to_string(command) + ":" + std::to_string(data));
    return helpWorks;
}
