#pragma once

#include "urlopener.h"

#include <QList>

// Remembers every address it is asked to open, and opens none.
class RecordingOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override {
        m_urls << url;
        return true;
    }
    QList<QUrl> m_urls;
};
