// Scaffolding of the Qt window tests: an offscreen Qt application, a platform
// that runs a test body while each dialog is on screen and answers its
// message boxes, a small probe dialog that counts and may refuse a list's
// focus, and the texts the design sheet's boxes and lists can show on the
// shipped catalogues. Header only: the unit tests are its one user.
#pragma once

#include "catalog/MechEngines.h"
#include "catalog/MechEquipment.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/qt/QtPlatform.h"
#include "res/Templates.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

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

// Runs body inside each dialog's modal loop, then ends the dialog (Cancel)
// unless the body did; message boxes are recorded and answered with OK.
class WindowPlatform : public CQtPlatform {
  public:
    std::function<void(CDialog&, QDialog&)> body;
    int boxes = 0;
    std::string lastBox;          // the text of the last message box
    bool lastBoxIconless = false; // its OK button carried no icon

  protected:
    void DialogShown(CDialog& dialog, QDialog& window) override {
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

// The probe: a button that counts its presses into a centred box (which
// starts at the template's "0"), a list of two entries whose set-focus
// notifications are counted and may be refused the way a placing rule
// does (focus to the window first, or not), and a sorted list that always
// shows its scroll bar. It carries the sheet's menu bar.
namespace probe {
inline constexpr int kButton = 10, kList = 12, kEdit = 13, kOtherList = 14;
inline const DialogItem kItems[] = {
    {ControlKind::PushButton, kButton, "Press", 10, 10, 50, 14, ControlStyle::None},
    {ControlKind::ListBox, kList, "", 70, 10, 60, 60, ControlStyle::VScroll},
    {ControlKind::Edit, kEdit, "0", 10, 50, 40, 14, ControlStyle::Centred},
    {ControlKind::ListBox, kOtherList, "", 140, 10, 60, 60,
     ControlStyle::Sorted | ControlStyle::VScroll | ControlStyle::AlwaysScroll},
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

// The texts each box and list of the sheet can show on the open catalogues.
struct SheetValues {
    std::vector<std::string> engineNames, ratings, numbers, equipment, slotEntries;
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
