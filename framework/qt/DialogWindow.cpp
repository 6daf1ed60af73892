// The Qt window of a framework dialog: widgets from the template, events to
// the dialog, the dialog's state back into the widgets.

#include "framework/qt/DialogWindow.h"

#include "framework/qt/QtPlatform.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleHints>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

namespace {

// A check box whose mark only the dialog sets: a click reports itself and
// leaves the mark to the handler.
class MirrorCheckBox : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    void nextCheckState() override {}
};

// A native list box shows whole rows only: a row the bottom edge would cut
// is left blank, as the space below the last entry is. A row wider than the
// list is drawn narrowed by the factor in kNarrowRole (drawing it scaled
// costs no font of its own to load, which start-up would pay for).
class WholeRowDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        if (view && option.rect.bottom() >= view->viewport()->height()) return;
        const qreal narrow = index.data(kNarrowRole).toReal();
        if (narrow <= 0 || narrow >= 1) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QWidget* widget = item.widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
                               .adjusted(margin, 0, -margin, 0);
        const QString shown = item.text;
        item.text.clear(); // the background, selection and focus only
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
        const QPalette::ColorGroup group =
            !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
            : (item.state & QStyle::State_Active) ? QPalette::Normal
                                                  : QPalette::Inactive;
        painter->save();
        painter->setFont(item.font);
        painter->setPen(item.palette.color(group, (item.state & QStyle::State_Selected)
                                                      ? QPalette::HighlightedText
                                                      : QPalette::Text));
        painter->translate(text.topLeft());
        painter->scale(narrow, 1.0);
        painter->drawText(QRectF(0, 0, text.width() / narrow, text.height()),
                          Qt::AlignLeft | Qt::AlignVCenter, shown);
        painter->restore();
    }
};

QString ToQt(const std::string& text) {
    return QString::fromStdString(text);
}

bool IsTabFocus(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
}

} // namespace

QFont DialogFont(const DialogTemplate& dialogTemplate) {
    // "MS Sans Serif" (and any other face a template names) is the face whose
    // base units match it, or the desktop's sans-serif font where that face
    // is not installed, at the template's size.
    const int points = dialogTemplate.fontPointSize > 0 ? dialogTemplate.fontPointSize : 8;
    static const bool haveTemplateFace =
        QFontDatabase::hasFamily(QString::fromLatin1(kTemplateFace));
    if (haveTemplateFace) return QFont(QString::fromLatin1(kTemplateFace), points);
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points);
    return font;
}

int EditTextRoom(const QLineEdit& edit) {
    // Qt lays a line edit's text out inside its frame, its text margins and
    // a fixed margin of two pixels on either side.
    const int frame = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QMargins margins = edit.textMargins();
    return edit.width() - 2 * frame - margins.left() - margins.right() - 2 * 2;
}

namespace {

// The room a list's rows lay their text out in, its rows rowHeight high:
// the viewport, less the scroll bar when it shows (always, or once the
// entries are more than the rows), less the item view's text margin on
// either side.
int ListTextRoom(const QListWidget& list, int rowHeight) {
    int room = list.width() - 2 * list.frameWidth();
    const int rows = rowHeight * list.count();
    const bool scrolls = list.verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ||
                         (list.verticalScrollBarPolicy() == Qt::ScrollBarAsNeeded &&
                          rows > list.height() - 2 * list.frameWidth());
    if (scrolls) room -= list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    const int margin = list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    return room - 2 * margin;
}

// A list row of a given height. How it is drawn (narrowed, with the whole
// entry as its tooltip) depends on its text's width, which only a row that
// is drawn or pointed at asks for: measuring every entry of a long list
// would cost far more than filling it.
class ListRow : public QListWidgetItem {
  public:
    ListRow(const QString& text, int height) : QListWidgetItem(text), m_height(height) {}

