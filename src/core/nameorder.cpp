#include "nameorder.h"

#include <QCollator>

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
