// The Qt platform: modal windows, message boxes, help and the minimised icon.

#include "framework/qt/QtPlatform.h"

#include "framework/qt/DialogUnits.h"
#include "framework/qt/DialogWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QShortcut>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <filesystem>
#include <memory>

CQtPlatform::CQtPlatform() = default;

CQtPlatform::~CQtPlatform() = default;

CQtDialogWindow* CQtPlatform::Find(const CDialog& dialog) const {
    for (CQtDialogWindow* window : m_windows)
        if (&window->Dialog() == &dialog) return window;
    return nullptr;
}

QWidget* CQtPlatform::ControlWidget(const CDialog& dialog, int id) const {
    CQtDialogWindow* window = Find(dialog);
    return window ? window->ControlWidget(id) : nullptr;
}

void CQtPlatform::Sync(CDialog& dialog) {
    if (CQtDialogWindow* window = Find(dialog)) window->Sync();
}

int CQtPlatform::RunModal(CDialog& dialog) {
    // A box opened over another window belongs to it and stays over it.
    QWidget* parent = m_windows.empty() ? nullptr : m_windows.back();
    auto window = std::make_unique<CQtDialogWindow>(dialog, parent);
    m_windows.push_back(window.get());
    window->BuildControls();
    dialog.Create();
    window->BuildFrame();
    window->Sync();
    if (!dialog.IsEnded()) {
        window->show();
        window->raise();
        window->activateWindow();
        DialogShown(dialog, *window);
        window->RunLoop();
    }
    window->hide();
    m_windows.pop_back();
    // The keys go back to the window under the box, as they do when a native
    // box ends, also where no window manager hands the activation back (as
    // after a message box).
    if (!m_windows.empty() && m_windows.back()->isVisible()) m_windows.back()->activateWindow();
    dialog.Destroy();
    return dialog.GetResult();
}

int CQtPlatform::ShowMessageBox(CDialog* owner, const std::string& text, const std::string& caption,
                                unsigned type) {
    // The box belongs to the main window: the given owner, or the outermost window.
    CQtDialogWindow* window = owner ? Find(*owner) : nullptr;
    if (!window && !m_windows.empty()) window = m_windows.front();
    // The window shows what the action has done so far while the box is up.
    if (window) window->Sync();
    QMessageBox box(window);
    box.setWindowTitle(QString::fromStdString(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(text));
    box.setIcon((type & MB_ICONSTOP) ? QMessageBox::Critical : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    // A native box's button carries its text only, whatever the desktop theme draws.
    if (QAbstractButton* ok = box.button(QMessageBox::Ok)) ok->setIcon(QIcon());
    QTimer::singleShot(0, &box, [this, &box] { MessageBoxShown(box); });
    box.exec();
    if (window && window->isVisible()) window->activateWindow();
    return IDOK;
}

void CQtPlatform::FocusChanged(CDialog& dialog, int id) {
    if (CQtDialogWindow* window = Find(dialog)) window->MoveFocus(id);
}

bool CQtPlatform::WinHelp(const std::string& helpFile, unsigned command, unsigned long data) {
    if (command == HELP_QUIT) {
        if (m_help) m_help->close();
        delete m_help;
        return true;
    }
    if (command != HELP_CONTEXT) return false;
    return OpenHelp(helpFile, HelpAnchor(data));
}

bool CQtPlatform::ShowHelpSection(const std::string& helpFile, const std::string& section) {
    return OpenHelp(helpFile, section);
}

bool CQtPlatform::OpenHelp(const std::string& helpFile, const std::string& anchor) {
    // The help document is shipped beside the program, not at the help file's name.
    const std::string folder = std::filesystem::path(helpFile).parent_path().string();
    const QString path = QString::fromStdString(HelpDocumentPath(folder));
    if (!QFileInfo(path).isFile()) {
        // Reported here, with the place it was looked for; the framework's
        // own report would not say where.
        AfxMessageBox("Failed to launch help.\n\nThe help document was looked for at " +
                      path.toStdString() + ".");
        return true;
    }
    // The help window belongs to the window the request came from, so the
    // modal sheet does not block it; it stays open until the program ends.
    QWidget* owner = m_windows.empty() ? nullptr : m_windows.back();
    if (m_help && m_help->parentWidget() != owner) delete m_help;
    if (!m_help) {
        m_help = new QWidget(owner, Qt::Window);
        m_help->setObjectName(QStringLiteral("help"));
        m_help->setAttribute(Qt::WA_DeleteOnClose);
        auto* browser = new QTextBrowser(m_help);
        browser->setOpenExternalLinks(false);
        auto* layout = new QVBoxLayout(m_help);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        m_help->resize(640, 560);
        // Closed from the keyboard as a document window is: Escape or Ctrl+W.
        for (const QKeySequence& keys :
             {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            auto* shortcut = new QShortcut(keys, m_help);
            QObject::connect(shortcut, &QShortcut::activated, m_help, &QWidget::close);
        }
    }
    QTextBrowser* browser = HelpBrowser();
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(QString::fromStdString(anchor));
    browser->setSource(url);
    browser->scrollToAnchor(url.fragment());
    m_help->setWindowTitle(browser->documentTitle().isEmpty() ? QStringLiteral("Help")
                                                              : browser->documentTitle());
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
    return true;
}

QTextBrowser* CQtPlatform::HelpBrowser() const {
    return m_help ? m_help->findChild<QTextBrowser*>() : nullptr;
}

bool CQtPlatform::IsIconic(const CDialog& dialog) const {
    const CQtDialogWindow* window = Find(dialog);
    return window && window->isMinimized();
}

void CQtPlatform::Minimize(CDialog& dialog) {
    if (CQtDialogWindow* window = Find(dialog)) window->showMinimized();
}

void CQtPlatform::GetClientSize(const CDialog& dialog, int& cx, int& cy) const {
    const CQtDialogWindow* window = Find(dialog);
    cx = window ? window->width() : 0;
    cy = window ? window->height() : 0;
}

void CQtPlatform::GetIconSize(int& cx, int& cy) const {
    cx = cy = 32;
}

void CQtPlatform::DrawIcon(CDialog& dialog, int x, int y, HICON) {
    CQtDialogWindow* window = Find(dialog);
    if (window && window->m_pIconPainter)
        window->m_pIconPainter->drawPixmap(x, y, ApplicationIcon().pixmap(32, 32));
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/kestrav/icons/kestrav-%1.png").arg(size), QSize(size, size));
    return icon;
}