    QVariant data(int role) const override {
        const QListWidget* list = listWidget();
        if (!list || (role != Qt::SizeHintRole && role != kNarrowRole && role != Qt::ToolTipRole))
            return QListWidgetItem::data(role);
        const int width = TextWidth(*list);
        // Rows as high as a line of the dialog font, so a list holds as many
        // entries as its template height was drawn for.
        if (role == Qt::SizeHintRole)
            return QSize(std::min(width, ListTextRoom(*list, m_height)) + 6, m_height);
        // The room once the list is filled and drawn (a row is drawn or
        // pointed at only then): every later paint of the row costs nothing more.
        if (m_room < 0) m_room = ListTextRoom(*list, m_height);
        const int room = m_room;
        if (width <= room) return QListWidgetItem::data(role);
        const qreal narrow = std::max(kNarrowest, qreal(room) / width);
        if (role == kNarrowRole) return narrow;
        // The whole entry, where even the narrowest drawing is cut.
        if (std::ceil(width * narrow) > room) return text();
        return QListWidgetItem::data(role);
    }

    void setData(int role, const QVariant& value) override {
        if (role == Qt::DisplayRole || role == Qt::FontRole) m_width = m_room = -1;
        QListWidgetItem::setData(role, value);
    }

  private:
    int TextWidth(const QListWidget& list) const {
        if (m_width < 0) m_width = QFontMetrics(list.font()).horizontalAdvance(text());
        return m_width;
    }

    int m_height;
    mutable int m_width = -1; // the text's width in the list's font, once asked for
    mutable int m_room = -1;  // the list's text room, once asked for
};

} // namespace

int ListTextRoom(const QListWidget& list) {
    return ListTextRoom(list, list.count() > 0 ? list.sizeHintForRow(0) : 0);
}

int ShownRowWidth(const QListWidget& list, int row) {
    const QListWidgetItem* item = list.item(row);
    const int width = QFontMetrics(list.font()).horizontalAdvance(item->text());
    const qreal narrow = item->data(kNarrowRole).toReal();
    return narrow > 0 && narrow < 1 ? static_cast<int>(std::ceil(width * narrow)) : width;
}

QFont FittingFont(const QFont& font, const QString& text, int room) {
    const int width = QFontMetrics(font).horizontalAdvance(text);
    if (width <= room) return font;
    // A stretch is relative to the unstretched cut of the family, and the
    // face may itself be a condensed one: its own stretch, once per family.
    // The template face is known to be semi-condensed; no other cut need be loaded to tell.
    static std::map<QString, int> naturalStretch{
        {QString::fromLatin1(kTemplateFace), QFont::SemiCondensed}};
    auto known = naturalStretch.find(font.family());
    if (known == naturalStretch.end()) {
        QFont unstretched = font;
        unstretched.setStretch(QFont::Unstretched);
        const QString letters =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        const int natural = QFont::Unstretched * QFontMetrics(font).horizontalAdvance(letters) /
                            std::max(1, QFontMetrics(unstretched).horizontalAdvance(letters));
        known = naturalStretch.emplace(font.family(), natural).first;
    }
    const int natural = known->second;
    // Widths scale with the stretch: start where the text should just fit,
    // and narrow while rounding leaves it too wide. The stretches are steps
    // of five, so texts share a few cuts (each new cut is a font to load).
    QFont narrow = font;
    const int floor = natural * 2 / 3;
    const int first = std::max(floor, natural * room / width / 5 * 5);
    for (int stretch = first; stretch >= floor;
         stretch = stretch > floor ? std::max(floor, stretch - 5) : floor - 1) {
        narrow.setStretch(stretch);
        if (QFontMetrics(narrow).horizontalAdvance(text) <= room) return narrow;
    }
    return narrow;
}

DialogBaseUnits DialogBaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return BaseUnitsFromFont(letters, metrics.height());
}

CQtDialogWindow::CQtDialogWindow(CDialog& dialog, QWidget* parent)
    : QDialog(parent), m_dialog(dialog), m_font(DialogFont(dialog.Template())),
      m_base(DialogBaseUnitsOf(m_font)) {
    const DialogTemplate& t = dialog.Template();
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    // The main window is a window of its own with a minimise box; boxes over it are dialogs.
    if (t.style & DialogStyle::MinimizeBox)
        flags |= Qt::Window | Qt::WindowMinimizeButtonHint;
    else
        flags |= Qt::Dialog;
    setWindowFlags(flags);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(ToQt(t.caption ? t.caption : ""));
    setFont(m_font);
    setSizeGripEnabled(false);
    installEventFilter(this);
    QAccessible::installActivationObserver(this);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    const PixelRect client = DialogClientRect(t, m_base);
    m_client->setGeometry(0, 0, client.width, client.height);
    setFixedSize(client.width, client.height);
}

