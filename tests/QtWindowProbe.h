// Set-up of the Qt window tests: their fixture with one offscreen Qt
// application, a platform that runs a test body while each dialog (the
// design sheet and what it opens, or a small probe dialog) is on screen and
// answers its message boxes, the probe itself, and the texts the sheet's
// boxes and lists can show on the open catalogues. Header only: the unit
// tests are its one user.
#pragma once

#include "catalog/CatalogFolder.h"
#include "catalog/MechEngines.h"
#include "catalog/MechEquipment.h"
#include "design/KestravDlg.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/qt/DialogWindow.h"
#include "framework/qt/QtPlatform.h"
#include "res/Templates.h"
#include "res/resource.h"
#include "testing/HeadlessSheet.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// A Qt application on the offscreen platform (unless another is asked for),
// or nullptr when one runs already.
inline QApplication* StartOffscreenApplication() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kestrav_unit_tests";
    static char* argv[] = {name, nullptr};
    return QApplication::instance() ? nullptr : new QApplication(argc, argv);
}

// The probe: a button that counts its presses into a centred box (which
// starts at the template's "0"), and a list of two entries whose set-focus
// notifications are counted and may be refused the way a placing rule does
// (focus to the window first, or not). It carries the sheet's menu bar.
namespace probe {
inline constexpr int kButton = 10, kList = 12, kEdit = 13;
inline const DialogItem kItems[] = {
    {ControlKind::PushButton, kButton, "Press", 10, 10, 50, 14, ControlStyle::None},
    {ControlKind::ListBox, kList, "", 70, 10, 60, 60, ControlStyle::VScroll},
    {ControlKind::Edit, kEdit, "0", 10, 50, 40, 14, ControlStyle::Centred},
};
inline const DialogTemplate kTemplate{500,
                                      "Probe",
                                      210,
                                      80,
                                      "MS Sans Serif",
                                      8,
                                      DialogStyle::Caption | DialogStyle::SysMenu |
                                          DialogStyle::MinimizeBox,
                                      kItems};
} // namespace probe

class ProbeDialog : public CDialog {
  public:
    ProbeDialog() : CDialog(probe::kTemplate) {}
    const MessageMap* GetMessageMap() const override {
        static const MessageMapEntry entries[] = {
            ON_LBN_SETFOCUS(probe::kList, &ProbeDialog::OnSetfocusList),
            ON_BN_CLICKED(probe::kButton, &ProbeDialog::OnPress),
        };
        static const MessageMap map{CDialog::GetMessageMap(), entries};
        return &map;
    }
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        SetMenu(&MainMenu());
        m_list.Attach(this, probe::kList);
        m_list.AddString("Alpha");
        m_list.AddString("Beta");
        return true;
    }
    void OnSetfocusList() {
        ++setFocusCount;
        if (!refuse) return;
        if (moveFocusFirst) SetFocus();
        MessageBox("Cannont fit component into this location.", "ALLOCATION ERROR");
    }
    void OnPress() { GetDlgItem(probe::kEdit).SetWindowText(std::to_string(++presses)); }

    CListBox m_list;
    int setFocusCount = 0;
    int presses = 0;
    bool refuse = false;
    bool moveFocusFirst = true;
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
    int dialogs = 0; // shown so far
    int boxes = 0;
    std::string lastBox;          // the text of the last message box
    bool lastBoxIconless = false; // its OK button carried no icon

    // Shows the probe dialog and runs probeBody while it is on screen.
    void RunProbe(const std::function<void(ProbeDialog&, QDialog&)>& probeBody) {
        body = [&probeBody](CDialog& d, QDialog& w) { probeBody(static_cast<ProbeDialog&>(d), w); };
        ProbeDialog dialog;
        dialog.DoModal();
    }
    // Starts the design sheet on the catalogues in folder; sheetBody runs
    // for it and for every dialog opened over it.
    void RunSheet(const std::string& folder,
                  const std::function<void(CDialog&, QDialog&)>& sheetBody) {
        body = sheetBody;
        SetCatalogFolderForTesting(folder);
        ResetProgramWideValues();
        {
            CKestravDlg sheet;
            AfxGetApp()->m_pMainWnd = &sheet;
            sheet.DoModal();
            AfxGetApp()->m_pMainWnd = nullptr;
        }
        ResetProgramWideValues();
        SetCatalogFolderForTesting("");
    }
    // Puts a text, or entries, into a control's state and shows it.
    void ShowText(CDialog& dialog, int id, const std::string& text) {
        dialog.Control(id).text = text;
        dialog.TouchControl(dialog.Control(id));
        Sync(dialog);
    }
    void ShowItems(CDialog& dialog, int id, const std::vector<std::string>& items) {
        dialog.Control(id).items = items;
        dialog.TouchControl(dialog.Control(id));
        Sync(dialog);
    }

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

// The texts each box and list of the sheet can show on the open catalogues.
struct SheetValues {
    std::vector<std::string> engineNames, ratings, numbers, equipment, slotEntries;
    // What the sheet's edit box id can show.
    const std::vector<std::string>& ForBox(int id) const {
        return id == IDC_ENGINE_NAME ? engineNames : id == IDC_ENGINE_RATING ? ratings : numbers;
    }
};

inline SheetValues ReadSheetValues() {
    SheetValues values;
    CMechEngines engines;
    engines.Open();
    for (engines.MoveFirst(); !engines.IsEOF(); engines.MoveNext()) {
        values.engineNames.push_back(engines.m_EngineName);
        values.ratings.push_back(std::to_string(engines.m_Rating));
    }
    engines.Close();
    MechEquipment equipment;
    equipment.Open();
    for (equipment.MoveFirst(); !equipment.IsEOF(); equipment.MoveNext())
        values.equipment.push_back(equipment.m_Item);
    equipment.Close();
    // Every weight and count the sheet shows: the half tons from -100 to 100
    // in the binding pass's format, and the whole numbers up to 999.
    for (int halves = -200; halves <= 200; ++halves) {
        char text[32];
        std::snprintf(text, sizeof text, "%.*g", 6, halves / 2.0);
        values.numbers.push_back(text);
    }
    for (int n = 100; n <= 999; ++n)
        values.numbers.push_back(std::to_string(n));
    // What a location list can hold besides the catalogue and its own fixed
    // contents: the entries the rules place by themselves.
    values.slotEntries = {"Engine",   "Heat Sink",  "Double Sink",
                          "Jump Jet", "Endo Steel", "Ferro Fibrous"};
    values.slotEntries.insert(values.slotEntries.end(), values.equipment.begin(),
                              values.equipment.end());
    return values;
}

// Whether an edit box shows its whole text, measured as Qt lays it out.
inline bool EditShowsWhole(const QLineEdit& edit) {
    return QFontMetrics(edit.font()).horizontalAdvance(edit.text()) <= EditTextRoom(edit);
}

// The window tests' fixture: one Qt application for them all, and the platform.
class QtWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { application = StartOffscreenApplication(); }
    static void TearDownTestSuite() {
        delete application;
        application = nullptr;
    }
    void SetUp() override { AfxGetApp()->m_pPlatform = &platform; }
    void TearDown() override { AfxGetApp()->m_pPlatform = nullptr; }

    WindowPlatform platform;
    static inline QApplication* application = nullptr;
};
