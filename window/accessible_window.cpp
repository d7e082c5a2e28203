#include "accessible_window.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface* WindowAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("frmZorvane") || !object->isWidgetType()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

void AnnounceFrmZorvaneAsWindow() {
    static const bool installed = [] {
        QAccessible::installFactory(&WindowAccessible);
        return true;
    }();
    (void)installed;
}