CQtDialogWindow::~CQtDialogWindow() {
    QAccessible::removeActivationObserver(this);
}

QWidget* CQtDialogWindow::ControlWidget(int id) const {
    auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : it->second;
}

void CQtDialogWindow::accessibilityActiveChanged(bool active) {
    if (!active) return;
    for (const auto& [widget, name] : m_accessibleNames)
        widget->setAccessibleName(name);
}

void CQtDialogWindow::BuildControls() {
    for (const DialogItem& item : m_dialog.Template().items) {
        QWidget* widget = CreateWidget(item);
        if (item.id != IDC_STATIC) {
            widget->setObjectName(QString::number(item.id));
            m_byId[item.id] = widget;
        }
        widget->installEventFilter(this);
        m_controls.push_back(Control{&item, widget, 0, item.text ? item.text : "", 0});
    }
    accessibilityActiveChanged(QAccessible::isActive());
}

QWidget* CQtDialogWindow::CreateWidget(const DialogItem& item) {
    const int id = item.id;
    const PixelRect r = DluRectToPixels(item.x, item.y, item.cx, item.cy, m_base);
    const std::string text = item.text ? item.text : "";
    QWidget* widget = nullptr;
    switch (item.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(m_client);
        button->setGeometry(r.x, r.y, r.width, r.height);
        // Enter reaches the dialog, never a button by itself; the default
        // button is only drawn as such.
        button->setAutoDefault(false);
        button->setDefault((item.style & ControlStyle::DefaultButton) != 0);
        button->setText(ShownCaption(item, text));
        connect(button, &QPushButton::clicked, this,
                [this, id] { Dispatch([this, id] { m_dialog.ClickButton(id); }); });
        widget = button;
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = new MirrorCheckBox(m_client);
        box->setGeometry(r.x, r.y, r.width, r.height);
        box->setText(ShownCaption(item, text));
        connect(box, &QCheckBox::clicked, this,
                [this, id] { Dispatch([this, id] { m_dialog.ClickButton(id); }); });
        widget = box;
        break;
    }
    case ControlKind::GroupBox:
        widget = new QGroupBox(ToQt(text), m_client);
        break;
    case ControlKind::Static: {
        auto* label = new QLabel(ToQt(text), m_client);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        const Qt::Alignment across =
            (item.style & ControlStyle::Centred) ? Qt::AlignHCenter : Qt::AlignLeft;
        label->setAlignment(across | Qt::AlignVCenter);
        if (item.style & ControlStyle::Sunken) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        widget = label;
        break;
    }
    case ControlKind::Edit: {
        auto* edit = new QLineEdit(m_client);
        edit->setReadOnly(true);
        // A native edit box keeps a pixel between its border and its text,
        // not Qt's three: the template's boxes were drawn for that.
        edit->setTextMargins(-1, 0, -1, 0);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setFrame((item.style & ControlStyle::Border) != 0);
        if (item.style & ControlStyle::Centred) edit->setAlignment(Qt::AlignCenter);
        widget = edit;
        break;
    }
    case ControlKind::ListBox: {
        auto* list = new QListWidget(m_client);
        list->setSelectionMode(QAbstractItemView::NoSelection);
        list->setUniformItemSizes(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        Qt::ScrollBarPolicy vertical = Qt::ScrollBarAlwaysOff;
        if (item.style & ControlStyle::VScroll)
            vertical = (item.style & ControlStyle::AlwaysScroll) ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAsNeeded;
        list->setVerticalScrollBarPolicy(vertical);
        list->setItemDelegate(new WholeRowDelegate(list));
        list->viewport()->installEventFilter(this);
        m_pressSeries.emplace(
            id, DoubleClickTracker(
                    static_cast<unsigned long>(qApp->styleHints()->mouseDoubleClickInterval()),
                    qApp->styleHints()->mouseDoubleClickDistance()));
        widget = list;
        break;
    }
    case ControlKind::Icon: {
        // An icon control takes the icon's own size at its position.
        auto* label = new QLabel(m_client);
        label->setPixmap(ApplicationIcon().pixmap(32, 32));
        label->setGeometry(r.x, r.y, 32, 32);
        return label;
    }
    }
    widget->setGeometry(r.x, r.y, r.width, r.height);
    // Named once assistive technology is listening: naming a widget makes
    // Qt build its accessible interface, which costs start-up time for nobody.
    if (const std::string name = AccessibleNameOf(m_dialog.Template(), item); !name.empty())
        m_accessibleNames.emplace_back(widget, ToQt(name));
    // Only the window's background offers the system menu.
    if (item.kind != ControlKind::Static && item.kind != ControlKind::GroupBox)
        widget->setContextMenuPolicy(Qt::PreventContextMenu);
    return widget;
}

