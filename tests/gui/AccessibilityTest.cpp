#include "core/settings/IniFiler.h"
#include "support/EveryWindow.h"
#include "support/WindowFixture.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

using namespace Qt::StringLiterals;

// What a screen reader finds in each window: every control a user can reach has a name, and
// Tab moves through the main window in its reading order.
namespace {
bool isControl(QAccessible::Role role) {
    return QList{QAccessible::PushButton,   QAccessible::CheckBox, QAccessible::RadioButton,
                 QAccessible::ComboBox,     QAccessible::List,     QAccessible::Tree,
                 QAccessible::EditableText, QAccessible::SpinBox,  QAccessible::MenuItem,
                 QAccessible::Graphic,      QAccessible::Link}
        .contains(role);
}

// The shown controls under iface without a name, as "window/object (role)".
void collectNameless(QAccessibleInterface* iface, const QString& window, QStringList& nameless) {
    if (!iface || iface->state().invisible)
        return;
    const QAccessible::Role role = iface->role();
    if (isControl(role) && iface->text(QAccessible::Name).trimmed().isEmpty()) {
        const QObject* object = iface->object();
        nameless << u"%1/%2 (role %3)"_s.arg(window, object ? object->objectName() : u"?"_s)
                        .arg(static_cast<int>(role));
    }
    if (role == QAccessible::List || role == QAccessible::Tree)
        return; // the rows are named by their text
    for (int i = 0; i < iface->childCount(); ++i)
        collectNameless(iface->child(i), window, nameless);
}

QStringList namelessControls(QWidget& window) {
    window.show();
    QStringList nameless;
    collectNameless(QAccessible::queryAccessibleInterface(&window), window.objectName(), nameless);
    // Menus are windows of their own; their entries are reached from the menu bar.
    for (QMenu* menu : window.findChildren<QMenu*>())
        collectNameless(QAccessible::queryAccessibleInterface(menu), menu->objectName(), nameless);
    window.hide();
    return nameless;
}
} // namespace

using Accessibility = WindowFixture;

TEST_F(Accessibility, EveryReachableControlOfEveryWindowHasANameAndTabFollowsReadingOrder) {
    shared().settings = std::make_unique<IniFiler>(iniPath());
    EveryWindow windows;
    frmMain& main = windows.main;
    for (QWidget* window : windows.all())
        EXPECT_EQ(namelessControls(*window).join(u", "_s).toStdString(), "")
            << "controls without an accessible name";

    // The pictures say what they mean and what a drop on them does.
    const auto described = [](QWidget* w) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        return iface->text(QAccessible::Name) + u": "_s + iface->text(QAccessible::Description);
    };
    EXPECT_EQ(described(main.imgPlay1), u"Play song: Drop a song here to play it"_s);
    EXPECT_TRUE(described(main.cmdClear).contains(u"drop entries here to remove them"_s));

    QStringList order;
    QWidget* w = main.cmdNew;
    do {
        if (w->isVisibleTo(&main) && w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != main.cmdNew && order.size() < 50);
    EXPECT_EQ(order.join(u' '),
              u"cmdNew cmdOpen cmdSave cmdDelete cmdClear cmdUp cmdDn Drive1 Dir1 File1 "
              u"cmdClearFile lstSelected cmdClearSel"_s);
}
