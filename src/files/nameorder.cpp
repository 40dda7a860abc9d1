#include "nameorder.h"

#include <QCollator>

#include <algorithm>
#include <array>
#include <numeric>
#include <string>
#include <string_view>

namespace {

// The C locale (no LANG, as in services and CI) compares code points, numbers and letter case
// included: its names still sort as a file manager would sort them in English.
QLocale collationLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : system;
}

bool isPrintableAscii(const QString& name) {
    return std::all_of(name.begin(), name.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Where each printable ASCII character stands in the collator's order (letter case ignored):
// asked of the collator itself, 95 one-letter comparisons, so the order is the collator's.
using AsciiRanks = std::array<quint8, 128>;

AsciiRanks asciiRanks(const QCollator& collator) {
    std::array<QString, 95> letters;
    for (int i = 0; i < 95; ++i)
        letters[size_t(i)] = QString(QChar(0x20 + i));
    std::stable_sort(letters.begin(), letters.end(), [&](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });
    AsciiRanks ranks{};
    quint8 rank = 1;
    for (size_t i = 0; i < letters.size(); ++i) {
        if (i > 0 && collator.compare(letters[i - 1], letters[i]) != 0)
            ++rank;
        ranks[letters[i].at(0).unicode()] = rank;
    }
    return ranks;
}

// A printable ASCII name as the collator weighs it, appended to `keys`: each character as the
// byte of its rank, each run of digits as one number (the rank of the digits, the run's length
// without leading zeros in two bytes, then its digits), so that comparing two keys byte by byte
// compares the names.
void appendAsciiKey(std::string& keys, const QString& name, const AsciiRanks& ranks) {
    const char16_t* c = reinterpret_cast<const char16_t*>(name.utf16());
    const char16_t* end = c + name.size();
    while (c != end) {
        if (!isDigit(*c)) {
            keys += char(ranks[*c++]);
            continue;
        }
        const char16_t* run = c;
        while (c != end && isDigit(*c))
            ++c;
        const char16_t* digits = run; // leading zeros do not count: "07" weighs as "7"
        while (digits != c && *digits == u'0')
            ++digits;
        const size_t length = std::min<size_t>(size_t(c - digits), 0xFFFF);
        keys += char(ranks[u'0']);
        keys += char(length >> 8);
        keys += char(length & 0xFF);
        for (const char16_t* d = digits; d != c; ++d)
            keys += char(*d);
    }
}

// Sorts the positions by the keys, the raw name breaking ties.
template <typename Key, typename Compare>
std::vector<qsizetype> sortedBy(const QStringList& names, const std::vector<Key>& keys,
                                Compare compare) {
    std::vector<qsizetype> positions(size_t(names.size()));
    std::iota(positions.begin(), positions.end(), 0);
    std::stable_sort(positions.begin(), positions.end(), [&](qsizetype a, qsizetype b) {
        const int order = compare(keys[size_t(a)], keys[size_t(b)]);
        return order != 0 ? order < 0 : names[a] < names[b];
    });
    return positions;
}

} // namespace

std::vector<qsizetype> nameOrder(const QStringList& names) {
    QCollator collator(collationLocale());
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);

    // Most ROM folders hold ASCII names only: in English their keys are made here, cheaply.
    // Other languages may join letters (Czech "ch", Danish "aa"), and other names may hold
    // characters the collator weighs in ways of its own: those go to the collator.
    if (collator.locale().language() == QLocale::English &&
        std::all_of(names.begin(), names.end(), isPrintableAscii)) {
        const AsciiRanks ranks = asciiRanks(collator);
        // Every key in one buffer: no allocation per name.
        std::string buffer;
        buffer.reserve(size_t(names.size()) * 24);
        std::vector<std::string_view> keys;
        std::vector<size_t> ends;
        ends.reserve(size_t(names.size()));
        for (const QString& name : names) {
            appendAsciiKey(buffer, name, ranks);
            ends.push_back(buffer.size());
        }
        keys.reserve(ends.size());
        for (size_t i = 0, begin = 0; i < ends.size(); begin = ends[i++])
            keys.emplace_back(buffer.data() + begin, ends[i] - begin);
        return sortedBy(names, keys, [](std::string_view a, std::string_view b) {
            return a.compare(b); // unsigned bytes, as char_traits<char> compares them
        });
    }
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(names.size()));
    for (const QString& name : names)
        keys.push_back(collator.sortKey(name));
    return sortedBy(names, keys, [](const QCollatorSortKey& a, const QCollatorSortKey& b) {
        return a.compare(b);
    });
}
