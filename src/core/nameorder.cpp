#include "nameorder.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

struct NameOrder::Collator {
    QCollator collator;
};

namespace {

// The C locale (no LANG, as in services and CI) compares code points, numbers and letter case
// included: its names still sort as a file manager would sort them in English.
QLocale collationLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : system;
}

} // namespace

NameOrder::NameOrder()
    : m_collator(std::make_unique<Collator>(Collator{QCollator(collationLocale())})) {
    m_collator->collator.setNumericMode(true);
    m_collator->collator.setCaseSensitivity(Qt::CaseInsensitive);
}

NameOrder::~NameOrder() = default;

bool NameOrder::operator()(const QString& a, const QString& b) const {
    const int order = m_collator->collator.compare(a, b);
    return order != 0 ? order < 0 : a < b;
}

std::vector<qsizetype> NameOrder::order(const QStringList& names) const {
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(names.size()));
    for (const QString& name : names)
        keys.push_back(m_collator->collator.sortKey(name));
    std::vector<qsizetype> positions(size_t(names.size()));
    std::iota(positions.begin(), positions.end(), 0);
    std::stable_sort(positions.begin(), positions.end(), [&](qsizetype a, qsizetype b) {
        const int order = keys[size_t(a)].compare(keys[size_t(b)]);
        return order != 0 ? order < 0 : names[a] < names[b];
    });
    return positions;
}