QString CQtDialogWindow::ShownCaption(const DialogItem& item, const std::string& text) const {
    if (!(item.style & ControlStyle::MultiLine)) return ToQt(text);
    const PixelRect r = DluRectToPixels(item.x, item.y, item.cx, item.cy, m_base);
    int width = r.width - 2 * style()->pixelMetric(QStyle::PM_ButtonMargin);
    if (item.kind == ControlKind::CheckBox)
        width = r.width - style()->pixelMetric(QStyle::PM_IndicatorWidth) -
                style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) - 2;
    const QFontMetrics metrics(m_font);
    const std::vector<std::string> lines = WrapWords(text, width, [&metrics](const std::string& s) {
        return metrics.horizontalAdvance(ToQt(s));
    });
    QStringList shown;
    for (const std::string& line : lines)
        shown << ToQt(line);
    return shown.join(QLatin1Char('\n'));
}

void CQtDialogWindow::BuildFrame() {
    int menuHeight = 0;
    if (const MenuTemplate* menu = m_dialog.GetMenu()) {
        m_menuBar = new QMenuBar(this);
        m_menuBar->setFont(QApplication::font("QMenuBar"));
        for (const MenuItem& item : menu->items)
            AddMenu(m_menuBar, item);
        menuHeight = m_menuBar->sizeHint().height();
        m_menuBar->setGeometry(0, 0, m_client->width(), menuHeight);
    }
    // The window keeps the template's size unless the screen is smaller; then
    // the controls show in a scrollable area that fits the screen, leaving
    // room for a title bar.
    QSize size(m_client->width(), m_client->height() + menuHeight);
    const QScreen* shownOn =
        parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect available = shownOn ? shownOn->availableGeometry() : QRect(QPoint(0, 0), size);
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize room(available.width(), available.height() - titleBar);
    if (size.width() > room.width() || size.height() > room.height()) {
        m_scroll = new QScrollArea(this);
        m_scroll->setObjectName(QStringLiteral("scroll"));
        m_scroll->setFrameShape(QFrame::NoFrame);
        m_scroll->setWidget(m_client);
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const bool tall = size.height() > room.height();
        const bool wide = size.width() + (tall ? bar : 0) > room.width();
        size = QSize(std::min(room.width(), m_client->width() + (tall ? bar : 0)),
                     std::min(room.height(), m_client->height() + menuHeight + (wide ? bar : 0)));
        m_scroll->setGeometry(0, menuHeight, size.width(), size.height() - menuHeight);
        if (m_menuBar) m_menuBar->setGeometry(0, 0, size.width(), menuHeight);
    } else {
        m_client->move(0, menuHeight);
    }
    setFixedSize(size);
    if (m_dialog.GetIcon(true) || m_dialog.GetIcon(false)) setWindowIcon(ApplicationIcon());
}

void CQtDialogWindow::AddMenu(QWidget* parent, const MenuItem& item) {
    switch (item.kind) {
    case MenuItem::Popup: {
        auto* menu = new QMenu(ToQt(item.text), parent);
        for (const MenuItem& child : item.children)
            AddMenu(menu, child);
        parent->addAction(menu->menuAction());
        break;
    }
    case MenuItem::Separator:
        if (auto* menu = qobject_cast<QMenu*>(parent)) menu->addSeparator();
        break;
    case MenuItem::Command: {
        auto* action = new QAction(ToQt(item.text), parent);
        const int id = item.id;
        const bool checked = item.checked;
        action->setData(id);
        action->setEnabled(!item.grayed);
        action->setCheckable(checked);
        action->setChecked(checked);
        connect(action, &QAction::triggered, this, [this, action, id, checked] {
            // The program never changes a menu item's state; undo Qt's toggle.
            action->setChecked(checked);
            Dispatch([this, id] { m_dialog.Command(id); });
        });
        parent->addAction(action);
        break;
    }
    }
}

