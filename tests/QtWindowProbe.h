// Set-up of the Qt window tests: their fixture with one offscreen Qt
// application, a platform that runs a test body while each dialog (the
// design sheet and what it opens, or a small probe dialog) is on screen and
// answers its message boxes, and the probe itself. Header only: the unit
// tests are its one user.
#pragma once

#include "catalog/CatalogFolder.h"
#include "catalog/MechEngines.h"
#include "catalog/MechEquipment.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtPlatform.h"
#include "res/Templates.h"
#include "res/resource.h"
#include "tests/TestSupport.h"

#include <QtTest>
#include <QtWidgets>

#include <stdexcept>

// The probe: a button that counts its presses into a centred box (which
// starts at the template's "0"), and a list of two entries whose set-focus
// notifications are counted and refused the way a placing rule does
// (focus to the window first, or not).
inline constexpr int kProbeButton = 10, kProbeList = 12, kProbeEdit = 13;
inline const DialogItem kProbeItems[] = {
    {ControlKind::PushButton, kProbeButton, "Press", 10, 10, 50, 14, ControlStyle::None},
    {ControlKind::ListBox, kProbeList, "", 70, 10, 60, 60, ControlStyle::VScroll},
    {ControlKind::Edit, kProbeEdit, "0", 10, 50, 40, 14, ControlStyle::Centred},
};

class ProbeDialog : public CDialog {
  public:
    ProbeDialog() : CDialog(kTemplate) {}
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {
            ON_LBN_SETFOCUS(kProbeList, &ProbeDialog::OnSetfocusList),
            ON_BN_CLICKED(kProbeButton, &ProbeDialog::OnPress),
        };
        static const MessageMap map{CDialog::GetMessageMap(), entries};
        return &map;
    }
    bool OnInitDialog() override {
        m_list.Attach(this, kProbeList);
        m_list.AddString("Alpha");
        m_list.AddString("Beta");
        return CDialog::OnInitDialog();
    }
    void OnSetfocusList() {
        ++setFocusCount;
        if (moveFocusFirst) SetFocus();
        MessageBox("Cannont fit component into this location.", "ALLOCATION ERROR");
    }
    void OnPress() {
        if (refusePress) {
            // Refused after the window showed a new entry: the entries go back.
            m_list.AddString("Gamma");
            MessageBox("Shown while the action runs.", "PROBE");
            throw std::runtime_error("refused");
        }
        GetDlgItem(kProbeEdit).SetWindowText(std::to_string(++presses));
    }

    static inline const DialogTemplate kTemplate{
        500, "Probe", 210, 80, "MS Sans Serif", 8, DialogStyle::Caption, kProbeItems};
    CListBox m_list;
    int setFocusCount = 0, presses = 0;
    bool moveFocusFirst = true;
    bool refusePress = false;
};

// A control's widget in a dialog's window.
template <class W> W* ControlOf(QDialog& window, int id) {
    return window.findChild<W*>(QString::number(id));
}

// Runs body inside each dialog's modal loop, then ends the dialog (Cancel)
// unless the body did; message boxes are recorded and answered with OK.
class WindowPlatform : public CQtPlatform {
  public:
    std::function<void(CDialog&, QDialog&)> body;
    int dialogs = 0, boxes = 0;   // shown so far
    std::string lastBox;          // the text of the last message box
    bool lastBoxIconless = false; // its OK button carried no icon

  protected:
    void DialogShown(CDialog& dialog, QDialog& window) override {
        ++dialogs;
        QTimer::singleShot(0, &window, [this, &dialog, &window] {
            body(dialog, window);
            if (!dialog.IsEnded()) dialog.EndDialog(IDCANCEL);
            Sync(dialog);
        });
    }
    void MessageBoxShown(QMessageBox& box) override {
        ++boxes;
        lastBox = box.text().toStdString();
        lastBoxIconless = box.button(QMessageBox::Ok)->icon().isNull();
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    }
};

// The window tests' fixture: one Qt application for them all, and the platform.
class QtWindowTest : public ::testing::Test {
  protected:
    // The application lives until the last window test ends (so that the
    // leak checker sees everything it holds given back).
    static void SetUpTestSuite() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "kestrav_unit_tests", *argv[] = {name, nullptr};
        if (!QApplication::instance()) application = new QApplication(argc, argv);
    }
    static void TearDownTestSuite() {
        delete application;
        application = nullptr;
    }
    void SetUp() override { AfxGetApp()->m_pPlatform = &platform; }
    void TearDown() override { AfxGetApp()->m_pPlatform = nullptr; }

    WindowPlatform platform;
    static inline QApplication* application = nullptr;
};
