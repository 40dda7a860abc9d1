#include "nameorder.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace {

// The C locale (no LANG, as in services and CI) compares code points, numbers and letter case
// included: its names still sort as a file manager would sort them in English.
QLocale collationLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : system;
}

} // namespace

std::vector<qsizetype> nameOrder(const QStringList& names) {
    QCollator collator(collationLocale());
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(names.size()));
    for (const QString& name : names)
        keys.push_back(collator.sortKey(name));
    std::vector<qsizetype> positions(size_t(names.size()));
    std::iota(positions.begin(), positions.end(), 0);
    std::stable_sort(positions.begin(), positions.end(), [&](qsizetype a, qsizetype b) {
        const int order = keys[size_t(a)].compare(keys[size_t(b)]);
        return order != 0 ? order < 0 : names[a] < names[b];
    });
    return positions;
}
