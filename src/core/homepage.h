#pragma once

#include <QString>

// The program's home page, as game configuration files, ROM lists and the About window name it.
inline constexpr char kHomePageAddress[] = "http://zemplo97.example.org";

inline QString homePageAddress() {
    return QString::fromLatin1(kHomePageAddress);
}
