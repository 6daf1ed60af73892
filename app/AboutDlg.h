// CAboutDlg: the About box (template 100). It binds nothing and changes nothing.
#pragma once

#include "framework/Dialog.h"

class CAboutDlg : public CDialog {
  public:
    CAboutDlg();
};