void CQtDialogWindow::Dispatch(const std::function<void()>& call) {
    call();
    Sync();
}

void CQtDialogWindow::RunLoop() {
    while (!m_dialog.IsEnded())
        m_loop.exec();
}

void CQtDialogWindow::Sync() {
    // Showing the state moves Qt's focus at times (a disabled control hands
    // its focus on); none of that is the user's doing.
    const bool wasMoving = m_movingFocus;
    m_movingFocus = true;
    const DialogState& state = m_dialog.State();
    if (state.controls.size() == m_controls.size()) {
        for (std::size_t i = 0; i < m_controls.size(); ++i) {
            Control& control = m_controls[i];
            const ControlState& controlState = state.controls[i];
            if (control.revision == controlState.revision) continue;
            control.revision = controlState.revision;
            ShowControl(control, controlState);
        }
    }
    MoveFocus(state.focusId);
    m_movingFocus = wasMoving;
    if (m_dialog.IsEnded()) m_loop.exit();
}

void CQtDialogWindow::ShowControl(Control& control, const ControlState& state) {
    QWidget* widget = control.widget;
    widget->setEnabled(state.enabled);
    switch (control.item->kind) {
    case ControlKind::Edit: {
        auto* edit = static_cast<QLineEdit*>(widget);
        const QString text = ToQt(state.text);
        if (edit->text() != text) {
            const QFont font = FittingFont(m_font, text, EditTextRoom(*edit));
            if (edit->font() != font) edit->setFont(font);
            edit->setText(text);
            edit->setCursorPosition(0);
        }
        return;
    }
    case ControlKind::ListBox:
        ShowList(control, state);
        return;
    case ControlKind::CheckBox:
        static_cast<QCheckBox*>(widget)->setChecked(state.checked);
        break;
    case ControlKind::Icon:
        return;
    default:
        break;
    }
    if (control.text == state.text) return;
    control.text = state.text;
    const QString caption = ShownCaption(*control.item, state.text);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(caption);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(caption);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(caption);
}

void CQtDialogWindow::ShowList(Control& control, const ControlState& state) {
    auto* list = static_cast<QListWidget*>(control.widget);
    if (control.itemsRevision != state.itemsRevision) {
        list->clear();
        for (const std::string& entry : state.items)
            list->addItem(new ListRow(ToQt(entry), m_base.y));
        control.itemsRevision = state.itemsRevision;
    }
    QItemSelectionModel* selection = list->selectionModel();
    if (state.selection >= 0 && state.selection < list->count()) {
        const QModelIndex index = list->model()->index(state.selection, 0);
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        list->scrollTo(index);
    } else {
        selection->clearSelection();
    }
}

void CQtDialogWindow::MoveFocus(int id) {
    QWidget* target = id == kFocusDialog ? this : ControlWidget(id);
    if (!target || !target->isEnabled()) target = this;
    if (focusWidget() == target) return;
    const bool wasMoving = m_movingFocus;
    m_movingFocus = true;
    target->setFocus(Qt::OtherFocusReason);
    m_movingFocus = wasMoving;
}

bool CQtDialogWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QListWidget*>(watched->parent());
    if (list && watched == list->viewport() && list->parent() == m_client) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            return HandleListMouse(list->objectName().toInt(), list,
                                   static_cast<QMouseEvent*>(event));
        default:
            return false;
        }
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        return HandleKey(static_cast<QKeyEvent*>(event), qobject_cast<QListWidget*>(watched));
    case QEvent::KeyRelease: {
        // Alt pressed and let go with nothing in between opens the menu bar.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Alt && !key->isAutoRepeat() && m_loneAlt) {
            m_loneAlt = false;
            OpenMenuBar();
            return true;
        }
        return false;
    }
    case QEvent::ShortcutOverride:
        // A key that may be a shortcut (Alt+F opens the File menu) before it
        // is pressed: Alt was not alone.
        if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Alt) m_loneAlt = false;
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::WindowDeactivate: // Alt+Tab and the like: Alt was not alone
        m_loneAlt = false;
        return false;
    case QEvent::FocusIn: {
        // Only the Tab key is the user's own move; focus given back when a
        // window is activated, or moved by the program, is not reported.
        const auto* focus = static_cast<QFocusEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (m_movingFocus || !IsTabFocus(focus->reason()) || !widget || widget == this)
            return false;
        bool isControl = false;
        const int id = widget->objectName().toInt(&isControl);
        if (isControl && ControlWidget(id) == widget)
            Dispatch([this, id] { m_dialog.FocusGained(id); });
        return false;
    }
    default:
        return false;
    }
}

