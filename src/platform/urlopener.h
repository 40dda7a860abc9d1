#pragma once

#include <QUrl>

// Hands an address to the desktop: a web page to the browser, mailto: to the mail client, a
// file to the program that opens its kind.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual bool open(const QUrl& url) = 0;
};

class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& url) override;
};
