#pragma once

#include <QString>

// Where the program and its author are found, as game configuration files, ROM lists, the About
// window and the Debian package name them.
inline constexpr char kHomePageAddress[] = "http://zemplo97.example.org";
inline constexpr char kMailAddress[] = "zemplo97@example.org";

inline QString homePageAddress() {
    return QString::fromLatin1(kHomePageAddress);
}
inline QString mailAddress() {
    return QString::fromLatin1(kMailAddress);
}