bool CQtDialogWindow::HandleKey(QKeyEvent* key, QListWidget* list) {
    const int k = key->key();
    const bool alt = (key->modifiers() & Qt::AltModifier) != 0;
    if (key->isAutoRepeat() && k == Qt::Key_Alt) return true;
    m_loneAlt = k == Qt::Key_Alt && (key->modifiers() & ~Qt::AltModifier) == Qt::NoModifier;
    if (m_loneAlt) return true;
    const bool plain = (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) == 0;
    if (k == Qt::Key_F1 && plain) {
        Dispatch([this] { m_dialog.PressHelp(); });
        return true;
    }
    if (k == Qt::Key_F10 && plain && m_menuBar) {
        OpenMenuBar();
        return true;
    }
    if ((k == Qt::Key_Return || k == Qt::Key_Enter) && !alt) {
        Dispatch([this] { m_dialog.PressEnter(); });
        return true;
    }
    if (k == Qt::Key_Escape) {
        Dispatch([this] { m_dialog.PressEscape(); });
        return true;
    }
    if (k == Qt::Key_Space && alt) {
        ShowSystemMenu(m_client->mapToGlobal(QPoint(0, 0)));
        return true;
    }
    if (k == Qt::Key_F4 && alt) {
        Dispatch([this] { m_dialog.SysCommand(SC_CLOSE); });
        return true;
    }
    if (const int id = AccessKeyControl(*key); id != 0) {
        // Straight to the control, as a click into it: a list taking the
        // focus this way is a placement request; one that has it already is not.
        m_typed.clear();
        Dispatch([this, id] { m_dialog.FocusGained(id); });
        return true;
    }
    if (!list || k == Qt::Key_Tab || k == Qt::Key_Backtab) return false;
    HandleListKey(key, list);
    // Whatever else Qt's list would do with a key (its own selection, its
    // current entry), it does not.
    return true;
}

bool CQtDialogWindow::HandleListKey(QKeyEvent* key, QListWidget* list) {
    static const std::map<int, ListKey> kMoves = {
        {Qt::Key_Up, ListKey::Up},         {Qt::Key_Down, ListKey::Down},
        {Qt::Key_Home, ListKey::Home},     {Qt::Key_End, ListKey::End},
        {Qt::Key_PageUp, ListKey::PageUp}, {Qt::Key_PageDown, ListKey::PageDown},
    };
    const int id = list->objectName().toInt();
    const ControlState* state = m_dialog.FindControl(id);
    if (!state || !state->enabled || !list->isEnabled()) return false;
    if ((key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) != 0) return false;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    // Space is a letter of the word being typed while the typing goes on
    // (as in "medium pulse"); otherwise it does what a double-click on the
    // selected entry does, as Delete does on a list whose template asks for it.
    const bool typing = m_typedIn == list && !m_typed.isEmpty() &&
                        now - m_typedAt <= QApplication::keyboardInputInterval();
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && ((key->key() == Qt::Key_Space && !typing) ||
                  (key->key() == Qt::Key_Delete && HasStyle(id, ControlStyle::DeleteKey)))) {
        m_typed.clear();
        const int row = state->selection;
        Dispatch([this, id, row] { m_dialog.DoubleClickList(id, row); });
        return true;
    }
    const int count = static_cast<int>(state->items.size());
    if (auto move = kMoves.find(key->key()); move != kMoves.end()) {
        m_typed.clear();
        const int pageRows = std::max(1, list->viewport()->height() / std::max(1, m_base.y));
        SelectListRow(id, RowAfterListKey(move->second, state->selection, count, pageRows));
        return true;
    }
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint()) return false;
    // Letters typed in quick succession search for the word they spell.
    if (!typing) m_typed.clear();
    m_typed += text;
    m_typedAt = now;
    m_typedIn = list;
    // One letter typed again and again steps through the entries it starts.
    const bool oneLetter = m_typed.count(m_typed.front()) == m_typed.size();
    const QString prefix = oneLetter ? m_typed.left(1) : m_typed;
    SelectListRow(id, RowByTypedPrefix(state->items, state->selection, prefix.toStdString()));
    return true;
}

