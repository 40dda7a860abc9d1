#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>

#include <array>
#include <deque>
#include <unordered_map>
#include <vector>

// The names DOSBox 0.74 gives the entries of one mounted host directory. Entries must be added
// in raw directory order: DOSBox numbers its ~N aliases in that order, so the same file can be
// PUZZLE~1.GB in one folder and PUZZLE~2.GB in another.
class DosNameTable {
public:
    // Adds the next entry and returns its DOS name.
    QByteArray add(const QByteArray& hostName) {
        return add(hostName.constData(), hostName.size());
    }
    QByteArray add(const char* hostName, qsizetype length);
    // Adds an entry whose DOS name nobody asks for: it counts for the names that follow.
    void pass(const char* hostName, qsizetype length) { addEntry(hostName, length); }

private:
    // A DOS name of at most twelve characters held in two numbers, byte n of the name in byte
    // n of the pair: no allocation per entry, and built without reading back bytes just
    // written one at a time, which stalls the processor. (bench_eightpointthree keeps it.)
    struct PackedName {
        quint64 low = 0, high = 0; // sixteen bytes: handed back in registers

        // Names hold no zero byte, so the length is where the zero bytes start.
        int size() const {
            return high ? 8 + (64 - qCountLeadingZeroBits(high) + 7) / 8
                        : (64 - qCountLeadingZeroBits(low) + 7) / 8;
        }
        void append(char c) { // ignored past twelve characters
            const int n = size();
            if (n < 8)
                low |= quint64(uchar(c)) << (8 * n);
            else if (n < 12)
                high |= quint64(uchar(c)) << (8 * (n - 8));
        }
        char at(int index) const {
            return char(index < 8 ? low >> (8 * index) : high >> (8 * (index - 8)));
        }
        void dropLast();
        QByteArray text() const;
        bool operator==(const PackedName& other) const {
            return low == other.low && high == other.high;
        }
        friend size_t qHash(const PackedName& key, size_t seed) {
            return qHashMulti(seed, key.low, key.high);
        }
    };
    static PackedName packed(QByteArrayView name);

    struct Alias {
        QByteArray shortName;
        int number;
    };
    // Aliases that share the characters before "~". Most fill all eight places, and a name
    // matches them exactly when it starts with those characters; the few shorter ones need
    // DOSBox's full comparison.
    struct PrefixGroup {
        int highestFullWidth = 0;
        std::vector<Alias> shortOnes;
    };

    PackedName addEntry(const char* hostName, qsizetype length);
    bool addLongName(const char* hostName, qsizetype length, PackedName& shortName);
    PackedName addOtherName(const char* hostName, qsizetype length);
    bool isTaken(QByteArrayView name);
    // `head`: the name's first eight bytes packed as in PackedName.
    int nextAliasNumber(QByteArrayView upperName, quint64 head) const;
    PackedName aliasOf(QByteArrayView name, quint64 head, int baseLength, quint64 extension,
                       int extensionSize);

    // The short names given so far. Only a name already 8.3-shaped asks whether it is taken,
    // so they wait in a list until the first question: a folder of long names builds no set.
    // The list grows in blocks, never copied into fresh memory as a vector's would be.
    QSet<PackedName> m_shortNames;
    std::deque<PackedName> m_unsetShortNames;
    // By the length of their prefix (0 to 8), groups keyed by the prefix's bytes in a number.
    // The maps keep their groups in place, so the group last found at each length is kept at
    // hand: names of one family (GAME 1, GAME 2, ...) come one after another.
    struct GroupsOfLength {
        std::unordered_map<quint64, PrefixGroup> groups;
        quint64 lastKey = 0;
        PrefixGroup* last = nullptr;
        PrefixGroup* find(quint64 key);
        PrefixGroup& operator[](quint64 key);
    };
    mutable std::array<GroupsOfLength, 9> m_groups;
    unsigned m_prefixLengths = 0; // bit n set when some group's prefix has n characters
};

// Where a host file appears to a DOS program when its directory is mounted as a drive.
struct DosLocation {
    QString dosPath;       // e.g. D:\PUZZLE~1.GB; empty when the file does not exist
    QString dosName;       // e.g. PUZZLE~1.GB
    QString hostDirectory; // absolute directory to mount
};

DosLocation locateForDos(const QString& hostPath, QChar driveLetter);

// The path under which the emulator opens the ROM: D:\ and the file's DOS name, or "" for an
// empty path or a file that does not exist.
QString EightPointThree(const QString& path);

// The characters DOS accepts in a name besides the dot, letters upper-cased.
bool isDosNameCharacter(QChar c);

// Whether DOS can open a file of this name: the alias keeps characters such as [ ; or
// non-ASCII letters that DOS refuses in a file name.
bool isDosOpenableName(const QString& dosName);

// The first eight characters of a ROM's base name that DOS accepts, upper-cased; "ROM" when
// none remain, and never a DOS device name (CON, NUL, COM1...), which DOS would open instead.
QString stableDosBase(const QString& romBaseName);
// Up to three characters of an extension that DOS accepts, upper-cased.
QString dosExtension(const QString& extension);
// At most eight characters before the first dot, at most three after it, no second dot.
bool isEightThreeShaped(const QString& fileName);
// Whether DOS reaches a file of this name as a device rather than as the file.
bool isDosDeviceName(const QString& dosBase);
