#include "accessible_window.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface* WindowAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("frmZorvane") || !object->isWidgetType()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

}  // namespace

// Qt keeps a factory installed twice only once.
void AnnounceFrmZorvaneAsWindow() { QAccessible::installFactory(&WindowAccessible); }
