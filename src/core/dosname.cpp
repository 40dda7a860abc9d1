#include "dosname.h"

#include "openfolder.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <dirent.h>

namespace {

// DOSBox's comparison of a long name with an existing alias: both agree on the alias's
// characters before "~", widened when the long name's base is longer than prefix plus number.
int compareWithAlias(QByteArrayView name, const QByteArray& alias) {
    const int tilde = alias.indexOf('~');
    if (tilde < 0)
        return std::strcmp(name.data(), alias.constData());
    std::size_t count = std::size_t(tilde);
    const int dotAfterTilde = alias.indexOf('.', tilde);
    const std::size_t numberSize =
        std::size_t((dotAfterTilde < 0 ? alias.size() : dotAfterTilde) - tilde);
    const qsizetype nameDot = name.indexOf('.');
    std::size_t nameBase = std::size_t(nameDot < 0 ? name.size() : nameDot);
    nameBase = std::min<std::size_t>(nameBase, 8);
    if (nameBase > count + numberSize)
        count = nameBase - numberSize;
    return std::strncmp(name.data(), alias.constData(), count);
}

// Up to eight bytes in one number, for the prefix tables.
quint64 packedPrefix(const char* bytes, int length) {
    quint64 key = 0;
    std::memcpy(&key, bytes, std::size_t(length));
    return key;
}

} // namespace

DosNameTable::PackedName DosNameTable::packed(QByteArrayView name) {
    PackedName key;
    std::memcpy(&key.low, name.data(), std::size_t(std::min<qsizetype>(8, name.size())));
    if (name.size() > 8)
        std::memcpy(&key.high, name.data() + 8,
                    std::size_t(std::min<qsizetype>(8, name.size() - 8)));
    return key;
}

DosNameTable::PrefixGroup* DosNameTable::GroupsOfLength::find(quint64 key) {
    if (last && lastKey == key)
        return last;
    const auto found = groups.find(key);
    if (found == groups.end())
        return nullptr;
    lastKey = key;
    return last = &found->second;
}

DosNameTable::PrefixGroup& DosNameTable::GroupsOfLength::operator[](quint64 key) {
    if (last && lastKey == key)
        return *last;
    lastKey = key;
    return *(last = &groups[key]);
}

int DosNameTable::nextAliasNumber(QByteArrayView upperName) const {
    int highest = 0;
    const int longest = int(std::min<qsizetype>(8, upperName.size()));
    for (int length = 0; length <= longest; ++length) {
        if (!(m_prefixLengths & (1u << length)))
            continue;
        const PrefixGroup* group =
            m_groups[std::size_t(length)].find(packedPrefix(upperName.data(), length));
        if (!group)
            continue;
        highest = std::max(highest, group->highestFullWidth);
        for (const Alias& alias : group->shortOnes)
            if (compareWithAlias(upperName, alias.shortName) == 0)
                highest = std::max(highest, alias.number);
    }
    return highest + 1;
}

// DOSBox's alias: up to eight characters before "~N", then the last extension.
DosNameTable::ShortName DosNameTable::aliasOf(QByteArrayView name, int baseLength,
                                              qsizetype firstDot) {
    const char* begin = name.data();
    const char* end = begin + name.size();
    const int number = nextAliasNumber(name);
    char digits[16];
    int digitCount = 0;
    for (int n = number; n > 0; n /= 10)
        digits[digitCount++] = char('0' + n % 10);
    std::reverse(digits, digits + digitCount);
    const int keep = (baseLength + digitCount + 1 > 8) ? 8 - digitCount - 1 : baseLength;
    char alias[24];
    int aliasSize = 0;
    std::memcpy(alias, begin, std::size_t(keep));
    aliasSize = keep;
    alias[aliasSize++] = '~';
    std::memcpy(alias + aliasSize, digits, std::size_t(digitCount));
    aliasSize += digitCount;
    if (begin + firstDot != end) {
        const char* lastDot = end - 1;
        while (*lastDot != '.')
            --lastDot;
        const int extension = int(std::min<qsizetype>(4, end - lastDot));
        std::memcpy(alias + aliasSize, lastDot, std::size_t(extension));
        aliasSize += extension;
    }
    ShortName shortName;
    shortName.size = std::min(aliasSize, 12);
    std::memcpy(shortName.text, alias, std::size_t(shortName.size));

    PrefixGroup& group = m_groups[std::size_t(keep)][packedPrefix(begin, keep)];
    m_prefixLengths |= 1u << keep;
    if (keep + 1 + digitCount >= 8)
        group.highestFullWidth = std::max(group.highestFullWidth, number);
    else
        group.shortOnes.push_back({shortName.view().toByteArray(), number});
    return shortName;
}

QByteArray DosNameTable::add(const char* hostName, qsizetype length) {
    return addEntry(hostName, length).view().toByteArray();
}

bool DosNameTable::isTaken(QByteArrayView name) {
    for (const PackedName& given : m_unsetShortNames)
        m_shortNames.insert(given);
    m_unsetShortNames.clear();
    return m_shortNames.contains(packed(name));
}