int CQtDialogWindow::AccessKeyControl(const QKeyEvent& key) const {
    // Alt and nothing else (a digit of the keypad as well), with a letter or digit.
    const Qt::KeyboardModifiers held = key.modifiers() & ~Qt::KeypadModifier;
    if (held != Qt::AltModifier) return 0;
    const int k = key.key();
    const bool digit = k >= Qt::Key_0 && k <= Qt::Key_9;
    const bool letter = k >= Qt::Key_A && k <= Qt::Key_Z;
    if (!digit && !letter) return 0;
    for (const AccessKey& access : m_dialog.Template().accessKeys)
        if (access.key == static_cast<char>(k)) return access.id;
    return 0;
}

bool CQtDialogWindow::HasStyle(int id, unsigned style) const {
    for (const Control& control : m_controls)
        if (control.item->id == id) return (control.item->style & style) != 0;
    return false;
}

void CQtDialogWindow::SelectListRow(int id, int row) {
    // Selection only: no notification, so nothing is placed or taken away.
    if (row < 0) return;
    Dispatch([this, id, row] {
        ControlState& control = m_dialog.Control(id);
        if (control.selection == row) return;
        control.selection = row;
        m_dialog.TouchControl(control, false);
    });
}

void CQtDialogWindow::OpenMenuBar() {
    if (!m_menuBar || m_menuBar->actions().isEmpty()) return;
    m_menuBar->setActiveAction(m_menuBar->actions().front());
}

bool CQtDialogWindow::HandleListMouse(int id, QListWidget* list, QMouseEvent* mouse) {
    if (!list->isEnabled() || mouse->button() != Qt::LeftButton) return true;
    const QPoint at = mouse->position().toPoint();
    const QModelIndex index = list->indexAt(at);
    // A row the bottom edge cuts is not shown: a click there is a click on blank space.
    const bool shown =
        index.isValid() && list->visualRect(index).bottom() < list->viewport()->height();
    const int row = shown ? index.row() : -1;
    if (mouse->type() == QEvent::MouseButtonPress) {
        // The second press of a double-click belongs to the double-click.
        if (m_pressSeries.at(id).IsSecondPress(mouse->timestamp(), at.x(), at.y(), mouse->button()))
            return true;
        Dispatch([this, id, row] { m_dialog.ClickList(id, row); });
    } else if (mouse->type() == QEvent::MouseButtonDblClick) {
        Dispatch([this, id, row] { m_dialog.DoubleClickList(id, row); });
    }
    return true;
}

void CQtDialogWindow::ShowSystemMenu(const QPoint& globalPos) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("system-menu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto add = [this, menu](const QString& text, unsigned id) {
        QAction* action = menu->addAction(text);
        action->setData(id);
        connect(action, &QAction::triggered, this,
                [this, id] { Dispatch([this, id] { m_dialog.SysCommand(id); }); });
    };
    if (m_dialog.Template().style & DialogStyle::MinimizeBox)
        add(QStringLiteral("Minimise"), SC_MINIMIZE);
    add(QStringLiteral("Close"), SC_CLOSE);
    for (const MenuItem& item : m_dialog.SystemMenuExtras()) {
        if (item.kind == MenuItem::Separator)
            menu->addSeparator();
        else if (item.kind == MenuItem::Command)
            add(ToQt(item.text), static_cast<unsigned>(item.id));
    }
    menu->popup(globalPos);
}

void CQtDialogWindow::closeEvent(QCloseEvent* event) {
    if (!m_dialog.IsEnded()) Dispatch([this] { m_dialog.SysCommand(SC_CLOSE); });
    if (m_dialog.IsEnded())
        event->accept();
    else
        event->ignore();
}

void CQtDialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    ShowSystemMenu(event->globalPos());
}

void CQtDialogWindow::paintEvent(QPaintEvent* event) {
    if (!isMinimized()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    m_pIconPainter = &painter;
    m_dialog.OnPaint();
    m_pIconPainter = nullptr;
}
