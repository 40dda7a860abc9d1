#pragma once

#include "dosboxflavour.h"
#include "versionprobe.h"

#include <QHash>
#include <QString>

#include <functional>

// Which DOSBox a program file is, read from its version answer once per file (its path, size
// and modification time) and kept, in memory and in a small file of the user's cache, so that
// a press on play does not wait for another DOSBox start.
class DosBoxFlavourCache {
public:
    using Asker = std::function<VersionAnswer(const QString& program)>;

    enum class Keeping { ReadAndWrite, ReadOnly };
    // `file` may be empty: then nothing is kept beyond this run. Read-only, it is read but
    // never written (for showing what a launch would do).
    explicit DosBoxFlavourCache(QString file = defaultFile(), Asker ask = askVersionOf,
                                Keeping keeping = Keeping::ReadAndWrite);

    struct Reading {
        DosBoxFlavour flavour = DosBoxFlavour::Classic;
        QString problem; // the program could not be asked: it must not be started
    };
    Reading flavourOf(const QString& program);

    // $XDG_CACHE_HOME/Zemplo97/dosbox-flavours.txt
    static QString defaultFile();
    static VersionAnswer askVersionOf(const QString& program) { return askVersion(program); }

private:
    void load();
    void store() const;

    QString m_file;
    Asker m_ask;
    Keeping m_keeping;
    bool m_loaded = false;
    QHash<QString, DosBoxFlavour> m_known; // by the identity line of the program file
};

// The identity of a program file as the cache keys it: its real path, size and modification
// time; empty when there is no file.
QString programFileIdentity(const QString& program);