DosNameTable::ShortName DosNameTable::addEntry(const char* hostName, qsizetype length) {
    // Upper-cased, blanks removed, as DOSBox starts every short name.
    char buffer[512];
    qsizetype size = 0;
    bool makeAlias = false;
    for (qsizetype i = 0; i < length && size < qsizetype(sizeof buffer) - 1; ++i) {
        const char c = hostName[i];
        // Written whatever it is; a blank is then written over by the next character.
        buffer[size] = char(c - ((unsigned char)(c - 'a') < 26 ? 'a' - 'A' : 0));
        size += c != ' ';
        makeAlias |= c == ' ';
    }
    buffer[size] = '\0'; // DOSBox's comparisons read up to the ending zero
    const char* begin = buffer;
    const char* end = buffer + size;
    const char* firstDot = std::find(begin, end, '.');
    if (firstDot != end && end - firstDot > 4) { // an extension of more than three characters
        while (begin != end && *begin == '.')
            ++begin;
        makeAlias = true;
        firstDot = std::find(begin, end, '.');
    }
    const QByteArrayView name(begin, end - begin);
    const int baseLength = int(firstDot - begin);
    // A taken short name has at most twelve characters: a longer name cannot be one.
    makeAlias = makeAlias || baseLength > 8 || (name.size() <= 12 && isTaken(name));

    ShortName shortName;
    if (makeAlias) {
        shortName = aliasOf(name, baseLength, firstDot - begin);
    } else {
        shortName.size = int(std::min<qsizetype>(name.size(), 12));
        std::memcpy(shortName.text, name.data(), std::size_t(shortName.size));
    }
    if (shortName.size > 0 && shortName.text[shortName.size - 1] == '.')
        shortName.text[--shortName.size] = '\0';
    m_unsetShortNames.push_back(packed(shortName.view()));
    return shortName;
}

namespace {

// The first letter that can make two names collide; entries that differ there cannot change
// the target's name, which keeps a search in a folder of thousands of ROMs cheap.
char collisionKey(const char* name) {
    while (*name == ' ' || *name == '.')
        ++name;
    const char c = *name;
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

bool mayAffectOthers(const char* name, char targetKey) {
    const char* p = name;
    while (*p == ' ')
        ++p;
    // Names whose alias starts with "~" compare equal to everything.
    return *p == '.' || *p == '~' || collisionKey(name) == targetKey;
}

} // namespace

DosLocation locateForDos(const QString& hostPath, QChar driveLetter) {
    const QFileInfo info(hostPath);
    if (hostPath.isEmpty() || !info.isFile())
        return {};
    const QString directory = info.absolutePath();
    const QByteArray target = QFile::encodeName(info.fileName());
    const char targetKey = collisionKey(target.constData());

    OpenFolder folder(directory);
    if (!folder.isOpen())
        return {};
    DosNameTable table;
    QByteArray dosName;
    while (const dirent* entry = folder.next()) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        if (target == name) {
            dosName = table.add(target);
            break;
        }
        if (mayAffectOthers(name, targetKey))
            table.pass(name, qsizetype(std::strlen(name)));
    }
    if (dosName.isEmpty())
        return {};
    const QString dos = QString::fromLatin1(dosName);
    return {QString(driveLetter) + QStringLiteral(":\\") + dos, dos, directory};
}

QString EightPointThree(const QString& path) {
    return locateForDos(path, QLatin1Char('D')).dosPath;
}

bool isDosNameCharacter(QChar c) {
    static const QString marks = QStringLiteral("!#$%&'()-@^_`{}~");
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || marks.contains(c);
}

bool isDosOpenableName(const QString& dosName) {
    return !dosName.isEmpty() && std::all_of(dosName.begin(), dosName.end(), [](QChar c) {
        return c == QLatin1Char('.') || isDosNameCharacter(c);
    });
}

namespace {

QString dosCharacters(const QString& text, int most) {
    QString kept;
    for (const QChar c : text) {
        if (kept.size() == most)
            break;
        const QChar upper = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? c.toUpper() : c;
        if (isDosNameCharacter(upper))
            kept += upper;
    }
    return kept;
}

} // namespace

bool isEightThreeShaped(const QString& fileName) {
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return !fileName.isEmpty() && fileName.size() <= 8;
    return dot >= 1 && dot <= 8 && fileName.size() - dot - 1 <= 3 &&
           fileName.indexOf(QLatin1Char('.'), dot + 1) < 0;
}

bool isDosDeviceName(const QString& dosBase) {
    static const QStringList devices = {
        QStringLiteral("CON"),     QStringLiteral("PRN"),    QStringLiteral("AUX"),
        QStringLiteral("NUL"),     QStringLiteral("CLOCK$"), QStringLiteral("COM1"),
        QStringLiteral("COM2"),    QStringLiteral("COM3"),   QStringLiteral("COM4"),
        QStringLiteral("LPT1"),    QStringLiteral("LPT2"),   QStringLiteral("LPT3"),
        QStringLiteral("EMMXXXX0")};
    return devices.contains(dosBase.toUpper());
}

QString stableDosBase(const QString& romBaseName) {
    QString base = dosCharacters(romBaseName, 8);
    if (base.isEmpty())
        return QStringLiteral("ROM");
    if (isDosDeviceName(base))
        base = base.left(7) + QLatin1Char('_');
    return base;
}

QString dosExtension(const QString& extension) {
    return dosCharacters(extension, 3);
}
