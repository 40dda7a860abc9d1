#pragma once

#include <QRect>
#include <QString>

// Every control carries the name users and tests know it by.
template <typename W> W* named(W* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}
