#include "keyboardlistview.h"

#include <QKeyEvent>

void KeyboardListView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex before = currentIndex();
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isReturn && before.isValid()) {
        emit returnPressed(before);
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
    const QModelIndex now = currentIndex();
    if (now.isValid() && (now != before || event->key() == Qt::Key_Space))
        emit clickedByKey(now);
}
