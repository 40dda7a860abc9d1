#include "flavourcache.h"

#include "appfolders.h"
#include "hostpath.h"
#include "textfile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace {

// Kept small: a user has a few DOSBox programs, not hundreds.
constexpr int kMostKept = 32;

} // namespace

QString programFileIdentity(const QString& program) {
    const QFileInfo info(program);
    const QString real = info.canonicalFilePath();
    if (real.isEmpty())
        return {};
    const QFileInfo target(real);
    return QStringLiteral("%1\t%2\t%3")
        .arg(target.size())
        .arg(target.lastModified().toMSecsSinceEpoch())
        .arg(real);
}

DosBoxFlavourCache::DosBoxFlavourCache(QString file, Asker ask, Keeping keeping)
    : m_file(std::move(file)), m_ask(std::move(ask)), m_keeping(keeping) {}

QString DosBoxFlavourCache::defaultFile() {
    return joinPath(launchCacheRoot(), QStringLiteral("dosbox-flavours.txt"));
}

// One program a line: its flavour word, a tab, then its identity.
void DosBoxFlavourCache::load() {
    m_loaded = true;
    if (m_file.isEmpty())
        return;
    const TextRead read = readTextLines(m_file);
    for (const QString& line : read.lines) {
        DosBoxFlavour flavour;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab > 0 && flavourFromWord(line.left(tab), &flavour))
            m_known.insert(line.mid(tab + 1), flavour);
    }
}

void DosBoxFlavourCache::store() const {
    if (m_file.isEmpty() || m_keeping == Keeping::ReadOnly || m_known.size() > kMostKept)
        return;
    QStringList lines;
    for (auto it = m_known.begin(); it != m_known.end(); ++it)
        lines << flavourWord(it.value()) + QLatin1Char('\t') + it.key();
    lines.sort();
    QDir().mkpath(QFileInfo(m_file).absolutePath());
    // A cache that cannot be written costs the next run one version question, nothing more.
    writeTextLines(m_file, lines);
}

DosBoxFlavourCache::Reading DosBoxFlavourCache::flavourOf(const QString& program) {
    Reading reading;
    if (flavourFromProgramName(program, &reading.flavour))
        return reading;
    if (!m_loaded)
        load();
    const QString identity = programFileIdentity(program);
    if (const auto it = m_known.constFind(identity); !identity.isEmpty() && it != m_known.cend()) {
        reading.flavour = it.value();
        return reading;
    }
    const VersionAnswer answer = m_ask(program);
    if (!answer.problem.isEmpty()) {
        reading.problem = answer.problem;
        return reading;
    }
    reading.flavour = flavourFromVersionOutput(answer.output);
    // A program too slow to answer this time may answer next time: not kept.
    if (!identity.isEmpty() && !answer.timedOut) {
        m_known.insert(identity, reading.flavour);
        store();
    }
    return reading;
}
