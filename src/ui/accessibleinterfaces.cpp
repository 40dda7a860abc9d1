#include "accessibleinterfaces.h"

#include "linklabel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

const char* const kDecorative = "zemplo-decorative";
const char* const kWindowRole = "zemplo-window-role";

// A window of the launcher, its decorative lines left out of its children.
class WindowInterface : public QAccessibleWidget {
public:
    WindowInterface(QWidget* window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> shown = children();
        return index >= 0 && index < shown.size()
                   ? QAccessible::queryAccessibleInterface(shown[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(children().indexOf(qobject_cast<QWidget*>(child->object()))) : -1;
    }

private:
    QList<QWidget*> children() const {
        QList<QWidget*> shown;
        for (QObject* object : widget()->children())
            if (auto* w = qobject_cast<QWidget*>(object);
                w && !w->isWindow() && !w->property(kDecorative).toBool())
                shown << w;
        return shown;
    }
};

// An option list, named by the setting it holds, its current item its value; its drop-down
// list and its text box are its children.
class OptionListInterface : public QAccessibleWidget {
public:
    explicit OptionListInterface(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t); // the accessible name, for the name
        if (t == QAccessible::Value || (t == QAccessible::Name && own.isEmpty()))
            return list()->currentText();
        return own;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        s.editable = list()->isEditable();
        return s;
    }
    int childCount() const override { return list()->lineEdit() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        QWidget* child = index == 0   ? static_cast<QWidget*>(list()->view())
                         : index == 1 ? static_cast<QWidget*>(list()->lineEdit())
                                      : nullptr;
        return child ? QAccessible::queryAccessibleInterface(child) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        if (child->object() == list()->view())
            return 0;
        return child->object() && child->object() == list()->lineEdit() ? 1 : -1;
    }
    QStringList actionNames() const override {
        return {showMenuAction(), pressAction(), setFocusAction()};
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

// A link that can be followed: pressing it is a click.
class LinkInterface : public QAccessibleWidget {
public:
    explicit LinkInterface(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? label()->text() : own;
    }
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction())
            emit label()->activated();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    LinkLabel* label() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* launcherInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    // Asked as soon as a list is filled, before it is named: every list gets this interface.
    if (auto* list = qobject_cast<QComboBox*>(widget))
        return new OptionListInterface(list);
    if (auto* link = qobject_cast<LinkLabel*>(widget))
        return new LinkInterface(link);
    const QVariant role = widget->property(kWindowRole);
    if (role.isValid() && widget->isWindow())
        return new WindowInterface(widget,
                                   AccessibleWindowRole(role.toInt()) == AccessibleWindowRole::Frame
                                       ? QAccessible::Window
                                       : QAccessible::Dialog);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    QAccessible::removeFactory(launcherInterface); // once, however often it is asked
    QAccessible::installFactory(launcherInterface);
}

void markDecorative(QWidget* widget) {
    widget->setProperty(kDecorative, true);
}

void setAccessibleWindowRole(QWidget* window, AccessibleWindowRole role) {
    window->setProperty(kWindowRole, int(role));
}
