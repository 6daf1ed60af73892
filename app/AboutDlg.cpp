// The About box: the icon, the version line, a second line and OK.

#include "app/AboutDlg.h"

#include "res/Templates.h"

CAboutDlg::CAboutDlg() : CDialog(AboutDialogTemplate(), nullptr) {}
