#include "nameorder.h"

#include <QCollator>

#include <algorithm>
#include <array>
#include <memory>
#include <numeric>
#include <string_view>

namespace {

// The C locale (no LANG, as in services and CI) compares code points, numbers and letter case
// included: its names still sort as a file manager would sort them in English.
QLocale collationLocale() {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates)
                                           : system;
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

// A printable ASCII name as the collator weighs it, written at `out`: each character as the
// byte of its rank, each run of digits as one number (the rank of the digits, the run's length
// without leading zeros in two bytes, then its digits), so that comparing two keys byte by byte
// compares the names. At most four bytes a character. Returns the key's end, or null for a
// name with any other character.
char* writeAsciiKey(char* out, const QString& name, const AsciiRanks& ranks) {
    const char16_t* c = reinterpret_cast<const char16_t*>(name.utf16());
    const char16_t* end = c + name.size();
    while (c != end) {
        if (*c >= ranks.size() || ranks[*c] == 0)
            return nullptr;
        if (!isDigit(*c)) {
            *out++ = char(ranks[*c++]);
            continue;
        }
        const char16_t* run = c;
        while (c != end && isDigit(*c))
            ++c;
        const char16_t* digits = run; // leading zeros do not count: "07" weighs as "7"
        while (digits != c && *digits == u'0')
            ++digits;
        const size_t length = std::min<size_t>(size_t(c - digits), 0xFFFF);
        *out++ = char(ranks[u'0']);
        *out++ = char(length >> 8);
        *out++ = char(length & 0xFF);
        for (const char16_t* d = digits; d != c; ++d)
            *out++ = char(*d);
    }
    return out;
}

using KeyedName = std::pair<std::string_view, qsizetype>; // a key and the name's position

// Sorts by key, byte after byte from the first (a shorter key before its longer ones), the
// raw name breaking ties: one pass over the names per byte position, not two comparisons each.
// (bench_romwindow and bench_romlist keep it.)
void radixSort(KeyedName* first, KeyedName* last, size_t depth, std::vector<KeyedName>& spare,
               const QStringList& names) {
    const auto byName = [&](const KeyedName& a, const KeyedName& b) {
        const int order = a.first.substr(std::min(depth, a.first.size()))
                              .compare(b.first.substr(std::min(depth, b.first.size())));
        return order != 0 ? order < 0 : names[a.second] < names[b.second];
    };
    if (last - first < 48) {
        std::sort(first, last, byName);
        return;
    }
    // Bucket 0 holds the keys that end here; bucket b + 1 those whose next byte is b.
    std::array<size_t, 258> starts{};
    for (const KeyedName* k = first; k != last; ++k)
        ++starts[k->first.size() > depth ? uchar(k->first[depth]) + 2 : 1];
    for (size_t b = 1; b < starts.size(); ++b)
        starts[b] += starts[b - 1];
    spare.resize(size_t(last - first));
    std::array<size_t, 258> next = starts;
    for (const KeyedName* k = first; k != last; ++k)
        spare[next[k->first.size() > depth ? uchar(k->first[depth]) + 1 : 0]++] = *k;
    std::copy(spare.begin(), spare.end(), first);
    std::sort(first, first + starts[1], byName); // keys alike to the end: by name
    for (size_t b = 1; b + 1 < starts.size(); ++b)
        if (starts[b + 1] - starts[b] > 1)
            radixSort(first + starts[b], first + starts[b + 1], depth + 1, spare, names);
}

} // namespace

std::vector<qsizetype> nameOrder(const QStringList& names) {
    QCollator collator(collationLocale());
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);

    // Most ROM folders hold ASCII names only: in English their keys are made here, cheaply,
    // once a list is long enough to repay asking the collator for its character order. Other
    // languages may join letters (Czech "ch", Danish "aa"), and other names may hold characters
    // the collator weighs in ways of its own: those go to the collator.
    constexpr qsizetype kOwnKeysFrom = 64;
    if (names.size() >= kOwnKeysFrom && collator.locale().language() == QLocale::English) {
        const AsciiRanks ranks = asciiRanks(collator);
        // Every key in one buffer: no allocation per name.
        qsizetype room = 0;
        for (const QString& name : names)
            room += 4 * name.size();
        const std::unique_ptr<char[]> buffer(new char[size_t(room)]);
        std::vector<KeyedName> sorted;
        sorted.reserve(size_t(names.size()));
        char* out = buffer.get();
        for (const QString& name : names) {
            char* end = writeAsciiKey(out, name, ranks);
            if (!end)
                break;
            sorted.emplace_back(std::string_view(out, size_t(end - out)), sorted.size());
            out = end;
        }
        if (sorted.size() == size_t(names.size())) {
            std::vector<KeyedName> spare;
            radixSort(sorted.data(), sorted.data() + sorted.size(), 0, spare, names);
            std::vector<qsizetype> positions;
            positions.reserve(sorted.size());
            for (const auto& [key, at] : sorted)
                positions.push_back(at);
            return positions;
        }
    }
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
