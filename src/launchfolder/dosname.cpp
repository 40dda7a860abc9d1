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

// A byte upper-cased the way DOSBox does it: ASCII letters only.
char upperAscii(char c) {
    return char(c - ((unsigned char)(c - 'a') < 26 ? 'a' - 'A' : 0));
}

// The first `length` bytes of a packed prefix.
quint64 firstBytes(quint64 packedHead, int length) {
    return length >= 8 ? packedHead : packedHead & ((quint64(1) << (8 * length)) - 1);
}

} // namespace

void DosNameTable::PackedName::dropLast() {
    const int last = size() - 1;
    if (last < 8)
        low &= ~(quint64(0xff) << (8 * last));
    else
        high &= ~(quint64(0xff) << (8 * (last - 8)));
}

QByteArray DosNameTable::PackedName::text() const {
    QByteArray text(size(), Qt::Uninitialized);
    for (int i = 0; i < text.size(); ++i)
        text[i] = at(i);
    return text;
}

DosNameTable::PackedName DosNameTable::packed(QByteArrayView name) {
    PackedName key;
    for (const char c : name.first(std::min<qsizetype>(12, name.size())))
        key.append(c);
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

int DosNameTable::nextAliasNumber(QByteArrayView upperName, quint64 head) const {
    int highest = 0;
    const int longest = int(std::min<qsizetype>(8, upperName.size()));
    for (int length = 0; length <= longest; ++length) {
        if (!(m_prefixLengths & (1u << length)))
            continue;
        const PrefixGroup* group = m_groups[std::size_t(length)].find(firstBytes(head, length));
        if (!group)
            continue;
        highest = std::max(highest, group->highestFullWidth);
        for (const Alias& alias : group->shortOnes)
            if (compareWithAlias(upperName, alias.shortName) == 0)
                highest = std::max(highest, alias.number);
    }
    return highest + 1;
}

// DOSBox's alias: up to eight characters before "~N", then the last extension. `name` needs
// only its first nine characters, `head` its first eight packed; `extension` is the dot and
// up to three characters, packed, `extensionSize` long.
DosNameTable::PackedName DosNameTable::aliasOf(QByteArrayView name, quint64 head, int baseLength,
                                               quint64 extension, int extensionSize) {
    const int number = nextAliasNumber(name, head);
    quint64 suffix = 0; // "~N", its first byte lowest
    int suffixSize = 1;
    for (int n = number; n > 0; n /= 10, ++suffixSize)
        suffix = suffix << 8 | quint64('0' + n % 10);
    suffix = suffix << 8 | quint64('~');
    const int keep = (baseLength + suffixSize > 8) ? 8 - suffixSize : baseLength;
    const int width = keep + suffixSize; // at most eight
    PackedName alias;
    alias.low = firstBytes(head, keep) | suffix << (8 * keep);
    if (extensionSize > 0) {
        if (width < 8) {
            alias.low |= extension << (8 * width);
            alias.high = extension >> (64 - 8 * width);
        } else {
            alias.high = extension;
        }
    }

    PrefixGroup& group = m_groups[std::size_t(keep)][firstBytes(head, keep)];
    m_prefixLengths |= 1u << keep;
    if (width >= 8)
        group.highestFullWidth = std::max(group.highestFullWidth, number);
    else
        group.shortOnes.push_back({alias.text(), number});
    return alias;
}

QByteArray DosNameTable::add(const char* hostName, qsizetype length) {
    return addEntry(hostName, length).text();
}

bool DosNameTable::isTaken(QByteArrayView name) {
    for (const PackedName& given : m_unsetShortNames)
        m_shortNames.insert(given);
    m_unsetShortNames.clear();
    return m_shortNames.contains(packed(name));
}

// Most ROM names have more than eight characters before their first dot. Such a name always
// gets an alias, which needs only its first characters and its last extension, so the rest of
// the name is never upper-cased. False for a name that needs the whole look.
bool DosNameTable::addLongName(const char* hostName, qsizetype length, PackedName& shortName) {
    // Upper-cased, blanks removed, as DOSBox starts every short name; nine characters show
    // that the base is longer than eight. The first eight also go into a number, built
    // without reading back bytes just written.
    char head[16] = {};
    quint64 headBytes = 0;
    int size = 0;
    qsizetype i = 0;
    for (; i < length && size < 9; ++i) {
        const char c = hostName[i];
        if (c == '.')
            return false;
        if (c == ' ')
            continue;
        const char upper = upperAscii(c);
        head[size] = upper;
        if (size < 8)
            headBytes |= quint64(uchar(upper)) << (8 * size);
        ++size;
    }
    if (size < 9)
        return false;
    quint64 extension = 0;
    int extensionSize = 0;
    const auto* lastDot =
        static_cast<const char*>(::memrchr(hostName + i, '.', std::size_t(length - i)));
    if (lastDot) {
        extension = '.';
        extensionSize = 1;
        for (const char* c = lastDot + 1; c != hostName + length && extensionSize < 4; ++c)
            if (*c != ' ')
                extension |= quint64(uchar(upperAscii(*c))) << (8 * extensionSize++);
    }
    shortName = aliasOf(QByteArrayView(head, 9), headBytes, 9, extension, extensionSize);
    return true;
}

DosNameTable::PackedName DosNameTable::addEntry(const char* hostName, qsizetype length) {
    PackedName shortName;
    if (!addLongName(hostName, length, shortName))
        shortName = addOtherName(hostName, length);
    if (shortName.low && shortName.at(shortName.size() - 1) == '.')
        shortName.dropLast();
    m_unsetShortNames.push_back(shortName);
    return shortName;
}

DosNameTable::PackedName DosNameTable::addOtherName(const char* hostName, qsizetype length) {
    // Upper-cased, blanks removed, as DOSBox starts every short name.
    char buffer[512];
    qsizetype size = 0;
    bool makeAlias = false;
    for (qsizetype i = 0; i < length && size < qsizetype(sizeof buffer) - 1; ++i) {
        const char c = hostName[i];
        buffer[size] = upperAscii(c); // a blank is written over by the next character
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
    if (!makeAlias)
        return packed(name);
    PackedName extension;
    if (firstDot != end) {
        const char* lastDot = end - 1;
        while (*lastDot != '.')
            --lastDot;
        extension = packed(QByteArrayView(lastDot, std::min<qsizetype>(4, end - lastDot)));
    }
    return aliasOf(name, packed(name.first(std::min<qsizetype>(8, name.size()))).low, baseLength,
                   extension.low, extension.size());
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
